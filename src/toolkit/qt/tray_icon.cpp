#include "toolkit/qt/tray_icon.h"

#include <QIcon>
#include <QPixmap>

#include "platform/log.h"
#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

CTrayIcon::CTrayIcon(CWindowWnd& window, unsigned message, const std::string& iconPath, const std::string& toolTip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        log::line("no notification area on this desktop: the window minimises instead of hiding");
        if (CQtWindowHost* host = QtHostOf(window)) host->SetMinimizeInsteadOfHide(true);
        return;
    }
    m_icon = std::make_unique<QSystemTrayIcon>();
    const QImage& image = SharedImageCache().Get(SkinFilePath(iconPath));
    if (!image.isNull()) m_icon->setIcon(QIcon(QPixmap::fromImage(image)));
    m_icon->setToolTip(ToQString(toolTip));
    const WindowHandle target = window.GetHWND();
    CMessageQueue& queue = window.GetQueue();
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                     [&queue, target, message](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             queue.Post(target, {message, 0, kTrayLeftButtonUp});
                         else if (reason == QSystemTrayIcon::Context)
                             queue.Post(target, {message, 0, kTrayRightButtonUp});
                     });
    m_icon->show();
}

CTrayIcon::~CTrayIcon() {
    if (m_icon) m_icon->hide();
}

void CTrayIcon::SetToolTip(const std::string& toolTip) {
    if (m_icon) m_icon->setToolTip(ToQString(toolTip));
}

}  // namespace viremo::toolkit::qt
