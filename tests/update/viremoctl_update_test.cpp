// viremoctl update check against the demo devices and the test service.
#include <gtest/gtest.h>

#include "../viremoctl/run_viremoctl.h"
#include "profiles/json_file.h"
#include "test_service.h"

namespace viremo::update {
namespace {

using testing::TestService;
using viremoctl::testing::runViremoctl;

const struct RemoveScratch {
    ~RemoveScratch() {
        std::error_code ignored;
        std::filesystem::remove_all(viremoctl::testing::scratchHome(), ignored);
    }
} removeScratch;

// The demo set: the mouse through its receiver (0x0103), the keyboard on its
// cable (0x0105), the mouse pad (0x0101, decimal in the update table: 257)
// and the application (0.1.0: 10). The headset has no update row.
constexpr const char* kNewerAnswer = R"({"name":"x","version":"0104","version_name":"1.04 beta","path":"p"})";

class ViremoctlUpdate : public ::testing::Test {
protected:
    void SetUp() override { testing::clearProxyEnvironment(); }
    std::string checkArguments(std::string_view answerCase) const {
        return "--demo update check --service " + service.trustedUrl(answerCase) + " --ca-file " +
               service.authorityFile().string();
    }
    const TestService& service = TestService::instance();
};

TEST_F(ViremoctlUpdate, PrintsOneLinePerProduct) {
    service.answer("cli", kNewerAnswer);
    const auto run = runViremoctl(checkArguments("cli"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out,
              "MS  V0103        V0104        update available\n"
              "KB  V0105        -            up to date\n"
              "MP  V257         -            up to date\n"
              "VR  V10          1.04 beta    update available\n");
}

TEST_F(ViremoctlUpdate, JsonCarriesEachProductsState) {
    service.answer("clijson", kNewerAnswer);
    const auto run = runViremoctl("--json " + checkArguments("clijson"));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto document = json::parse(run.out);
    ASSERT_TRUE(document) << run.out;
    EXPECT_EQ((*document)["status"].asString(), "updates available");
    const Json::Value& products = (*document)["products"];
    ASSERT_EQ(products.size(), 4u);
    EXPECT_EQ(products[0]["name"].asString(), "MS");
    EXPECT_EQ(products[0]["installedVersion"].asInt(), 0x0103);
    EXPECT_EQ(products[0]["status"].asInt(), 1);
    EXPECT_EQ(products[3]["application"].asBool(), true);
    EXPECT_EQ(products[3]["newVersionText"].asString(), "1.04 beta");
    EXPECT_EQ(products[3]["path"].asString(), "p");
}

TEST_F(ViremoctlUpdate, FailuresAreReported) {
    const auto unconfigured = runViremoctl("--demo update check");
    EXPECT_EQ(unconfigured.exitCode, 1);
    EXPECT_EQ(unconfigured.out, "viremoctl: no update service is configured (give --service URL)\n");

    const auto untrusted = runViremoctl("--demo update check --service " + service.untrustedUrl("cli") +
                                        " --ca-file " + service.authorityFile().string());
    EXPECT_EQ(untrusted.exitCode, 1);
    EXPECT_EQ(untrusted.out,
              "MS  V0103        -            no connection to the update service\n"
              "KB  V0105        -            no connection to the update service\n"
              "MP               -            no connection to the update service\n"
              "VR  VIREMO V.10  -            no connection to the update service\n"
              "viremoctl: no product could be checked with the update service\n");

    const auto usage = runViremoctl("update check --service");
    EXPECT_EQ(usage.exitCode, 1);
    EXPECT_EQ(usage.out, "viremoctl: usage: viremoctl update check [--service URL] [--ca-file FILE]\n");
}

}  // namespace
}  // namespace viremo::update
