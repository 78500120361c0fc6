#pragma once
// The certificate authorities a secure request trusts: always the system's,
// and for a private update service one more from a file the deployment names.
#include <filesystem>
#include <optional>
#include <string>

namespace viremo::update {

// The system's bundle followed by the file's certificates, as PEM text;
// nothing when the file cannot be read or holds no certificate.
std::optional<std::string> systemCertificatesWith(const std::filesystem::path& extraAuthorityFile);

}  // namespace viremo::update
