// The keyboard driver's software lighting: key notifications start the
// mode's reaction at the key's light; the lighting thread runs across mode
// changes and stops promptly.
#include <chrono>
#include <memory>
#include <thread>

#include "keyboard_fixture.h"

namespace viremo::devices::testing {
namespace {

using namespace std::chrono_literals;

// Esc (key 0, light 0) at key table position 1.
TEST_F(KeyboardTest, KeyNotificationsReactAtTheKeysLight) {
    setKeyboardLayout({{0x20, 0x00, 0x04}, {0x20, 0x00, 0x29}}, Bytes{2, 0});
    attachCable();
    ASSERT_TRUE(keyboard.ReadKeyLayout());
    LightRecord lighting = keyboard.GetLightInfo();
    lighting.mode = 7;
    keyboard.SetLightInfo(lighting);
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kCableConsumer, kModelWiredKeyboard));

    ASSERT_TRUE(firmware.notifyOnCable(0x0501));
    EXPECT_TRUE(waitUntil([&] { return keyboard.Effects().State().reaction[0] == keyboard::kRisingLight; }));
    EXPECT_EQ(keyboard.Effects().State().level[0], 255);
    ASSERT_TRUE(firmware.notifyOnCable(0x0601));
    EXPECT_TRUE(waitUntil([&] { return keyboard.Effects().State().reaction[0] == keyboard::kFallingLight; }));
    // A position no key holds starts nothing.
    ASSERT_TRUE(firmware.notifyOnCable(0x0540));
    std::this_thread::sleep_for(50ms);
    for (int light = 1; light < 170; ++light) EXPECT_EQ(keyboard.Effects().State().level[size_t(light)], 0) << light;
}

TEST_F(KeyboardTest, LightingThreadRunsAcrossModeChangesAndStopsPromptly) {
    auto live = std::make_unique<CVendrakeKeyboardDevice>(bus, clock);
    configureKeyboard(*live, hidInterfaceTable()[0]);
    ASSERT_TRUE(live->Channel().Attach(ConnectionMode::Cable, kCableCommand));
    live->Channel().SetConnectionMode(ConnectionMode::Cable);
    ASSERT_EQ(live->ReadAllFromDevice(), kSuccess);
    for (const uint8_t mode : {8, 29, 11}) {
        LightRecord lighting = live->GetLightInfo();
        lighting.mode = mode;
        live->SetLightInfo(lighting);
        live->ApplyLightingState();
        EXPECT_TRUE(live->IsLightingThreadRunning()) << int(mode);
    }
    EXPECT_EQ(live->Effects().State().colourStep[0], 33) << "mode 11 prepared";
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    live.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
}

}  // namespace
}  // namespace viremo::devices::testing
