#pragma once
// The update service client: asks the service whether a product has a newer
// version. The service's base URL (ending in "api/", to which "updates" is
// appended) and an extra trusted authority for a private service are
// deployment settings; without a URL nothing is ever sent.
#include <filesystem>
#include <stop_token>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "update/http_client.h"
#include "update/update_info.h"

namespace viremo::update {

struct ServiceSettings {
    std::string baseUrl;                 // empty: no update service
    std::filesystem::path authorityFile;  // empty: the system's authorities only
};

inline constexpr size_t kAnswerBufferSize = 102400;

class UpdateServiceClient {
public:
    explicit UpdateServiceClient(ServiceSettings settings, const Clock& clock = systemClock());

    bool IsConfigured() const { return !settings_.baseUrl.empty(); }
    // False when the authority file was named but holds no certificate.
    bool IsAuthorityUsable() const { return authorityUsable_; }

    // Blocking: call it off the user-interface thread. A stop request ends
    // the exchange within 100 ms.
    UpdateInfo CheckForUpdate(std::string_view appKey, int installedVersion, bool hexadecimal,
                              std::stop_token stop = {});

private:
    ServiceSettings settings_;
    HttpClient http_;
    bool authorityUsable_;
};

// The installed version of the application. Linux keeps no list of installed
// programs with their versions, so it is the program's own version.
int GetInstalledAppVersion();

}  // namespace viremo::update
