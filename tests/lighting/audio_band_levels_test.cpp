// Sample blocks into band levels, and what the program does with the
// companion's blocks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "lighting/audio_data_receiver.h"
#include "platform/log.h"

namespace viremo {
namespace {

using companion::SampleBlock;

SampleBlock filled(int32_t value) {
    SampleBlock block;
    block.fill(value);
    return block;
}

BandLevels levelsOf(int32_t value) {
    BandLevels levels;
    levels.fill(value);
    return levels;
}

// The levels after each block: nothing, or what was handed over.
std::vector<std::optional<BandLevels>> run(const std::vector<SampleBlock>& blocks) {
    AudioBandLevels bandLevels;
    std::vector<std::optional<BandLevels>> out;
    for (const auto& block : blocks) out.push_back(bandLevels.AddBlock(block));
    return out;
}

TEST(AudioBandLevels, EveryThirdBlockHandsOverTheMeansOfItsGroups) {
    const auto out = run({filled(0), filled(0), filled(40)});
    EXPECT_FALSE(out[0]);
    EXPECT_FALSE(out[1]);
    EXPECT_EQ(out[2], levelsOf(40));

    // Group j is samples 20j to 20j + 19.
    SampleBlock ramp;
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = int32_t(-20 * (i / 20));
    BandLevels expected;
    for (size_t j = 0; j < expected.size(); ++j) expected[j] = int32_t(20 * j);
    EXPECT_EQ(run({filled(0), filled(0), ramp})[2], expected);
}

TEST(AudioBandLevels, LevelsFallOffGraduallyAfterSound) {
    // 400 loud, then the difference of 400 once more adds (400 + 8000) / 20 =
    // 420, then silence: 420 / 20 = 21, then 21 / 20 = 1.
    const auto out = run({filled(0), filled(0), filled(400), filled(0), filled(0), filled(0)});
    EXPECT_EQ(out[2], levelsOf(400));
    EXPECT_EQ(out[5], levelsOf(1));
}

TEST(AudioBandLevels, LoudSamplesAreSummedIn64Bits) {
    // 20 differences of 2e9 sum far past 32 bits.
    EXPECT_EQ(run({filled(0), filled(0), filled(2'000'000'000)})[2], levelsOf(2'000'000'000));

    // Differences of 2^32 - 1 give means beyond any 32-bit level: the largest.
    SampleBlock extremes;
    for (size_t i = 0; i < extremes.size(); ++i)
        extremes[i] = i % 2 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
    SampleBlock swapped = extremes;
    std::reverse(swapped.begin(), swapped.end());
    EXPECT_EQ(run({extremes, swapped, extremes})[2], levelsOf(std::numeric_limits<int32_t>::max()));
}

struct Received {
    std::vector<BandLevels> levels;
    std::vector<companion::BandBlock> bands;
};

AudioDataReceiver receiverInto(Received& received) {
    return AudioDataReceiver({[&](const BandLevels& l) { received.levels.push_back(l); },
                              [&](const companion::BandBlock& b) { received.bands.push_back(b); }});
}

TEST(AudioDataReceiver, TakesSampleAndBandBlocksAtTheirExactSize) {
    Received received;
    auto receiver = receiverInto(received);
    for (const int32_t value : {0, 0, 40}) receiver.OnData(1, companion::wordBlock(filled(value)));
    receiver.OnData(2, companion::wordBlock(std::vector<int32_t>{1, 2, 3, 4, 5, 6}));

    EXPECT_THAT(received.levels, ::testing::ElementsAre(levelsOf(40)));
    EXPECT_THAT(received.bands, ::testing::ElementsAre(companion::BandBlock{1, 2, 3, 4, 5, 6}));
}

TEST(AudioDataReceiver, DropsAndLogsBlocksOfAnyOtherSizeOrKind) {
    Received received;
    auto receiver = receiverInto(received);
    log::Capture log;
    const std::vector<uint8_t> shortSamples(1999), longBands(28), styleColour(40);
    receiver.OnData(1, shortSamples);
    receiver.OnData(2, longBands);
    receiver.OnData(10, styleColour);
    receiver.OnData(1, {});  // empty: ignored without a word

    EXPECT_TRUE(received.levels.empty());
    EXPECT_TRUE(received.bands.empty());
    EXPECT_THAT(log.lines(), ::testing::ElementsAre("audio companion: dropped a block of kind 1 and 1999 bytes",
                                                    "audio companion: dropped a block of kind 2 and 28 bytes",
                                                    "audio companion: dropped a block of kind 10 and 40 bytes"));

    // A dropped block does not count towards the third.
    for (const int32_t value : {0, 0, 40}) receiver.OnData(1, companion::wordBlock(filled(value)));
    EXPECT_THAT(received.levels, ::testing::ElementsAre(levelsOf(40)));
}

}  // namespace
}  // namespace viremo
