#include "platform/sdbus_message_bus.h"

#include <poll.h>
#include <systemd/sd-bus.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <mutex>
#include <thread>

#include "platform/log.h"

namespace viremo::platform {

namespace {

constexpr int kStopPollMs = 100;

const std::string kName(kBusName);
const std::string kPath(kBusObjectPath);
const std::string kInterface(kBusInterface);
const std::string kSignal(kBusSignalMessage);

// A connection to the session bus, or to the bus at `address`.
sd_bus* Connect(const std::string& address) {
    sd_bus* bus = nullptr;
    if (address.empty()) return sd_bus_open_user(&bus) < 0 ? nullptr : bus;
    if (sd_bus_new(&bus) < 0) return nullptr;
    if (sd_bus_set_address(bus, address.c_str()) < 0 || sd_bus_set_bus_client(bus, 1) < 0 ||
        sd_bus_start(bus) < 0) {
        sd_bus_unref(bus);
        return nullptr;
    }
    return bus;
}

}  // namespace

struct SdBusMessageBus::State {
    std::recursive_mutex mutex;  // the handlers run inside sd_bus_process and may broadcast
    sd_bus* bus = nullptr;
    sd_bus_slot* objectSlot = nullptr;
    sd_bus_slot* matchSlot = nullptr;
    sd_bus* system = nullptr;  // only while sleep is watched
    sd_bus_slot* sleepSlot = nullptr;
    MessageHandler onMessage;
    SleepHandler onSleep;
    QueryHandler onQuery;
    std::jthread thread;

    static int HandleSignal(sd_bus_message* m, void* userdata, sd_bus_error*);
    static int HandleQuery(sd_bus_message* m, void* userdata, sd_bus_error*);
    static int HandleSleep(sd_bus_message* m, void* userdata, sd_bus_error*);
    void Serve(std::stop_token stop);
    // Processes what is pending on one connection; false when it failed.
    static bool Process(sd_bus* bus, pollfd& fd, int& timeoutMs);
};

namespace {

const sd_bus_vtable kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("QueryDeviceTable", "", "ay", &SdBusMessageBus::State::HandleQuery, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("Message", "sxx", 0),
    SD_BUS_VTABLE_END,
};

}  // namespace

int SdBusMessageBus::State::HandleSignal(sd_bus_message* m, void* userdata, sd_bus_error*) {
    auto* state = static_cast<State*>(userdata);
    const char* sender = sd_bus_message_get_sender(m);
    const char* self = nullptr;
    sd_bus_get_unique_name(state->bus, &self);
    if (sender && self && std::string_view(sender) == self) return 0;  // our own broadcast
    const char* name = nullptr;
    int64_t wParam = 0;
    int64_t lParam = 0;
    if (sd_bus_message_read(m, "sxx", &name, &wParam, &lParam) < 0 || !name) return 0;
    if (state->onMessage) state->onMessage({name, wParam, lParam});
    return 0;
}

int SdBusMessageBus::State::HandleQuery(sd_bus_message* m, void* userdata, sd_bus_error* error) {
    auto* state = static_cast<State*>(userdata);
    if (!state->onQuery) return sd_bus_error_set_const(error, SD_BUS_ERROR_NOT_SUPPORTED, "no device table");
    const std::vector<uint8_t> block = state->onQuery();
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(m, &reply);
    if (r >= 0) r = sd_bus_message_append_array(reply, 'y', block.data(), block.size());
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r < 0 ? r : 1;
}

int SdBusMessageBus::State::HandleSleep(sd_bus_message* m, void* userdata, sd_bus_error*) {
    auto* state = static_cast<State*>(userdata);
    int sleeping = 0;
    if (sd_bus_message_read(m, "b", &sleeping) >= 0 && state->onSleep) state->onSleep(sleeping != 0);
    return 0;
}

bool SdBusMessageBus::State::Process(sd_bus* bus, pollfd& fd, int& timeoutMs) {
    int r = 0;
    while ((r = sd_bus_process(bus, nullptr)) > 0) {
    }
    if (r < 0) {
        log::linef("message bus: processing failed (%d)", r);
        return false;
    }
    fd.fd = sd_bus_get_fd(bus);
    fd.events = static_cast<short>(sd_bus_get_events(bus));
    uint64_t usec = 0;
    if (sd_bus_get_timeout(bus, &usec) >= 0 && usec != UINT64_MAX) {
        // An absolute deadline on the monotonic clock.
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const uint64_t nowUsec = static_cast<uint64_t>(now.tv_sec) * 1000000u + now.tv_nsec / 1000;
        const uint64_t left = usec > nowUsec ? (usec - nowUsec + 999) / 1000 : 0;
        timeoutMs = static_cast<int>(std::min<uint64_t>(left, static_cast<uint64_t>(timeoutMs)));
    }
    return true;
}

void SdBusMessageBus::State::Serve(std::stop_token stop) {
    while (!stop.stop_requested()) {
        std::array<pollfd, 2> fds{};
        size_t count = 0;
        int timeoutMs = kStopPollMs;
        {
            std::lock_guard lock(mutex);
            if (!Process(bus, fds[count++], timeoutMs)) return;
            if (system && !Process(system, fds[count++], timeoutMs)) system = sd_bus_flush_close_unref(system);
        }
        poll(fds.data(), count, timeoutMs);
    }
}

SdBusMessageBus::SdBusMessageBus() : state_(std::make_shared<State>()) {}

SdBusMessageBus::~SdBusMessageBus() { Close(); }

bool SdBusMessageBus::Open(bool claimName, const std::string& address) {
    Close();
    sd_bus* bus = Connect(address);
    if (!bus) {
        log::line("message bus: no session bus");
        return false;
    }
    State& s = *state_;
    s.bus = bus;
    int r = sd_bus_add_object_vtable(bus, &s.objectSlot, kPath.c_str(), kInterface.c_str(), kVtable, &s);
    if (r >= 0)
        r = sd_bus_match_signal(bus, &s.matchSlot, nullptr, nullptr, kInterface.c_str(), kSignal.c_str(),
                                &State::HandleSignal, &s);
    if (r >= 0 && claimName) r = sd_bus_request_name(bus, kName.c_str(), 0);
    if (r < 0) {
        log::linef("message bus: cannot serve %s (%d)", kName.c_str(), r);
        Close();
        return false;
    }
    s.thread = std::jthread([&s](std::stop_token stop) { s.Serve(stop); });
    return true;
}

void SdBusMessageBus::Close() {
    State& s = *state_;
    if (s.thread.joinable()) {
        s.thread.request_stop();
        s.thread.join();
    }
    std::lock_guard lock(s.mutex);
    s.sleepSlot = sd_bus_slot_unref(s.sleepSlot);
    if (s.system) s.system = sd_bus_flush_close_unref(s.system);
    s.matchSlot = sd_bus_slot_unref(s.matchSlot);
    s.objectSlot = sd_bus_slot_unref(s.objectSlot);
    if (s.bus) s.bus = sd_bus_flush_close_unref(s.bus);
}

bool SdBusMessageBus::WatchSleep(SleepHandler handler) {
    State& s = *state_;
    std::lock_guard lock(s.mutex);
    s.onSleep = std::move(handler);
    if (s.system) return true;
    if (sd_bus_open_system(&s.system) < 0) {
        s.system = nullptr;
        return false;
    }
    if (sd_bus_match_signal(s.system, &s.sleepSlot, "org.freedesktop.login1", "/org/freedesktop/login1",
                            "org.freedesktop.login1.Manager", "PrepareForSleep", &State::HandleSleep, &s) < 0) {
        s.system = sd_bus_flush_close_unref(s.system);
        return false;
    }
    return true;
}

bool SdBusMessageBus::Broadcast(const RegisteredMessage& message) {
    State& s = *state_;
    std::lock_guard lock(s.mutex);
    if (!s.bus) return false;
    const int r = sd_bus_emit_signal(s.bus, kPath.c_str(), kInterface.c_str(), kSignal.c_str(), "sxx",
                                     message.name.c_str(), message.wParam, message.lParam);
    return r >= 0 && sd_bus_flush(s.bus) >= 0;
}

void SdBusMessageBus::OnMessage(MessageHandler handler) {
    std::lock_guard lock(state_->mutex);
    state_->onMessage = std::move(handler);
}

void SdBusMessageBus::OnDeviceTableQuery(QueryHandler handler) {
    std::lock_guard lock(state_->mutex);
    state_->onQuery = std::move(handler);
}

std::optional<int> FindRunningInstance(const std::string& address) {
    sd_bus* bus = Connect(address);
    if (!bus) return std::nullopt;
    std::optional<int> pid;
    sd_bus_creds* creds = nullptr;
    pid_t owner = 0;
    if (sd_bus_get_name_creds(bus, kName.c_str(), SD_BUS_CREDS_PID, &creds) >= 0 &&
        sd_bus_creds_get_pid(creds, &owner) >= 0)
        pid = static_cast<int>(owner);
    sd_bus_creds_unref(creds);
    sd_bus_unref(bus);
    return pid;
}

}  // namespace viremo::platform
