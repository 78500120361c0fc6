#include "ui/set_wnd.h"

#include <algorithm>
#include <array>

#include "platform/folders.h"
#include "platform/log.h"
#include "toolkit/combo.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/language.h"
#include "toolkit/list.h"
#include "toolkit/list_label_element.h"
#include "toolkit/tab_layout.h"
#include "toolkit/text_util.h"
#include "ui/localisation_config.h"
#include "ui/program_messages.h"
#include "ui/skin_window.h"
#include "ui/update_info_list_item.h"
#include "ui/window_chrome.h"
#include "update/update_check_runner.h"
#include "update/update_time.h"

namespace viremo::ui {

using update::WindowStatus;

namespace {

// The check thread's results are waiting in the window.
constexpr unsigned kMsgCheckReport = toolkit::kMsgUser + 0x700;

constexpr std::array kAcceptedDpi = {48, 72, 96, 120, 144, 168, 192};
constexpr toolkit::Size kFullSize = {630, 500};

// The updater's reports (wParam of the update-progress message).
constexpr std::uintptr_t kUpdaterFinished = 1;
constexpr std::uintptr_t kUpdaterFailed = 2;
constexpr std::uintptr_t kUpdaterFailedToo = 3;
constexpr std::uintptr_t kUpdaterProgress = 4;

// The status line's text by window status; "up to date" adds the date.
constexpr std::array<std::string_view, 5> kStatusTexts = {
    "GetUpdateInfoText", "HaveUpdateInfoText", "NoUpdateInfoText", "ISUpdateINGText", "UpdateIsLastText",
};

// States in which an item is not being worked on.
bool IsSettled(int status) {
    using namespace item_status;
    return status == kUpToDate || status == kNewerVersion || status == kNewerVersionToo || status == kFailed;
}

bool IsBeingUpdated(int status) {
    return status >= item_status::kWaitingForDownload && status <= item_status::kInstalling;
}

}  // namespace

CSetWnd::Files CSetWnd::DefaultFiles() {
    return {folders::defaultData() / "Language.config", update::updateTimeFile()};
}

CSetWnd::CSetWnd(update::ServiceSettings service, Files files, const Clock& clock)
    : CWindowWnd(toolkit::UiQueue(), clock), m_service(std::move(service)), m_files(std::move(files)), m_clock(clock) {}

CSetWnd::~CSetWnd() { StopWorkers(); }

bool CSetWnd::Build(toolkit::CWindowWnd* owner) {
    if (!BuildSkinWindow(*this, kSkin, owner, std::string(kClassName), *this)) return false;
    SetDpi(m_dpi);
    return true;
}

void CSetWnd::SetDpi(int dpi) {
    if (std::find(kAcceptedDpi.begin(), kAcceptedDpi.end(), dpi) == kAcceptedDpi.end()) {
        log::line("SET_WND DPI SET ERROR");
        dpi = 96;
    }
    m_dpi = dpi;
    ApplyDpi(dpi);
}

void CSetWnd::SetOwnerInfo(toolkit::WindowHandle mainWindow, int languageId) {
    m_mainWindow = mainWindow;
    m_languageId = languageId;
}

void CSetWnd::SetProducts(std::vector<update::ProductEntry> products) { m_products = std::move(products); }

int CSetWnd::ItemCount() const {
    auto* list = m_pm.FindControl("device_update_list_info");
    auto* container = dynamic_cast<toolkit::CContainerUI*>(list);
    return container ? container->GetCount() : 0;
}

CUpdateInfoListItemUI* CSetWnd::Item(int index) const {
    auto* list = dynamic_cast<toolkit::CContainerUI*>(m_pm.FindControl("device_update_list_info"));
    return list ? dynamic_cast<CUpdateInfoListItemUI*>(list->GetItemAt(index)) : nullptr;
}

// ---- start-up and the check -----------------------------------------------

void CSetWnd::WindowInit() {
    FillLanguages();
    m_lastCheckDate = update::lastCheckDate(m_files.updateTime, m_clock);
    StartCheck();
}

void CSetWnd::FillLanguages() {
    auto* combo = dynamic_cast<toolkit::CComboUI*>(m_pm.FindControl("Language_combox_info"));
    const auto languages = ReadLanguageConfig(m_files.languageConfig);
    if (!combo || !languages) return;
    for (const LanguageEntry& language : *languages) {
        auto label = std::make_unique<toolkit::CListLabelElementUI>();
        label->SetTextId(true);
        label->SetText(language.textId);
        combo->Add(std::move(label));
    }
    combo->SelectItem(m_languageId, false, false);
}

// Every product is listed at once as it stands; the check then fills in the
// answers one by one.
void CSetWnd::StartCheck() {
    ShowStatus(WindowStatus::Checking);
    auto* list = dynamic_cast<toolkit::CContainerUI*>(m_pm.FindControl("device_update_list_info"));
    if (!list) return;
    for (const update::ProductEntry& product : m_products) {
        toolkit::CDialogBuilder builder;
        auto built = builder.Create(CUpdateInfoListItemUI::kSkin, nullptr, &m_pm);
        if (!dynamic_cast<CUpdateInfoListItemUI*>(built.get())) {
            log::line("setwnd: the update list item cannot be built");
            return;
        }
        list->Add(std::move(built));
        m_results.push_back(update::unansweredInfo(product));
        m_results.back().localFile = update::localFileName(m_results.back().name).string();
        ShowProduct(m_results.size() - 1, m_results.back());
    }
    // The thread reaches the window only through its queue and handle, and
    // is joined before the window goes.
    const toolkit::WindowHandle self = GetHWND();
    m_runner = std::make_unique<update::UpdateCheckRunner>(
        m_service, m_products,
        update::UpdateCheckRunner::Callbacks{
            [this, self](size_t index, const update::UpdateInfo& info) { Report(self, {index, info}); },
            [this, self](WindowStatus status) { Report(self, {std::nullopt, {}, status}); }},
        m_files.updateTime, m_clock);
}

// On the check thread.
void CSetWnd::Report(toolkit::WindowHandle self, CheckReport report) {
    {
        const std::lock_guard lock(m_reportsLock);
        m_reports.push_back(std::move(report));
    }
    GetQueue().Post(self, {kMsgCheckReport, 0, 0});
}

void CSetWnd::TakeReports() {
    std::vector<CheckReport> reports;
    {
        const std::lock_guard lock(m_reportsLock);
        reports.swap(m_reports);
    }
    for (const CheckReport& report : reports) {
        if (report.index) ShowProduct(*report.index, report.info);
        else FinishCheck(report.status);
    }
}

void CSetWnd::ShowProduct(size_t index, const update::UpdateInfo& info) {
    CUpdateInfoListItemUI* item = Item(static_cast<int>(index));
    if (!item || index >= m_results.size()) return;
    m_results[index] = info;
    item->SetProductName(info.name);
    item->SetInstalledVersion(info.currentVersionText);
    item->SetNewVersion(info.status == update::kStatusNoNewerVersion ? std::string() : info.newVersionText);
    item->SetStatus(info.status);
    item->SetUserData(info.path);
    item->SetChecked(false);
}

void CSetWnd::FinishCheck(WindowStatus status) {
    StopWorkers();
    for (int i = 0; i < ItemCount(); ++i) {
        CUpdateInfoListItemUI* item = Item(i);
        const bool newer = item->GetStatus() != item_status::kUpToDate && item->GetStatus() != item_status::kUnchecked;
        item->SetChecked(newer);
        item->SetCheckEnabled(newer);
        if (newer) ShowUpdateButton(true);
    }
    // The check has just stored today's date when it reached the service.
    m_lastCheckDate = update::lastCheckDate(m_files.updateTime, m_clock);
    ShowStatus(status);
}

// ---- the status line --------------------------------------------------------

void CSetWnd::ShowStatus(WindowStatus status) {
    m_status = status;
    const bool checking = status == WindowStatus::Checking;
    if (auto* ring = m_pm.FindControl("update_status_ring")) ring->SetVisible(checking);
    if (auto* image = m_pm.FindControl("update_status_image")) image->SetVisible(!checking);
    const std::string_view textId = kStatusTexts[static_cast<size_t>(status)];
    if (auto* text = m_pm.FindControl("Update_Status_text")) {
        const bool upToDate = status == WindowStatus::UpToDate;
        text->SetTextId(!upToDate);
        text->SetText(upToDate ? toolkit::Language().Translate(textId) + m_lastCheckDate : std::string(textId));
    }
    if (status == WindowStatus::UpToDate && m_mainWindow != toolkit::kNoWindow)
        GetQueue().Post(m_mainWindow, {kMsgSettingsUpToDate, 0, 0});
}

// ---- closing ------------------------------------------------------------------

bool CSetWnd::RequestClose() {
    if (IsUpdaterAtWork()) {
        log::line("setwnd: an update is in progress; the window stays open");
        return false;
    }
    StopWorkers();
    Close(0);
    return true;
}

// An item in the middle of an update holds the window only while its
// updater keeps reporting; nothing in this program updates by itself.
bool CSetWnd::IsUpdaterAtWork() const {
    if (!m_lastUpdaterReport || m_clock.now() - *m_lastUpdaterReport >= kUpdaterSilence) return false;
    for (int i = 0; i < ItemCount(); ++i)
        if (!IsSettled(Item(i)->GetStatus())) return true;
    return false;
}

void CSetWnd::StopWorkers() {
    if (!m_runner) return;
    m_runner.reset();  // the exchange in progress ends within 100 ms
    log::line("所有对象处于激发状态");
}

// ---- notifications ------------------------------------------------------------

void CSetWnd::Notify(toolkit::TNotifyUI& msg) {
    if (msg.sType == toolkit::notify::kWindowInit) {
        WindowInit();
        return;
    }
    const std::string name = msg.pSender ? msg.pSender->GetName() : std::string();
    if (msg.sType == toolkit::notify::kClick) OnClick(name);
    else if (msg.sType == toolkit::notify::kSelectChanged && name == "check_name_select") OnCheckChanged();
    else if (msg.sType == toolkit::notify::kItemSelect && name == "Language_combox_info") OnLanguageSelected();
}

void CSetWnd::OnClick(const std::string& name) {
    using toolkit::EqualsNoCase;
    if (name == "closebtn" || name == "laterbtn") {
        RequestClose();
    } else if (name == "minbtn") {
        WindowChrome().Minimize(*this);
    } else if (name == "restorebtn") {
        WindowChrome().Restore(*this);
    } else if (EqualsNoCase(name, "set_in_update_wnd_btn")) {
        if (auto* tip = m_pm.FindControl("update_tishi_layout")) tip->SetVisible(false);
        if (GetHost()) {
            const toolkit::Rect bounds = GetHost()->GetBounds();
            SetBounds({bounds.left, bounds.top, bounds.left + m_pm.ScaleValue(kFullSize.cx),
                       bounds.top + m_pm.ScaleValue(kFullSize.cy)});
        }
    } else if (EqualsNoCase(name, "update_fw_and_ap")) {
        if (auto* pages = dynamic_cast<toolkit::CTabLayoutUI*>(m_pm.FindControl("get_update_tab_layout")))
            pages->SelectItem(1);
    } else if (EqualsNoCase(name, "update_OK_btn")) {
        OnChooseUpdates();
    }
}

// The products checked go to "waiting for download"; the others can no
// longer be chosen.
void CSetWnd::OnChooseUpdates() {
    for (int i = 0; i < ItemCount(); ++i) {
        CUpdateInfoListItemUI* item = Item(i);
        const int status = item->GetStatus();
        if (status != item_status::kNewerVersion && status != item_status::kNewerVersionToo) continue;
        if (item->IsChecked()) item->SetStatus(item_status::kWaitingForDownload);
        else item->SetCheckEnabled(false);
    }
    if (auto* button = m_pm.FindControl("update_fw_and_ap")) button->SetEnabled(false);
    if (auto* pages = dynamic_cast<toolkit::CTabLayoutUI*>(m_pm.FindControl("get_update_tab_layout")))
        pages->SelectItem(0);
}

void CSetWnd::OnCheckChanged() {
    bool anyChecked = false;
    for (int i = 0; i < ItemCount(); ++i) anyChecked = anyChecked || Item(i)->IsChecked();
    ShowUpdateButton(anyChecked);
}

void CSetWnd::ShowUpdateButton(bool shown) {
    if (auto* button = m_pm.FindControl("update_fw_and_ap")) {
        button->SetEnabled(shown);
        button->SetVisible(shown);
    }
}

void CSetWnd::OnLanguageSelected() {
    auto* combo = dynamic_cast<toolkit::CComboUI*>(m_pm.FindControl("Language_combox_info"));
    if (!combo || m_mainWindow == toolkit::kNoWindow) return;
    m_languageId = combo->GetCurSel();
    GetQueue().Post(m_mainWindow, {kMsgLanguageChanged, static_cast<std::uintptr_t>(m_languageId), 0});
}

// ---- messages -------------------------------------------------------------------

std::intptr_t CSetWnd::HandleMessage(toolkit::Message& msg) {
    if (msg.id == toolkit::kMsgClose) {
        RequestClose();
        return 0;
    }
    if (msg.id == kMsgCheckReport) {
        TakeReports();
        return 0;
    }
    if (msg.id == kMsgLanguageChanged) {
        if (m_status == WindowStatus::UpToDate) ShowStatus(m_status);
        m_pm.NeedUpdate();
        m_pm.Invalidate();
        return 0;
    }
    if (msg.id == Registered().updateProgress) {
        OnUpdaterReport(msg.wParam, msg.lParam);
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

// An outside updater's report about the item it is updating: the first
// item in the middle of an update.
void CSetWnd::OnUpdaterReport(std::uintptr_t what, std::intptr_t percent) {
    m_lastUpdaterReport = m_clock.now();
    CUpdateInfoListItemUI* item = ItemBeingUpdated();
    if (!item) return;
    if (what == kUpdaterFinished) {
        item->SetInstalledVersion(item->GetNewVersion());
        item->SetNewVersion({});
        item->SetStatus(item_status::kUpToDate);
        item->SetChecked(false);
        AfterUpdateFinished();
    } else if (what == kUpdaterFailed || what == kUpdaterFailedToo) {
        item->SetStatus(item_status::kFailed);
    } else if (what == kUpdaterProgress) {
        item->SetStatus(item_status::kDownloading);
        item->SetProgress(static_cast<int>(std::clamp<std::intptr_t>(percent, 0, 100)));
    }
}

CUpdateInfoListItemUI* CSetWnd::ItemBeingUpdated() const {
    for (int i = 0; i < ItemCount(); ++i)
        if (IsBeingUpdated(Item(i)->GetStatus())) return Item(i);
    return nullptr;
}

// When nothing chosen is left to update, what still has a newer version can
// be chosen again.
void CSetWnd::AfterUpdateFinished() {
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i)->IsChecked() && Item(i)->GetStatus() != item_status::kUpToDate) return;
    bool newerLeft = false;
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i)->GetStatus() == item_status::kUpToDate) continue;
        Item(i)->SetCheckEnabled(true);
        newerLeft = true;
    }
    ShowStatus(newerLeft ? WindowStatus::UpdatesAvailable : WindowStatus::UpToDate);
}

}  // namespace viremo::ui
