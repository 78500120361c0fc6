#include "update/proxy_environment.h"

#include <cstdlib>
#include <initializer_list>

#include "profiles/text.h"

namespace viremo::update {
namespace {

// The first of the variables that is set and not empty.
std::string firstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}

std::string_view schemeOf(std::string_view url) {
    const size_t end = url.find("://");
    return end == std::string_view::npos ? std::string_view() : url.substr(0, end);
}

}  // namespace

std::optional<UserProxy> userProxyFor(std::string_view url) {
    const std::string_view scheme = schemeOf(url);
    std::string proxy;
    if (text::equalsIgnoringCase(scheme, "https")) proxy = firstSet({"https_proxy", "HTTPS_PROXY"});
    else if (text::equalsIgnoringCase(scheme, "http")) proxy = firstSet({"http_proxy"});
    else return std::nullopt;
    if (proxy.empty()) proxy = firstSet({"all_proxy", "ALL_PROXY"});
    if (proxy.empty()) return std::nullopt;
    return UserProxy{proxy, firstSet({"no_proxy", "NO_PROXY"})};
}

}  // namespace viremo::update
