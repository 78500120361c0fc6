#pragma once
// The audio chip played in software, for the demo and the tests: one
// playback and one recording device holding every property the headset
// uses, with the ranges a chip would refuse to leave, the feature strings,
// change callbacks and failure injection (the library fails to start, a
// property read or write fails, the headset goes away).
//
// Levels are linked as on the chip: writing a scalar ("VolumeScalarControl")
// moves its decibel value ("VolumeControl") over the range "GetMinVol" to
// "GetMaxVol", and the other way round.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

class EmulatedAudioChip : public AudioChip {
public:
    enum class Operation { Get, Set };
    static constexpr int kForever = -1;

    EmulatedAudioChip();

    bool init() override;
    void createDeviceList() override;
    int deviceCount(Direction direction) override;
    std::optional<DeviceRecord> deviceById(Direction direction, int index) override;
    Status getProperty(const DeviceRecord& device, std::string_view name, const Channel& channel,
                       std::string& text) override;
    Status setProperty(const DeviceRecord& device, std::string_view name, PropertyValue value,
                       const Channel& channel) override;
    void registerCallback(ChangeCallback callback) override;
    void uninit() override;
    Status showAsioPanel() override;
    Status playTestSound(const DeviceRecord& device) override;
    Status stopTestSound(const DeviceRecord& device) override;
    Status closeTestSound() override;

    // The records the two devices present.
    static DeviceRecord playbackRecord();
    static DeviceRecord recordingRecord();

    // Failure injection.
    void failInit(bool fail = true);
    // The next `times` reads or writes of the property fail (kForever: until cleared).
    void injectFault(Operation operation, std::string property, int times = 1);
    void clearFaults();
    // The headset is unplugged (every call on its devices answers NoDevice)
    // or plugged in again (seen after the next createDeviceList); both are
    // reported to the callback.
    void removeDevice();
    void restoreDevice();

    // A change made on the headset itself (a button), reported to the callback.
    Status changeOnDevice(Direction direction, std::string_view name, PropertyValue value);
    // Replaces a device's "GetSupportFeature" text.
    void setSupportFeature(Direction direction, std::string text);

    // The writable properties of a device with their values, and restoring
    // one (range-checked, no callback): the state kept between demo runs.
    std::map<std::string, PropertyValue> settings(Direction direction) const;
    bool restoreSetting(Direction direction, std::string_view name, PropertyValue value);

    // The value of a property as stored, whatever faults are injected.
    std::optional<PropertyValue> value(Direction direction, std::string_view name) const;
    bool testSoundPlaying(Direction direction) const;

    // A stored property with the range and channel the chip accepts.
    struct Property {
        std::string name;
        Direction direction;
        bool isFloat = false;
        bool writable = true;
        std::optional<Channel> channel;  // the channel the chip insists on, if any
        double min = 0;
        double max = 1;
        double value = 0;
    };

private:
    struct Fault {
        Operation operation;
        std::string property;
        int remaining;
    };

    Property* find(Direction direction, std::string_view name);
    const Property* find(Direction direction, std::string_view name) const;
    std::optional<Direction> deviceOf(const DeviceRecord& device) const;  // with the lock held
    bool takeFault(Operation operation, std::string_view property);
    Status store(Direction direction, std::string_view name, PropertyValue value);
    void notify(const std::vector<ChangeEvent>& events);

    mutable std::mutex mutex_;
    std::vector<Property> properties_;
    std::map<Direction, std::string> features_;
    std::vector<Fault> faults_;
    ChangeCallback callback_;
    bool failInit_ = false;
    bool initialised_ = false;
    bool present_ = true;
    bool listed_ = false;  // the device list holds the headset's devices
    std::map<Direction, bool> testSound_;
};

}  // namespace viremo::audio_chip
