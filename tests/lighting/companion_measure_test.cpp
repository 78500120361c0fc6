// The companion's measuring: WAV files, blocks and band values.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "band_analysis.h"
#include "block_maker.h"
#include "scratch_folder.h"
#include "wav_file.h"
#include "wav_writer.h"

namespace viremo::audio {
namespace {

using viremo::testing::putWord;
using viremo::testing::wavFile;

TEST(WavFile, SampleFormatsAreReadAndChannelsMixedToMono) {
    struct Case {
        const char* name;
        uint16_t encoding, channels, bits;
        std::string frame;  // one frame
        float expected;
    };
    std::string stereo16, mono24, mono32, float32, mono8;
    putWord(stereo16, 0x4000, 2);  // 0.5
    putWord(stereo16, 0x0000, 2);  // 0
    putWord(mono24, 0xC00000, 3);  // -0.5
    putWord(mono32, 0x40000000, 4);
    putWord(float32, 0x3E800000, 4);  // 0.25
    mono8.push_back(char(0x40));      // (64 - 128) / 128
    const std::vector<Case> cases = {
        {"16-bit stereo", 1, 2, 16, stereo16, 0.25f}, {"24-bit", 1, 1, 24, mono24, -0.5f},
        {"32-bit", 1, 1, 32, mono32, 0.5f},           {"float", 3, 1, 32, float32, 0.25f},
        {"8-bit", 1, 1, 8, mono8, -0.5f},
    };
    testing::ScratchFolder folder;
    for (const auto& c : cases) {
        const auto file = folder.put("sound.wav", wavFile(c.encoding, c.channels, 44100, c.bits, c.frame + c.frame));
        const auto reading = readWav(file);
        ASSERT_TRUE(reading.sound) << c.name << ": " << reading.error;
        EXPECT_EQ(reading.sound->sampleRate, 44100) << c.name;
        EXPECT_THAT(reading.sound->mono, ::testing::ElementsAre(c.expected, c.expected)) << c.name;
    }
}

TEST(WavFile, WhatIsNotPlainSoundIsRefusedWithAReason) {
    testing::ScratchFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not a WAV", "RIFF....AVI LIST"},
        {"compressed", wavFile(2, 1, 8000, 4, "ab")},
        {"frame size", wavFile(1, 0, 8000, 16, "ab")},
        {"no data", wavFile(1, 1, 8000, 16, "").substr(0, 36)},
    };
    for (const auto& [name, content] : cases) {
        const auto reading = readWav(folder.put("bad.wav", content));
        EXPECT_FALSE(reading.sound) << name;
        EXPECT_FALSE(reading.error.empty()) << name;
    }
}

TEST(BlockMaker, CutsEvery500SamplesIntoABlockOnThe16BitScale) {
    std::vector<companion::SampleBlock> blocks;
    BlockMaker maker(48000, [&](const companion::SampleBlock& s, const companion::BandBlock&) { blocks.push_back(s); });
    std::vector<float> sound(1200, 0.0f);
    sound[0] = 1.0f;
    sound[1] = -1.5f;
    sound[500] = 0.5f;
    maker.Add(std::span(sound).first(300));
    maker.Add(std::span(sound).subspan(300));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0][0], 32767);
    EXPECT_EQ(blocks[0][1], -32767);
    EXPECT_EQ(blocks[1][0], 16384);

    maker.Reset();  // the 200 left over are forgotten
    maker.Add(std::span(sound).first(300));
    EXPECT_EQ(blocks.size(), 2u);
}

TEST(BandValues, AToneLightsItsOwnBandAndSilenceNone) {
    std::vector<float> tone(500);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = float(std::sin(2 * std::numbers::pi * 1000 * double(i) / 48000));
    const auto bands = bandValues(tone, 48000);
    EXPECT_GE(bands[2], 245);  // 500-2000 Hz, full scale
    for (const size_t other : {0u, 1u, 3u, 4u, 5u}) EXPECT_LT(bands[other], bands[2] - 60) << other;

    EXPECT_THAT(bandValues(std::vector<float>(500, 0.0f), 48000), ::testing::Each(0));
}

}  // namespace
}  // namespace viremo::audio
