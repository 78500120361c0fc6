#include "update/http_client.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "test_service.h"

namespace viremo::update {
namespace {

using namespace std::chrono_literals;
using testing::TestService;

std::span<const uint8_t> bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string textOf(const std::vector<uint8_t>& buffer) {
    return std::string(reinterpret_cast<const char*>(buffer.data()));
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::clearProxyEnvironment();
        ASSERT_TRUE(client.SetExtraAuthorityFile(service.authorityFile()));
        client.InitHttpClient();
        service.forgetRequest();
    }

    const TestService& service = TestService::instance();
    HttpClient client;
    std::vector<uint8_t> response = std::vector<uint8_t>(1024, 0);
};

TEST_F(HttpClientTest, SendsTheRequestLineHeadersAndBodyExactly) {
    service.answer("exact", "{}");
    const std::string body("app_key=K&version=1\0", 20);
    ASSERT_EQ(client.HttpRequest("post", service.trustedUrl("exact") + "updates", bytes(body), response), 2);
    EXPECT_EQ(textOf(response), "{}");
    EXPECT_EQ(service.lastRequest(),
              std::string("POST /exact/api/updates HTTP/1.1\r\n"
                          "Host: 127.0.0.1:" + std::to_string(service.trustedPort()) + "\r\n"
                          "User-Agent: WinHTTP Client/1.0\r\n"
                          "Content-Length:20\r\n"
                          "Content-Type: application/x-www-form-urlencoded\r\n"
                          "Accept:application/prs.Quelm.v1+json\r\n"
                          "\r\n"
                          "app_key=K&version=1") + std::string(1, '\0'));
    EXPECT_EQ(client.GetHttpLastError(), 0);
}

TEST_F(HttpClientTest, AnEmptyBodyIsAnnouncedAsLengthZero) {
    service.answer("empty", "ok");
    ASSERT_EQ(client.HttpRequest("GET", service.trustedUrl("empty"), {}, response), 2);
    const std::string request = service.lastRequest();
    EXPECT_EQ(request.rfind("GET /empty/api/ HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nContent-Length:0\r\n"), std::string::npos) << request;
    EXPECT_TRUE(request.ends_with("\r\n\r\n")) << request;
}

TEST_F(HttpClientTest, RefusesBeforeAnyNetworkActivity) {
    struct Case {
        const char* verb;
        std::string url;
        int lastError;
    };
    const Case cases[] = {
        {"PUT", service.trustedUrl("refused"), kErrorUnsupportedVerb},
        {"POST", "", kErrorEmptyUrl},
    };
    for (const auto& c : cases) {
        client.InitHttpClient();
        EXPECT_EQ(client.HttpRequest(c.verb, c.url, bytes("x"), response), -1) << c.verb;
        EXPECT_EQ(client.GetHttpLastError(), c.lastError) << c.verb;
        EXPECT_EQ(response[0], 0) << c.verb;
    }
    EXPECT_EQ(service.lastRequest(), "");
}

// A request that could not be sent writes the marker and returns 0.
TEST_F(HttpClientTest, NotSentWritesTheMarker) {
    const std::string cases[] = {
        "https://127.0.0.1:1/api/updates",         // nothing listens
        service.untrustedUrl("api") + "updates",  // certificate of an authority not trusted
        "ftp://127.0.0.1/api/updates",            // not HTTP
    };
    for (const auto& url : cases) {
        std::fill(response.begin(), response.end(), uint8_t(0));
        EXPECT_EQ(client.HttpRequest("POST", url, bytes("x"), response), 0) << url;
        EXPECT_EQ(textOf(response), "NO_LINK_SERVER") << url;
        EXPECT_NE(client.GetHttpLastError(), 0) << url;
    }
    EXPECT_EQ(service.lastRequest(), "");
}

TEST_F(HttpClientTest, TheBodyOfAnErrorStatusIsReturned) {
    service.answer("missing", "{\"error\":1}", 404);
    EXPECT_EQ(client.HttpRequest("POST", service.trustedUrl("missing"), bytes("x"), response), 11);
    EXPECT_EQ(textOf(response), "{\"error\":1}");
}

// The buffer keeps its last byte: 15 bytes fit into 16, 16 fail the request
// and leave the buffer as it was.
TEST_F(HttpClientTest, AnAnswerLongerThanTheBufferFails) {
    service.answer("fits", std::string(15, 'a'));
    service.answer("longer", std::string(16, 'b'));
    std::vector<uint8_t> small(16, 0);
    EXPECT_EQ(client.HttpRequest("POST", service.trustedUrl("fits"), bytes("x"), small), 15);
    EXPECT_EQ(textOf(small), std::string(15, 'a'));
    std::fill(small.begin(), small.end(), uint8_t(0));
    EXPECT_EQ(client.HttpRequest("POST", service.trustedUrl("longer"), bytes("x"), small), 0);
    EXPECT_EQ(small, std::vector<uint8_t>(16, 0));
    EXPECT_EQ(client.GetHttpLastError(), CURLE_WRITE_ERROR);
}

// Half an answer is no answer: the connection closes before the announced
// length arrived.
TEST_F(HttpClientTest, ATruncatedAnswerFails) {
    service.answer("truncated", "{\"version\":\"0103\"");
    service.announceLength("truncated", 100);
    EXPECT_EQ(client.HttpRequest("POST", service.trustedUrl("truncated"), bytes("x"), response), 0);
    EXPECT_EQ(response, std::vector<uint8_t>(1024, 0));
    EXPECT_EQ(client.GetHttpLastError(), CURLE_PARTIAL_FILE);
}

TEST_F(HttpClientTest, AStopRequestEndsAStalledAnswerWithin100Ms) {
    std::stop_source stop;
    std::atomic<int> result = -2;
    std::jthread request([&] {
        result = client.HttpRequest("POST", service.trustedUrl("stall"), bytes("x"), response, stop.get_token());
    });
    while (service.lastRequest().empty()) std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(100ms);
    const auto asked = std::chrono::steady_clock::now();
    stop.request_stop();
    request.join();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 100ms);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(response[0], 0);
}

TEST_F(HttpClientTest, AnAnswerThatDoesNotComeTimesOutAfter30Seconds) {
    FakeClock clock;
    HttpClient timed(clock);
    ASSERT_TRUE(timed.SetExtraAuthorityFile(service.authorityFile()));
    std::atomic<int> result = -2;
    std::jthread request([&] {
        result = timed.HttpRequest("POST", service.trustedUrl("stall"), bytes("x"), response);
    });
    while (service.lastRequest().empty()) std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(200ms);
    clock.advance(29s);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(result, -2) << "ended before its time-out";
    clock.advance(2s);
    request.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(response[0], 0);
    EXPECT_EQ(timed.GetHttpLastError(), CURLE_OPERATION_TIMEDOUT);
}

// Not sent directly, the request goes once more through the proxy that the
// environment names; the proxy sees the whole URL.
TEST_F(HttpClientTest, RetriesThroughTheEnvironmentsProxy) {
    service.answer("proxied", "{\"via\":\"proxy\"}");
    ::setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(service.plainPort())).c_str(), 1);
    const int result = client.HttpRequest("POST", "http://127.0.0.1:1/proxied/api/updates", bytes("x"), response);
    testing::clearProxyEnvironment();
    EXPECT_EQ(result, 15);
    EXPECT_EQ(textOf(response), "{\"via\":\"proxy\"}");
    EXPECT_EQ(service.lastRequest().rfind("POST http://127.0.0.1:1/proxied/api/updates HTTP/1.1\r\n", 0), 0u)
        << service.lastRequest();
}

}  // namespace
}  // namespace viremo::update
