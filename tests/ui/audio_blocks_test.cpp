#include "ui/audio_blocks.h"

#include <gtest/gtest.h>

#include <vector>

namespace viremo::ui {
namespace {

TEST(AudioBlocksTest, ShortBlocksAreZeroFilledAndLongOrEmptyOnesRefused) {
    // Two words and a half: 0x04030201, -2 and the low byte 0x07 of the third.
    const std::vector<uint8_t> shortBlock = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0x07};
    const auto bands = ReadAudioBlock<kAudioBandWords>(shortBlock);
    ASSERT_TRUE(bands);
    EXPECT_EQ(*bands, (std::array<int32_t, 6>{0x04030201, -2, 7, 0, 0, 0}));

    EXPECT_TRUE(ReadAudioBlock<kAudioBandWords>(std::vector<uint8_t>(24, 0xFF)));
    EXPECT_FALSE(ReadAudioBlock<kAudioBandWords>(std::vector<uint8_t>(25)));
    EXPECT_FALSE(ReadAudioBlock<kAudioBandWords>(std::vector<uint8_t>{}));
    EXPECT_TRUE(ReadAudioBlock<kAudioLevelWords>(std::vector<uint8_t>(2000)));
    EXPECT_FALSE(ReadAudioBlock<kAudioLevelWords>(std::vector<uint8_t>(2001)));
}

}  // namespace
}  // namespace viremo::ui
