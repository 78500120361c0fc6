// Feeds a text to one reader of stored profiles: as a profile file to a
// profile data class (getters, then setters and a save on whatever document
// came out), as a light configuration and effect file, or as the profile
// list to the profile store, which then runs one of its operations. Files
// live in a scratch folder on /dev/shm.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "profiles/headset_profile_data.h"
#include "profiles/keyboard_profile_data.h"
#include "profiles/mouse_profile_data.h"
#include "profiles/profile_store.h"

namespace {

using viremo::CBasicProfiledata;
namespace fs = std::filesystem;

struct Scratch {
    fs::path device;
    fs::path factory;
    Scratch() {
        const fs::path root = fs::path("/dev/shm") / ("viremo-fuzz-" + std::to_string(::getpid()));
        device = root / "device";
        factory = root / "factory";
        fs::create_directories(factory);
        reset();
        viremo::writeFileAtomically(factory / "keyboard.Json",
                                    R"({"Device": [{"LightInfo": {"SelectItem": 1}, "KeyList": [{"Assignment": 1}]}]})");
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(device.parent_path(), ignored);
    }
    void reset() const {
        std::error_code ignored;
        fs::remove_all(device, ignored);
        fs::create_directories(device);
    }
};

void exerciseCommon(CBasicProfiledata& data, const Scratch& scratch) {
    const fs::path profile = scratch.device / "p.Json";
    data.SetDefaultDataPath(scratch.factory / "keyboard.Json");
    data.SetProfilePath(profile);
    data.SetLightConfigPath(scratch.device / "quelm_light.config");
    data.LoadProfile(profile);
    data.GetLightInfo();
    data.GetAudioLightInfo();
    data.GetLightList();
    auto keys = data.GetKeyList();
    data.SetLightInfo(0x01020304, 0x05060708, 0x090A0B0C, 0x0D0E);
    data.SetAudioLightInfo(1, 2, 3);
    keys.resize(keys.size() % 200 + 1);
    data.SetKeyList(keys);
}

void exerciseKeyboard(const Scratch& scratch) {
    viremo::CKeyboardProfiledata keyboard;
    exerciseCommon(keyboard, scratch);
    keyboard.GetSystemStages();
    const int group = keyboard.GetCustomLightGroup();
    keyboard.GetCustomLightColors(group, 8);
    keyboard.SetCustomLightColors(group % 4, {{1, 2, 3, 4}});
    keyboard.SetSystemStages(1, 2, 3);
    keyboard.Save();
}

void exerciseMouse(const Scratch& scratch) {
    viremo::CMouseProfiledata mouse;
    exerciseCommon(mouse, scratch);
    auto stages = mouse.GetDpiStages();
    mouse.GetSystemStages();
    mouse.GetCorrectList();
    mouse.SetDpiStages(stages);
    mouse.SetActiveDpiStage(mouse.GetActiveDpiStage());
    mouse.SetSystemStages(4, 5, 6);
    mouse.Save();
}

void exerciseHeadset(const Scratch& scratch) {
    viremo::CHs6533Profiledata headset;
    exerciseCommon(headset, scratch);
    const auto settings = headset.GetSystemSetStages();
    headset.GetEqValues(settings.eqType);
    headset.GetCustomEqValues(settings.customEqSelectIndex);
    headset.SetEqValues(settings.eqType, {1, 2, 3});
    headset.SetCustomEqValues(settings.customEqSelectIndex, {4});
    headset.SetCustomEqNames(headset.GetCustomEqNames());
    headset.SetSystemSetStages(settings);
    headset.Save();
}

// The text as light configuration and as the effect file it may name.
void exerciseLighting(const Scratch& scratch) {
    CBasicProfiledata data;
    data.SetLightConfigPath(scratch.device / "quelm_light.config");
    data.LoadSecondaryProfile(scratch.device / "quelm_light.config");
    data.GetSecondaryKeyList();
    data.LoadLightConfig(data.GetLightConfigPath());
    for (uint32_t mode = 0; mode < 3; ++mode) {
        data.SetLightInfo(mode, 0, 0, 0);
        data.GetLightEffect();
    }
}

// The text as the profile list, then one operation of the store.
void exerciseStore(const Scratch& scratch, uint8_t operation) {
    viremo::FakeClock clock;
    viremo::ProfileStore store(scratch.device, scratch.factory / "keyboard.Json", 7, clock);
    store.LoadProfileList();
    switch (operation % 9) {
        case 0: store.AddProfile(); break;
        case 1: store.CopyProfile(); break;
        case 2: store.RenameProfile("Profile1"); break;
        case 3: store.ImportProfile(scratch.device / "ProfileList.ini"); break;
        case 4: store.ExportProfile(scratch.device / "exported.json"); break;
        case 5: store.ResetProfile(); break;
        case 6: store.SelectProfile(store.GetSelectedProfileIndex() + 1); break;
        case 7: store.DeleteProfile(); break;
        default: {
            const int count = store.GetProfileCount();
            for (int i = -1; i <= count && i < 60; ++i) store.GetProfileFilePath(i);
        }
    }
}

}  // namespace

// The first byte picks the reader, the rest is the file's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static const Scratch scratch;
    if (size == 0) return 0;
    const uint8_t choice = bytes[0];
    const std::string_view text(reinterpret_cast<const char*>(bytes + 1), size - 1);
    switch (choice % 5) {
        case 0:
            viremo::writeFileAtomically(scratch.device / "p.Json", text);
            exerciseKeyboard(scratch);
            break;
        case 1:
            viremo::writeFileAtomically(scratch.device / "p.Json", text);
            exerciseMouse(scratch);
            break;
        case 2:
            viremo::writeFileAtomically(scratch.device / "p.Json", text);
            exerciseHeadset(scratch);
            break;
        case 3:
            viremo::writeFileAtomically(scratch.device / "quelm_light.config", text);
            viremo::writeFileAtomically(scratch.device / "fx.light", text);
            exerciseLighting(scratch);
            break;
        default:
            // The store leaves profile files behind: start from an empty folder.
            scratch.reset();
            viremo::writeFileAtomically(scratch.device / "ProfileList.ini", text);
            viremo::writeFileAtomically(scratch.device / "p.Json", text);
            exerciseStore(scratch, uint8_t(choice / 5));
    }
    return 0;
}
