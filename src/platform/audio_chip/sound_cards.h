#pragma once
// Finding the headset's sound card. ALSA numbers the cards; a USB card says
// whose it is in "<asound>/cardN/usbid" ("0c76:1630"). The environment
// variable VIREMO_AUDIO_CARD names a card instead (its number or its id, as
// in /proc/asound/cards), so that tests can point the program at another card.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace viremo::audio_chip {

inline constexpr const char* kAudioCardVariable = "VIREMO_AUDIO_CARD";

struct UsbId {
    uint16_t vendor = 0;
    uint16_t product = 0;
    bool operator==(const UsbId&) const = default;
};
inline constexpr UsbId kHeadsetUsbId{0x0C76, 0x1630};

// "vvvv:pppp" in hexadecimal, as the usbid file and udev write it.
std::optional<UsbId> parseUsbId(std::string_view text);

// The number of a card's name in sysfs and procfs ("card3" is 3).
std::optional<int> cardNumberOf(std::string_view name);

// The lowest card number under `asound` (normally /proc/asound) whose usbid
// is `id`.
std::optional<int> findCardByUsbId(const std::filesystem::path& asound, UsbId id);

}  // namespace viremo::audio_chip
