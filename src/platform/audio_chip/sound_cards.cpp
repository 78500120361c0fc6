#include "platform/audio_chip/sound_cards.h"

#include <charconv>
#include <fstream>
#include <string>
#include <system_error>

namespace viremo::audio_chip {
namespace {

constexpr std::string_view kCardPrefix = "card";
// ALSA numbers cards below this.
constexpr int kMaxCards = 32;

std::optional<uint16_t> hexWord(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 4 || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return uint16_t(value);
}

std::optional<UsbId> usbIdOf(const std::filesystem::path& cardFolder) {
    std::ifstream in(cardFolder / "usbid");
    std::string line;
    if (!in || !std::getline(in, line)) return std::nullopt;
    return parseUsbId(line);
}

}  // namespace

std::optional<int> cardNumberOf(std::string_view name) {
    if (!name.starts_with(kCardPrefix)) return std::nullopt;
    name.remove_prefix(kCardPrefix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (name.empty() || error != std::errc() || end != name.data() + name.size() || number < 0 ||
        number >= kMaxCards)
        return std::nullopt;
    return number;
}

std::optional<UsbId> parseUsbId(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto vendor = hexWord(text.substr(0, colon));
    const auto product = hexWord(text.substr(colon + 1));
    if (!vendor || !product) return std::nullopt;
    return UsbId{*vendor, *product};
}

std::optional<int> findCardByUsbId(const std::filesystem::path& asound, UsbId id) {
    std::optional<int> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(asound, error), end; !error && it != end; it.increment(error)) {
        const auto number = cardNumberOf(it->path().filename().string());
        if (!number || (found && *found < *number) || it->is_symlink(error)) continue;
        if (usbIdOf(it->path()) == id) found = number;
    }
    return found;
}

}  // namespace viremo::audio_chip
