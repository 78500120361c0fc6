// Light frames, colour pages and the lighting thread of the keyboard.
#include <chrono>
#include <thread>

#include "keyboard_fixture.h"

#include "devices/protocol/result_code.h"

namespace viremo::devices::testing {
namespace {

constexpr int kEsc = 0, kA = 64, kS = 65, kD = 66;

// Esc's light at frame position 0, A's at 2, S's at 127 (the last one
// streamed), D's at 169 (in the page, beyond the streamed 384 bytes).
class KeyboardLightsTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        setKeyboardLayout({{0x20, 0x00, 0x04}, {0x20, 0x00, 0x29}, {0x20, 0x00, 0x16}, {0x20, 0x00, 0x07}},
                          Bytes{2, 0, 127, 169});
    }
    void readLayout() {
        ASSERT_TRUE(keyboard.ReadKeyLayout());
        ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
        keyboard.SetLightColour(kEsc, {255, 128, 0, 255});
        keyboard.SetLightColour(kA, {100, 0, 200, 128});
        keyboard.SetLightColour(kS, {0, 0, 255, 255});
        keyboard.SetLightColour(kD, {255, 255, 255, 255});
        keyboard.SetLightingControl(true);
        clearWire();
    }
    void setMode(uint8_t mode) {
        LightRecord lighting = keyboard.GetLightInfo();
        lighting.mode = mode;
        keyboard.SetLightInfo(lighting);
    }
    // Light values scaled by level: 255 x 255 / 256 = 254, 128 x 255 / 256 =
    // 127, 100 x 128 / 256 = 50, 200 x 128 / 256 = 100.
    static Bytes expectedFrame() {
        Bytes frame(384, 0);
        frame[0] = 0xFE, frame[1] = 0x7F, frame[2] = 0x00;
        frame[6] = 0x32, frame[7] = 0x00, frame[8] = 0x64;
        frame[381] = 0x00, frame[382] = 0x00, frame[383] = 0xFE;
        return frame;
    }
};

TEST_F(KeyboardLightsTest, FrameOnTheCableInSevenPackets) {
    attachCable();
    readLayout();
    setMode(6);
    keyboard.SendLightFrame();
    const Bytes frame = expectedFrame();
    const auto sent = wire();
    ASSERT_EQ(sent.size(), 7u);
    for (size_t i = 0; i < sent.size(); ++i) {
        const size_t offset = i * 56, length = std::min<size_t>(56, 384 - offset);
        EXPECT_EQ(sent[i], packet(18, uint8_t(length), uint16_t(offset),
                                  Bytes(frame.begin() + long(offset), frame.begin() + long(offset + length))))
            << i;
    }
    EXPECT_EQ(first(firmware.lightFrame(), 384), frame);
}

TEST_F(KeyboardLightsTest, NoFrameWhereTheKeyboardDrawsItself) {
    attachCable();
    readLayout();
    for (uint8_t mode : {7, 8, 9, 16, 17, 18, 20}) {
        setMode(mode);
        keyboard.SendLightFrame();
        EXPECT_TRUE(wire().empty()) << int(mode);
    }
    setMode(6);
    keyboard.SetLightingControl(false);
    keyboard.SendLightFrame();
    EXPECT_TRUE(wire().empty()) << "without lighting control";
}

TEST_F(KeyboardLightsTest, NoFrameThroughTheReceiver) {
    attachReceiver();
    readLayout();
    setMode(6);
    keyboard.SendLightFrame();
    EXPECT_TRUE(receiverWire().empty());
    EXPECT_TRUE(wire().empty());
}

// Through its receiver the keyboard keeps its cable row as its identity: it
// is still the wired keyboard that is told the program drives its lights.
TEST_F(KeyboardTest, ThroughTheReceiverTheCableRowIsTheIdentity) {
    attachReceiver();
    EXPECT_TRUE(sameIdentity(keyboard.GetIdentity(), hidInterfaceTable()[0]));
    EXPECT_EQ(keyboard.GetModelId(), kModelWiredKeyboard);
    EXPECT_TRUE(keyboard.IsOnReceiver());
    keyboard.SetLightingControl(true);
    EXPECT_EQ(receiverWire(), (std::vector<Bytes>{packet(0x1C, 0, 0)}));
}

TEST_F(KeyboardLightsTest, CustomColourModeWritesTheGroupsPage) {
    // Group 2 of the profile: Esc red at full level, D white at half.
    Json::Value colours(Json::arrayValue);
    for (int light = 0; light < 170; ++light) {
        Json::Value colour = *json::parse(R"({"Red": 0, "Green": 0, "Blue": 0, "Alpha": 0})");
        if (light == kEsc) colour = *json::parse(R"({"Red": 255, "Green": 0, "Blue": 0, "Alpha": 255})");
        if (light == kD) colour = *json::parse(R"({"Red": 255, "Green": 255, "Blue": 255, "Alpha": 128})");
        colours.append(colour);
    }
    factoryProfile["CustomLightMode"]["LightColorInfo"][2] = colours;
    factoryProfile["LightInfo"]["SelectItem"] = 20;
    factoryProfile["LightInfo"]["CustomGroup"] = 2;
    writeFactoryProfile();
    attachCable();
    ASSERT_TRUE(keyboard.ReadKeyLayout());
    clearWire();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    // 3 bytes for each of the 4 key positions, at 2 x 512.
    const Bytes page{0xFE, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(11, 12, 1024, page)}));
    EXPECT_EQ(first(firmware.colourPage(2), 12), page);
    EXPECT_EQ(keyboard.GetLightColour(kD), (LightColour{255, 255, 255, 128})) << "on the picture all the same";
}

TEST_F(KeyboardLightsTest, LightingThreadRunsTheStaticEffect) {
    CVendrakeKeyboardDevice live(bus);
    configureKeyboard(live, hidInterfaceTable()[0]);
    ASSERT_TRUE(live.Channel().Attach(ConnectionMode::Cable, kCableCommand));
    live.Channel().SetConnectionMode(ConnectionMode::Cable);
    // Static (6) in red at brightness 2, as the keyboard reports it.
    ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, Bytes{0, 5, 2, 4, 0, 0, 255, 0, 0}));
    live.ReadAllFromDevice();
    ASSERT_TRUE(live.IsLightingThreadRunning());
    const LightColour red{255, 0, 0, 128};
    for (int i = 0; i < 200 && live.GetLightColour(169) != red; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(live.GetLightColour(0), red);
    EXPECT_EQ(live.GetLightColour(169), red);
}

}  // namespace
}  // namespace viremo::devices::testing
