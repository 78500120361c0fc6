#pragma once
// MessageBus on the D-Bus session bus through sd-bus. The connection is
// served by one thread that stops within 100 ms of its stop request.
//
// Open() with claimName takes the well-known name kBusName, which marks the
// running application: FindRunningInstance() asks the bus who holds it.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/message_bus.h"

namespace viremo::platform {

class SdBusMessageBus : public MessageBus {
public:
    SdBusMessageBus();
    ~SdBusMessageBus() override;
    SdBusMessageBus(const SdBusMessageBus&) = delete;
    SdBusMessageBus& operator=(const SdBusMessageBus&) = delete;

    // Connects to the session bus (or to `address` when not empty), serves
    // the object and starts the thread. False when the bus cannot be reached
    // or, with claimName, when another process holds the name.
    bool Open(bool claimName, const std::string& address = {});
    void Close();

    // The session going to sleep (true) and waking up (false), as logind
    // announces it on the system bus; called on the bus's thread. After Open;
    // false when there is no system bus to watch.
    using SleepHandler = std::function<void(bool sleeping)>;
    bool WatchSleep(SleepHandler handler);

    bool Broadcast(const RegisteredMessage& message) override;
    void OnMessage(MessageHandler handler) override;
    void OnDeviceTableQuery(QueryHandler handler) override;

    struct State;

private:
    std::shared_ptr<State> state_;
};

// The process id of the program holding kBusName on the session bus (or on
// `address`), or nothing when no program holds it or there is no bus.
std::optional<int> FindRunningInstance(const std::string& address = {});

}  // namespace viremo::platform
