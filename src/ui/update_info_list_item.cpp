#include "ui/update_info_list_item.h"

#include <array>

#include "toolkit/check_box.h"
#include "toolkit/label.h"

namespace viremo::ui {

namespace {

// What a state shows. The name is drawn in `text` (normal and selected) and
// in `disabled` while the check box cannot be used.
struct StatusLook {
    std::string_view textId;
    bool busy;
    bool done;
    bool checkEnabled;
    toolkit::Color text;
    toolkit::Color disabled;
};

constexpr toolkit::Color kPlain = 0xFFFFFFFF;
constexpr toolkit::Color kPlainDisabled = 0xFF666666;
constexpr toolkit::Color kMarked = 0xFF0099FF;
constexpr toolkit::Color kMarkedDisabled = 0xFF0078C8;

// By state, 0 to 8.
constexpr std::array<StatusLook, 9> kStatusLooks = {{
    {"LessUpdateText", false, false, false, kPlain, kPlainDisabled},
    {"NeedUpdateText", false, false, true, kMarked, kMarkedDisabled},
    {"NeedUpdateText", false, false, true, kMarked, kMarkedDisabled},
    {"DownloadWaitText", false, false, false, kMarked, kMarkedDisabled},
    {"DownloadIngText", true, false, false, kMarked, kMarkedDisabled},
    {"DownloadOkText", false, true, false, kMarked, kMarkedDisabled},
    {"UpdateIngText", true, false, false, kMarked, kMarkedDisabled},
    {"UpdateOkText", false, false, false, kPlain, kPlainDisabled},
    {"UpdateFailText", false, false, true, kMarked, kMarkedDisabled},
}};

}  // namespace

CUpdateInfoListItemUI::CUpdateInfoListItemUI() { SetFixedHeight(kHeight); }

toolkit::CControlUI* CUpdateInfoListItemUI::Part(std::string_view name) const { return FindSubControl(name); }

toolkit::CCheckBoxUI* CUpdateInfoListItemUI::CheckBox() const {
    return dynamic_cast<toolkit::CCheckBoxUI*>(Part("check_name_select"));
}

void CUpdateInfoListItemUI::SetProductName(const std::string& name) {
    if (auto* box = CheckBox()) box->SetText(name);
}

std::string CUpdateInfoListItemUI::GetProductName() const {
    auto* box = CheckBox();
    return box ? box->GetText() : std::string();
}

void CUpdateInfoListItemUI::SetInstalledVersion(const std::string& text) {
    if (auto* label = Part("OldRev")) label->SetText(text);
}

std::string CUpdateInfoListItemUI::GetInstalledVersion() const {
    auto* label = Part("OldRev");
    return label ? label->GetText() : std::string();
}

void CUpdateInfoListItemUI::SetNewVersion(const std::string& text) {
    auto* label = Part("updateRev");
    if (!label) return;
    label->SetText(text);
    label->SetVisible(!text.empty());
}

std::string CUpdateInfoListItemUI::GetNewVersion() const {
    auto* label = Part("updateRev");
    return label ? label->GetText() : std::string();
}

void CUpdateInfoListItemUI::SetStatus(int status) {
    if (status == m_status || status < 0 || status >= static_cast<int>(kStatusLooks.size())) return;
    m_status = status;
    ShowStatus(status);
}

void CUpdateInfoListItemUI::ShowStatus(int status) {
    const StatusLook& look = kStatusLooks[static_cast<size_t>(status)];
    if (auto* text = Part("update_status_text")) {
        text->SetTextId(true);
        text->SetText(std::string(look.textId));
    }
    if (auto* busy = Part("update_status_ing")) busy->SetVisible(look.busy);
    if (auto* progress = Part("update_progress_value")) progress->SetVisible(look.busy);
    if (auto* done = Part("update_status_ok")) done->SetVisible(look.done);
    if (auto* box = CheckBox()) {
        box->SetEnabled(look.checkEnabled);
        box->SetTextColor(look.text);
        box->SetSelectedTextColor(look.text);
        box->SetDisabledTextColor(look.disabled);
    }
}

bool CUpdateInfoListItemUI::IsChecked() const {
    auto* box = CheckBox();
    return box && box->GetCheck();
}

void CUpdateInfoListItemUI::SetChecked(bool checked) {
    if (auto* box = CheckBox()) box->SetCheck(checked);
}

bool CUpdateInfoListItemUI::IsCheckEnabled() const {
    auto* box = CheckBox();
    return box && box->IsEnabled();
}

void CUpdateInfoListItemUI::SetCheckEnabled(bool enabled) {
    if (auto* box = CheckBox()) box->SetEnabled(enabled);
}

void CUpdateInfoListItemUI::SetProgress(int percent) {
    if (auto* progress = Part("update_progress_value")) progress->SetText(std::to_string(percent) + "%");
}

}  // namespace viremo::ui
