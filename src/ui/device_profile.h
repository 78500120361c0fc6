#pragma once
// The profile panel of a device page ("DeviceProfileItem", class
// "DeviceProfile"): the device's profiles in "device_profile_combo", the
// name edit, and the buttons of the profile commands, which the main window
// carries out. The profiles themselves are the ProfileStore's; the panel
// shows them and keeps the combo in step after every change.
#include <memory>
#include <string>

#include "profiles/profile_store.h"
#include "ui/skin_panel.h"

namespace viremo::ui {

class CDeviceProfileUI : public CSkinPanelUI {
public:
    static constexpr std::string_view kClassName = "DeviceProfile";
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/DeviceProfile.xml";
    CDeviceProfileUI() : CSkinPanelUI(std::string(kLayoutFile)) {}
    std::string_view GetClass() const override { return kClassName; }

    // The device's data folder, its factory profile and model id; the list
    // is read and shown, `keepCurrent` staying current when it is listed.
    void SetProfilePaths(const std::filesystem::path& deviceFolder, const std::filesystem::path& templateFile,
                         int modelId, std::string_view keepCurrent = {});
    bool HasProfiles() const { return m_store != nullptr; }
    ProfileStore& Store() { return *m_store; }

    // The combo's selection; -1 when none.
    int GetSelectedProfileIndex() const;
    std::string GetProfileNameText() const;
    void ShowProfileMenu(bool shown);
    bool IsProfileMenuVisible() const;

    // Shows the store's profiles and selection again, after a change.
    void ShowProfiles();

private:
    std::unique_ptr<ProfileStore> m_store;
};

}  // namespace viremo::ui
