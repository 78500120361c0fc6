// The device commands through their buttons, over the demo
// keyboard: add and switch, import (refused for a file that is not a
// profile), export, reset after confirmation, and a key write that fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "macros/macro_event.h"
#include "macros/macro_library.h"
#include "platform/atomic_file.h"
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

TEST_F(ProfileCommandsTest, AWriteThatDoesNotFitShowsItsCodeAndKeepsTheProfileFile) {
    // Key A plays a macro far larger than the keyboard's macro memory.
    MacroLibrary library(page->Driver().DeviceDataFolder());
    const MacroLibrary::Added macro = library.add();
    ASSERT_EQ(macro.result, MacroResult::Done);
    Json::Value events(Json::arrayValue);
    for (int i = 0; i < 4000; ++i) events.append(makeMacroEvent(1, i % 2 == 0, 4, 10));
    ASSERT_EQ(library.writeEventFile(macro.index, events), MacroResult::Done);
    constexpr int kA = 64;
    KeyListEntry entry = Keyboard().KeyAssignments().at(kA);
    entry.current.category = 0x70;
    entry.current.first = uint8_t(macro.index);
    entry.current.second = 0;
    Keyboard().SetKeyAssignment(kA, entry);
    const std::filesystem::path file = panel->Store().CurrentProfileFile();
    const auto before = readWholeFile(file);

    toolkit::CControlUI writeButton;
    writeButton.SetName("key_butt_prosave");
    toolkit::TNotifyUI click;
    click.sType = "click";
    click.pSender = &writeButton;
    window->Notify(click);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0], "message_text_7");
    EXPECT_NE(messages[0].find_first_of("0123456789"), std::string::npos) << messages[0];
    EXPECT_EQ(readWholeFile(file), before);
}

}  // namespace
}  // namespace viremo::app::testing
