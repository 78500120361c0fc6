#include "ui/device_profile.h"

#include "toolkit/combo.h"
#include "ui/combo_items.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kCombo = "device_profile_combo";
constexpr std::string_view kNameEdit = "device_profile_name_edit";
constexpr std::string_view kMenu = "profile_menu_layout";
constexpr std::string_view kList = "profile_list_layout";

}  // namespace

void CDeviceProfileUI::SetProfilePaths(const std::filesystem::path& deviceFolder,
                                       const std::filesystem::path& templateFile, int modelId,
                                       std::string_view keepCurrent) {
    m_store = std::make_unique<ProfileStore>(deviceFolder, templateFile, modelId);
    m_store->LoadProfileList(keepCurrent);
    ShowProfiles();
}

int CDeviceProfileUI::GetSelectedProfileIndex() const {
    const auto* combo = dynamic_cast<const toolkit::CComboUI*>(FindSubControl(kCombo));
    return combo ? combo->GetCurSel() : -1;
}

std::string CDeviceProfileUI::GetProfileNameText() const {
    const toolkit::CControlUI* edit = FindSubControl(kNameEdit);
    return edit ? edit->GetText() : std::string();
}

// The menu takes the place of the list, which the row has no room for
// beside it.
void CDeviceProfileUI::ShowProfileMenu(bool shown) {
    if (toolkit::CControlUI* menu = FindSubControl(kMenu)) menu->SetVisible(shown);
    if (toolkit::CControlUI* list = FindSubControl(kList)) list->SetVisible(!shown);
}

bool CDeviceProfileUI::IsProfileMenuVisible() const {
    const toolkit::CControlUI* menu = FindSubControl(kMenu);
    return menu && menu->IsVisible();
}

void CDeviceProfileUI::ShowProfiles() {
    auto* combo = dynamic_cast<toolkit::CComboUI*>(FindSubControl(kCombo));
    if (!combo || !m_store) return;
    std::vector<std::string> names;
    for (const ProfileEntry& profile : m_store->Profiles()) names.push_back(profile.name);
    FillCombo(*combo, names);
    const int selected = m_store->GetSelectedProfileIndex();
    if (selected >= 0 && selected < combo->GetCount()) combo->SelectItem(selected, false, false);
    if (toolkit::CControlUI* edit = FindSubControl(kNameEdit))
        edit->SetText(selected >= 0 ? m_store->Profiles()[size_t(selected)].name : std::string());
}

}  // namespace viremo::ui
