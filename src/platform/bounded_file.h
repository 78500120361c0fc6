#pragma once
// Every file the program reads goes through here: only regular files are
// read, and none larger than the cap its kind allows, so that a device node,
// a FIFO or a huge file given by mistake costs neither memory nor time.
#include <cstddef>
#include <filesystem>
#include <string>

namespace viremo {

// Caps for the kinds of files the program reads.
// Profiles, lists, macros, recoil, settings, the demo devices' kept memory.
inline constexpr size_t kJsonFileCap = size_t{4} << 20;
// Layouts, language files, skins.
inline constexpr size_t kResourceFileCap = size_t{16} << 20;

struct CappedFile {
    enum class State {
        Read,     // `text` holds the whole file
        Absent,   // no such file
        Refused,  // not a regular file, larger than the cap, or unreadable
    };
    State state = State::Absent;
    std::string text;
    std::string reason;  // one line for Absent and Refused, naming the file

    bool read() const { return state == State::Read; }
};

CappedFile ReadFileCapped(const std::filesystem::path& file, size_t maxBytes);

}  // namespace viremo
