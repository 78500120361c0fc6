#include "update/transfer.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/log.h"

namespace viremo::update {
namespace {

// How long one wait for network activity lasts at most; a stop request wakes
// it at once, the time-outs are looked at between waits.
constexpr int kPollIntervalMs = 50;

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
using List = std::unique_ptr<curl_slist, ListDeleter>;

void initialiseLibcurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What the callbacks see while the exchange runs.
struct Exchange {
    std::span<uint8_t> response;
    size_t received = 0;
    bool sent = false;
};

size_t appendBody(char* data, size_t size, size_t count, void* user) {
    auto& exchange = *static_cast<Exchange*>(user);
    const size_t length = size * count;
    const size_t room = exchange.response.empty() ? 0 : exchange.response.size() - 1 - exchange.received;
    if (length > room) {
        log::linef("update answer longer than its %zu-byte buffer\n", exchange.response.size());
        return 0;  // libcurl fails the exchange with a write error
    }
    std::copy(data, data + length, exchange.response.begin() + std::ptrdiff_t(exchange.received));
    exchange.received += length;
    return length;
}

// The request counts as sent once its header lines went out; a proxy's
// CONNECT request does not count.
int watchOutgoing(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    if (type != CURLINFO_HEADER_OUT) return 0;
    const std::string_view header(data, size);
    if (!header.starts_with("CONNECT ")) static_cast<Exchange*>(user)->sent = true;
    return 0;
}

List headerList(std::span<const std::string> lines) {
    curl_slist* list = nullptr;
    for (const auto& line : lines) list = curl_slist_append(list, line.c_str());
    // libcurl would add "Expect: 100-continue" to larger bodies; besides
    // ours the service gets only Host and User-Agent.
    return List(curl_slist_append(list, "Expect:"));
}

void configure(CURL* easy, const Transfer& transfer, curl_slist* headers, Exchange& exchange) {
    static const uint8_t kNoBody = 0;
    const std::string url(transfer.url);
    const std::string method(transfer.method);
    const std::string userAgent(transfer.userAgent);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, transfer.body.empty() ? &kNoBody : transfer.body.data());
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(transfer.body.size()));
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Certificates are always checked, by name and by chain.
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!transfer.certificates.empty()) {
        curl_blob blob{const_cast<char*>(transfer.certificates.data()), transfer.certificates.size(),
                       CURL_BLOB_COPY};
        curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &blob);
    }
    // The environment's proxy is used only when asked for.
    const std::string proxy = transfer.proxy ? transfer.proxy->proxy : std::string();
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    if (transfer.proxy && !transfer.proxy->bypass.empty())
        curl_easy_setopt(easy, CURLOPT_NOPROXY, transfer.proxy->bypass.c_str());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &exchange);
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, watchOutgoing);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, &exchange);
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
}

// Bytes moved either way so far: any of them resets the send and receive
// time-outs.
curl_off_t bytesMoved(CURL* easy) {
    curl_off_t uploaded = 0, downloaded = 0;
    long headerBytes = 0;
    curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &uploaded);
    curl_easy_getinfo(easy, CURLINFO_SIZE_DOWNLOAD_T, &downloaded);
    curl_easy_getinfo(easy, CURLINFO_HEADER_SIZE, &headerBytes);
    return uploaded + downloaded + headerBytes;
}

// Watches the time-outs between waits.
class Deadline {
public:
    Deadline(const Transfer& transfer, const Clock& clock)
        : transfer_(transfer), clock_(clock), start_(clock.now()), lastProgress_(start_) {}

    bool passed(CURL* easy, bool sent) {
        const auto now = clock_.now();
        if (!sent) return now - start_ > transfer_.timeouts.connect;
        const curl_off_t moved = bytesMoved(easy);
        if (!sentSeen_ || moved != moved_) {
            sentSeen_ = true;
            moved_ = moved;
            lastProgress_ = now;
            return false;
        }
        curl_off_t uploaded = 0;
        curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &uploaded);
        const bool sending = uploaded < curl_off_t(transfer_.body.size());
        return now - lastProgress_ > (sending ? transfer_.timeouts.send : transfer_.timeouts.receive);
    }

private:
    const Transfer& transfer_;
    const Clock& clock_;
    Clock::Monotonic start_;
    Clock::Monotonic lastProgress_;
    bool sentSeen_ = false;
    curl_off_t moved_ = 0;
};

// Runs the exchange until it ends, is stopped or times out; the CURLcode.
int run(CURL* easy, Exchange& exchange, const Transfer& transfer, std::stop_token stop, const Clock& clock) {
    const Multi multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) return CURLE_FAILED_INIT;
    int result = CURLE_OK;
    {
        const std::stop_callback wake(stop, [&multi] { curl_multi_wakeup(multi.get()); });
        Deadline deadline(transfer, clock);
        for (int running = 1;;) {
            if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
                result = CURLE_FAILED_INIT;
                break;
            }
            if (running == 0) {
                int left = 0;
                const CURLMsg* message = curl_multi_info_read(multi.get(), &left);
                result = message && message->msg == CURLMSG_DONE ? message->data.result : CURLE_RECV_ERROR;
                break;
            }
            if (stop.stop_requested()) {
                result = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            if (deadline.passed(easy, exchange.sent)) {
                result = CURLE_OPERATION_TIMEDOUT;
                break;
            }
            curl_multi_poll(multi.get(), nullptr, 0, kPollIntervalMs, nullptr);
        }
    }
    curl_multi_remove_handle(multi.get(), easy);
    return result;
}

}  // namespace

TransferOutcome perform(const Transfer& transfer, std::span<uint8_t> response, std::stop_token stop,
                        const Clock& clock) {
    initialiseLibcurlOnce();
    TransferOutcome outcome;
    const Easy easy(curl_easy_init());
    if (!easy) {
        outcome.error = CURLE_FAILED_INIT;
        return outcome;
    }
    outcome.opened = true;
    Exchange exchange{response};
    const List headers = headerList(transfer.headers);
    configure(easy.get(), transfer, headers.get(), exchange);
    outcome.error = run(easy.get(), exchange, transfer, stop, clock);
    outcome.sent = exchange.sent;
    outcome.received = exchange.received;
    if (outcome.error != CURLE_OK)
        log::linef("update request to %.*s: %s\n", int(transfer.url.size()), transfer.url.data(),
                   curl_easy_strerror(CURLcode(outcome.error)));
    return outcome;
}

}  // namespace viremo::update
