// The profile commands through the profile panel's buttons, over the demo
// keyboard: add and switch, import (refused for a file that is not a
// profile), export, and reset after confirmation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "profiles/json_file.h"
#include "toolkit/combo.h"
#include "ui/device_page.h"
#include "ui/device_profile.h"

namespace viremo::app::testing {
namespace {

using toolkit::qt::testing::Click;

class ProfileCommandsTest : public PrivateDataTest {
protected:
    void SetUp() override {
        PrivateDataTest::SetUp();
        ASSERT_TRUE(window->SelectKind(devices::kKindKeyboard));
        page = window->CurrentDevice();
        panel = page->GetProfilePanel();
        ASSERT_TRUE(panel && panel->HasProfiles());
        window->SetMessagePresenter([this](std::string_view textId, ui::MessageButtons) {
            messages.emplace_back(textId);
            return answer;
        });
        window->SetFileChooser([this](bool save, std::string_view filter, std::string_view pattern) {
            EXPECT_EQ(filter, "Profile Files(*.json)");
            EXPECT_EQ(pattern, "*.json;");
            return (save ? saveAs : openFile).string();
        });
    }

    void Press(std::string_view name) {
        // The other commands sit behind the "more" button, in the list's place.
        const bool inList = name == "device_add_btn" || name == "device_sub_btn";
        if (name != "profile_fun_spread_btn" && inList == panel->IsProfileMenuVisible()) Press("profile_fun_spread_btn");
        window->GetPaintManager().Layout();
        toolkit::CControlUI* button = panel->FindSubControl(name);
        ASSERT_TRUE(button) << name;
        Click(*window, *button);
    }

    devices::CVendrakeKeyboardDevice& Keyboard() {
        return dynamic_cast<devices::CVendrakeKeyboardDevice&>(page->Driver());
    }
    size_t Count() { return panel->Store().Profiles().size(); }

    ui::CDevicePage* page = nullptr;
    ui::CDeviceProfileUI* panel = nullptr;
    std::vector<std::string> messages;
    int answer = 1;
    std::filesystem::path openFile, saveAs;
};

TEST_F(ProfileCommandsTest, AddedProfileIsSwitchedToWhenChosen) {
    const size_t before = Count();
    Press("device_add_btn");
    ASSERT_EQ(Count(), before + 1);
    const std::string added = panel->Store().Profiles().back().id;
    auto* combo = dynamic_cast<toolkit::CComboUI*>(panel->FindSubControl("device_profile_combo"));
    ASSERT_TRUE(combo);
    combo->SelectItem(int(before));
    ASSERT_TRUE(RunUntil([&] { return Keyboard().Profile().GetProfilePath().stem() == added; }, 3000));
    EXPECT_EQ(panel->Store().GetCurrentProfileUUID(), added);
}

TEST_F(ProfileCommandsTest, ImportTakesAProfileAndRefusesAnythingElse) {
    const size_t before = Count();
    openFile = folder / "list.json";
    std::ofstream(openFile) << "[1, 2, 3]\n";
    Press("device_import_btn");
    EXPECT_EQ(messages, std::vector<std::string>{"message_import_refused_text"});
    EXPECT_EQ(Count(), before);

    saveAs = openFile = folder / "mine.json";
    Press("device_export_btn");
    ASSERT_TRUE(std::filesystem::exists(saveAs));
    Press("device_import_btn");
    EXPECT_EQ(Count(), before + 1);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ProfileCommandsTest, ResetNeedsConfirmationAndBringsBackTheFactoryProfile) {
    const Json::Value factory = json::readFile(page->Driver().DefaultProfilePath());
    LightRecord changed = Keyboard().GetLightingState();
    changed.red = uint8_t(factory["LightInfo"]["Red"].asInt() ^ 0x5A);
    Keyboard().SetLightInfo(changed);
    Keyboard().SaveProfile();
    const std::filesystem::path file = panel->Store().CurrentProfileFile();
    const Json::Value edited = json::readFile(file);

    answer = 0;
    Press("device_reset_btn");
    EXPECT_EQ(messages, std::vector<std::string>{"message_text_22"});
    EXPECT_EQ(json::readFile(file), edited) << "cancelled";

    answer = 1;
    Press("device_reset_btn");
    EXPECT_EQ(json::readFile(file)["LightInfo"], factory["LightInfo"]);
}

}  // namespace
}  // namespace viremo::app::testing
