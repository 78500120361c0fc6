#pragma once
// The window messages of the program: the numbered ones private to it and
// the registered ones it exchanges with other programs.
#include <string_view>

#include "platform/identity.h"

namespace viremo::ui {

// Private messages, numbers fixed.
inline constexpr unsigned kMsgTrayIcon = 1025;        // lParam: mouse message
inline constexpr unsigned kMsgInputHook = 1054;       // wParam 1 install, 0 remove
inline constexpr unsigned kMsgMenuCommand = 1145;
inline constexpr unsigned kMsgShowProgress = 3072;
inline constexpr unsigned kMsgLanguageChanged = 3089;  // wParam: language id
inline constexpr unsigned kMsgOpenSettings = 3093;
inline constexpr unsigned kMsgSettingsUpToDate = 3094;
inline constexpr unsigned kMsgActiveProfile = 3328;
// 3329, the battery level, is the device page's (device_page.h).
inline constexpr unsigned kMsgIgnored = 3330;
inline constexpr unsigned kMsgLinkState = 3331;       // wParam: tab index, lParam 1 back / 0 lost
// The monitor's resolution changed.
inline constexpr unsigned kMsgDisplayChange = 0x007E;
// The session's power state: wParam kPowerSuspend or kPowerResume.
inline constexpr unsigned kMsgPowerBroadcast = 0x0218;
inline constexpr unsigned kPowerSuspend = 4;
inline constexpr unsigned kPowerResume = 18;
// An audio device arrived or left (headset_audio_link.h).
inline constexpr unsigned kMsgAudioDeviceChange = 0x0219;

using ::viremo::kIdentity;

// Registered messages shared with other programs.
inline constexpr std::string_view kUpdateProgressName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
inline constexpr std::string_view kLightingAnnouncementName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
inline constexpr std::string_view kLightingRequestName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
inline constexpr std::string_view kDeviceTableQueryName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}";
inline constexpr std::string_view kAudioCompanionName = "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}";

// The numbers of the registered messages in this process.
struct RegisteredMessages {
    unsigned identity;
    unsigned updateProgress;
    unsigned lightingAnnouncement;
    unsigned lightingRequest;
    unsigned deviceTableQuery;
    unsigned audioCompanion;
    unsigned gameStart, gameEnd, gameKill, gameDeath;
};

// Registers them on first use.
const RegisteredMessages& Registered();

// The names another program may send us over the bus, and only those.
bool IsAcceptedFromOtherPrograms(std::string_view name);
// Every registered name of the program, those it sends included.
bool IsRegisteredName(std::string_view name);

}  // namespace viremo::ui
