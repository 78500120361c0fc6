#pragma once
// The request headers the update service expects, kept as the one block the
// service has always been sent, and that block split into the separate
// header lines an HTTP stack takes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace viremo::update {

// "Content-Length:<n>", the form content type and the service's media type,
// with the empty line between the second and the third header.
std::string requestHeaderBlock(size_t bodyLength);

// The lines of a block, without their CR LF; empty lines are dropped, since
// an empty line would end the headers early.
std::vector<std::string> headerLines(std::string_view block);

}  // namespace viremo::update
