#include "emulator/keyboard_macro_image.h"

#include <gtest/gtest.h>

#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;

// One macro of two events (a press of type 1 button 0x2C after 5 ms, its
// release after 0x0100 ms) and one empty macro: size 16 + 6 x 2 + 4 x 2 = 36,
// blocks at 20 and 32.
Bytes twoMacros() {
    return {0xAA, 0x55, 36, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
            20,   0,    32, 0,                                      //
            2,    0,    0,  0, 5, 0, 0x81, 0x2C, 0x00, 0x01, 0x01, 0x2C,  //
            0,    0,    0,  0};
}

TEST(MacroImage, DecodesBlocksInOrder) {
    Bytes memory = twoMacros();
    memory.resize(4096, 0xEE);  // whatever lies behind the image is not read
    std::string why;
    const auto macros = decodeMacroImage(memory, &why);
    ASSERT_TRUE(macros) << why;
    const std::vector<MacroEvents> expected{{{5, 1, true, 0x2C}, {0x100, 1, false, 0x2C}}, {}};
    EXPECT_EQ(*macros, expected);

    const Bytes noMacros{0xAA, 0x55, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(decodeMacroImage(noMacros));
    EXPECT_TRUE(decodeMacroImage(noMacros)->empty());
}

TEST(MacroImage, BrokenImagesAreRefused) {
    struct Case {
        const char* what;
        size_t offset;
        uint8_t value;
    };
    const Case cases[] = {
        {"mark written big-endian", 0, 0x55},
        {"size beyond the memory", 2, 37},
        {"offset table beyond the size", 4, 11},
        {"block beyond the size", 18, 33},
        {"events beyond the size", 20, 4},
    };
    for (const auto& c : cases) {
        Bytes image = twoMacros();
        image[c.offset] = c.value;
        if (c.offset == 0) image[1] = 0xAA;
        std::string why;
        EXPECT_FALSE(decodeMacroImage(image, &why)) << c.what;
        EXPECT_FALSE(why.empty()) << c.what;
    }
    EXPECT_FALSE(decodeMacroImage(Bytes(4096, 0))) << "fresh memory holds no image";
    EXPECT_FALSE(decodeMacroImage(Bytes{0xAA, 0x55, 4, 0})) << "shorter than a header";
}

}  // namespace
}  // namespace viremo::emulator
