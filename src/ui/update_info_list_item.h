#pragma once
// One product in the settings window's update list ("UpdateInfoListItemUI",
// built from "device_Update_list_item.xml"): the check box with the
// product's name (checked: chosen for updating), the installed and the new
// version, and the state of the product with its text, busy indicator,
// progress and done mark.
#include <string>
#include <string_view>

#include "toolkit/list_container_element.h"

namespace viremo::toolkit {
class CCheckBoxUI;
}

namespace viremo::ui {

// Item states.
namespace item_status {
inline constexpr int kUnchecked = 0;
inline constexpr int kNewerVersion = 1;
inline constexpr int kNewerVersionToo = 2;
inline constexpr int kWaitingForDownload = 3;
inline constexpr int kDownloading = 4;
inline constexpr int kDownloaded = 5;
inline constexpr int kInstalling = 6;
inline constexpr int kUpToDate = 7;
inline constexpr int kFailed = 8;
}  // namespace item_status

class CUpdateInfoListItemUI : public toolkit::CListContainerElementUI {
public:
    static constexpr std::string_view kClassName = "UpdateInfoListItemUI";
    static constexpr std::string_view kSkin = "XML/CustomControlXML/device_Update_list_item.xml";
    static constexpr int kHeight = 50;

    CUpdateInfoListItemUI();
    std::string_view GetClass() const override { return kClassName; }

    void SetProductName(const std::string& name);
    std::string GetProductName() const;
    void SetInstalledVersion(const std::string& text);
    std::string GetInstalledVersion() const;
    // Hidden while empty.
    void SetNewVersion(const std::string& text);
    std::string GetNewVersion() const;

    // Shows the state: its text, busy indicator, done mark, whether the
    // check box can be used and the colours of the name. Setting the state
    // the item has already changes nothing.
    void SetStatus(int status);
    int GetStatus() const { return m_status; }

    bool IsChecked() const;
    void SetChecked(bool checked);
    bool IsCheckEnabled() const;
    void SetCheckEnabled(bool enabled);

    // "42%".
    void SetProgress(int percent);

private:
    void ShowStatus(int status);
    toolkit::CCheckBoxUI* CheckBox() const;
    toolkit::CControlUI* Part(std::string_view name) const;

    int m_status = -1;  // nothing shown yet
};

}  // namespace viremo::ui
