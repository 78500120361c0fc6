#pragma once
// The notification-area icon of a window. A left click posts
// {message, 0, kTrayLeftButtonUp} to the window, a right click
// {message, 0, kTrayRightButtonUp}. The icon file is relative to the skin
// folder unless absolute. The icon goes when the object does.
// Where the desktop has no notification area this is logged and the window
// minimises instead of hiding, so that it stays reachable.
#include <QSystemTrayIcon>

#include <memory>
#include <string>

namespace viremo::toolkit {
class CWindowWnd;
}

namespace viremo::toolkit::qt {

// The mouse messages a tray message carries in lParam.
inline constexpr long kTrayLeftButtonUp = 514;
inline constexpr long kTrayRightButtonUp = 517;

class CTrayIcon {
public:
    CTrayIcon(CWindowWnd& window, unsigned message, const std::string& iconPath, const std::string& toolTip);
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    bool IsShown() const { return m_icon != nullptr; }
    void SetToolTip(const std::string& toolTip);

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

}  // namespace viremo::toolkit::qt
