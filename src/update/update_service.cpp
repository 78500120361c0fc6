#include "update/update_service.h"

#include <vector>

#include "platform/log.h"
#include "profiles/json_file.h"
#include "update/service_answer.h"
#include "update/version_number.h"

namespace viremo::update {
namespace {

// The buffer's text up to its first zero byte.
std::string_view textOf(const std::vector<uint8_t>& buffer) {
    const auto* begin = reinterpret_cast<const char*>(buffer.data());
    return std::string_view(begin, std::find(buffer.begin(), buffer.end(), 0) - buffer.begin());
}

std::span<const uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

UpdateServiceClient::UpdateServiceClient(ServiceSettings settings, const Clock& clock)
    : settings_(std::move(settings)),
      http_(clock),
      authorityUsable_(http_.SetExtraAuthorityFile(settings_.authorityFile)) {}

UpdateInfo UpdateServiceClient::CheckForUpdate(std::string_view appKey, int installedVersion, bool hexadecimal,
                                               std::stop_token stop) {
    UpdateInfo info;
    if (!IsConfigured()) {
        info.outcome = CheckOutcome::NoService;
        return info;
    }
    http_.InitHttpClient();
    const std::string body = requestBody(appKey, installedVersion, hexadecimal);
    std::vector<uint8_t> answer(kAnswerBufferSize, 0);
    const int received = http_.HttpRequest("POST", settings_.baseUrl + "updates", bytesOf(body), answer, stop);
    if (received < 0) {
        log::linef("update request refused, error %d\n", http_.GetHttpLastError());
        info.outcome = CheckOutcome::Refused;
        return info;
    }
    const std::string_view text = textOf(answer);
    if (received == 0) {
        info.name = text;
        info.outcome = text == kNotSentMarker ? CheckOutcome::NotSent : CheckOutcome::NoAnswer;
        return info;
    }
    const auto document = json::parse(text);
    if (!document || !document->isObject()) {
        info.outcome = CheckOutcome::BadAnswer;
        return info;
    }
    readAnswer(*document, installedVersion, hexadecimal, info);
    return info;
}

int GetInstalledAppVersion() { return dottedVersionNumber(VIREMO_VERSION); }

}  // namespace viremo::update
