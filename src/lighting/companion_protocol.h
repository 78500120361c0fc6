#pragma once
// The conversation between the program and its audio companion, a separate
// process that measures the sound the computer plays.
//
// The companion listens on a Unix socket in the user's runtime folder named
// after its window class (the identity string followed by "AudioRecord"); the
// program connects to it. Both directions carry frames (companion_frame.h):
// commands from the program, data blocks both ways: the style colour to the
// companion, sample and band blocks back to the program.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace viremo::companion {

// The companion's window class is the program's identity string followed by
// this.
inline constexpr std::string_view kWindowClassSuffix = "AudioRecord";
std::string windowClass();

// Commands (wParam) with their argument (lParam).
enum class Command : uint32_t {
    Connect = 0,   // argument: the program's process id; data goes back to it
    Start = 1,     // start sending blocks
    Stop = 2,      // stop sending blocks
    Reset = 3,     // forget what was measured before
    Release = 4,   // let go of the audio device
    Quit = 5,      // end the companion
    Red = 6,       // argument: red of the style colour
    Green = 7,     // argument: green
    Blue = 8,      // argument: blue
};
inline constexpr uint32_t kLastCommand = 8;

// Kinds of data block.
enum class DataKind : uint32_t {
    Samples = 1,      // companion -> program: 500 signed 32-bit samples
    Bands = 2,        // companion -> program: 6 signed 32-bit band values
    StyleColour = 10, // program -> companion: 10 words, red, green, blue first
};

inline constexpr size_t kSampleCount = 500;
inline constexpr size_t kSampleBlockSize = kSampleCount * 4;
inline constexpr size_t kBandCount = 6;
inline constexpr size_t kBandBlockSize = kBandCount * 4;
inline constexpr size_t kStyleColourBlockSize = 40;

// $XDG_RUNTIME_DIR/<window class>; empty when the runtime folder is not set
// or the path does not fit a socket address.
std::filesystem::path socketPath();

}  // namespace viremo::companion
