#include "macros/key_assignment_model.h"

#include "macros/code_tables.h"
#include "macros/device_functions.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace viremo {
namespace {

constexpr AssignmentCode kFactoryA{0x20, 0x00, 0x04};
constexpr AssignmentCode kMiddleButton{0x10, 0x04, 0x00};

KeyAssignmentModel modelWithKey(AssignmentCode current = kFactoryA, int macros = 3) {
    KeyAssignmentModel model;
    model.setMacroCount(macros);
    model.setAssignment(current, kFactoryA);
    return model;
}

// Each case sets the controls of one page and reads the code back.
TEST(KeyAssignmentModel, ReadsEveryPageIntoItsCode) {
    struct Case {
        const char* what;
        void (*set)(KeyPanelControls&);
        AssignmentCode expected;
    };
    const Case cases[] = {
        {"factory page", [](KeyPanelControls& c) { c.page = FunctionPage::Factory; }, kFactoryA},
        {"mouse right", [](KeyPanelControls& c) { c.page = FunctionPage::MouseButton; c.mouseButtonRow = 2; }, {0x10, 0x02, 0}},
        {"move count 200 mod 128", [](KeyPanelControls& c) {
             c.page = FunctionPage::MouseMove; c.move = {0, 200, 2, 5}; }, {0x11, 0x25, 72}},
        {"move second direction", [](KeyPanelControls& c) {
             c.page = FunctionPage::MouseMove; c.move = {1, 3, 18, 21}; }, {0x11, 0x25, 0x83}},
        {"wheel second direction", [](KeyPanelControls& c) {
             c.page = FunctionPage::Wheel; c.wheel = {1, 3, 2, 5}; }, {0x12, 0x25, 0xFD}},
        {"wheel second direction count 131", [](KeyPanelControls& c) {
             c.page = FunctionPage::Wheel; c.wheel = {1, 131, 2, 5}; }, {0x12, 0x25, 0xFD}},
        {"wheel first direction", [](KeyPanelControls& c) { c.page = FunctionPage::Wheel; c.wheel = {0, 7, 0, 1}; }, {0x12, 0x01, 7}},
        {"dpi cycle", [](KeyPanelControls& c) { c.page = FunctionPage::Dpi; c.dpiRow = 2; }, {0x13, 3, 0}},
        {"rapid fire bytes", [](KeyPanelControls& c) {
             c.page = FunctionPage::RapidFire; c.fireInterval = 300; c.fireCount = 5; }, {0x14, 44, 5}},
        {"keyboard Alt+A", [](KeyPanelControls& c) {
             c.page = FunctionPage::Keyboard; c.modifierOption = 3; c.keyNameId = "keyboard_key_A"; c.keyUsage = 4; }, {0x20, 0x04, 0x04}},
        {"keyboard empty edit", [](KeyPanelControls& c) {
             c.page = FunctionPage::Keyboard; c.modifierOption = 0; c.keyNameId = {}; c.keyUsage = 4; }, {0x20, 0, 0}},
        {"media mute", [](KeyPanelControls& c) { c.page = FunctionPage::Media; c.mediaRow = 7; }, {0x30, 0xE2, 0x00}},
        {"media select", [](KeyPanelControls& c) { c.page = FunctionPage::Media; c.mediaRow = 0; }, {0x30, 0x83, 0x01}},
        {"system wake", [](KeyPanelControls& c) { c.page = FunctionPage::System; c.systemRow = 2; }, {0x40, 4, 0}},
        {"macro play mode 3", [](KeyPanelControls& c) {
             c.page = FunctionPage::Macro; c.macroRow = 1; c.macroPlayItem = 3; }, {0x70, 1, 3}},
        {"macro repeated", [](KeyPanelControls& c) {
             c.page = FunctionPage::Macro; c.macroRow = 2; c.macroPlayItem = 4; c.macroRepeat = 5; }, {0x71, 2, 5}},
        {"gun key", [](KeyPanelControls& c) { c.page = FunctionPage::GunKey; c.gunItem = 3; }, {0x72, 3, 0}},
        {"shortcut Ctrl+V", [](KeyPanelControls& c) { c.page = FunctionPage::Shortcut; c.shortcutRow = 6; }, {0x20, 0x01, 0x19}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        auto model = modelWithKey(kMiddleButton);
        test.set(model.controls());
        EXPECT_EQ(model.read(), test.expected);
        EXPECT_EQ(model.current(), test.expected);
    }
}

TEST(KeyAssignmentModel, ThirdPageCodeMatchesTheProfileInteger) {
    auto model = modelWithKey();
    model.controls().page = FunctionPage::Wheel;
    model.controls().wheel = {1, 3, 2, 5};
    EXPECT_EQ(model.read().toProfileInteger(), 1189373);
    EXPECT_EQ(AssignmentCode::fromProfileInteger(1189373), (AssignmentCode{0x12, 0x25, 0xFD}));
}

TEST(KeyAssignmentModel, ShowsEachCodeOnItsPage) {
    auto model = modelWithKey();
    auto& c = model.controls();

    model.show({0x12, 0x25, 0xFD});
    EXPECT_EQ(c.page, FunctionPage::Wheel);
    EXPECT_EQ(c.wheel.directionItem, 1);
    EXPECT_EQ(c.wheel.count, 3);
    EXPECT_EQ(c.wheel.delay, 2);
    EXPECT_EQ(c.wheel.speed, 5);

    model.show({0x11, 0xF0, 0x83});
    EXPECT_EQ(c.page, FunctionPage::MouseMove);
    EXPECT_EQ(c.move.directionItem, 1);
    EXPECT_EQ(c.move.count, 3);
    EXPECT_EQ(c.move.delay, 15);

    model.show({0x30, 0xCD, 0x00});
    EXPECT_EQ(c.page, FunctionPage::Media);
    EXPECT_EQ(c.mediaRow, 1);

    model.show({0x20, 0x01, 0x3D});  // Ctrl+F4 is no shortcut row
    EXPECT_EQ(c.page, FunctionPage::Keyboard);
    EXPECT_EQ(c.modifierOption, 1);
    EXPECT_EQ(c.keyNameId, "keyboard_key_F4");

    model.show({0x71, 2, 5});
    EXPECT_EQ(c.page, FunctionPage::Macro);
    EXPECT_EQ(c.macroRow, 2);
    EXPECT_EQ(c.macroPlayItem, KeyAssignmentModel::kRepeatItem);
    EXPECT_EQ(c.macroRepeat, 5);
    EXPECT_TRUE(c.macroRepeatVisible);

    model.show({0xA0, 0x01, 0x00});  // FN: the device's own code
    EXPECT_FALSE(c.page.has_value());
}

TEST(KeyAssignmentModel, EveryShortcutRowShowsOnTheShortcutPageAndReadsBack) {
    const AssignmentCode rows[] = {
        {0x20, 0x01, 0x12}, {0x20, 0x01, 0x11}, {0x20, 0x01, 0x1D}, {0x20, 0x01, 0x16},
        {0x20, 0x01, 0x06}, {0x20, 0x01, 0x1B}, {0x20, 0x01, 0x19}, {0x20, 0x01, 0x09},
        {0x20, 0x01, 0x04}, {0x20, 0x01, 0x2D}, {0x20, 0x01, 0x2E},
    };
    ASSERT_EQ(shortcutCodes().size(), std::size(rows));
    for (size_t row = 0; row < std::size(rows); ++row) {
        SCOPED_TRACE(row);
        auto model = modelWithKey(rows[row]);
        EXPECT_EQ(model.controls().page, FunctionPage::Shortcut);
        EXPECT_EQ(model.controls().shortcutRow, static_cast<int>(row));
        EXPECT_EQ(model.read(), rows[row]);
    }
}

TEST(KeyAssignmentModel, RightHandModifiersKeepTheirBit) {
    const AssignmentCode codes[] = {{0x20, 0x10, 0x04}, {0x20, 0x20, 0x05}, {0x20, 0x40, 0x3D}, {0x20, 0x80, 0x00}};
    for (size_t right = 0; right < std::size(codes); ++right) {
        SCOPED_TRACE(right);
        auto model = modelWithKey(codes[right]);
        EXPECT_EQ(model.controls().page, FunctionPage::Keyboard);
        EXPECT_EQ(model.controls().modifierOption, static_cast<int>(right) + 5);
        EXPECT_EQ(model.read(), codes[right]);
    }
    // A key captured while right Ctrl is chosen: RCtrl+B.
    auto model = modelWithKey(kMiddleButton);
    model.choosePage(FunctionPage::Keyboard);
    model.controls().modifierOption = 5;
    EXPECT_TRUE(model.captureScanCode(0x30, false, true));
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x10, 0x05}));
}

// The keyboard (cable 1, receiver 9) has no DPI or gun functions; the mouse
// (cable 2, receiver 6) has every function.
TEST(KeyAssignmentModel, AKindNeverShowsChoosesOrReadsAFunctionItLacks) {
    struct Case {
        int modelId;
        AssignmentCode code;
        FunctionPage page;
        bool offered;
    };
    const Case cases[] = {
        {1, {0x13, 1, 0}, FunctionPage::Dpi, false},    {9, {0x13, 3, 0}, FunctionPage::Dpi, false},
        {1, {0x72, 2, 0}, FunctionPage::GunKey, false}, {9, {0x72, 0, 0}, FunctionPage::GunKey, false},
        {2, {0x13, 1, 0}, FunctionPage::Dpi, true},     {6, {0x72, 2, 0}, FunctionPage::GunKey, true},
        {1, {0x14, 30, 5}, FunctionPage::RapidFire, true}, {9, {0x40, 2, 0}, FunctionPage::System, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << "model " << test.modelId << " page " << static_cast<int>(test.page));
        EXPECT_EQ(refusalOf(test.modelId, test.code).empty(), test.offered);
        KeyAssignmentModel model;
        model.setDeviceModel(test.modelId);
        model.setAssignment(test.code, kFactoryA);
        EXPECT_EQ(model.controls().page, test.offered ? std::optional(test.page) : std::nullopt);

        model.setAssignment(kMiddleButton, kFactoryA);
        EXPECT_EQ(model.choosePage(test.page), test.offered);
        model.controls().page = test.page;
        model.controls().dpiRow = 0;
        model.controls().gunItem = 1;
        EXPECT_EQ(model.read() == kMiddleButton, !test.offered);
    }
}

TEST(KeyAssignmentModel, TheFactoryCodeShowsTheFactoryPageWhateverItIs) {
    KeyAssignmentModel model;
    model.setAssignment({0x30, 0xCD, 0x00}, {0x30, 0xCD, 0x00});
    EXPECT_EQ(model.controls().page, FunctionPage::Factory);
}

TEST(KeyAssignmentModel, UnknownKeyboardUsageBecomesNothingAssigned) {
    auto model = modelWithKey({0x20, 0x00, 0xF0});
    EXPECT_EQ(model.controls().page, FunctionPage::Keyboard);
    EXPECT_EQ(model.controls().modifierOption, -1);
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0, 0}));
}

TEST(KeyAssignmentModel, MacroNumberEqualToTheMacroCountIsOutOfRange) {
    auto model = modelWithKey({0x70, 3, 0}, 3);
    EXPECT_EQ(model.controls().macroRow, -1);
    EXPECT_EQ(model.controls().macroPlayItem, -1);
    // Reading the page keeps the code instead of inventing a macro.
    EXPECT_EQ(model.read(), (AssignmentCode{0x70, 3, 0}));
}

TEST(KeyAssignmentModel, APageWithNoSelectedRowKeepsTheCurrentCode) {
    const FunctionPage pages[] = {FunctionPage::MouseButton, FunctionPage::Dpi, FunctionPage::Media,
                                  FunctionPage::System, FunctionPage::GunKey, FunctionPage::Shortcut};
    for (const auto page : pages) {
        auto model = modelWithKey(kMiddleButton);
        model.controls() = KeyPanelControls{};
        model.controls().page = page;
        EXPECT_EQ(model.read(), kMiddleButton) << static_cast<int>(page);
    }
}

TEST(KeyAssignmentModel, ChoosingTheKeyboardPageStoresNothingAssignedAtOnce) {
    auto model = modelWithKey(kMiddleButton);
    model.choosePage(FunctionPage::Keyboard);
    EXPECT_EQ(model.read(), (AssignmentCode{0x20, 0, 0}));
    EXPECT_TRUE(model.captureScanCode(0x30, false, true));  // B
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0, 0x05}));
}

TEST(KeyAssignmentModel, CapturesKeystrokesOnKeyDownOnly) {
    auto model = modelWithKey(kMiddleButton);
    model.choosePage(FunctionPage::Keyboard);

    // Right Shift alone: left and right collapse to the Shift bit.
    EXPECT_TRUE(model.captureScanCode(0x36, true, true));
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x02, 0}));
    EXPECT_EQ(model.controls().modifierOption, 2);
    EXPECT_TRUE(model.controls().keyNameId.empty());

    // Then A: Shift+A. Releasing A and Shift changes nothing.
    EXPECT_TRUE(model.captureScanCode(0x1E, false, true));
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x02, 0x04}));
    EXPECT_FALSE(model.captureScanCode(0x1E, false, false));
    EXPECT_FALSE(model.captureScanCode(0x36, true, false));
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x02, 0x04}));
    EXPECT_EQ(model.read(), (AssignmentCode{0x20, 0x02, 0x04}));
}

TEST(KeyAssignmentModel, CapturesAWithTheAltOptionChosen) {
    auto model = modelWithKey(kMiddleButton);
    model.choosePage(FunctionPage::Keyboard);
    model.controls().modifierOption = 3;
    EXPECT_TRUE(model.captureLinuxKey(KEY_A, true));
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x04, 0x04}));
    EXPECT_EQ(model.controls().keyNameId, "keyboard_key_A");
}

TEST(KeyAssignmentModel, CaptureIgnoresUnknownKeysAndNonKeyboardRows) {
    auto model = modelWithKey(kMiddleButton);
    EXPECT_FALSE(model.captureScanCode(0x7F, false, true));
    EXPECT_FALSE(model.captureLinuxKey(KEY_PLAYPAUSE, true));
    EXPECT_EQ(model.current(), kMiddleButton);
}

}  // namespace
}  // namespace viremo
