#include "ui/set_wnd.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "test_service.h"
#include "toolkit/combo.h"
#include "toolkit/language.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "ui/program_controls.h"
#include "ui/program_messages.h"
#include "ui/update_info_list_item.h"
#include "update/product_list.h"
#include "update/update_time.h"

namespace viremo::ui {
namespace {

using namespace std::chrono_literals;
using update::WindowStatus;
using update::testing::TestService;

// Stands in for the main window: keeps what the settings window sends it.
struct MainWindowProbe : toolkit::IMessageHandler {
    MainWindowProbe() : handle(toolkit::UiQueue().Register(this)) {}
    ~MainWindowProbe() override { toolkit::UiQueue().Unregister(handle); }
    std::intptr_t DispatchMessage(toolkit::Message& msg) override {
        received.push_back(msg);
        return 0;
    }
    bool Got(unsigned id, std::uintptr_t wParam = 0) const {
        for (const auto& msg : received)
            if (msg.id == id && msg.wParam == wParam) return true;
        return false;
    }
    toolkit::WindowHandle handle;
    std::vector<toolkit::Message> received;
};

class SetWndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
        RegisterProgramControls();
    }
    void SetUp() override {
        update::testing::clearProxyEnvironment();
        toolkit::Language().Load(VIREMO_SOURCE_DIR "/resources/skin/lan_en.lang");
        std::filesystem::remove(files.updateTime);
    }
    void TearDown() override { toolkit::Language().Clear(); }

    // Builds the window and lays it out, which starts it as showing does.
    std::unique_ptr<CSetWnd> Open(std::string_view answerCase, const Clock& clock = systemClock()) {
        auto window = std::make_unique<CSetWnd>(
            update::ServiceSettings{service.trustedUrl(answerCase), service.authorityFile()}, files, clock);
        EXPECT_TRUE(window->Build(nullptr));
        window->SetOwnerInfo(mainWindow.handle, 1);
        window->SetProducts(update::productList(kDemoFirmware, 10));
        auto& manager = window->GetPaintManager();
        manager.OnSize(manager.GetInitSize());
        manager.Layout();
        return window;
    }

    static bool RunUntil(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + 20s;
        while (!done() && std::chrono::steady_clock::now() < end) toolkit::UiQueue().WaitAndDispatch(20ms);
        return done();
    }
    static bool Finish(CSetWnd& window) { return RunUntil([&] { return !window.IsChecking(); }); }

    static std::string StatusLine(CSetWnd& window) {
        auto* text = window.GetPaintManager().FindControl("Update_Status_text");
        return text ? text->GetDisplayText() : std::string();
    }
    static void Click(CSetWnd& window, std::string_view name) {
        toolkit::TNotifyUI msg;
        msg.sType = "click";
        msg.pSender = window.GetPaintManager().FindControl(name);
        ASSERT_NE(msg.pSender, nullptr) << name;
        window.Notify(msg);
    }

    // The firmware of the demo's mouse, keyboard and mouse pad.
    static constexpr int kDemoFirmware[] = {0x0103, 0x0105, 0x0101};

    const TestService& service = TestService::instance();
    CSetWnd::Files files{VIREMO_SOURCE_DIR "/resources/DefaultData/Language.config",
                         service.folder() / "setwnd-updatetime.config"};
    MainWindowProbe mainWindow;
};

TEST_F(SetWndTest, ListsTheDemoProductsAtOnceThenTheirAnswers) {
    service.answer("setwnd", R"({"name":"x","version":"0104","version_name":"1.04","path":"https://p/x"})");
    auto window = Open("setwnd");
    ASSERT_EQ(window->ItemCount(), 4);
    const char* names[] = {"MS", "KB", "MP", "VR"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window->Item(i)->GetProductName(), names[i]);
    EXPECT_EQ(window->Item(0)->GetInstalledVersion(), "V0103");
    EXPECT_EQ(StatusLine(*window), "Checking for updates…");

    ASSERT_TRUE(Finish(*window));
    EXPECT_EQ(window->GetStatus(), WindowStatus::UpdatesAvailable);
    EXPECT_EQ(StatusLine(*window), "Updates are available.");
    struct Expected {
        const char* installed;
        const char* newer;  // empty: hidden
        int status;
    } const expected[] = {
        {"V0103", "V0104", item_status::kNewerVersion},  // hexadecimal 0x0103 < 0x0104
        {"V0105", "", item_status::kUpToDate},
        {"V257", "", item_status::kUpToDate},            // decimal 257 > 104
        {"V10", "1.04", item_status::kNewerVersion},     // decimal 10 < 104
    };
    for (int i = 0; i < 4; ++i) {
        CUpdateInfoListItemUI* item = window->Item(i);
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(item->GetInstalledVersion(), expected[i].installed);
        EXPECT_EQ(item->GetNewVersion(), expected[i].newer);
        EXPECT_EQ(item->GetStatus(), expected[i].status);
        const bool newer = expected[i].status == item_status::kNewerVersion;
        EXPECT_EQ(item->IsChecked(), newer);
        EXPECT_EQ(item->IsCheckEnabled(), newer);
    }
    EXPECT_EQ(window->Item(0)->GetUserData(), "https://p/x");
    EXPECT_TRUE(window->GetPaintManager().FindControl("update_fw_and_ap")->IsVisible());
}

TEST_F(SetWndTest, TheStatusLineSaysHowTheCheckEnded) {
    struct Case {
        const char* answerCase;
        const char* answer;  // null: nothing answers
        WindowStatus status;
        std::string line;
    } const cases[] = {
        {"setwnd-same", R"({"name":"x","version":"0","version_name":"0"})", WindowStatus::UpToDate,
         "Everything is up to date. Last checked:\u00A0"},
        {"setwnd-bad", "not json", WindowStatus::NoConnection, "Could not get update information."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answerCase);
        service.answer(c.answerCase, c.answer);
        mainWindow.received.clear();
        auto window = Open(c.answerCase);
        ASSERT_TRUE(Finish(*window));
        EXPECT_EQ(window->GetStatus(), c.status);
        EXPECT_EQ(StatusLine(*window).substr(0, c.line.size()), c.line);
        for (int i = 0; i < window->ItemCount(); ++i) EXPECT_EQ(window->Item(i)->GetStatus(), item_status::kUpToDate);
        toolkit::UiQueue().DispatchPending();
        EXPECT_EQ(mainWindow.Got(kMsgSettingsUpToDate), c.status == WindowStatus::UpToDate);
    }
}

TEST_F(SetWndTest, UpToDateShowsTheDateOfTheCheckInTheLanguageChosen) {
    service.answer("setwnd-date", R"({"name":"x","version":"0","version_name":"0"})");
    FakeClock clock;
    clock.setWall(std::chrono::sys_days{std::chrono::year{2024} / 3 / 9} + 12h);
    ASSERT_TRUE(update::writeLastCheckDate(files.updateTime, "2020-1-1"));
    auto window = Open("setwnd-date", clock);
    EXPECT_EQ(window->LastCheckDate(), "2020-1-1");
    ASSERT_TRUE(Finish(*window));
    // The check just made, not the one before it.
    EXPECT_EQ(StatusLine(*window), "Everything is up to date. Last checked:\u00A02024-3-9");

    // The combo hands the choice to the main window, which sends the
    // language back once applied.
    auto* combo = dynamic_cast<toolkit::CComboUI*>(window->GetPaintManager().FindControl("Language_combox_info"));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->GetCount(), 2);
    EXPECT_EQ(combo->GetCurSel(), 1);
    combo->SelectItem(0);
    toolkit::UiQueue().DispatchPending();
    EXPECT_TRUE(mainWindow.Got(kMsgLanguageChanged, 0));
    toolkit::Language().Load(VIREMO_SOURCE_DIR "/resources/skin/lan_cn.lang");
    window->PostMessage({kMsgLanguageChanged, 0, 0});
    toolkit::UiQueue().DispatchPending();
    EXPECT_EQ(StatusLine(*window), "已是最新版本。上次检查时间：2024-3-9");
}

TEST_F(SetWndTest, ClosingDuringAStalledCheckDoesNotWaitForIt) {
    auto window = Open("stall");
    ASSERT_TRUE(window->IsChecking());
    std::this_thread::sleep_for(200ms);  // the first request is under way
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(window->RequestClose());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_FALSE(window->IsChecking());
    EXPECT_EQ(window->GetStatus(), WindowStatus::Checking);
}

// Items waiting for an update keep the window open only while an updater
// reports; without one they would hold it for ever.
TEST_F(SetWndTest, AnItemBeingUpdatedHoldsTheWindowOnlyWhileItsUpdaterReports) {
    service.answer("setwnd-update", R"({"name":"x","version":"ffff","version_name":"99999"})");
    FakeClock clock;
    auto window = Open("setwnd-update", clock);
    ASSERT_TRUE(Finish(*window));
    window->Item(1)->SetChecked(false);
    Click(*window, "update_fw_and_ap");
    Click(*window, "update_OK_btn");
    EXPECT_EQ(window->Item(0)->GetStatus(), item_status::kWaitingForDownload);
    EXPECT_EQ(window->Item(1)->GetStatus(), item_status::kNewerVersion);
    EXPECT_FALSE(window->Item(1)->IsCheckEnabled());

    toolkit::Message progress{Registered().updateProgress, 4, 42};
    window->DispatchMessage(progress);
    EXPECT_EQ(window->Item(0)->GetStatus(), item_status::kDownloading);
    EXPECT_FALSE(window->RequestClose());
    toolkit::Message close{toolkit::kMsgClose, 0, 0};
    window->DispatchMessage(close);
    EXPECT_TRUE(window->IsCreated());

    clock.advance(std::chrono::duration_cast<std::chrono::milliseconds>(CSetWnd::kUpdaterSilence));
    EXPECT_TRUE(window->RequestClose());
}

TEST_F(SetWndTest, AFinishedUpdateMakesItsNewVersionTheInstalledOne) {
    service.answer("setwnd-done", R"({"name":"x","version":"0104","version_name":"1"})");
    auto window = Open("setwnd-done");
    ASSERT_TRUE(Finish(*window));
    // The mouse's firmware and the application are older; only the mouse is
    // chosen.
    window->Item(3)->SetChecked(false);
    Click(*window, "update_fw_and_ap");
    Click(*window, "update_OK_btn");
    EXPECT_FALSE(window->Item(3)->IsCheckEnabled());
    toolkit::Message finished{Registered().updateProgress, 1, 0};
    window->DispatchMessage(finished);
    EXPECT_EQ(window->Item(0)->GetInstalledVersion(), "V0104");
    EXPECT_EQ(window->Item(0)->GetNewVersion(), "");
    EXPECT_EQ(window->Item(0)->GetStatus(), item_status::kUpToDate);
    // The application can be chosen again.
    EXPECT_TRUE(window->Item(3)->IsCheckEnabled());
    EXPECT_EQ(window->GetStatus(), WindowStatus::UpdatesAvailable);
}

}  // namespace
}  // namespace viremo::ui
