#pragma once
// Pictures of the skin, each file decoded once. PNG (and the other raster
// formats Qt reads) and SVG, which is drawn at its own size, or at the size
// it is shown at (GetAtSize, once per size) so that it stays sharp at any
// DPI scale. A mask colour
// gives a second cached copy in which that colour is transparent. A file
// that cannot be read gives a null image, also cached.
#include <QImage>

#include <string>
#include <unordered_map>

#include "toolkit/geometry.h"

namespace viremo::toolkit::qt {

class CImageCache {
public:
    const QImage& Get(const std::string& path, Color mask = 0);
    // An SVG picture drawn at the size given.
    const QImage& GetAtSize(const std::string& path, QSize size);
    void Clear() { m_images.clear(); }
    std::size_t Size() const { return m_images.size(); }

private:
    QImage Load(const std::string& path, QSize size = {}) const;
    std::unordered_map<std::string, QImage> m_images;
};

// The cache the renderers of the process share (UI thread only).
CImageCache& SharedImageCache();

// A picture file named as skins name them: relative to the skin folder
// unless absolute.
std::string SkinFilePath(const std::string& file);

bool IsSvgFile(const std::string& path);

// Pixels of the mask colour (compared without alpha) become transparent.
QImage ApplyMask(const QImage& image, Color mask);

}  // namespace viremo::toolkit::qt
