#pragma once
// The program's messages with other programs: registered messages that carry
// a name and two parameters, broadcast to every program on the user's
// session, and the production tool's query of the device table, answered to
// the caller alone. The core sees only this interface; the session bus
// implementation lies in sdbus_message_bus.h, tests run it on a private bus.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace viremo::platform {

// Where other programs find us on the session bus.
inline constexpr std::string_view kBusName = "org.viremo.Viremo";
inline constexpr std::string_view kBusObjectPath = "/org/viremo/Viremo";
inline constexpr std::string_view kBusInterface = "org.viremo.Viremo1";
// Signal Message(s name, x wParam, x lParam).
inline constexpr std::string_view kBusSignalMessage = "Message";
// Method QueryDeviceTable() -> ay: the 1024-byte block of the device table.
inline constexpr std::string_view kBusMethodQueryDeviceTable = "QueryDeviceTable";

struct RegisteredMessage {
    std::string name;
    int64_t wParam = 0;
    int64_t lParam = 0;
};

class MessageBus {
public:
    // Called on the bus's own thread for each message another program sent.
    using MessageHandler = std::function<void(const RegisteredMessage&)>;
    // Called on the bus's own thread; returns the reply block.
    using QueryHandler = std::function<std::vector<uint8_t>()>;

    virtual ~MessageBus() = default;
    // Sends the message to every program on the bus. False when it could not
    // be sent.
    virtual bool Broadcast(const RegisteredMessage& message) = 0;
    // Messages sent by this process are never handed back to it.
    virtual void OnMessage(MessageHandler handler) = 0;
    virtual void OnDeviceTableQuery(QueryHandler handler) = 0;
};

}  // namespace viremo::platform
