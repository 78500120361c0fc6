#pragma once
// A small synchronous HTTP client for the update service: one request at a
// time, one verb, one URL, one body, one response buffer owned by the caller.
// When the request cannot be sent directly it is tried once more through the
// user's proxy. A request that could not be sent at all is reported by the
// marker "NO_LINK_SERVER" in the response buffer, not by the result.
//
// Secure requests always check the server's certificate against the
// system's authorities, plus one extra authority file when the deployment
// names one for a private service.
#include <chrono>
#include <filesystem>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace viremo::update {

// Written at offset 0 of the response buffer, with its zero byte, when the
// request could not be sent.
inline constexpr std::string_view kNotSentMarker = "NO_LINK_SERVER";

// Last errors recorded before any network activity.
inline constexpr int kErrorEmptyUrl = 3;
inline constexpr int kErrorUnsupportedVerb = 87;

class HttpClient {
public:
    // Reset by InitHttpClient.
    struct Settings {
        std::string userAgent = "WinHTTP Client/1.0";
        std::chrono::milliseconds connectTimeout{60000};  // name resolution has no limit of its own
        std::chrono::milliseconds sendTimeout{30000};
        std::chrono::milliseconds receiveTimeout{30000};
        int lastError = 0;
    };

    explicit HttpClient(const Clock& clock = systemClock());

    // Trust the authorities of this PEM file as well; an empty path trusts
    // only the system's. Returns false when the file holds no certificate.
    bool SetExtraAuthorityFile(const std::filesystem::path& file);

    void InitHttpClient();

    // verb "GET" or "POST" in any case. Returns the number of body bytes
    // written to `response` (0 when nothing usable arrived, including the
    // not-sent case), or -1 when refused before any network activity. The
    // body of any HTTP status is accepted. At most response.size() - 1
    // bytes are written, so a zero-filled buffer stays terminated; a longer
    // answer, like any failure after sending, gives 0 and leaves the buffer
    // as it was. A stop request ends the request within 100 ms.
    int HttpRequest(std::string_view verb, std::string_view url, std::span<const uint8_t> body,
                    std::span<uint8_t> response, std::stop_token stop = {});

    // The last error recorded by any request since InitHttpClient: 3 for an
    // empty URL, 87 for an unsupported verb, else libcurl's CURLcode.
    int GetHttpLastError() const { return settings_.lastError; }

private:
    const Clock& clock_;
    Settings settings_;
    std::string certificates_;  // empty: the system's authorities only
};

}  // namespace viremo::update
