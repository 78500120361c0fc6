// The button table, the macro memory and the recoil memory a mouse is given.
#include "mouse_fixture.h"

#include "emulator/fault.h"

namespace viremo::devices::testing {
namespace {

using emulator::MacroEvent;
using emulator::MacroEvents;

constexpr int kRight = 1, kForward = 3, kBack = 4, kDpiDown = 6, kM8 = 9;

// Ten macros; macro 9 presses button 2, macro 4 holds button 4 for 20 ms
// after 300 ms.
class MouseWritesTest : public MouseTest {
protected:
    void SetUp() override {
        MouseTest::SetUp();
        Json::Value config;
        for (int m = 0; m < 10; ++m) {
            Json::Value entry;
            entry["MacroName"] = "m" + std::to_string(m);
            entry["Guid"] = "g" + std::to_string(m);
            config["MacroInfo"].append(entry);
        }
        std::filesystem::create_directories(deviceFolder());
        ASSERT_TRUE(json::writeFile(deviceFolder() / "macro.config", config));
        putDeviceFile("g9.mac", R"({"Events": [{"Type": 9, "Action": "down", "Button": 2, "Delay": "0"}]})");
        putDeviceFile("g4.mac", R"({"Events": [{"Type": 10, "Action": "down", "Button": 4, "Delay": "300"},
                                               {"Type": 10, "Action": "up", "Button": 4, "Delay": 20}]})");
        // In key order: macros 9, 4, 9; the M8 key (no button on this mouse)
        // macro 3; DPI down a macro "macro.config" does not have.
        Json::Value& keys = factoryProfile["KeyList"];
        keys[kRight]["Assignment"] = code(0x70, 9, 0);
        keys[kForward]["Assignment"] = code(0x71, 4, 2);
        keys[kBack]["Assignment"] = code(0x70, 9, 0);
        keys[kM8]["Assignment"] = code(0x70, 3, 0);
        keys[kDpiDown]["Assignment"] = code(0x70, 12, 0);
        writeFactoryProfile();
    }
};

// The emulated mouse's buttons: back and forward swapped, the DPI buttons
// behind the loop button, fire before game mode, no M8 key.
const Bytes kRenumberedTable{
    0x10, 0x01, 0x00,  // left
    0x70, 0x00, 0x00,  // right: macro 9, first used
    0x10, 0x04, 0x00,  // middle
    0x70, 0x00, 0x00,  // back: macro 9
    0x71, 0x01, 0x02,  // forward: macro 4, second used
    0x13, 0x03, 0x00,  // DPI cycle
    0x13, 0x01, 0x00,  // DPI up
    0x13, 0x02, 0x00,  // DPI down: its factory code
    0x14, 0x78, 0x02,  // fire
    0xA0, 0x1B, 0x00,  // game mode
    0x00, 0x00, 0x00,  // a button the host does not know, left alone
};

// Macro 9 then macro 4: 16 + 2 x 2 + (4 + 4) + (4 + 8) = 40 bytes.
const Bytes kMacroImage{0xAA, 0x55, 0x28, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                        0x14, 0x00, 0x1C, 0x00,                          // offsets 20, 28
                        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x89, 0x02,  // macro 9
                        0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x8A, 0x04, 0x14, 0x00, 0x0A, 0x04};  // macro 4

TEST_F(MouseWritesTest, ButtonTableCarriesMacrosInOrderOfFirstUse) {
    readMouse(false);
    EXPECT_EQ(mouse.GetUsedMacros(), (std::vector<int>{9, 4}));
    EXPECT_EQ(mouse.WriteKeyAssignmentsOf(0), kSuccess);
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(3, 34, 0), kBeginSession, packet(9, 33, 0, kRenumberedTable),
                                          kEndSession}));
    EXPECT_EQ(firmware.buttonTable(), kRenumberedTable);
}

TEST_F(MouseWritesTest, MacroImageThroughTheReceiverAsksBeforeEachStep) {
    readMouse(true);
    EXPECT_EQ(mouse.WriteMacros(mouse.GetUsedMacros()), DeviceResult::MacroUpload(0));
    EXPECT_EQ(receiverWire(), (std::vector<Bytes>{kQueryOnline, kQueryOnline, kBeginSession,
                                                  packet(0x15, 24, 0, first(kMacroImage, 24)),
                                                  packet(0x15, 16, 24, Bytes(kMacroImage.begin() + 24, kMacroImage.end())),
                                                  kEndSession}));
    const MacroEvents macro9{{0, 9, true, 2}};
    const MacroEvents macro4{{300, 10, true, 4}, {20, 10, false, 4}};
    EXPECT_EQ(firmware.macros(), (std::vector<MacroEvents>{macro9, macro4}));
}

TEST_F(MouseWritesTest, AShortKeyListKeepsTheTableBytesOfTheMissingButtons) {
    Json::Value& keys = factoryProfile["KeyList"];
    keys.resize(2);
    writeFactoryProfile();
    readMouse(false);
    ASSERT_EQ(mouse.WriteKeyAssignmentsOf(0), kSuccess);
    Bytes expected = emulator::mouse::factoryButtonTable();
    expected[3] = 0x70, expected[4] = 0x00;  // right: macro 9, the only one used
    EXPECT_EQ(firmware.buttonTable(), expected);
}

TEST_F(MouseWritesTest, AMacroWriteWhoseSessionFailsReportsFailure) {
    readMouse(false);
    firmware.cable().commandInterface()->injectFault({emulator::FaultKind::Status, 1, 255});
    EXPECT_EQ(mouse.WriteMacros(mouse.GetUsedMacros()).code(), -1);
    EXPECT_EQ(wire(), (std::vector<Bytes>{kBeginSession, kEndSession}));
}

// The mouse walks away after its macros are written: the button table and
// the settings end at the receiver's answer, with nothing written.
TEST_F(MouseWritesTest, MouseUnreachableInTheMiddleOfAnApply) {
    readMouse(true);
    ASSERT_EQ(mouse.WriteMacros(mouse.GetUsedMacros()), DeviceResult::MacroUpload(0));
    firmware.setLinkUp(false);
    clearWire();
    EXPECT_EQ(mouse.WriteKeyAssignmentsOf(0), kNotDone);
    EXPECT_EQ(mouse.WriteSettingsRecord(0, 0), kNotDone);
    EXPECT_EQ(mouse.WriteMacros(mouse.GetUsedMacros()), DeviceResult::MacroUpload(0));
    EXPECT_EQ(receiverWire(), (std::vector<Bytes>{kQueryOnline, kQueryOnline, kQueryOnline}));
    EXPECT_EQ(firmware.buttonTable(), emulator::mouse::factoryButtonTable());
}

// ---- Recoil ------------------------------------------------------------------

Json::Value eventsOf(std::initializer_list<const char*> events) {
    Json::Value document;
    document["Events"] = Json::Value(Json::arrayValue);
    for (const char* event : events) document["Events"].append(*json::parse(event));
    return document;
}

// Gun 2 has no file: an empty block, which moves gun 3 along all the same.
TEST_F(MouseTest, RecoilImageOfFourGuns) {
    std::filesystem::create_directories(deviceFolder());
    const char* down1 = R"({"Type": 9, "Action": "down", "Button": 1, "Delay": 10})";
    const char* up1 = R"({"Type": 9, "Action": "up", "Button": 1, "Delay": 0})";
    const char* move = R"({"Type": 11, "Action": "down", "Button": 5, "Delay": 5})";
    const char* down2 = R"({"Type": 9, "Action": "down", "Button": 2, "Delay": 300})";
    ASSERT_TRUE(json::writeFile(deviceFolder() / "ShootData_0.Shoot", eventsOf({down1})));
    ASSERT_TRUE(json::writeFile(deviceFolder() / "ShootData_1.Shoot", eventsOf({up1, move})));
    ASSERT_TRUE(json::writeFile(deviceFolder() / "ShootData_3.Shoot", eventsOf({down2})));
    readMouse(true);

    EXPECT_EQ(mouse.WriteRecoilData(), kSuccess);
    const Bytes image{0xAA, 0x55, 0x38, 0x00, 0x04, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0x18, 0x00, 0x20, 0x00, 0x2C, 0x00, 0x30, 0x00,  // offsets 24, 32, 44, 48
                      0x01, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x89, 0x01,
                      0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x01, 0x05, 0x00, 0x8B, 0x05,
                      0x00, 0x00, 0x00, 0x00,
                      0x01, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x89, 0x02};
    EXPECT_EQ(receiverWire(), (std::vector<Bytes>{kQueryOnline, kBeginSession, packet(0x17, 56, 0, image), kEndSession}));
    const std::vector<MacroEvents> guns{{{10, 9, true, 1}}, {{0, 9, false, 1}, {5, 11, true, 5}}, {}, {{300, 9, true, 2}}};
    EXPECT_EQ(firmware.guns(), guns);
}

// 4 x 300 events take 16 + 24 + 4800 bytes, more than the 4096 of the
// recoil memory: refused before anything is sent.
TEST_F(MouseTest, RecoilImageLargerThanTheMouseMemoryIsRefused) {
    std::filesystem::create_directories(deviceFolder());
    Json::Value gun;
    for (int event = 0; event < 300; ++event)
        gun["Events"].append(*json::parse(R"({"Type": 9, "Action": "down", "Button": 1, "Delay": 1})"));
    for (int number = 0; number < 4; ++number)
        ASSERT_TRUE(json::writeFile(deviceFolder() / ("ShootData_" + std::to_string(number) + ".Shoot"), gun));
    readMouse(false);
    EXPECT_EQ(mouse.WriteRecoilData(), kRecoilTooLarge);
    EXPECT_TRUE(wire().empty());
}

}  // namespace
}  // namespace viremo::devices::testing
