#pragma once
// Notifications: what a control tells the window about itself ("click",
// "selectchanged", ...). The paint manager hands each one to every notifier.
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/geometry.h"

namespace viremo::toolkit {

class CControlUI;

struct TNotifyUI {
    std::string sType;
    CControlUI* pSender = nullptr;
    std::uint64_t dwTimestamp = 0;
    Point ptMouse;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

class INotifyUI {
public:
    virtual ~INotifyUI() = default;
    virtual void Notify(TNotifyUI& msg) = 0;
};

// The notification types the built-in controls send.
namespace notify {
inline constexpr std::string_view kWindowInit = "windowinit";
inline constexpr std::string_view kWindowSize = "windowsize";
inline constexpr std::string_view kClick = "click";
inline constexpr std::string_view kSelectChanged = "selectchanged";
inline constexpr std::string_view kTabSelect = "tabselect";
inline constexpr std::string_view kItemSelect = "itemselect";
inline constexpr std::string_view kItemClick = "itemclick";
inline constexpr std::string_view kItemActivate = "itemactivate";
inline constexpr std::string_view kDropDown = "dropdown";
inline constexpr std::string_view kMenu = "menu";
inline constexpr std::string_view kValueChanged = "valuechanged";
inline constexpr std::string_view kMoveValueChanged = "movevaluechanged";
inline constexpr std::string_view kTextChanged = "textchanged";
inline constexpr std::string_view kReturn = "return";
inline constexpr std::string_view kSetFocus = "setfocus";
inline constexpr std::string_view kKillFocus = "killfocus";
inline constexpr std::string_view kTimer = "timer";
inline constexpr std::string_view kColorChanged = "colorchanged";
inline constexpr std::string_view kScroll = "scroll";
}  // namespace notify

}  // namespace viremo::toolkit
