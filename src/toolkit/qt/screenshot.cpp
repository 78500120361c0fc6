#include "toolkit/qt/screenshot.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPixmap>

#include "platform/atomic_file.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

QImage RenderToImage(CPaintManagerUI& manager) {
    const Size size = manager.GetClientSize();
    if (size.cx <= 0 || size.cy <= 0) return {};
    QImage image(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    CQtRenderer renderer(painter, SharedImageCache(), manager.GetDPIScale());
    manager.Paint(renderer, manager.GetClientRect());
    return image;
}

QImage GrabWindow(CWindowWnd& window) {
    CQtWindowHost* host = QtHostOf(window);
    if (!host || !host->Widget()) return {};
    host->EnsureSized();
    CHostWidget* widget = host->Widget();
    CPaintManagerUI& pm = window.GetPaintManager();
    const Size size{widget->width(), widget->height()};
    if (pm.GetClientSize() != size) pm.OnSize(size);
    return widget->grab().toImage();
}

bool SaveScreenshot(CWindowWnd& window, const std::string& pngPath) {
    QImage image = GrabWindow(window);
    if (image.isNull()) return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
    return writeFileAtomically(pngPath, std::string(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace viremo::toolkit::qt
