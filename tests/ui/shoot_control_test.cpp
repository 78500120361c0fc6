#include "ui/shoot_control.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "profiles/json_file.h"
#include "toolkit/edit.h"
#include "toolkit/option.h"
#include "toolkit/paint_manager.h"
#include "ui/skin_defaults.h"

namespace viremo::ui {
namespace {

const std::filesystem::path kSkin = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources" / "skin";
const std::filesystem::path kFactory = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources" / "DefaultData";

class RecoilMouse : public IRecoilWriter {
public:
    devices::DeviceResult WriteRecoilData() override {
        ++writes;
        return result;
    }
    int writes = 0;
    devices::DeviceResult result = devices::kSuccess;
};

class ShootControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("viremo-shoot-" + std::to_string(::getpid())) /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ApplySkinDefaults(manager, kSkin);
        toolkit::CPaintManagerUI::SetResourcePath(kSkin);
        auto owned = std::make_unique<CShootControlUI>();
        panel = owned.get();
        ASSERT_TRUE(panel->BuildLayout(&manager));
        manager.AttachDialog(std::move(owned));
        // As the mouse page sets it up.
        panel->SetShootFolder(folder);
        panel->SetFactoryShootFolder(kFactory);
        ASSERT_TRUE(panel->InitShootFiles());
        panel->SelectGun(0);
        panel->SelectBullet(0);
    }

    std::string Text(const char* name) { return manager.FindControl(name)->GetText(); }
    bool Selected(const char* name) { return static_cast<toolkit::COptionUI*>(manager.FindControl(name))->IsSelected(); }
    void Type(const char* name, const char* text) { manager.FindControl(name)->SetText(text); }
    void Send(std::string_view type, const char* name) {
        toolkit::TNotifyUI msg;
        msg.sType = type;
        msg.pSender = manager.FindControl(name);
        EXPECT_TRUE(panel->Notify(msg)) << type << " " << name;
    }
    void Choose(const char* option) {
        static_cast<toolkit::COptionUI*>(manager.FindControl(option))->Selected(true, false);
        Send(toolkit::notify::kSelectChanged, option);
    }
    Json::Value Gun(int gun) { return json::readFile(folder / RecoilStore::gunFileName(gun)); }

    FakeClock clock;
    toolkit::CPaintManagerUI manager{clock};
    CShootControlUI* panel = nullptr;
    std::filesystem::path folder;
};

TEST_F(ShootControlTest, EditsABulletAndSavesItWhenAnEditLosesTheFocus) {
    // The factory pattern of gun 0, bullet 0: 0 left, 3 down, 85 ms.
    EXPECT_EQ(Text("bullet_x_eidt"), "0");
    EXPECT_EQ(Text("bullet_y_eidt"), "3");
    EXPECT_EQ(Text("bullet_delay_eidt"), "85");
    EXPECT_EQ(Text("bullet_x_check"), "mouse_move_to_left_text");
    EXPECT_EQ(Text("bullet_y_check"), "mouse_move_to_down_text");

    // Bullet 2 (shown as 3): 0 right, 4 down, 85 ms.
    Choose("bullet_op_2");
    EXPECT_EQ(Text("bullet_select_index"), "3");
    EXPECT_EQ(Text("bullet_x_check"), "mouse_move_to_right_text");
    Choose("bullet_x_check");  // left: shown at once, saved with the next edit
    EXPECT_EQ(Text("bullet_x_check"), "mouse_move_to_left_text");
    EXPECT_EQ(Gun(0)["Events"][14]["Action"], "up");
    Type("bullet_x_eidt", "12ab");
    Type("bullet_delay_eidt", "");
    Send(toolkit::notify::kKillFocus, "bullet_x_eidt");
    const Json::Value events = Gun(0)["Events"];
    EXPECT_EQ(events[14], json::parse(R"({"Action": "down", "Button": 12, "Delay": 5, "Type": 4})").value());
    EXPECT_EQ(events[15], json::parse(R"({"Action": "up", "Button": 4, "Delay": 0, "Type": 5})").value());
    EXPECT_EQ(events.size(), 180u);

    // Gun 3 shows the same bullet number; next stops at bullet 30.
    Choose("shoot_gun_op_3");
    EXPECT_TRUE(Selected("bullet_op_2"));
    EXPECT_EQ(Text("bullet_y_eidt"), "8");
    EXPECT_EQ(Text("bullet_delay_eidt"), "185");
    panel->SelectBullet(29);
    Send(toolkit::notify::kClick, "bullet_selected_next");
    EXPECT_EQ(panel->CurrentBullet(), 29);
    EXPECT_EQ(Text("bullet_select_index"), "30");
}

TEST_F(ShootControlTest, ImportOfABrokenFileKeepsThePatternAndSaysSo) {
    const auto gun = folder / "ShootData_0.Shoot";
    const auto before = readWholeFile(gun);
    struct Case {
        const char* content;  // nullptr: no file
        std::string_view status;
    };
    const Case cases[] = {
        {"{\"Events\": [", "shoot_import_bad_text"},
        {"[1, 2, 3]", "shoot_import_bad_text"},
        {nullptr, "shoot_import_failed_text"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.content ? test.content : "absent");
        const auto source = folder / "other.shoot";
        std::filesystem::remove(source);
        if (test.content) {
            ASSERT_TRUE(writeFileAtomically(source, test.content));
        }
        EXPECT_FALSE(panel->ImportGun(source));
        EXPECT_EQ(panel->Status(), test.status);
        EXPECT_EQ(readWholeFile(gun), before);
        EXPECT_EQ(Text("bullet_y_eidt"), "3");
    }

    ASSERT_TRUE(writeFileAtomically(folder / "mine.shoot", R"({"Events": [null, null,
        {"Action": "down", "Button": 9, "Delay": 5, "Type": 4}, {"Action": "up", "Button": 4, "Delay": 30, "Type": 5}]})"));
    EXPECT_TRUE(panel->ImportGun(folder / "mine.shoot"));
    EXPECT_EQ(panel->Status(), "");
    EXPECT_EQ(Text("bullet_x_eidt"), "9");
    EXPECT_EQ(Text("bullet_delay_eidt"), "30");
    EXPECT_TRUE(panel->ExportGun(folder / "out.shoot"));
    EXPECT_EQ(readWholeFile(folder / "out.shoot"), readWholeFile(folder / "mine.shoot"));

    EXPECT_TRUE(panel->ResetCurrentGun());
    EXPECT_EQ(readWholeFile(gun), readWholeFile(kFactory / "ShootData_0.Shoot"));
}

TEST_F(ShootControlTest, WritesTheGunsToTheMouse) {
    RecoilMouse mouse;
    EXPECT_EQ(panel->WriteToMouse(mouse).code(), devices::kSuccess);
    EXPECT_EQ(panel->Status(), "shoot_written_text");
    mouse.result = -101;
    EXPECT_EQ(panel->WriteToMouse(mouse).code(), -101);  // the main window shows the message
    EXPECT_EQ(panel->Status(), "");
    EXPECT_EQ(mouse.writes, 2);
}

}  // namespace
}  // namespace viremo::ui
