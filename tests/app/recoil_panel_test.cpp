// The mouse page's recoil panel through the window: a bullet edited on the
// panel reaches the emulated mouse's recoil memory when the user downloads
// the guns, and a download the mouse does not take is said in a message box.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "emulator/mouse_firmware.h"
#include "toolkit/language.h"
#include "toolkit/option.h"
#include "ui/message_text.h"
#include "ui/mouse_page.h"

namespace viremo::app::testing {
namespace {

class RecoilPanelTest : public PrivateDataTest {
protected:
    void SetUp() override {
        PrivateDataTest::SetUp();
        ASSERT_TRUE(window->SelectKind(devices::kKindMouse));
        page = dynamic_cast<ui::CMouseDevicePage*>(window->CurrentDevice());
        ASSERT_TRUE(page);
        ASSERT_TRUE(RunUntil([&] { return page->Mouse().Scale().IsKnown(); }, 5000));
        Select("key_Op_tab", true);
        window->SetMessagePresenter([this](std::string_view text, ui::MessageButtons) {
            messages.emplace_back(text);
            return 1;
        });
    }

    void Select(const std::string& name, bool selected) {
        auto* option = dynamic_cast<toolkit::COptionUI*>(page->FindSubControl(name));
        ASSERT_TRUE(option) << name;
        option->Selected(selected);
    }

    // Typed into an edit that then loses the focus, as a user leaves it.
    void Type(std::string_view name, const char* text) {
        auto& pm = window->GetPaintManager();
        toolkit::CControlUI* edit = page->FindSubControl(name);
        ASSERT_TRUE(edit) << name;
        pm.SetFocus(edit);
        edit->SetText(text);
        pm.SetFocus(nullptr);
    }

    void Press(std::string_view name) {
        toolkit::CControlUI* button = page->FindSubControl(name);
        ASSERT_TRUE(button) << name;
        window->GetPaintManager().SendNotify(button, "click");
    }
    void Download() { Press("shootdate_save_btn"); }

    std::string GunFile(int gun) const {
        return readText(page->Mouse().DeviceDataFolder() / ("ShootData_" + std::to_string(gun) + ".Shoot"));
    }
    static std::string readText(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    ui::CMouseDevicePage* page = nullptr;
    std::vector<std::string> messages;
};

// Bullet 2 of gun 1 is events 12-17 of the gun: the click (left button down
// after 10 ms, up), the horizontal move after 5 ms, the vertical move with
// the bullet's delay, then the two moves by 0. Rightward is a release of
// the horizontal move, upward a press of the vertical one.
TEST_F(RecoilPanelTest, EditedBulletIsDownloadedIntoTheMouse) {
    Select("shoot_gun_op_1", true);
    Select("bullet_op_2", true);
    Select("bullet_x_check", false);
    Select("bullet_y_check", true);
    Type("bullet_x_eidt", "7");
    Type("bullet_y_eidt", "12");
    Type("bullet_delay_eidt", "40");
    Download();

    EXPECT_TRUE(messages.empty());
    std::string why;
    const auto guns = demo->mouseHandle->guns(&why);
    ASSERT_TRUE(guns) << why;
    ASSERT_EQ(guns->size(), 4u);
    ASSERT_EQ((*guns)[1].size(), 180u);
    const emulator::MacroEvents bullet((*guns)[1].begin() + 12, (*guns)[1].begin() + 18);
    const emulator::MacroEvents expected{{10, 1, true, 1}, {0, 1, false, 1}, {5, 4, false, 7},
                                         {40, 5, true, 12}, {0, 4, false, 0}, {0, 5, true, 0}};
    EXPECT_EQ(bullet, expected);
}

// The window's file chooser names the recoil files; an exported gun imported
// into another gun makes the two the same.
TEST_F(RecoilPanelTest, GunExportedAndImportedThroughTheFileChooser) {
    const std::filesystem::path file = folder / "gun.shoot";
    window->SetFileChooser([&](bool, std::string_view filter, std::string_view pattern) {
        EXPECT_EQ(filter, "Shoot Files(*.shoot)");
        EXPECT_EQ(pattern, "*.shoot;");
        return file.string();
    });
    Select("shoot_gun_op_0", true);
    Type("bullet_x_eidt", "21");
    Press("shootdate_export_btn");
    const std::string gun0 = GunFile(0);
    EXPECT_EQ(readText(file), gun0);
    ASSERT_NE(GunFile(2), gun0);

    Select("shoot_gun_op_2", true);
    Press("shootdate_import_btn");
    EXPECT_EQ(GunFile(2), gun0);
}

// With the link down the mouse does not take the image: the protocol's
// "not done" (0) is the code in the message.
TEST_F(RecoilPanelTest, DownloadTheMouseDoesNotTakeIsSaid) {
    demo->mouseHandle->setLinkUp(false);
    Download();
    const std::string text = toolkit::Language().Translate("message_text_16");
    EXPECT_EQ(messages, std::vector<std::string>{ui::TextWithNumber(text, 0)});
}

}  // namespace
}  // namespace viremo::app::testing
