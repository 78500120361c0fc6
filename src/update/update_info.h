#pragma once
// The result of asking the update service about one product.
#include <string>

namespace viremo::update {

// Status values of a product: a newer version exists, or none is known.
// The update list gives other values meaning.
inline constexpr int kStatusNewerVersion = 1;
inline constexpr int kStatusNoNewerVersion = 7;

// How the question went. Everything but Answered counts as a failed check.
enum class CheckOutcome {
    Answered,    // the service answered with a JSON object
    NoService,   // no update service is configured: nothing was sent
    Refused,     // the client refused the request before any network activity
    NotSent,     // the request could not be sent ("NO_LINK_SERVER")
    NoAnswer,    // sent, but no complete answer came back
    BadAnswer,   // the answer is not a JSON object
};

struct UpdateInfo {
    int status = kStatusNoNewerVersion;
    int deviceId = 0;
    std::string name;  // "NO_LINK_SERVER" when the request could not be sent
    std::string currentVersionText;
    std::string versionName;
    std::string newVersionText;
    std::string path;       // where the new package can be obtained; only shown
    std::string localFile;  // filled by the update check
    CheckOutcome outcome = CheckOutcome::Answered;
};

inline bool failed(const UpdateInfo& info) { return info.outcome != CheckOutcome::Answered; }

}  // namespace viremo::update
