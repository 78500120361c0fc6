#include "update/trust_store.h"

#include <curl/curl.h>

#include "platform/atomic_file.h"

namespace viremo::update {
namespace {

// The bundle libcurl reads by default (its directory of hashed certificates
// stays in use as well).
std::filesystem::path systemBundle() {
    CURL* easy = curl_easy_init();
    const char* bundle = nullptr;
    if (easy) curl_easy_getinfo(easy, CURLINFO_CAINFO, &bundle);
    std::filesystem::path path = bundle ? bundle : "/etc/ssl/certs/ca-certificates.crt";
    if (easy) curl_easy_cleanup(easy);
    return path;
}

}  // namespace

std::optional<std::string> systemCertificatesWith(const std::filesystem::path& extraAuthorityFile) {
    const auto extra = readWholeFile(extraAuthorityFile);
    if (!extra || extra->find("-----BEGIN CERTIFICATE-----") == std::string::npos) return std::nullopt;
    std::string certificates = readWholeFile(systemBundle()).value_or(std::string());
    if (!certificates.empty() && certificates.back() != '\n') certificates += '\n';
    return certificates + *extra;
}

}  // namespace viremo::update
