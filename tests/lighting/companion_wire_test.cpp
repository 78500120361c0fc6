// The companion protocol's bytes: frames and the style colour block.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lighting/companion_blocks.h"
#include "lighting/companion_frame.h"
#include "lighting/companion_protocol.h"

namespace viremo::companion {
namespace {

using ::testing::ElementsAreArray;

TEST(CompanionWire, TheSocketIsNamedAfterTheCompanionsWindowClass) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(socketPath(), "/run/user/1000/VIREMO VR-TKLAudioRecord");
    if (saved) ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
    else ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(CompanionWire, StyleColourBlockCarriesRedGreenBlueWithGreenZeroSentAsOne) {
    std::vector<uint8_t> expected = {0x03, 0, 0, 0, 0x01, 0, 0, 0, 0x09, 0, 0, 0};
    expected.resize(40, 0);
    EXPECT_THAT(styleColourBlock({3, 0, 9}), ElementsAreArray(expected));

    const auto frame = dataFrame(10, styleColourBlock({3, 0, 9}));
    const std::vector<uint8_t> header = {2, 0, 0, 0, 10, 0, 0, 0, 40, 0, 0, 0};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), frame.begin()));
    EXPECT_EQ(frame.size(), 52u);
}

TEST(CompanionWire, CommandFrameIsTypeCodeLengthAndSigned64BitArgument) {
    EXPECT_THAT(commandFrame(6, -2), ElementsAreArray<uint8_t>({1, 0, 0, 0, 6, 0, 0, 0, 8, 0, 0, 0,  //
                                                               0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(CompanionWire, ReaderReassemblesFramesFedInPieces) {
    std::vector<uint8_t> stream = commandFrame(0, 4242);
    const auto block = wordBlock(std::vector<int32_t>{1, -1, 70000, 0, 5, 6});
    const auto data = dataFrame(2, block);
    stream.insert(stream.end(), data.begin(), data.end());

    FrameReader reader;
    std::vector<Frame> frames;
    for (const uint8_t byte : stream) {
        reader.feed(std::span(&byte, 1));
        while (auto frame = reader.next()) frames.push_back(std::move(*frame));
    }
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].type, FrameType::Command);
    EXPECT_EQ(commandArgument(frames[0]), 4242);
    EXPECT_EQ(frames[1].type, FrameType::Data);
    EXPECT_EQ(frames[1].code, 2u);
    EXPECT_EQ(readBandBlock(frames[1].body), (BandBlock{1, -1, 70000, 0, 5, 6}));
}

TEST(CompanionWire, ReaderGivesUpOnAnOversizedOrUnknownFrame) {
    const std::vector<std::vector<uint8_t>> headers = {
        {2, 0, 0, 0, 1, 0, 0, 0, 0x01, 0x00, 0x01, 0x00},  // body of 65537 bytes
        {7, 0, 0, 0, 1, 0, 0, 0, 0x00, 0x00, 0x00, 0x00},  // type 7
    };
    for (const auto& header : headers) {
        FrameReader reader;
        reader.feed(header);
        EXPECT_FALSE(reader.next());
        EXPECT_TRUE(reader.broken());
    }
}

}  // namespace
}  // namespace viremo::companion
