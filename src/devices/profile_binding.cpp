#include "devices/profile_binding.h"

#include "devices/device_tables.h"
#include "profiles/profile_store.h"

namespace viremo::devices {

std::optional<std::string> bindProfileFiles(const CVendrakeUSBDevice& device, CBasicProfiledata& profile,
                                            const Clock& clock) {
    const std::filesystem::path folder = device.DeviceDataFolder();
    ProfileStore store(folder, device.DefaultProfilePath(), wiredModel(uint16_t(device.GetModelId())), clock);
    profile.SetDefaultDataPath(device.DefaultProfilePath());
    profile.SetLightConfigPath(folder / (device.GetLightingPresetName() + ".config"));
    if (store.LoadProfileList(profile.GetProfilePath().stem().string()) != ProfileResult::Done) return std::nullopt;
    profile.SetProfilePath(store.CurrentProfileFile());
    const int selected = store.GetSelectedProfileIndex();
    if (selected < 0 || size_t(selected) >= store.Profiles().size()) return std::nullopt;
    return store.Profiles()[size_t(selected)].name;
}

}  // namespace viremo::devices
