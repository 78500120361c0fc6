#pragma once
// The headset's audio chip as the program configures it: the chip maker's
// configuration library, reduced to its operations. Two backends serve it,
// chosen at start (audio_chip_backend.h): an emulated chip with a property
// store, and the ALSA mixer of the headset's sound card.
//
// The library's model: devices in two directions (playback, recording), each
// described by a record of four 32-bit values; named properties read as
// decimal text and written as a binary 32-bit integer or float, some with a
// channel record of 32-bit values (microphone -1, monitor 0, surround 4, -1, 0).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace viremo::audio_chip {

enum class Direction : int32_t { Playback = 0, Recording = 1 };

// The library's device record: id, type, a value the backend keeps for
// itself, and 1 when the device is usable.
struct DeviceRecord {
    int32_t id = 0;
    int32_t type = 0;
    int32_t reserved = 0;
    int32_t usable = 0;
    bool operator==(const DeviceRecord&) const = default;
};

// The types of device records: 2 is the headset's microphone; a playback
// device may be of type 1, 12, 7 or 4 (in the order they are preferred).
inline constexpr int32_t kRecordingDeviceType = 2;
inline constexpr std::array<int32_t, 4> kPlaybackDeviceTypes{1, 12, 7, 4};

using Channel = std::vector<int32_t>;  // empty: the property takes no channel
inline const Channel kNoChannel{};
inline const Channel kMicrophoneChannel{-1};
inline const Channel kMonitorChannel{0};
inline const Channel kSurroundChannel{4, -1, 0};

// What the library writes: a 32-bit integer or a 32-bit float.
using PropertyValue = std::variant<int32_t, float>;

enum class Status {
    Ok,
    Failed,        // the chip did not answer or refused
    NotSupported,  // this backend or device has no such property
    NoDevice,      // the library is not initialised or the device has gone
};

const char* statusText(Status status);

struct ChangeEvent {
    enum class Kind { PropertyChanged, DeviceRemoved, DeviceArrived };
    Kind kind = Kind::PropertyChanged;
    Direction direction = Direction::Playback;
    std::string property;  // for PropertyChanged
};
// Called on the backend's own thread (or the caller's, for changes made
// through setProperty), for every change, the program's own writes included.
using ChangeCallback = std::function<void(const ChangeEvent&)>;

class AudioChip {
public:
    virtual ~AudioChip() = default;

    // ConfLibInit: true when the library is ready.
    virtual bool init() = 0;
    // CreateDeviceList: looks for the devices again.
    virtual void createDeviceList() = 0;
    // GetDeviceCount, GetDeviceById.
    virtual int deviceCount(Direction direction) = 0;
    virtual std::optional<DeviceRecord> deviceById(Direction direction, int index) = 0;
    // PropertyControl, get: the value as decimal text.
    virtual Status getProperty(const DeviceRecord& device, std::string_view name, const Channel& channel,
                               std::string& text) = 0;
    // PropertyControl, set.
    virtual Status setProperty(const DeviceRecord& device, std::string_view name, PropertyValue value,
                               const Channel& channel) = 0;
    // RegisterCallbackFunction; an empty callback stops the calls.
    virtual void registerCallback(ChangeCallback callback) = 0;
    // ConfLibUnInit: no call reaches the chip after it, until init again.
    virtual void uninit() = 0;

    // ShowAsioPanel, PlayTestSound, StopTestSound, CloseTestSound.
    virtual Status showAsioPanel() = 0;
    virtual Status playTestSound(const DeviceRecord& device) = 0;
    virtual Status stopTestSound(const DeviceRecord& device) = 0;
    virtual Status closeTestSound() = 0;
};

}  // namespace viremo::audio_chip
