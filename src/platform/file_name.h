#pragma once
#include <string_view>

namespace viremo {

// A name read from a file or another program that may be used as a file name
// inside a data folder: not empty, no folder part, nothing that leaves the
// folder.
bool isPlainFileName(std::string_view name);

}  // namespace viremo
