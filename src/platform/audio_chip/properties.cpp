#include "platform/audio_chip/properties.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

namespace viremo::audio_chip {
namespace {

constexpr std::string_view kEqSliderPrefix = "EQ_Slider";

using enum Direction;
constexpr std::array<std::pair<std::string_view, Direction>, 22> kDirections{{
    {property::VirtualSurroundEffectControl, Playback},
    {property::EnableEqGfx, Playback},
    {property::EnableRfxGfx, Playback},
    {property::RfxEnvironment, Playback},
    {property::RfxRoomSize, Playback},
    {property::VolumeControl, Recording},
    {property::VolumeScalarControl, Recording},
    {property::MuteControl, Recording},
    {property::GetMaxVol, Recording},
    {property::GetMinVol, Recording},
    {property::GetVolStep, Recording},
    {property::AAVolumeControl, Recording},
    {property::AAVolumeScalarControl, Recording},
    {property::AAMuteControl, Recording},
    {property::GetAAMaxVol, Recording},
    {property::GetAAMinVol, Recording},
    {property::GetAAVolStep, Recording},
    {property::EnableMagicVoice, Recording},
    {property::MagicVoiceSelection, Recording},
    {property::EnableMicEcho, Recording},
    {property::EnableEncLfx, Recording},
    {property::EncSelfCalib, Recording},
}};

bool isEqSlider(std::string_view name) {
    for (int band = 0; band < kEqBands; ++band)
        if (name == *eqSliderProperty(band)) return true;
    return false;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A field in decimal, or in hexadecimal after "0x".
std::optional<int64_t> featureField(std::string_view text) {
    text = trimmed(text);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Direction> directionOf(std::string_view name) {
    for (const auto& [known, direction] : kDirections)
        if (name == known) return direction;
    if (isEqSlider(name)) return Playback;
    return std::nullopt;
}

std::optional<std::string> eqSliderProperty(int band) {
    if (band < 0 || band >= kEqBands) return std::nullopt;
    return std::string(kEqSliderPrefix) + std::to_string(band + 1);
}

std::optional<int32_t> magicVoiceSelection(int voiceType) {
    if (voiceType < 1 || voiceType > kVoiceTypes) return std::nullopt;
    return voiceType - 1;
}

std::optional<int> voiceTypeOfSelection(int32_t selection) {
    if (selection < 0 || selection >= kVoiceTypes) return std::nullopt;
    return selection + 1;
}

std::optional<SupportFeatures> parseSupportFeatures(std::string_view text) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (fields.size() < kSupportFeatureFields) return std::nullopt;
    // Field n of the library is fields[n - 1].
    const auto first = featureField(fields[0]);
    const auto fifth = featureField(fields[4]);
    const auto seventh = featureField(fields[6]);
    if (!first || !fifth || !seventh) return std::nullopt;
    return SupportFeatures{*first, *fifth, *seventh};
}

}  // namespace viremo::audio_chip
