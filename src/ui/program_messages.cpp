#include "ui/program_messages.h"

#include <array>

#include "toolkit/message_queue.h"

namespace viremo::ui {

namespace {

unsigned Register(std::string_view name) { return toolkit::CMessageQueue::RegisterWindowMessage(name); }

}  // namespace

const RegisteredMessages& Registered() {
    static const RegisteredMessages messages{
        Register(kIdentity),
        Register(kUpdateProgressName),
        Register(kLightingAnnouncementName),
        Register(kLightingRequestName),
        Register(kDeviceTableQueryName),
        Register(kAudioCompanionName),
        Register("Game_Start"),
        Register("Game_End"),
        Register("Game_Kill"),
        Register("Game_Death"),
    };
    return messages;
}

bool IsAcceptedFromOtherPrograms(std::string_view name) {
    static constexpr std::array<std::string_view, 8> kAccepted = {
        kIdentity, kUpdateProgressName, kLightingRequestName, kDeviceTableQueryName,
        "Game_Start", "Game_End", "Game_Kill", "Game_Death",
    };
    for (std::string_view accepted : kAccepted)
        if (accepted == name) return true;
    return false;
}

bool IsRegisteredName(std::string_view name) {
    return IsAcceptedFromOtherPrograms(name) || name == kLightingAnnouncementName || name == kAudioCompanionName;
}

}  // namespace viremo::ui
