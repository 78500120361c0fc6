#pragma once
// The chip's property names, the device each belongs to, and the few fields
// the library numbers from 1 (equaliser sliders, the voice selection, the
// fields of the feature string), converted here and nowhere else.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

namespace property {
// playback device
inline constexpr std::string_view VirtualSurroundEffectControl = "VirtualSurroundEffectControl";
inline constexpr std::string_view EnableEqGfx = "Enable_EQ_GFX";
inline constexpr std::string_view EnableRfxGfx = "Enable_RFX_GFX";
inline constexpr std::string_view RfxEnvironment = "RFX_ENVIRONMENT";
inline constexpr std::string_view RfxRoomSize = "RFX_ROOMSIZE";
// recording device: microphone (channel -1) and monitor (channel 0)
inline constexpr std::string_view VolumeControl = "VolumeControl";
inline constexpr std::string_view VolumeScalarControl = "VolumeScalarControl";
inline constexpr std::string_view MuteControl = "MuteControl";
inline constexpr std::string_view GetMaxVol = "GetMaxVol";
inline constexpr std::string_view GetMinVol = "GetMinVol";
inline constexpr std::string_view GetVolStep = "GetVolStep";
inline constexpr std::string_view AAVolumeControl = "AAVolumeControl";
inline constexpr std::string_view AAVolumeScalarControl = "AAVolumeScalarControl";
inline constexpr std::string_view AAMuteControl = "AAMuteControl";
inline constexpr std::string_view GetAAMaxVol = "GetAAMaxVol";
inline constexpr std::string_view GetAAMinVol = "GetAAMinVol";
inline constexpr std::string_view GetAAVolStep = "GetAAVolStep";
// recording device: voice changer and noise cancelling
inline constexpr std::string_view EnableMagicVoice = "Enable_MAGICVOICE";
inline constexpr std::string_view MagicVoiceSelection = "MagicVoice_Selection";
inline constexpr std::string_view EnableMicEcho = "Enable_MICECHO";
inline constexpr std::string_view EnableEncLfx = "Enable_ENC_LFX";
inline constexpr std::string_view EncSelfCalib = "ENC_SELFCALIB";
// both devices
inline constexpr std::string_view GetSupportFeature = "GetSupportFeature";
}  // namespace property

// The device a property belongs to; nullopt for a name the chip does not
// know, and for "GetSupportFeature", which both devices answer.
std::optional<Direction> directionOf(std::string_view name);

// Equaliser bands 0 to 9 are the properties "EQ_Slider1" to "EQ_Slider10".
inline constexpr int kEqBands = 10;
std::optional<std::string> eqSliderProperty(int band);

// Voice types 1 to 4 are the selections 0 to 3 of "MagicVoice_Selection".
inline constexpr int kVoiceTypes = 4;
std::optional<int32_t> magicVoiceSelection(int voiceType);
std::optional<int> voiceTypeOfSelection(int32_t selection);

// "GetSupportFeature": comma-separated integers, at least seven; the program
// keeps fields 1, 5 and 7.
struct SupportFeatures {
    int64_t field1 = 0;
    int64_t field5 = 0;
    int64_t field7 = 0;

    // Bit 0x20000 of the recording device's field 1.
    bool voiceChanger() const { return (field1 & 0x20000) != 0; }
};
inline constexpr size_t kSupportFeatureFields = 7;
std::optional<SupportFeatures> parseSupportFeatures(std::string_view text);

}  // namespace viremo::audio_chip
