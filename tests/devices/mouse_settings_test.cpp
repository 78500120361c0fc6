// The mouse's settings block: written for a profile, read back from the
// active onboard profile's slot.
#include "mouse_fixture.h"

#include "emulator/fault.h"

namespace viremo::devices::testing {
namespace {

// The fixture's profile, slot 0, first argument 0, third 1, 1920 x 1080.
const Bytes kProfileBlock{
    0x00, 0x07, 0x03, 0x03, 0x01, 0x00, 0x12, 0x34, 0x56, 0x00, 0x00, 0x02, 0x01, 0x00,  // lighting, rate, stage
    0x01, 0x00, 0x06, 0x00, 0x06, 0x00, 0xFF, 0x00, 0x00,                                // stage 0
    0x01, 0x00, 0x1E, 0x00, 0x1E, 0x00, 0x00, 0xFF, 0x00,                                // stage 1
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,     // stages 2-4
    0x01, 0x80, 0x07, 0x38, 0x04, 0x05, 0x04};

Bytes slice(const Bytes& bytes, size_t from, size_t count) {
    return Bytes(bytes.begin() + long(from), bytes.begin() + long(from + count));
}

TEST_F(MouseTest, SettingsBlockOfAProfileOnTheCableAndThroughTheReceiver) {
    const struct {
        bool viaReceiver;
        std::vector<Bytes> packets;
    } cases[] = {
        {false, {kBeginSession, packet(6, 56, 0, slice(kProfileBlock, 0, 56)),
                 packet(6, 10, 56, slice(kProfileBlock, 56, 10)), kEndSession}},
        {true, {kQueryOnline, kBeginSession, packet(6, 24, 0, slice(kProfileBlock, 0, 24)),
                packet(6, 24, 24, slice(kProfileBlock, 24, 24)), packet(6, 18, 48, slice(kProfileBlock, 48, 18)),
                kEndSession}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.viaReceiver ? "receiver" : "cable");
        readMouse(c.viaReceiver);
        mouse.SetScreenSize(1920, 1080);
        EXPECT_EQ(mouse.WriteSettingsRecord(0, 0), kSuccess);
        EXPECT_EQ(c.viaReceiver ? receiverWire() : wire(), c.packets);
        EXPECT_EQ(firmware.settingsBytes(0), kProfileBlock);
    }
}

// Values of the profile file that the mouse has no place for are held to
// its ranges: speed 9 would otherwise be sent as 4 - 9.
TEST_F(MouseTest, ProfileValuesOutOfRangeAreHeldToTheMouse) {
    factoryProfile["LightInfo"]["SelectItem"] = 12;  // a custom effect: the mouse gets mode 0
    factoryProfile["LightInfo"]["Light"] = 7;
    factoryProfile["LightInfo"]["Speed"] = 9;
    factoryProfile["DPIStages"]["StageActive"] = 7;
    factoryProfile["DPIStages"]["StageDPIs"][0]["StageDPIX"] = 500;
    factoryProfile["ReportStages"]["StageActive"] = 9;
    writeFactoryProfile();
    readMouse(false);
    ASSERT_EQ(mouse.WriteSettingsRecord(0, 0), kSuccess);
    const Bytes block = firmware.settingsBytes(0);
    EXPECT_EQ(slice(block, 1, 3), (Bytes{0x09, 0x04, 0x00}));  // mode 0's code, brightness 4, speed 4
    EXPECT_EQ(slice(block, 11, 2), (Bytes{0x00, 0x00}));       // report rate, active stage
    EXPECT_EQ(slice(block, 16, 4), (Bytes{0x58, 0x00, 0x06, 0x00}));  // X held to level 88
}

// Profile 2 is active; its slot holds mode code 0x21 (mode 5), brightness 2,
// speed byte 4, direction 0, multicolour, colour AA BB CC, stage 3 and a
// stray byte 9.
TEST_F(MouseTest, StateIsReadFromTheActiveProfileSlot) {
    Bytes slot(66, 0);
    slot[1] = 0x21, slot[2] = 2, slot[3] = 4, slot[5] = 1, slot[6] = 0xAA, slot[7] = 0xBB, slot[8] = 0xCC;
    slot[9] = 7, slot[12] = 3;
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 256, slot));
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, Bytes{2}));

    const struct {
        bool viaReceiver;
        std::vector<Bytes> packets;
    } cases[] = {
        {false, {packet(5, 1, 0), packet(5, 56, 256), packet(5, 15, 312)}},
        {true, {kQueryOnline, packet(5, 1, 0), kQueryOnline, packet(5, 24, 256), packet(5, 24, 280),
                packet(5, 23, 304)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.viaReceiver ? "receiver" : "cable");
        readMouse(c.viaReceiver);
        EXPECT_EQ(mouse.ReadDeviceState(), kSuccess);
        EXPECT_EQ(c.viaReceiver ? receiverWire() : wire(), c.packets);
        EXPECT_EQ(mouse.ActiveProfile(), 2);
        const LightRecord lighting = mouse.GetLightingState();
        EXPECT_EQ((Bytes{lighting.mode, lighting.brightness, lighting.speed, lighting.direction, lighting.multiColor,
                         lighting.red, lighting.green, lighting.blue}),
                  (Bytes{5, 2, 0, 1, 1, 0xAA, 0xBB, 0xCC}));
        EXPECT_EQ(mouse.GetActiveDpiStage(), 3);
        ASSERT_TRUE(mouse.LastBlock());
        EXPECT_EQ((*mouse.LastBlock())[0], 2);
        EXPECT_EQ((*mouse.LastBlock())[9], 0);
        const Json::Value saved = json::readFile(mouse.Profile().GetProfilePath())["Device"][0];
        EXPECT_EQ(saved["LightInfo"]["SelectItem"].asInt(), 5);
        EXPECT_EQ(saved["DPIStages"]["StageActive"].asInt(), 3);
    }
}

// The active profile byte points beyond the settings memory: the second read
// fails and nothing of the mouse's state changes.
TEST_F(MouseTest, AFailedStateReadChangesNothing) {
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, Bytes{9}));
    readMouse(false);
    const LightRecord before = mouse.GetLightingState();
    const auto savedBefore = json::readFile(mouse.Profile().GetProfilePath());
    EXPECT_EQ(mouse.ReadDeviceState(), kNotDone);
    EXPECT_EQ(mouse.ActiveProfile(), 0);
    EXPECT_FALSE(mouse.LastBlock());
    EXPECT_EQ(mouse.GetLightingState().mode, before.mode);
    EXPECT_EQ(mouse.GetActiveDpiStage(), 1);
    EXPECT_EQ(json::readFile(mouse.Profile().GetProfilePath()), savedBefore);
}

}  // namespace
}  // namespace viremo::devices::testing
