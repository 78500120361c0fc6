// The key table and the macro memory a keyboard is given.
#include "keyboard_fixture.h"

#include "devices/protocol/result_code.h"

namespace viremo::devices::testing {
namespace {

using emulator::FaultKind;
using emulator::MacroEvent;
using emulator::MacroEvents;

constexpr int kEsc = 0, kA = 64, kS = 65;

// Four key positions: A, Esc, S, D; lights at 0-3.
class KeyboardWritesTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        setKeyboardLayout({{0x20, 0x00, 0x04}, {0x20, 0x00, 0x29}, {0x20, 0x00, 0x16}, {0x20, 0x00, 0x07}},
                          Bytes{0, 1, 2, 3});
        putDeviceFile("macro.config", R"({"MacroInfo": [{"MacroName": "m0", "Guid": "g0"},
                                                        {"MacroName": "m1", "Guid": "g1"}]})");
        putDeviceFile("g0.mac", R"({"Events": [{"Type": 9, "Action": "down", "Button": 2, "Delay": "0"}]})");
        putDeviceFile("g1.mac", R"({"Events": [{"Type": 10, "Action": "down", "Button": 4, "Delay": "300"},
                                               {"Type": 10, "Action": "up", "Button": 4, "Delay": 20}]})");
    }
    // The profile's keys: the list ends after S, so D has no entry.
    void bindKeys(int esc, int a, int s) {
        Json::Value list = factoryKeyList(kS + 1);
        list[kEsc]["Assignment"] = esc;
        list[kA]["Assignment"] = a;
        list[kS]["Assignment"] = s;
        factoryProfile["KeyList"] = list;
        writeFactoryProfile();
        attachCable();
        ASSERT_TRUE(keyboard.ReadKeyLayout());
        ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
        clearWire();
    }
    const Bytes kInfoRead = packet(3, 34, 0);
};

// Keys 18, 19, 20 and 104 share the factory code 20 00 00: each reaches
// its own position, on the first write and after the table read back no
// longer holds the shared code anywhere.
TEST_F(KeyboardTest, KeysThatShareAFactoryCodeEachReachTheTable) {
    const int keys[] = {18, 19, 20, 104};
    setKeyboardLayout({{0x20, 0x00, 0x00}, {0x20, 0x00, 0x29}, {0x20, 0x00, 0x00}, {0x20, 0x00, 0x00},
                       {0x20, 0x00, 0x00}},
                      Bytes{0, 1, 2, 3, 4});
    for (size_t k = 0; k < std::size(keys); ++k)
        factoryProfile["KeyList"][keys[k]]["Assignment"] = code(0x20, 0x00, uint8_t(0x04 + k));  // A, B, C, D
    writeFactoryProfile();
    attachCable();
    // A, Esc, B, C, D.
    const Bytes expected{0x20, 0x00, 0x04, 0x20, 0x00, 0x29, 0x20, 0x00, 0x05,
                         0x20, 0x00, 0x06, 0x20, 0x00, 0x07};
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(keyboard.ReadKeyLayout());
        ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
        EXPECT_EQ(keyboard.WriteKeyAssignmentsOf(0), kSuccess);
        EXPECT_EQ(first(firmware.keyTable(), 15), expected) << "round " << round;
    }
}

TEST_F(KeyboardWritesTest, MacrosNumberedInOrderOfFirstUse) {
    // Esc plays macro 1 three times, A a macro "macro.config" does not
    // have, S macro 0.
    bindKeys(code(0x71, 1, 3), code(0x70, 5, 0), code(0x70, 0, 0));
    EXPECT_EQ(keyboard.GetUsedMacros(), (std::vector<int>{1, 0}));

    EXPECT_EQ(keyboard.WriteKeyAssignmentsOf(0), kSuccess);
    const Bytes table{0x20, 0x00, 0x04, 0x71, 0x00, 0x03, 0x70, 0x01, 0x00, 0x20, 0x00, 0x07};
    EXPECT_EQ(wire(), (std::vector<Bytes>{kInfoRead, kBeginSession, packet(9, 12, 0, table), kEndSession}));
    EXPECT_EQ(first(firmware.keyTable(), 12), table);

    // The profile keeps its own macro numbers; the unknown macro is reset.
    keyboard.SaveProfile();
    const Json::Value keys = savedProfile()["KeyList"];
    EXPECT_EQ(keys[kEsc]["Assignment"].asInt(), code(0x71, 1, 3));
    EXPECT_EQ(keys[kA]["Assignment"].asInt(), code(0x20, 0x00, 0x04));
    EXPECT_EQ(keys[kS]["Assignment"].asInt(), code(0x70, 0, 0));
}

TEST_F(KeyboardWritesTest, TwoKeysOnOneMacroShareItsNumber) {
    bindKeys(code(0x70, 1, 0), code(0x70, 1, 1), code(0x20, 0, 0x29));
    EXPECT_EQ(keyboard.GetUsedMacros(), (std::vector<int>{1}));
    EXPECT_EQ(keyboard.WriteKeyAssignmentsOf(0), kSuccess);
    EXPECT_EQ(first(firmware.keyTable(), 9),
              (Bytes{0x70, 0x00, 0x01, 0x70, 0x00, 0x00, 0x20, 0x00, 0x29}));
}

TEST_F(KeyboardWritesTest, KeyTablePageOtherThanZeroIsRefusedUnsent) {
    bindKeys(code(0x20, 0, 0x29), code(0x20, 0, 0x04), code(0x20, 0, 0x16));
    EXPECT_EQ(keyboard.WriteKeyAssignments(1, keyboard.KeyAssignments()), kBadKeyTablePage);
    EXPECT_TRUE(wire().empty());
}

TEST_F(KeyboardWritesTest, MacroImageInMemory) {
    bindKeys(code(0x71, 1, 3), code(0x20, 0, 0x04), code(0x70, 0, 0));
    EXPECT_EQ(keyboard.WriteMacros(keyboard.GetUsedMacros()), 0);
    // 0x55AA, 40 bytes, 2 macros; blocks at 20 and 32.
    const Bytes image{0xAA, 0x55, 0x28, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0x14, 0x00, 0x20, 0x00,
                      0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x8A, 0x04, 0x14, 0x00, 0x0A, 0x04,
                      0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x89, 0x02};
    EXPECT_EQ(wire(), (std::vector<Bytes>{kInfoRead, kBeginSession, packet(21, 40, 0, image), kEndSession}));
    EXPECT_EQ(first(firmware.macroMemory(), 40), image);
    const auto macros = firmware.macros();
    ASSERT_TRUE(macros);
    EXPECT_EQ(*macros, (std::vector<MacroEvents>{{MacroEvent{300, 10, true, 4}, MacroEvent{20, 10, false, 4}},
                                                 {MacroEvent{0, 9, true, 2}}}));
}

TEST_F(KeyboardWritesTest, MacroImageBeyondTheMemoryIsNotWritten) {
    bindKeys(code(0x70, 1, 0), code(0x20, 0, 0x04), code(0x70, 0, 0));
    Bytes info = firmware.device()->memory("device info");
    info[6] = 1;  // 128 bytes of macro memory
    ASSERT_TRUE(firmware.device()->writeMemory("device info", 0, info));
    // Two macros take 16 + 12 bytes: 25 events fill 128 bytes exactly, one
    // more is 4 bytes over: (4 / 4) + 1.
    struct Case {
        int events;
        int result;
    };
    for (const Case& c : {Case{25, 0}, Case{26, 2}}) {
        Json::Value events(Json::arrayValue);
        for (int i = 0; i < c.events - 1; ++i)
            events.append(*json::parse(R"({"Type": 10, "Action": "down", "Button": 4, "Delay": 1})"));
        Json::Value document;
        document["Events"] = events;
        ASSERT_TRUE(json::writeFile(deviceFolder() / "g1.mac", document));
        clearWire();
        EXPECT_EQ(keyboard.WriteMacros({1, 0}), c.result) << c.events;
        bool macroPacket = false;
        for (const Bytes& sent : wire()) macroPacket |= sent[3] == 21;
        EXPECT_EQ(macroPacket, c.result == 0) << c.events;
    }
}

TEST_F(KeyboardWritesTest, FailedMacroUploadsReturnMinusOne) {
    bindKeys(code(0x70, 1, 0), code(0x20, 0, 0x04), code(0x70, 0, 0));
    auto& port = *firmware.cable().commandInterface();
    clearWire();
    for (int command : {1, 21}) {
        port.injectFault({FaultKind::Status, command, 254});
        EXPECT_EQ(keyboard.WriteMacros({1, 0}), -1) << command;
    }
    EXPECT_EQ(sentOnCable(1), sentOnCable(2)) << "every session is ended";
    std::filesystem::remove(deviceFolder() / "macro.config");
    EXPECT_EQ(keyboard.WriteMacros({1, 0}), 0) << "nothing to upload without the macro list";
}

TEST_F(KeyboardWritesTest, KeyTableIsNotWrittenBeforeItIsRead) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    const Bytes before = firmware.keyTable();
    EXPECT_EQ(keyboard.WriteKeyAssignmentsOf(0), kNotDone);
    EXPECT_EQ(sentOnCable(9), 0);
    EXPECT_EQ(firmware.keyTable(), before);
}

TEST_F(KeyboardWritesTest, KeyTableWriteReportsTheTransferResult) {
    bindKeys(code(0x20, 0, 0x29), code(0x20, 0, 0x04), code(0x20, 0, 0x16));
    firmware.cable().commandInterface()->injectFault({FaultKind::Status, 9, 254});
    EXPECT_EQ(keyboard.WriteKeyAssignmentsOf(0), kDeviceError);
    EXPECT_FALSE(firmware.device()->sessionOpen());
}

}  // namespace
}  // namespace viremo::devices::testing
