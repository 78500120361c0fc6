#include "update/update_check_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>

#include "profiles/json_file.h"
#include "test_service.h"

namespace viremo::update {
namespace {

using namespace std::chrono_literals;
using testing::TestService;

// What the runner reported, from its thread.
struct Reports {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<size_t, UpdateInfo>> products;
    std::optional<WindowStatus> finished;

    UpdateCheckRunner::Callbacks callbacks() {
        return {[this](size_t index, const UpdateInfo& info) {
                    const std::lock_guard lock(mutex);
                    products.emplace_back(index, info);
                    changed.notify_all();
                },
                [this](WindowStatus status) {
                    const std::lock_guard lock(mutex);
                    finished = status;
                    changed.notify_all();
                }};
    }
    WindowStatus waitForFinish() {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, 20s, [this] { return finished.has_value(); });
        return finished.value_or(WindowStatus::Checking);
    }
};

class UpdateCheckRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::clearProxyEnvironment();
        service.forgetRequest();
        std::filesystem::remove(updateTime);
    }

    ServiceSettings settingsFor(std::string_view answerCase) const {
        return {service.trustedUrl(answerCase), service.authorityFile()};
    }

    const TestService& service = TestService::instance();
    std::filesystem::path updateTime = service.folder() / "updatetime.config";
    // Mouse and keyboard firmware and the application.
    std::vector<ProductEntry> products = productList(std::vector<int>{0x0103, 0x0105, 0}, 10);
    Reports reports;
};

TEST_F(UpdateCheckRunnerTest, ReportsEveryProductInOrderThenTheWindowStatus) {
    struct Case {
        const char* name;
        std::string answer;  // empty: the service is unreachable
        WindowStatus status;
    } const cases[] = {
        {"allNewer", R"({"name":"x","version":"ffff","version_name":"99999"})", WindowStatus::UpdatesAvailable},
        {"noneNewer", R"({"name":"x","version":"1","version_name":"1"})", WindowStatus::UpToDate},
        {"unreachable", "", WindowStatus::NoConnection},
    };
    for (const auto& c : cases) {
        Reports caseReports;
        ServiceSettings settings = settingsFor(c.name);
        if (c.answer.empty()) settings.baseUrl = "https://127.0.0.1:1/api/";
        else service.answer(c.name, c.answer);
        UpdateCheckRunner runner(settings, products, caseReports.callbacks(), updateTime);
        EXPECT_EQ(caseReports.waitForFinish(), c.status) << c.name;
        ASSERT_EQ(caseReports.products.size(), 3u) << c.name;
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(caseReports.products[i].first, i) << c.name;
            EXPECT_EQ(caseReports.products[i].second.name, products[i].displayCode) << c.name;
        }
        EXPECT_TRUE(json::readFile(updateTime)["updatelasttime"]["value"].isString()) << c.name;
    }
}

TEST_F(UpdateCheckRunnerTest, WithoutAServiceNothingIsSentOrStored) {
    UpdateCheckRunner runner({"", {}}, products, reports.callbacks(), updateTime);
    EXPECT_EQ(reports.waitForFinish(), WindowStatus::NoConnection);
    for (const auto& [index, info] : reports.products) EXPECT_EQ(info.outcome, CheckOutcome::NoService);
    EXPECT_FALSE(std::filesystem::exists(updateTime));
    EXPECT_EQ(service.lastRequest(), "");
}

// Closing the window while the service keeps it waiting: the runner ends
// within 100 ms and reports nothing more.
TEST_F(UpdateCheckRunnerTest, DestroyingTheRunnerStopsAStalledCheckWithin100Ms) {
    auto runner = std::make_unique<UpdateCheckRunner>(settingsFor("stall"), products, reports.callbacks(), updateTime);
    while (service.lastRequest().empty()) std::this_thread::sleep_for(10ms);
    const auto asked = std::chrono::steady_clock::now();
    runner.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 100ms);
    EXPECT_TRUE(reports.products.empty());
    EXPECT_FALSE(reports.finished.has_value());
}

}  // namespace
}  // namespace viremo::update
