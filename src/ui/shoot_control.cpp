#include "ui/shoot_control.h"

#include <string>

#include "macros/text.h"
#include "profiles/json_file.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/edit.h"
#include "toolkit/option.h"
#include "toolkit/paint_manager.h"
#include "toolkit/tab_layout.h"
#include "ui/control_family.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kGunPrefix = "shoot_gun_op_";
constexpr std::string_view kBulletPrefix = "bullet_op_";
constexpr std::string_view kGunPages = "shoot_image_display_switch";
constexpr std::string_view kBulletIndex = "bullet_select_index";
constexpr std::string_view kPrevious = "bullet_selected_prev";
constexpr std::string_view kNext = "bullet_selected_next";
constexpr std::string_view kHorizontalCheck = "bullet_x_check";
constexpr std::string_view kVerticalCheck = "bullet_y_check";
constexpr std::string_view kHorizontalEdit = "bullet_x_eidt";
constexpr std::string_view kVerticalEdit = "bullet_y_eidt";
constexpr std::string_view kDelayEdit = "bullet_delay_eidt";
constexpr std::string_view kStatus = "shoot_status_text";

constexpr std::string_view kLeftText = "mouse_move_to_left_text";
constexpr std::string_view kRightText = "mouse_move_to_right_text";
constexpr std::string_view kUpText = "mouse_move_to_up_text";
constexpr std::string_view kDownText = "mouse_move_to_down_text";

constexpr std::string_view kImportBad = "shoot_import_bad_text";
constexpr std::string_view kImportFailed = "shoot_import_failed_text";
constexpr std::string_view kExportFailed = "shoot_export_failed_text";
constexpr std::string_view kResetFailed = "shoot_reset_failed_text";
constexpr std::string_view kSaveFailed = "shoot_save_failed_text";
constexpr std::string_view kWritten = "shoot_written_text";

std::string numbered(std::string_view prefix, int n) { return std::string(prefix) + std::to_string(n); }

// A file the panel can show: a JSON object whose "Events" is an array.
bool isRecoilDocument(const json::Document& document) {
    return document.state == json::FileState::Read && json::arrayMember(document.root, "Events") != nullptr;
}

}  // namespace

CShootControlUI::CShootControlUI() = default;

bool CShootControlUI::BuildLayout(toolkit::CPaintManagerUI* manager) {
    toolkit::CDialogBuilder builder;
    auto content = builder.Create(kLayout, nullptr, manager);
    return content && Add(std::move(content));
}

void CShootControlUI::SetShootFolder(std::filesystem::path folder) { m_folder = std::move(folder); }

void CShootControlUI::SetFactoryShootFolder(std::filesystem::path folder) { m_factoryFolder = std::move(folder); }

bool CShootControlUI::InitShootFiles() {
    const bool complete = Store().initialise();
    if (!complete) SetStatus(kResetFailed);
    return complete;
}

void CShootControlUI::SelectGun(int gun) {
    for (int n = 0; n < RecoilStore::kGuns; ++n)
        if (auto* option = Option(numbered(kGunPrefix, n))) option->Selected(false, false);
    m_gun = static_cast<int>(clampTo(gun, 0, RecoilStore::kGuns - 1));
    if (auto* option = Option(numbered(kGunPrefix, m_gun))) option->Selected(true, false);
    if (auto* pages = dynamic_cast<toolkit::CTabLayoutUI*>(Find(kGunPages))) pages->SelectItem(m_gun, false);
}

void CShootControlUI::SelectBullet(int bullet) {
    for (int n = 0; n < RecoilStore::kBullets; ++n)
        if (auto* option = Option(numbered(kBulletPrefix, n))) option->Selected(false, false);
    m_bullet = static_cast<int>(clampTo(bullet, 0, RecoilStore::kBullets - 1));
    if (auto* option = Option(numbered(kBulletPrefix, m_bullet))) option->Selected(true, false);
    if (auto* index = Find(kBulletIndex)) index->SetText(std::to_string(m_bullet + 1));
    ShowCurrentBullet();
}

void CShootControlUI::ShowBullet(int gun, int bullet) {
    const Bullet values = Store().showBullet(gun, bullet);
    if (auto* check = Option(kHorizontalCheck)) check->Selected(values.leftward, false);
    if (auto* check = Option(kVerticalCheck)) check->Selected(values.upward, false);
    ShowHorizontalDirection();
    ShowVerticalDirection();
    if (auto* edit = Edit(kHorizontalEdit)) edit->SetText(std::to_string(values.horizontal));
    if (auto* edit = Edit(kVerticalEdit)) edit->SetText(std::to_string(values.vertical));
    if (auto* edit = Edit(kDelayEdit)) edit->SetText(std::to_string(values.delay));
}

bool CShootControlUI::SaveBullet(int gun, int bullet) {
    auto* horizontal = Edit(kHorizontalEdit);
    auto* vertical = Edit(kVerticalEdit);
    auto* delay = Edit(kDelayEdit);
    auto* leftward = Option(kHorizontalCheck);
    auto* upward = Option(kVerticalCheck);
    if (!horizontal || !vertical || !delay || !leftward || !upward) return false;
    const Bullet values{leftward->IsSelected(), readDecimal(horizontal->GetText()), upward->IsSelected(),
                        readDecimal(vertical->GetText()), readDecimal(delay->GetText())};
    const bool saved = Store().saveBullet(gun, bullet, values);
    SetStatus(saved ? std::string_view{} : kSaveFailed);
    return saved;
}

void CShootControlUI::ShowDirection(toolkit::COptionUI* check, std::string_view selectedText,
                                    std::string_view otherText) {
    if (!check) return;
    check->SetText(std::string(check->IsSelected() ? selectedText : otherText));
    check->SetTextId(true);
}

void CShootControlUI::ShowHorizontalDirection() { ShowDirection(Option(kHorizontalCheck), kLeftText, kRightText); }

void CShootControlUI::ShowVerticalDirection() { ShowDirection(Option(kVerticalCheck), kUpText, kDownText); }

bool CShootControlUI::ResetGun(int gun) {
    const bool reset = Store().resetGun(gun);
    SetStatus(reset ? std::string_view{} : kResetFailed);
    SelectBullet(m_bullet);
    return reset;
}

bool CShootControlUI::ImportGun(const std::filesystem::path& source) {
    if (source.empty()) return false;
    const json::Document document = json::readDocument(source);
    if (!isRecoilDocument(document)) {
        SetStatus(document.state == json::FileState::Absent ? kImportFailed : kImportBad);
        return false;
    }
    const bool imported = Store().importGun(m_gun, source);
    SetStatus(imported ? std::string_view{} : kImportFailed);
    SelectBullet(m_bullet);
    return imported;
}

bool CShootControlUI::ExportGun(const std::filesystem::path& destination) {
    if (destination.empty()) return false;
    const bool exported = Store().exportGun(m_gun, destination);
    SetStatus(exported ? std::string_view{} : kExportFailed);
    return exported;
}

devices::DeviceResult CShootControlUI::WriteToMouse(IRecoilWriter& mouse) {
    const devices::DeviceResult result = mouse.WriteRecoilData();
    SetStatus(result.succeeded() ? kWritten : std::string_view{});
    return result;
}

bool CShootControlUI::Notify(toolkit::TNotifyUI& msg) {
    if (!msg.pSender) return false;
    const std::string& name = msg.pSender->GetName();
    const bool selected = msg.sType == toolkit::notify::kSelectChanged;
    if (selected && (name == kHorizontalCheck || name == kVerticalCheck)) {
        if (name == kHorizontalCheck) ShowHorizontalDirection();
        else ShowVerticalDirection();
        return true;
    }
    if (msg.sType == toolkit::notify::kKillFocus && (name == kHorizontalEdit || name == kVerticalEdit || name == kDelayEdit)) {
        SaveCurrentBullet();
        return true;
    }
    if (msg.sType == toolkit::notify::kClick && (name == kPrevious || name == kNext)) {
        if (name == kPrevious) SelectPreviousBullet();
        else SelectNextBullet();
        return true;
    }
    auto* option = dynamic_cast<toolkit::COptionUI*>(msg.pSender);
    if (!selected || !option || !option->IsSelected()) return false;
    if (const auto gun = familyNumber(name, kGunPrefix)) {
        SelectGun(*gun);
        ShowCurrentBullet();
        return true;
    }
    if (const auto bullet = familyNumber(name, kBulletPrefix)) {
        SelectBullet(*bullet);
        return true;
    }
    return false;
}

std::string_view CShootControlUI::Status() const {
    const auto* status = Find(kStatus);
    return status ? std::string_view(status->GetText()) : std::string_view{};
}

void CShootControlUI::SetStatus(std::string_view textId) {
    auto* status = Find(kStatus);
    if (!status) return;
    status->SetText(std::string(textId));
    status->SetTextId(true);
}

toolkit::COptionUI* CShootControlUI::Option(std::string_view name) const {
    return dynamic_cast<toolkit::COptionUI*>(Find(name));
}

toolkit::CEditUI* CShootControlUI::Edit(std::string_view name) const {
    return dynamic_cast<toolkit::CEditUI*>(Find(name));
}

toolkit::CControlUI* CShootControlUI::Find(std::string_view name) const { return FindSubControl(name); }

}  // namespace viremo::ui
