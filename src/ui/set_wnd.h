#pragma once
// The settings window ("SetWnd", layout "setwnd.xml"): the language choice
// "Language_combox_info", which the main window applies, and the update list
// "device_update_list_info" with one item per product (the application and
// the firmware of each connected device).
//
// Each opening checks every product on the window's own thread; the results
// reach the list on the user-interface thread through the window's message
// queue. Closing stops the check (an exchange in progress ends within
// 100 ms) and joins the thread. Nothing is downloaded or installed: an
// outside updater may report its progress (the update-progress message,
// forwarded by the main window), and while it does, items being updated keep
// the window open.
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "toolkit/notify.h"
#include "toolkit/window.h"
#include "update/product_list.h"
#include "update/update_check.h"
#include "update/update_service.h"

namespace viremo::update {
class UpdateCheckRunner;
}

namespace viremo::ui {

class CUpdateInfoListItemUI;

class CSetWnd : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kClassName = "SetWnd";
    static constexpr std::string_view kSkin = "setwnd.xml";
    // An updater that has not reported for this long no longer holds the
    // window open.
    static constexpr std::chrono::seconds kUpdaterSilence{5};

    // Where the window reads the languages and keeps the date of the last
    // check.
    struct Files {
        std::filesystem::path languageConfig;
        std::filesystem::path updateTime;
    };
    static Files DefaultFiles();

    explicit CSetWnd(update::ServiceSettings service, Files files = DefaultFiles(),
                     const Clock& clock = systemClock());
    ~CSetWnd() override;

    // Builds the layout into a window owned by `owner`; false when it cannot
    // be built. The start-up (languages, last-check date, the check) runs on
    // the first layout.
    bool Build(toolkit::CWindowWnd* owner);
    // 48, 72, 96, 120, 144, 168 or 192; any other value is logged and 96 used.
    void SetDpi(int dpi);
    // The main window, which applies the language chosen, and the index of
    // the language in use.
    void SetOwnerInfo(toolkit::WindowHandle mainWindow, int languageId);
    // The products to check, those with a known installed version.
    void SetProducts(std::vector<update::ProductEntry> products);

    update::WindowStatus GetStatus() const { return m_status; }
    bool IsChecking() const { return m_runner != nullptr; }
    const std::string& LastCheckDate() const { return m_lastCheckDate; }
    int ItemCount() const;
    CUpdateInfoListItemUI* Item(int index) const;
    // The results, one per item, with their local file names.
    const std::vector<update::UpdateInfo>& Results() const { return m_results; }

    // Closes unless an updater is still at work on an item; false when the
    // window stays.
    bool RequestClose();

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;

private:
    // What the check thread hands to the user-interface thread: one
    // product's result, or (without an index) the end of the check.
    struct CheckReport {
        std::optional<size_t> index;
        update::UpdateInfo info;
        update::WindowStatus status = update::WindowStatus::Checking;
    };

    void WindowInit();
    void FillLanguages();
    void StartCheck();
    void Report(toolkit::WindowHandle self, CheckReport report);
    void TakeReports();
    void ShowProduct(size_t index, const update::UpdateInfo& info);
    void FinishCheck(update::WindowStatus status);
    void ShowStatus(update::WindowStatus status);
    void StopWorkers();

    void OnClick(const std::string& name);
    void OnChooseUpdates();
    void OnCheckChanged();
    void OnLanguageSelected();
    void OnUpdaterReport(std::uintptr_t what, std::intptr_t percent);
    void AfterUpdateFinished();
    bool IsUpdaterAtWork() const;
    CUpdateInfoListItemUI* ItemBeingUpdated() const;
    void ShowUpdateButton(bool shown);

    update::ServiceSettings m_service;
    Files m_files;
    const Clock& m_clock;
    std::vector<update::ProductEntry> m_products;
    std::vector<update::UpdateInfo> m_results;
    toolkit::WindowHandle m_mainWindow = toolkit::kNoWindow;
    int m_languageId = -1;
    int m_dpi = 96;
    update::WindowStatus m_status = update::WindowStatus::Checking;
    std::string m_lastCheckDate;
    std::optional<Clock::Monotonic> m_lastUpdaterReport;

    std::mutex m_reportsLock;
    std::vector<CheckReport> m_reports;
    // Last: destroyed (stopped and joined) first.
    std::unique_ptr<update::UpdateCheckRunner> m_runner;
};

}  // namespace viremo::ui
