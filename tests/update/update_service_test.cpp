#include "update/update_service.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/atomic_file.h"
#include "test_service.h"
#include "update/update_check.h"

namespace viremo::update {
namespace {

using testing::TestService;

class UpdateServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::clearProxyEnvironment();
        service.forgetRequest();
    }

    UpdateServiceClient clientFor(std::string_view answerCase) const {
        return UpdateServiceClient({service.trustedUrl(answerCase), service.authorityFile()});
    }

    const TestService& service = TestService::instance();
};

std::string bodyOf(const std::string& request) { return request.substr(request.find("\r\n\r\n") + 4); }

TEST_F(UpdateServiceTest, ReadsTheAnswerAndComparesVersions) {
    struct Case {
        const char* name;
        const char* answer;
        int installed;
        bool hexadecimal;
        const char* sentBody;  // without its zero byte
        int status;
        const char* currentVersionText;
        const char* newVersionText;
    };
    const Case cases[] = {
        {"newerFirmware", R"({"version":"0103","name":"MS","version_name":"FW 1.03","path":"p/ms","device_id":5})",
         0x0102, true, "app_key=KEY&version=102", 1, "V0102", "V0103"},
        {"sameApplication", R"({"version":"2302","name":"VR","version_name":"V2.3.0.2"})",
         2302, false, "app_key=KEY&version=2302", 7, "V2302", "V2.3.0.2"},
        {"newerApplication", R"({"version":"2303","name":"VR","version_name":"V2.3.0.3"})",
         2302, false, "app_key=KEY&version=2302", 1, "V2302", "V2.3.0.3"},
        // Beyond 32 bits the version saturates; wrapped round it would read as 0.
        {"hugeVersion", R"({"version":"100000000","name":"KB"})", 0x0105, true, "app_key=KEY&version=105", 1,
         "V0105", "V100000000"},
        // Members of the wrong type read as absent.
        {"wrongTypes", R"({"version":259,"name":"KB","path":[1],"device_id":"5"})", 0x0105, true,
         "app_key=KEY&version=105", 7, "V0105", "V"},
    };
    for (const auto& c : cases) {
        service.answer(c.name, c.answer);
        const UpdateInfo info = clientFor(c.name).CheckForUpdate("KEY", c.installed, c.hexadecimal);
        EXPECT_EQ(bodyOf(service.lastRequest()), std::string(c.sentBody) + std::string(1, '\0')) << c.name;
        EXPECT_EQ(info.outcome, CheckOutcome::Answered) << c.name;
        EXPECT_EQ(info.status, c.status) << c.name;
        EXPECT_EQ(info.currentVersionText, c.currentVersionText) << c.name;
        EXPECT_EQ(info.newVersionText, c.newVersionText) << c.name;
    }
    service.answer("fields", R"({"version":"0103","name":"MS","version_name":"FW 1.03","path":"p/ms","device_id":5})");
    const UpdateInfo info = clientFor("fields").CheckForUpdate("KEY", 0x0102, true);
    EXPECT_EQ(info.name, "MS");
    EXPECT_EQ(info.versionName, "FW 1.03");
    EXPECT_EQ(info.path, "p/ms");
    EXPECT_EQ(info.deviceId, 5);
}

TEST_F(UpdateServiceTest, DeviceIdsBeyond32BitsSaturate) {
    service.answer("bigId", R"({"name":"MS","device_id":4294967296})");
    EXPECT_EQ(clientFor("bigId").CheckForUpdate("KEY", 1, true).deviceId, INT_MAX);
    service.answer("smallId", R"({"name":"MS","device_id":-4294967296})");
    EXPECT_EQ(clientFor("smallId").CheckForUpdate("KEY", 1, true).deviceId, INT_MIN);
}

// Answers that are no answer count as failed checks, not as "no update".
TEST_F(UpdateServiceTest, AnswersThatAreNotAJsonObjectFail) {
    struct Case {
        const char* name;
        std::string answer;
        CheckOutcome outcome;
    };
    const Case cases[] = {
        {"html", "<html>busy</html>", CheckOutcome::BadAnswer},
        {"array", "[1,2]", CheckOutcome::BadAnswer},
        {"nothing", "", CheckOutcome::NoAnswer},
        {"tooLong", "{\"name\":\"" + std::string(kAnswerBufferSize, 'x') + "\"}", CheckOutcome::NoAnswer},
    };
    for (const auto& c : cases) {
        service.answer(c.name, c.answer);
        const UpdateInfo info = clientFor(c.name).CheckForUpdate("KEY", 0x0102, true);
        EXPECT_EQ(info.outcome, c.outcome) << c.name;
        EXPECT_EQ(info.status, kStatusNoNewerVersion) << c.name;
        EXPECT_EQ(info.name, "") << c.name;
        EXPECT_TRUE(failed(info)) << c.name;
    }
}

TEST_F(UpdateServiceTest, AnUnreachableServiceIsNoLinkServer) {
    UpdateServiceClient client({"https://127.0.0.1:1/api/", service.authorityFile()});
    const UpdateInfo info = client.CheckForUpdate("KEY", 0x0102, true);
    EXPECT_EQ(info.outcome, CheckOutcome::NotSent);
    EXPECT_EQ(info.name, "NO_LINK_SERVER");
    EXPECT_EQ(info.status, kStatusNoNewerVersion);
}

TEST_F(UpdateServiceTest, WithoutAServiceNothingIsSent) {
    UpdateServiceClient client({"", service.authorityFile()});
    EXPECT_FALSE(client.IsConfigured());
    EXPECT_EQ(client.CheckForUpdate("KEY", 0x0102, true).outcome, CheckOutcome::NoService);
    EXPECT_EQ(service.lastRequest(), "");
}

TEST_F(UpdateServiceTest, AnAuthorityFileWithoutACertificateIsNotUsable) {
    const auto file = service.folder() / "not-a-certificate.pem";
    writeFileAtomically(file, "hello");
    EXPECT_FALSE(UpdateServiceClient({service.trustedUrl("x"), file}).IsAuthorityUsable());
    EXPECT_FALSE(UpdateServiceClient({service.trustedUrl("x"), service.folder() / "missing.pem"}).IsAuthorityUsable());
    EXPECT_TRUE(clientFor("x").IsAuthorityUsable());
}

// What the update list shows: the display name always, and the product as
// it was when the check failed or the answer has no name.
TEST_F(UpdateServiceTest, CheckedProductsShowTheirDisplayNames) {
    ProductEntry keyboard = devices::kModelTable[1];
    keyboard.installedVersion = 0x0105;
    service.answer("named", R"({"version":"0106","name":"New keyboard firmware"})");
    service.answer("unnamed", R"({"version":"0106"})");
    UpdateServiceClient named = clientFor("named");
    UpdateServiceClient unnamed = clientFor("unnamed");
    UpdateServiceClient unreachable({"https://127.0.0.1:1/api/", service.authorityFile()});

    const UpdateInfo newer = checkProduct(named, keyboard, {});
    EXPECT_EQ(bodyOf(service.lastRequest()), std::string("app_key=VRAKE_1_VR_K5078_KEYBOARD_7&version=105") + '\0');
    EXPECT_EQ(newer.name, "KB");
    EXPECT_EQ(newer.status, kStatusNewerVersion);
    EXPECT_EQ(newer.newVersionText, "V0106");
    EXPECT_EQ(newer.localFile, (std::filesystem::temp_directory_path() / "UpdateData" / "KB.exe").string());
    for (UpdateServiceClient* client : {&unnamed, &unreachable}) {
        const UpdateInfo shown = checkProduct(*client, keyboard, {});
        EXPECT_EQ(shown.name, "KB");
        EXPECT_EQ(shown.status, kStatusNoNewerVersion);
        EXPECT_EQ(shown.currentVersionText, "V0105");
        EXPECT_EQ(shown.newVersionText, "");
    }
}

}  // namespace
}  // namespace viremo::update
