#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "emulator/keyboard_firmware.h"
#include "emulator/keyboard_memory.h"
#include "emulator/keyboard_settings.h"
#include "emulator/products.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::packet;

class KeyboardMemoryTest : public ::testing::Test {
protected:
    // Status and data bytes of the one reply to a packet.
    struct Answer {
        uint8_t status = 0;
        Bytes data;
    };

    Answer ask(const Bytes& request, size_t dataLength = 0) {
        const auto replies = keyboard.device()->answer(request);
        if (replies.size() != 1 || replies.front().size() != 64) return {};
        const Bytes& reply = replies.front();
        return {reply[7], Bytes(reply.begin() + 8, reply.begin() + 8 + std::ptrdiff_t(dataLength))};
    }

    // A read as the host's chunked commands make it: `payload` bytes a packet.
    Bytes readAll(uint8_t command, size_t length, size_t payload = 56) {
        Bytes bytes;
        for (size_t offset = 0; offset < length; offset += payload) {
            const size_t chunk = std::min(payload, length - offset);
            const Answer answer = ask(packet(command, uint8_t(chunk), uint16_t(offset)), chunk);
            if (answer.status != kStatusAccepted) return {};
            bytes.insert(bytes.end(), answer.data.begin(), answer.data.end());
        }
        return bytes;
    }

    KeyboardFirmware keyboard;
};

TEST_F(KeyboardMemoryTest, FactoryKeysSitAtShuffledPositionsWithTheirLights) {
    struct Case {
        const char* key;
        uint8_t position;
        Bytes code;
        uint8_t light;
    };
    // Key j at position (37 j + 11) mod 128, its light at (53 j + 5) mod 128.
    const Case cases[] = {
        {"0, Esc", 11, {0x20, 0x00, 0x29}, 5},
        {"16, keyboard function", 91, {0xA0, 0x1B, 0x00}, 85},
        {"64, A", 75, {0x20, 0x00, 0x04}, 69},
        {"104, unused", 19, {0x20, 0x00, 0x00}, 13},
        {"111, menu key reassigned", 22, {0x00, 0x00, 0x00}, 0},
        {"125, right Windows", 28, {0x20, 0x80, 0x00}, 102},
        {"no key at 65", 65, {0x00, 0x00, 0x00}, 255},
        {"no key at 102", 102, {0x00, 0x00, 0x00}, 255},
    };
    for (const auto& c : cases) {
        const Answer code = ask(packet(7, 3, uint16_t(3 * c.position)), 3);
        EXPECT_EQ(code.status, kStatusAccepted) << c.key;
        EXPECT_EQ(code.data, c.code) << c.key;
        const Answer light = ask(packet(27, 1, c.position), 1);
        EXPECT_EQ(light.data, Bytes{c.light}) << c.key;
    }
}

TEST_F(KeyboardMemoryTest, WholeTableReadsInChunksWithOneCodeMissing) {
    for (const size_t payload : {56, 24}) {
        const Bytes table = readAll(7, 384, payload);
        ASSERT_EQ(table.size(), 384u) << payload;
        EXPECT_EQ(readAll(27, 128, payload).size(), 128u) << payload;
        std::map<Bytes, int> positionsOfCode;
        for (size_t at = 0; at < table.size(); at += 3) ++positionsOfCode[Bytes(table.begin() + at, table.begin() + at + 3)];
        // 121 distinct codes, the four unused keys 18-20 and 104 (20 00 00),
        // and 00 00 00 at the two empty positions and the menu key's.
        EXPECT_EQ(positionsOfCode.size(), 123u);
        EXPECT_EQ((positionsOfCode[{0x20, 0x00, 0x00}]), 4);
        EXPECT_EQ((positionsOfCode[{0x00, 0x00, 0x00}]), 3);
        EXPECT_EQ((positionsOfCode.count({0x20, 0x00, 0x65})), 0u) << "the menu key's factory code";
    }
    EXPECT_EQ(ask(packet(7, 3, 384), 3).status, kStatusError);
    EXPECT_EQ(ask(packet(27, 1, 128), 1).status, kStatusError);
}

TEST_F(KeyboardMemoryTest, KeyTableReadsBackAsWritten) {
    // A macro at A (position 75) and a chunk boundary crossed at 56.
    EXPECT_EQ(ask(packet(9, 3, 225, {0x70, 0x00, 0x00})).status, kStatusAccepted);
    EXPECT_EQ(ask(packet(9, 4, 54, {0xD0, 0xA2, 0x01, 0x20})).status, kStatusAccepted);
    EXPECT_EQ(ask(packet(7, 3, 225), 3).data, (Bytes{0x70, 0x00, 0x00}));
    EXPECT_EQ(ask(packet(7, 6, 54), 6).data, (Bytes{0xD0, 0xA2, 0x01, 0x20, 0x00, 0x00}));
    EXPECT_EQ(keyboard.keyCode(75), (keyboard::KeyCode{0x70, 0x00, 0x00}));
    EXPECT_EQ(ask(packet(9, 3, 382, {1, 2, 3})).status, kStatusError) << "past the 384 bytes";
}

TEST_F(KeyboardMemoryTest, SettingsAsTheHostReadsAndWritesThem) {
    // Profile 0 read with the active profile in front: wave (1), brightness 4,
    // speed 2, direction 0, multi-colour, red; polling rate 3 at record byte 21.
    const Bytes profile0{0, 1, 4, 2, 0, 1, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0};
    EXPECT_EQ(ask(packet(5, 26, 0), 26).data, profile0);
    // Profile 3 (static, 6) from 75; profile 9 (spectrum, 4) from 225 ends
    // inside the 256 bytes, a tenth profile would not.
    EXPECT_EQ(ask(packet(5, 3, 75), 3).data, (Bytes{0, 6, 4}));
    EXPECT_EQ(ask(packet(5, 26, 225), 26).status, kStatusAccepted);
    EXPECT_EQ(ask(packet(5, 2, 225), 2).data, (Bytes{0, 4}));
    EXPECT_EQ(ask(packet(5, 26, 250), 26).status, kStatusError);

    // The host's write of profile 0 with value 2 makes profile 2 active.
    EXPECT_EQ(ask(packet(6, 26, 0, {2, 20, 3, 1, 1, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 1, 1, 1, 2, 0, 0, 3}))
                  .status,
              kStatusAccepted);
    EXPECT_EQ(keyboard.activeProfile(), 2);
    EXPECT_EQ(keyboard.settingsRecord(0),
              (Bytes{20, 3, 1, 1, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 1, 1, 1, 2, 0, 0, 3}));
    EXPECT_EQ(keyboard.settingsRecord(1)[0], 4) << "the next record untouched";
    EXPECT_TRUE(keyboard.settingsRecord(10).empty());
}

TEST(KeyboardSettingsRecord, FieldsLandAtTheirBytes) {
    keyboard::SettingsRecord record;
    record.modeCode = 11;
    record.brightness = 2;
    record.speed = 3;
    record.direction = 1;
    record.multiColour = 1;
    record.red = 0x10;
    record.green = 0x20;
    record.blue = 0x30;
    record.specialMode = 7;
    record.wFlag = 1;
    record.sixKeyFlag = 1;
    record.windowsKeyFlag = 1;
    record.pollingRate = 2;
    record.customGroup = 3;
    EXPECT_EQ(keyboard::settingsRecordBytes(record),
              (Bytes{11, 2, 3, 1, 1, 0x10, 0x20, 0x30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 1, 1, 1, 2, 0, 0, 3}));
}

TEST_F(KeyboardMemoryTest, MacroImageWrittenInPacketsDecodes) {
    // Two macros: A press and release 10 and 20 ms apart; a press of button 1
    // of type 2 after 0x123 ms. Size 16 + 6 x 2 + 4 x 3 = 40; blocks at 20, 32.
    ASSERT_EQ(ask(packet(21, 40, 0, {0xAA, 0x55, 40, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                     20, 0, 32, 0,                                          //
                                     2, 0, 0, 0, 10, 0, 0x81, 0x04, 20, 0, 0x01, 0x04,      //
                                     1, 0, 0, 0, 0x23, 0x01, 0x82, 0x01}))
                  .status,
              kStatusAccepted);
    std::string why;
    const auto macros = keyboard.macros(&why);
    ASSERT_TRUE(macros) << why;
    const std::vector<MacroEvents> expected{
        {{10, 1, true, 0x04}, {20, 1, false, 0x04}},
        {{0x123, 2, true, 0x01}},
    };
    EXPECT_EQ(*macros, expected);

    EXPECT_EQ(ask(packet(21, 4, 4092, {1, 2, 3, 4})).status, kStatusAccepted) << "32 x 128 bytes";
    EXPECT_EQ(ask(packet(21, 5, 4092, {1, 2, 3, 4, 5})).status, kStatusError);
    EXPECT_EQ(ask(packet(20, 8, 0), 8).status, kStatusRefused) << "macro memory is not read back";
}

TEST_F(KeyboardMemoryTest, ColourPagesFramesAndBattery) {
    // Page 2, light frame position 69 (the light of A): 1024 + 207.
    EXPECT_EQ(ask(packet(11, 3, 1231, {0x11, 0x22, 0x33})).status, kStatusAccepted);
    const Bytes page = keyboard.colourPage(2);
    ASSERT_EQ(page.size(), 512u);
    EXPECT_EQ(Bytes(page.begin() + 207, page.begin() + 210), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(keyboard.colourPage(1), Bytes(512, 0));
    EXPECT_EQ(ask(packet(11, 1, 2047, {9})).status, kStatusAccepted) << "last byte of page 3";
    EXPECT_EQ(ask(packet(11, 1, 2048, {9})).status, kStatusError) << "no page 4";

    EXPECT_EQ(ask(packet(18, 3, 207, {0xFE, 0x80, 0x01})).status, kStatusAccepted);
    const Bytes lights = keyboard.lightFrame();
    EXPECT_EQ(Bytes(lights.begin() + 207, lights.begin() + 210), (Bytes{0xFE, 0x80, 0x01}));

    keyboard.setBattery(37);
    EXPECT_EQ(ask(packet(26, 6, 0), 6).data, (Bytes{0, 0, 0, 0, 37, 0}));
}

TEST_F(KeyboardMemoryTest, DeviceInformationGivesKeyPositionsAndMacroUnits) {
    const Bytes info = ask(packet(3, 34, 0), 34).data;
    ASSERT_EQ(info.size(), 34u);
    EXPECT_EQ(info[5], 128) << "key positions";
    EXPECT_EQ(info[6], 32) << "macro memory in units of 128 bytes";
}

}  // namespace
}  // namespace viremo::emulator
