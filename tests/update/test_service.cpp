#include "test_service.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/atomic_file.h"

namespace viremo::update::testing {

TestService& TestService::instance() {
    static TestService service;
    return service;
}

TestService::TestService()
    : folder_(std::filesystem::temp_directory_path() / ("viremo-update-test-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execl(VIREMO_PYTHON3, VIREMO_PYTHON3, VIREMO_TEST_SERVER, folder_.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    FILE* stream = ::fdopen(out[0], "r");
    if (!stream || std::fscanf(stream, "PORTS %d %d %d", &trustedPort_, &untrustedPort_, &plainPort_) != 3)
        throw std::runtime_error("the test service did not start");
    std::fclose(stream);
}

TestService::~TestService() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TestService::trustedUrl(std::string_view answerCase) const {
    return "https://127.0.0.1:" + std::to_string(trustedPort_) + "/" + std::string(answerCase) + "/api/";
}

std::string TestService::untrustedUrl(std::string_view answerCase) const {
    return "https://127.0.0.1:" + std::to_string(untrustedPort_) + "/" + std::string(answerCase) + "/api/";
}

std::string TestService::plainUrl(std::string_view answerCase) const {
    return "http://127.0.0.1:" + std::to_string(plainPort_) + "/" + std::string(answerCase) + "/api/";
}

void TestService::answer(std::string_view answerCase, std::string_view body, int status) const {
    writeFileAtomically(folder_ / (std::string(answerCase) + ".body"), body);
    writeFileAtomically(folder_ / (std::string(answerCase) + ".status"), std::to_string(status));
}

void TestService::announceLength(std::string_view answerCase, size_t length) const {
    writeFileAtomically(folder_ / (std::string(answerCase) + ".length"), std::to_string(length));
}

std::string TestService::lastRequest() const {
    return readWholeFile(folder_ / "last-request").value_or(std::string());
}

void TestService::forgetRequest() const {
    std::error_code ignored;
    std::filesystem::remove(folder_ / "last-request", ignored);
}

void clearProxyEnvironment() {
    for (const char* name :
         {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        ::unsetenv(name);
}

}  // namespace viremo::update::testing
