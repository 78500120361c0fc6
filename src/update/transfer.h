#pragma once
// One HTTP exchange on libcurl, driven from the calling thread: the request
// is sent, the answer's body is appended to the caller's buffer, and the
// exchange ends early when the caller's stop token is triggered or one of
// the time-outs (read from the injectable clock) runs out.
#include <chrono>
#include <cstdint>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "update/proxy_environment.h"

namespace viremo::update {

struct TransferTimeouts {
    std::chrono::milliseconds connect;  // until the request is sent, name resolution included
    std::chrono::milliseconds send;     // without progress while the body goes out
    std::chrono::milliseconds receive;  // without progress while waiting for the answer
};

struct Transfer {
    std::string_view method;  // "GET" or "POST"
    std::string_view url;
    std::span<const uint8_t> body;
    std::span<const std::string> headers;  // whole lines, "Name:value"
    std::string_view userAgent;
    std::string_view certificates;  // the trusted authorities as PEM text; empty: the system's store
    const UserProxy* proxy = nullptr;  // nullptr: a direct connection
    TransferTimeouts timeouts;
};

struct TransferOutcome {
    bool opened = false;  // libcurl gave a handle
    bool sent = false;    // the request line and headers went out
    int error = 0;        // libcurl's CURLcode; 0 when the whole answer arrived
    size_t received = 0;  // body bytes written to the response buffer
};

// The body is written from offset 0 and never beyond size - 1, so the last
// byte stays as the caller left it; a longer answer fails the exchange.
TransferOutcome perform(const Transfer& transfer, std::span<uint8_t> response, std::stop_token stop,
                        const Clock& clock);

}  // namespace viremo::update
