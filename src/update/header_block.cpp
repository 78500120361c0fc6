#include "update/header_block.h"

namespace viremo::update {

std::string requestHeaderBlock(size_t bodyLength) {
    return "Content-Length:" + std::to_string(bodyLength) +
           "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
           "\r\nAccept:application/prs.Quelm.v1+json\r\n";
}

std::vector<std::string> headerLines(std::string_view block) {
    std::vector<std::string> lines;
    while (!block.empty()) {
        const size_t end = block.find("\r\n");
        const std::string_view line = block.substr(0, end);
        if (!line.empty()) lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        block.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace viremo::update
