// viremoctl signal: sends one of the program's registered messages on the
// session bus, as another program would, so that scripts can ask the
// application to leave the lights or take them back, or report game events.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "command.h"
#include "platform/sdbus_message_bus.h"
#include "ui/program_messages.h"

namespace viremoctl {
namespace {

// A whole decimal or 0x-hexadecimal number that fits 64 bits.
std::optional<int64_t> parseParameter(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return value;
}

}  // namespace

int runSignal(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 && arguments.size() != 3) return fail("usage: viremoctl signal NAME [WPARAM LPARAM]");
    viremo::platform::RegisteredMessage message{arguments[0], 0, 0};
    if (!viremo::ui::IsRegisteredName(message.name)) return fail("'" + message.name + "' is no registered message");
    if (arguments.size() == 3) {
        const auto wParam = parseParameter(arguments[1]);
        const auto lParam = parseParameter(arguments[2]);
        if (!wParam || !lParam) return fail("WPARAM and LPARAM are whole numbers");
        message.wParam = *wParam;
        message.lParam = *lParam;
    }
    viremo::platform::SdBusMessageBus bus;
    if (!bus.Open(false)) return fail("no session bus");
    if (!bus.Broadcast(message)) return fail("the message could not be sent");
    bus.Close();
    if (options.json) {
        Json::Value sent;
        sent["name"] = message.name;
        sent["wParam"] = Json::Int64(message.wParam);
        sent["lParam"] = Json::Int64(message.lParam);
        printJson(sent);
    } else {
        std::printf("sent %s %lld %lld\n", message.name.c_str(), static_cast<long long>(message.wParam),
                    static_cast<long long>(message.lParam));
    }
    return kSuccess;
}

}  // namespace viremoctl
