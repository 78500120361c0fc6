// The keyboard's read-all and its battery poll.
#include "keyboard_fixture.h"

#include "devices/keyboard/keyboard_position_memory.h"
#include "devices/protocol/result_code.h"
#include "profiles/profile_store.h"

namespace viremo::devices::testing {
namespace {

using emulator::FaultKind;
using keyboard::kAbsent;

constexpr int kEsc = 0, kF1 = 1, kA = 64;

TEST_F(KeyboardTest, ReadAllOfTheEmulatedKeyboard) {
    attachCable();
    keyboard.ReadAllFromDevice();
    // Each key sits where the keyboard's own key table has its code, with
    // the light its attribute block gives that position.
    const Bytes table = firmware.keyTable();
    const Bytes lights = firmware.keyAttributes();
    EXPECT_EQ(keyboard.KeyPositionCount(), 128);
    for (int key : {kEsc, kF1, kA, 125}) {
        const uint8_t position = keyboard.Maps().keyPosition[size_t(key)];
        ASSERT_NE(position, kAbsent) << key;
        const auto& factory = keyboard::factoryKeyCodes()[size_t(key)];
        EXPECT_EQ(Bytes(table.begin() + 3 * position, table.begin() + 3 * position + 3),
                  Bytes(factory.begin(), factory.end()))
            << key;
        EXPECT_EQ(keyboard.Maps().lightPosition[size_t(key)], lights[position]) << key;
    }
    EXPECT_EQ(keyboard.MacroCapacity(), 128u * firmware.device()->memory("device info")[6]);
    EXPECT_TRUE(keyboard.IsLightingThreadRunning());
    EXPECT_EQ(firmware.device()->sessionsBegun(), firmware.device()->sessionsEnded());
}

TEST_F(KeyboardTest, ReadAllStopsAtAFailedRead) {
    attachCable();
    const Bytes before = firmware.device()->memory("settings");
    for (int command : {3, 7, 27}) {
        firmware.cable().commandInterface()->injectFault({FaultKind::Status, command, 254});
        keyboard.ReadAllFromDevice();
        EXPECT_EQ(keyboard.Maps().keyPosition[kEsc], kAbsent) << command;
        EXPECT_TRUE(keyboard.KeyAssignments().empty()) << "no profile loaded: " << command;
        EXPECT_FALSE(keyboard.IsLightingThreadRunning()) << command;
        EXPECT_FALSE(std::filesystem::exists(deviceFolder() / "ProfileList.ini")) << command;
    }
    EXPECT_EQ(firmware.device()->sessionsBegun(), firmware.device()->sessionsEnded());
}

TEST_F(KeyboardTest, KeyTableTooLargeStopsBeforeAnyKeyData) {
    attachCable();
    Bytes info = firmware.device()->memory("device info");
    info[5] = 171;  // 513 bytes
    ASSERT_TRUE(firmware.device()->writeMemory("device info", 0, info));
    clearWire();
    keyboard.ReadAllFromDevice();
    EXPECT_EQ(wire(), (std::vector<Bytes>{kBeginSession, packet(3, 34, 0), kEndSession}));
}

TEST_F(KeyboardTest, AReassignedKeyKeepsItsRememberedPosition) {
    setKeyboardLayout({{0x20, 0x00, 0x04}, {0x20, 0x00, 0x29}}, Bytes{7, 9});
    attachCable();
    ASSERT_TRUE(keyboard.ReadKeyLayout());
    EXPECT_EQ(keyboard.Maps().keyPosition[kEsc], 1);
    // Esc is given a macro; the next read no longer finds its code.
    ASSERT_TRUE(firmware.device()->writeMemory("key table", 3, Bytes{0x70, 0x00, 0x00}));
    CVendrakeKeyboardDevice later(bus, clock);
    configureKeyboard(later, hidInterfaceTable()[0]);
    ASSERT_TRUE(later.Channel().Attach(ConnectionMode::Cable, kCableCommand));
    later.Channel().SetConnectionMode(ConnectionMode::Cable);
    ASSERT_TRUE(later.ReadKeyLayout());
    EXPECT_EQ(later.Maps().keyPosition[kEsc], 1);
    EXPECT_EQ(later.Maps().lightPosition[kEsc], 9);
    EXPECT_EQ(later.Maps().keyPosition[kF1], kAbsent) << "a key never seen stays absent";
    // Without the remembered positions the key is lost, as before.
    std::filesystem::remove(deviceFolder() / keyboard::kPositionFileName);
    ASSERT_TRUE(later.ReadKeyLayout());
    EXPECT_EQ(later.Maps().keyPosition[kEsc], kAbsent);
}

TEST_F(KeyboardTest, DefaultProfileReplacesTheUsersOnSave) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    LightRecord lighting = keyboard.GetLightInfo();
    lighting.mode = 2;
    keyboard.SetLightInfo(lighting);
    keyboard.SaveProfile();
    ASSERT_EQ(savedProfile()["LightInfo"]["SelectItem"].asInt(), 2);
    keyboard.LoadDefaultProfile();
    EXPECT_EQ(keyboard.GetLightInfo().mode, 5);
    EXPECT_EQ(keyboard.KeyAssignments().size(), size_t(keyboard::kKeyNumbers));
    keyboard.SaveProfile();
    EXPECT_EQ(savedProfile()["LightInfo"]["SelectItem"].asInt(), 5);
}

// A profile added meanwhile is the current one only from the next start.
TEST_F(KeyboardTest, AReloadKeepsTheLoadedProfileAfterAnAdd) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    const std::string before = keyboard.GetProfileName();
    ProfileStore store(deviceFolder(), keyboard.DefaultProfilePath(), 1);
    ASSERT_EQ(store.LoadProfileList(), ProfileResult::Done);
    ASSERT_EQ(store.AddProfile(), ProfileResult::Done);
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    EXPECT_EQ(keyboard.GetProfileName(), before);
}

class PowerDisplay : public IPowerDisplay {
public:
    void ShowPowerLayout(bool) override {}
    void ShowPowerReport(std::span<const uint8_t> report) override { shown.assign(report.begin(), report.end()); }
    Bytes shown;
};

TEST_F(KeyboardTest, BatteryOnTheCableAndThroughTheReceiver) {
    PowerDisplay display;
    keyboard.SetPowerDisplay(&display);
    firmware.setBattery(77);
    attachCable();
    clearWire();
    keyboard.PollPower();
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(26, 6, 0)}));
    ASSERT_EQ(display.shown.size(), 6u);
    EXPECT_EQ(display.shown[3], 0);
    EXPECT_EQ(display.shown[4], 77);

    keyboard.Channel().Detach();
    attachReceiver();
    display.shown.clear();
    keyboard.PollPower();
    ASSERT_EQ(display.shown.size(), 6u);
    EXPECT_EQ(display.shown[3], 1);
    EXPECT_EQ(display.shown[4], 77);

    // Out of reach: only the reachability query goes out.
    firmware.setLinkUp(false);
    display.shown.clear();
    clearWire();
    keyboard.PollPower();
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(receiverWire(), (std::vector<Bytes>{packet(170, 0, 0)}));
    EXPECT_EQ(keyboard.IsReachableThroughReceiver(), 0);
    firmware.setLinkUp(true);
    EXPECT_EQ(keyboard.IsReachableThroughReceiver(), 1);
}

}  // namespace
}  // namespace viremo::devices::testing
