#pragma once
// The user's proxy settings as Linux programs see them: the environment
// variables that libcurl and most other programs read.
#include <optional>
#include <string>
#include <string_view>

namespace viremo::update {

struct UserProxy {
    std::string proxy;   // as given, e.g. "http://proxy.example:3128"
    std::string bypass;  // hosts reached directly, comma separated; may be empty
};

// The proxy for the URL's scheme: "https_proxy" (or "HTTPS_PROXY") for https,
// "http_proxy" for http (only lower case, as libcurl reads it), then
// "all_proxy" or "ALL_PROXY"; the bypass list from "no_proxy" or "NO_PROXY".
// Nothing when no proxy is named or the scheme is neither.
std::optional<UserProxy> userProxyFor(std::string_view url);

}  // namespace viremo::update
