#include "toolkit/qt/image_cache.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cctype>
#include <filesystem>

#include "toolkit/paint_manager.h"

namespace viremo::toolkit::qt {

bool IsSvgFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".svg";
}

std::string SkinFilePath(const std::string& file) {
    const std::filesystem::path path(file);
    if (file.empty() || path.is_absolute()) return file;
    return (CPaintManagerUI::GetResourcePath() / path).string();
}

CImageCache& SharedImageCache() {
    static CImageCache cache;
    return cache;
}

const QImage& CImageCache::Get(const std::string& path, Color mask) {
    std::string key = path;
    if (mask != 0) {
        key.push_back('\n');
        key.append(std::to_string(mask));
    }
    auto found = m_images.find(key);
    if (found != m_images.end()) return found->second;
    QImage image = mask != 0 ? ApplyMask(Get(path), mask) : Load(path);
    return m_images.emplace(std::move(key), std::move(image)).first->second;
}

const QImage& CImageCache::GetAtSize(const std::string& path, QSize size) {
    std::string key = path + "\n@" + std::to_string(size.width()) + "x" + std::to_string(size.height());
    auto found = m_images.find(key);
    if (found != m_images.end()) return found->second;
    return m_images.emplace(std::move(key), Load(path, size)).first->second;
}

QImage CImageCache::Load(const std::string& path, QSize size) const {
    const QString file = QString::fromStdString(path);
    if (IsSvgFile(path)) {
        QSvgRenderer svg(file);
        if (!svg.isValid()) return {};
        if (size.isEmpty()) size = svg.defaultSize();
        if (size.isEmpty()) return {};
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        return image;
    }
    QImage image(file);
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage ApplyMask(const QImage& image, Color mask) {
    if (image.isNull()) return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mask & 0x00FFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == key) line[x] = 0;
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace viremo::toolkit::qt
