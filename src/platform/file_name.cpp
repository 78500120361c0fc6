#include "platform/file_name.h"

namespace viremo {

bool isPlainFileName(std::string_view name) {
    return !name.empty() && name.size() < 200 && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace viremo
