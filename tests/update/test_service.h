#pragma once
// The local update service of the tests (update_test_server.py): HTTPS with a
// certificate of the test authority, HTTPS with one of an untrusted authority,
// and plain HTTP, all on 127.0.0.1. One per test process, started on first use.
#include <filesystem>
#include <string>
#include <string_view>

namespace viremo::update::testing {

class TestService {
public:
    static TestService& instance();
    ~TestService();

    // "<scheme>://127.0.0.1:<port>/<answerCase>/api/"
    std::string trustedUrl(std::string_view answerCase) const;
    std::string untrustedUrl(std::string_view answerCase) const;
    std::string plainUrl(std::string_view answerCase) const;
    int trustedPort() const { return trustedPort_; }
    int plainPort() const { return plainPort_; }

    std::filesystem::path authorityFile() const { return folder_ / "test-ca.pem"; }
    std::filesystem::path folder() const { return folder_; }

    // What /<answerCase>/... is answered with.
    void answer(std::string_view answerCase, std::string_view body, int status = 200) const;
    // ... announcing a length other than the body's, then closing.
    void announceLength(std::string_view answerCase, size_t length) const;
    // The bytes of the last request received; cleared by forgetRequest.
    std::string lastRequest() const;
    void forgetRequest() const;

private:
    TestService();
    std::filesystem::path folder_;
    int pid_ = -1;
    int trustedPort_ = 0;
    int untrustedPort_ = 0;
    int plainPort_ = 0;
};

// Clears the proxy variables of this process, so that requests go direct.
void clearProxyEnvironment();

}  // namespace viremo::update::testing
