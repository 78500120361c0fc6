#include "update/http_client.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "profiles/text.h"
#include "update/header_block.h"
#include "update/proxy_environment.h"
#include "update/transfer.h"
#include "update/trust_store.h"

namespace viremo::update {
namespace {

// The verb as sent: upper case, and only the two the service knows.
std::optional<std::string_view> methodOf(std::string_view verb) {
    for (const std::string_view method : {"GET", "POST"})
        if (text::equalsIgnoringCase(verb, method)) return method;
    return std::nullopt;
}

void writeNotSentMarker(std::span<uint8_t> response) {
    if (response.empty()) return;
    const size_t length = std::min(kNotSentMarker.size(), response.size() - 1);
    std::copy_n(kNotSentMarker.begin(), length, response.begin());
    response[length] = 0;
}

}  // namespace

HttpClient::HttpClient(const Clock& clock) : clock_(clock) {}

bool HttpClient::SetExtraAuthorityFile(const std::filesystem::path& file) {
    certificates_.clear();
    if (file.empty()) return true;
    auto certificates = systemCertificatesWith(file);
    if (!certificates) return false;
    certificates_ = std::move(*certificates);
    return true;
}

void HttpClient::InitHttpClient() { settings_ = Settings(); }

int HttpClient::HttpRequest(std::string_view verb, std::string_view url, std::span<const uint8_t> body,
                            std::span<uint8_t> response, std::stop_token stop) {
    if (url.empty()) {
        settings_.lastError = kErrorEmptyUrl;
        return -1;
    }
    const auto method = methodOf(verb);
    if (!method) {
        settings_.lastError = kErrorUnsupportedVerb;
        return -1;
    }
    const std::vector<std::string> headers = headerLines(requestHeaderBlock(body.size()));
    Transfer transfer{*method, url, body, headers, settings_.userAgent, certificates_, nullptr,
                      {settings_.connectTimeout, settings_.sendTimeout, settings_.receiveTimeout}};
    TransferOutcome outcome = perform(transfer, response, stop, clock_);
    if (!outcome.opened) {
        settings_.lastError = outcome.error;
        return -1;
    }
    // Not sent directly: once more through the user's proxy, if there is one.
    const auto proxy = userProxyFor(url);
    if (!outcome.sent && proxy && !stop.stop_requested()) {
        transfer.proxy = &*proxy;
        outcome = perform(transfer, response, stop, clock_);
    }
    if (outcome.error != 0) settings_.lastError = outcome.error;
    if (!outcome.sent) {
        writeNotSentMarker(response);
        return 0;
    }
    if (outcome.error != 0) {
        std::fill_n(response.begin(), outcome.received, uint8_t(0));
        return 0;
    }
    return int(outcome.received);
}

}  // namespace viremo::update
