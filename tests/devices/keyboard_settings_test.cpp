// The keyboard's settings record: built from the profile, written on the
// cable and through the receiver, read back into the lighting state.
#include "keyboard_fixture.h"

#include "devices/keyboard/keyboard_settings.h"
#include "devices/protocol/result_code.h"
#include "platform/atomic_file.h"

namespace viremo::devices::testing {
namespace {

using keyboard::ModeList;

// The fixture's profile: mode 5 (device code 0x21), brightness 3, speed step
// 1 (sent as 3), direction 1, colour 12 34 56, special mode 2, custom group
// 1; W flag 1, 6-key flag 1, Windows-key flag 0, polling rate 3. Written at
// address 0 after the value 0.
const Bytes kFactoryBlock{0x00, 0x21, 3, 3, 1, 0, 0x12, 0x34, 0x56, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          2,    1,    1, 0, 3, 0, 0,    1};

TEST_F(KeyboardTest, SettingsRecordInOnePacketOnTheCable) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    clearWire();
    EXPECT_EQ(keyboard.WriteSettingsRecord(0, 0), kSuccess);
    EXPECT_EQ(wire(), (std::vector<Bytes>{kBeginSession, packet(6, 26, 0, kFactoryBlock), kEndSession}));
    EXPECT_EQ(firmware.activeProfile(), 0);
    EXPECT_EQ(firmware.settingsRecord(0), Bytes(kFactoryBlock.begin() + 1, kFactoryBlock.end()));
}

TEST_F(KeyboardTest, SettingsRecordInTwoPacketsThroughTheReceiver) {
    attachReceiver();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    clearWire();
    EXPECT_EQ(keyboard.WriteSettingsRecord(0, 0), kSuccess);
    const std::vector<Bytes> expected{kBeginSession,
                                      packet(6, 24, 0, Bytes(kFactoryBlock.begin(), kFactoryBlock.begin() + 24)),
                                      packet(6, 2, 24, Bytes{0, 1}), kEndSession};
    EXPECT_EQ(receiverWire(), expected);
    EXPECT_EQ(firmware.settingsRecord(0), Bytes(kFactoryBlock.begin() + 1, kFactoryBlock.end()));
}

TEST_F(KeyboardTest, SettingsWriteReportsTheTransferResult) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    firmware.cable().commandInterface()->injectFault({emulator::FaultKind::Status, 6, 255});
    EXPECT_EQ(keyboard.WriteSettingsRecord(0, 0), kRefused);
    EXPECT_FALSE(firmware.device()->sessionOpen()) << "the session is ended after a failure too";
    keyboard.Channel().Detach();
    EXPECT_EQ(keyboard.WriteSettingsRecord(0, 0), kNotDone);
}

TEST_F(KeyboardTest, SettingsReadFromTheActiveProfilesRecord) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    // Active profile 2: its record starts at 51; the read of 26 bytes at 50
    // begins with the last byte of profile 1's record.
    const Bytes memory{0x77, 0x44, 7, 1, 1, 1, 0xAA, 0xBB, 0xCC, 0, 0, 0, 0, 0, 0, 0, 0x99, 0,
                       6,    1,    0, 1, 2, 0, 0,    3};
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, Bytes{2}));
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 50, memory));
    clearWire();
    keyboard.ReadSettingsFromDevice();
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(5, 1, 0), packet(5, 26, 50)}));

    const LightRecord lighting = keyboard.GetLightInfo();
    EXPECT_EQ(lighting.mode, 0x44) << "an unknown code is kept as the mode index";
    EXPECT_EQ(lighting.brightness, 4) << "7 is held to the last step";
    EXPECT_EQ(lighting.speed, 3) << "speed byte 1 is step 3";
    EXPECT_EQ((Bytes{lighting.direction, lighting.multiColor, lighting.red, lighting.green, lighting.blue,
                     lighting.zzccLedMode, lighting.customGroup}),
              (Bytes{1, 1, 0xAA, 0xBB, 0xCC, 6, 1}));
    EXPECT_EQ(keyboard.ActiveProfile(), 2);
    EXPECT_EQ(keyboard.SettingsMirror()[0], 2);
    EXPECT_EQ(keyboard.SettingsMirror()[16], 0) << "record byte 15 is cleared";

    const Json::Value saved = savedProfile();
    EXPECT_EQ(saved["LightInfo"]["SelectItem"].asInt(), 0x44);
    EXPECT_EQ(saved["LightInfo"]["Speed"].asInt(), 3);
    EXPECT_EQ(saved["LightInfo"]["Red"].asInt(), 0xAA);
    EXPECT_EQ(saved["SystemStages"]["WFlag"].asInt(), 1);
    EXPECT_EQ(saved["SystemStages"]["Key6Flag"].asInt(), 0);
    EXPECT_EQ(saved["SystemStages"]["WinFlag"].asInt(), 1);
    EXPECT_EQ(saved["SystemStages"]["PollingRate"].asInt(), 3) << "not read back";
    EXPECT_EQ(saved["SystemStages"]["Repeat"].asInt(), 31) << "not read back";
}

TEST_F(KeyboardTest, AFailedSettingsReadChangesNothing) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    const LightRecord before = keyboard.GetLightInfo();
    const auto mirror = keyboard.SettingsMirror();
    const std::string file = readWholeFile(keyboard.Profile().GetProfilePath()).value_or("");
    // Profile 200's record lies beyond the settings memory: the second read is refused.
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, Bytes{200}));
    keyboard.ReadSettingsFromDevice();
    EXPECT_EQ(keyboard.GetLightInfo(), before);
    EXPECT_EQ(keyboard.SettingsMirror(), mirror);
    EXPECT_EQ(keyboard.ActiveProfile(), 0);
    EXPECT_EQ(readWholeFile(keyboard.Profile().GetProfilePath()).value_or("-"), file);
}

TEST(KeyboardModeListTest, CodesAndIndices) {
    const ModeList modes = keyboard::parseModeList(*json::parse(R"({"DefaultLightName": [
        [{"value": 9}, {"value": 3}, {"LightName": "no code"}, {"value": 3}], [{"value": 100}]]})"), 0);
    struct Case {
        int index;
        uint8_t code;
    };
    for (const Case& c : {Case{0, 9}, Case{1, 3}, Case{2, 0}, Case{3, 3}, Case{20, 20}, Case{31, 9}, Case{-1, 9}})
        EXPECT_EQ(modes.codeOf(c.index), c.code) << c.index;
    EXPECT_EQ(modes.indexOf(3), 1) << "first match";
    EXPECT_EQ(modes.indexOf(0), 2);
    EXPECT_EQ(modes.indexOf(0x44), 0x44);
    EXPECT_EQ(keyboard::parseModeList(Json::Value("x"), 0).codeOf(7), 7);
}

TEST(KeyboardSettingsRecordTest, SpeedAndBrightnessStepsAreHeldToFour) {
    struct Case {
        uint8_t brightnessByte, speedByte, brightness, speed;
    };
    for (const Case& c : {Case{0, 0, 0, 4}, Case{4, 4, 4, 0}, Case{200, 9, 4, 0}, Case{2, 3, 2, 1}}) {
        keyboard::SettingsRecord record{};
        record[1] = c.brightnessByte;
        record[2] = c.speedByte;
        const LightRecord lighting = keyboard::lightingOfRecord(record, ModeList{}, LightRecord{});
        EXPECT_EQ(lighting.brightness, c.brightness) << int(c.brightnessByte);
        EXPECT_EQ(lighting.speed, c.speed) << int(c.speedByte);
    }
    LightRecord fast;
    fast.speed = 9;
    EXPECT_EQ(keyboard::buildSettingsRecord(fast, {}, ModeList{})[2], 0) << "a speed beyond 4 is sent as step 4";
}

// "Fx": -7 in a profile is the byte 249: the keyboard gets direction 1.
TEST(KeyboardSettingsRecordTest, ValuesFromAProfileAreHeldToTheKeyboardsRanges) {
    LightRecord wild;
    wild.brightness = 200;
    wild.direction = 249;
    wild.multiColor = 7;
    const auto record = keyboard::buildSettingsRecord(wild, {}, ModeList{});
    EXPECT_EQ(record[1], 4);
    EXPECT_EQ(record[3], 1);
    EXPECT_EQ(record[4], 1);
}

}  // namespace
}  // namespace viremo::devices::testing
