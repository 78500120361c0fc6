#include "devices/keyboard/keyboard_device.h"

#include <algorithm>
#include <chrono>

#include "devices/device_info.h"
#include "devices/device_tables.h"
#include "devices/key_table_writer.h"
#include "devices/lighting/effect_tables.h"
#include "devices/lighting/lighting_engine.h"
#include "devices/keyboard/keyboard_light_image.h"
#include "devices/keyboard/keyboard_position_memory.h"
#include "devices/protocol/result_code.h"
#include "devices/protocol/session.h"
#include "macros/macro_config.h"
#include "macros/macro_image.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices {

using namespace keyboard;

namespace {

constexpr uint8_t kCustomColourMode = 20;
constexpr uint16_t kProfileCodeHigh = 0x10;
constexpr uint16_t kProfilePairCodeHigh = 0x11;

// Modes the keyboard renders itself (and 20, which shows the stored colour
// pages): no light frames are streamed for them.
bool keyboardRendersMode(uint8_t mode) {
    switch (mode) {
    case 7: case 8: case 9: case 16: case 17: case 18: case 20: return true;
    default: return false;
    }
}

constexpr uint16_t kKeyPressCodeHigh = 0x05;
constexpr uint16_t kKeyReleaseCodeHigh = 0x06;

LightColour colourOf(const KeyColor& colour) { return {colour.red, colour.green, colour.blue, colour.alpha}; }
KeyColor keyColourOf(const LightColour& colour) { return {colour.red, colour.green, colour.blue, colour.level}; }

}  // namespace

std::atomic<uint16_t> CVendrakeKeyboardDevice::lastNotificationCode_{0};

CVendrakeKeyboardDevice::CVendrakeKeyboardDevice(hid::Backend& backend, const Clock& clock)
    : CVendrakeKeyboardDevice(backend, clock, systemRandom_) {}

CVendrakeKeyboardDevice::CVendrakeKeyboardDevice(hid::Backend& backend, const Clock& clock, RandomSource& random)
    : CVendrakeUSBDevice(backend, clock),
      effects_(Lights(), clock, random),
      lightingThread_(Channel(), kLightingPassPeriod, "KB灯光线程设定退出") {}

CVendrakeKeyboardDevice::~CVendrakeKeyboardDevice() {
    for (NotificationPort& port : ports_) port.reader.Stop();
    lightingThread_.Stop();
}

// ---- Mode list and shown state -------------------------------------------

void CVendrakeKeyboardDevice::ReloadModes() {
    modes_ = readModeList(folders::defaultData() / kModeFileName, GetKindCode());
}

const ModeList& CVendrakeKeyboardDevice::Modes() {
    if (!modes_) ReloadModes();
    return *modes_;
}

void CVendrakeKeyboardDevice::RefreshState() {
    ReloadModes();
    RunModeChange(GetLightingState().mode);
    KeepAudioLighting(AudioLighting());
    ShowStateOnPage();
}

// ---- Profile -----------------------------------------------------------------

void CVendrakeKeyboardDevice::BindProfileFiles() {
    if (auto name = BindProfileStore(profile_)) profileName_ = std::move(*name);
}

DeviceResult CVendrakeKeyboardDevice::LoadProfile() {
    BindProfileFiles();
    if (profile_.GetProfilePath().empty()) return kNotDone;
    profile_.LoadProfile(profile_.GetProfilePath());
    TakeProfileState();
    return kSuccess;
}

void CVendrakeKeyboardDevice::LoadDefaultProfile() {
    BindProfileFiles();
    profile_.LoadProfile(DefaultProfilePath());
    TakeProfileState();
}

void CVendrakeKeyboardDevice::TakeProfileState() {
    keys_ = profile_.GetKeyList();
    system_ = SystemSettings::fromWords(profile_.GetSystemStages());
    ApplyLightingState();
}

DeviceResult CVendrakeKeyboardDevice::ApplyLightingState() {
    const LightRecord lighting = profile_.GetLightInfo();
    const uint8_t previousMode = GetLightingState().mode;
    CVendrakeUSBDevice::SetLightInfo(lighting);
    KeepAudioLighting(profile_.GetAudioLightInfo());
    const SettingsRecord record = buildSettingsRecord(lighting, system_, Modes());
    for (const size_t at : kLightingRecordBytes) mirror_[kRecordInBlock + at] = record[at];
    if (lighting.mode != previousMode || lighting.mode == kCustomColourMode) RunModeChange(lighting.mode);
    std::lock_guard lock(PerLightListLock());
    perLightList_ = profile_.GetLightList();
    effects_.LayOver(perLightList_, true);
    return kSuccess;
}

std::string CVendrakeKeyboardDevice::GetProfileName() const { return profileName_; }

void CVendrakeKeyboardDevice::SaveProfile() { profile_.Save(); }

void CVendrakeKeyboardDevice::SetKindCode(int code) {
    CVendrakeUSBDevice::SetKindCode(code);
    profile_.SetProfileIndex(0);
    modes_.reset();
}

void CVendrakeKeyboardDevice::SetLightInfo(const LightRecord& lighting) {
    CVendrakeUSBDevice::SetLightInfo(lighting);
    profile_.SetLightInfo(lighting);
}

LightRecord CVendrakeKeyboardDevice::GetLightInfo() const { return GetLightingState(); }

void CVendrakeKeyboardDevice::SetAudioLightInfo(const AudioLightRecord& audio) {
    KeepAudioLighting(audio);
    profile_.SetAudioLightInfo(audio);
}

void CVendrakeKeyboardDevice::KeepAudioLighting(const AudioLightRecord& audio) {
    CVendrakeUSBDevice::SetAudioLightInfo(audio);
    effects_.SetAudioLighting(audio);
}

void CVendrakeKeyboardDevice::SetSystemStages(const SystemSettings& system) {
    system_ = system;
    const auto words = system.toWords();
    profile_.SetSystemStages(words[0], words[1], words[2]);
}

void CVendrakeKeyboardDevice::SetKeyAssignment(int key, const KeyListEntry& assignment) {
    if (key < 0 || size_t(key) >= keys_.size()) return;
    keys_[size_t(key)] = assignment;
    profile_.SetKeyList(keys_);
}

void CVendrakeKeyboardDevice::OnAudioLevels(std::span<const int32_t, kAudioLevelCount> levels) {
    effects_.OnAudioLevels(levels, GetLightingState().mode);
}

void CVendrakeKeyboardDevice::OnAudioBands(std::span<const int32_t, kAudioBandCount> bands) {
    effects_.OnAudioBands(bands);
}

// ---- Reading the keyboard ----------------------------------------------------

DeviceResult CVendrakeKeyboardDevice::ReadAllFromDevice() {
    if (!Channel().IsOpen()) return kNotDone;
    if (!ReadKeyLayout()) return kNotDone;
    LoadProfile();
    if (!ReadSettingsMirror()) return kNotDone;
    RefreshState();
    RestartLightingThread();
    return kSuccess;
}

bool CVendrakeKeyboardDevice::ReadKeyLayout() {
    CommandChannel& channel = Channel();
    DeviceInfoBlock block{};
    std::vector<uint8_t> table;
    std::vector<uint8_t> attributes;
    {
        Session session(channel);
        if (channel.ReadDeviceInfo(block) != kSuccess) return false;
        const DeviceInfo info = decodeDeviceInfo(block);
        if (!useKeyTableBlockSize(channel, info)) return false;
        table.resize(info.KeyTableSize());
        attributes.resize(info.keyCount);
        if (channel.ReadKeyTable(table) != kSuccess) return false;
        if (channel.ReadKeyAttributes(attributes) != kSuccess) return false;
    }
    KeepDeviceInfo(block);
    keyTable_ = std::move(table);
    keyAttributes_ = std::move(attributes);
    const int positions = Info().keyCount;
    const std::filesystem::path folder = DeviceDataFolder();
    const auto remembered = readRememberedPositions(folder, positions);
    maps_ = buildKeyMaps(keyTable_, keyAttributes_, positions, remembered ? &*remembered : nullptr);
    layoutRead_ = true;
    writeRememberedPositions(folder, positions, maps_.keyPosition);
    return true;
}

void CVendrakeKeyboardDevice::ReadSettingsFromDevice() {
    if (!ReadSettingsMirror()) return;
    if (lastNotificationCode_ == kSettingsResetCode) LoadProfile();
    RefreshState();
}

bool CVendrakeKeyboardDevice::ReadSettingsMirror() {
    CommandChannel& channel = Channel();
    channel.SetSyncFlag(0);
    if (!channel.IsOpen()) return false;
    std::array<uint8_t, 1> active{};
    if (channel.ReadSettings(0, active) != kSuccess) return false;
    SettingsBlock block{};
    if (channel.ReadSettings(settingsAddress(active[0]), block) != kSuccess) return false;
    block[0] = active[0];
    block[kRecordInBlock + 15] = 0;
    mirror_ = block;
    activeProfile_ = active[0];

    SettingsRecord record;
    std::copy(block.begin() + 1, block.end(), record.begin());
    const LightRecord before = GetLightingState();
    const LightRecord lighting = lightingOfRecord(record, Modes(), before);
    CVendrakeUSBDevice::SetLightInfo(lighting);
    if (lighting.mode != before.mode || lighting.mode == kCustomColourMode) RunModeChange(lighting.mode);
    SetSystemStages(systemOfRecord(record, system_));
    profile_.SetLightInfo(lighting);
    profile_.Save();
    return true;
}

size_t CVendrakeKeyboardDevice::MacroCapacity() const { return macroCapacity(Info().macroUnits); }

// ---- Writing the keyboard ----------------------------------------------------

void CVendrakeKeyboardDevice::CheckMacroBindings() {
    // Bindings are cleaned up only against a list that was read.
    if (readMacroConfig(DeviceDataFolder()).state != json::FileState::Read) return;
    if (resetUnknownMacros(keys_, MacroCount())) profile_.SetKeyList(keys_);
}

std::vector<int> CVendrakeKeyboardDevice::GetUsedMacros() {
    return usedMacrosOfKeys(keys_, maps_.keyPosition, kAbsent, MacroCount());
}

DeviceResult CVendrakeKeyboardDevice::WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys) {
    CommandChannel& channel = Channel();
    if (page != 0) return kBadKeyTablePage;
    if (!channel.IsOpen()) return kNotDone;
    DeviceInfoBlock block{};
    if (const int result = channel.ReadDeviceInfo(block); result != kSuccess) return result;
    const DeviceInfo info = decodeDeviceInfo(block);
    if (!useKeyTableBlockSize(channel, info)) return kNotDone;
    // Keys are placed into the table as last read; without it (or when the
    // keyboard now reports another size) the rest of the table is unknown.
    if (!layoutRead_ || info.KeyTableSize() != keyTable_.size()) return kNotDone;
    std::vector<uint8_t> table = keyTable_;
    placeKeyAssignments(table, keys, maps_.keyPosition, kAbsent, MacroCount());
    Session session(channel);
    if (session.Begun() != kSuccess) return session.Begun();
    return channel.WriteKeyTable(page, table);
}

DeviceResult CVendrakeKeyboardDevice::WriteKeyAssignmentsOf(int page) {
    CheckMacroBindings();
    return WriteKeyAssignments(page, keys_);
}

DeviceResult CVendrakeKeyboardDevice::WriteMacros(const std::vector<int>& macroNumbers) {
    return DeviceResult::MacroUpload(UploadMacros(macroNumbers));
}

int CVendrakeKeyboardDevice::UploadMacros(const std::vector<int>& macroNumbers) {
    CommandChannel& channel = Channel();
    DeviceInfo info = Info();
    if (DeviceInfoBlock block{}; channel.IsOpen() && channel.ReadDeviceInfo(block) == kSuccess)
        info = decodeDeviceInfo(block);
    auto blocks = loadMacroBlocks(DeviceDataFolder(), macroNumbers);
    // No "macro.config" yet is a library without macros: the keyboard gets
    // an empty image. A list or event file that cannot be read leaves its
    // memory alone, and the write fails.
    if (!blocks) {
        if (readMacroConfig(DeviceDataFolder()).state != json::FileState::Absent) return -1;
        if (!macroNumbers.empty()) return 0;
        blocks.emplace();
    }
    const MacroImage image = buildMacroImage(*blocks, macroCapacity(info.macroUnits));
    if (image.result != 0) return image.result;
    if (!channel.IsOpen()) return 0;
    Session session(channel);
    if (session.Begun() != kSuccess) return -1;
    return channel.WriteMacroMemory(image.bytes) == kSuccess ? 0 : -1;
}

DeviceResult CVendrakeKeyboardDevice::WriteSettingsRecord(int profile, int value) {
    CommandChannel& channel = Channel();
    const SystemSettings system = SystemSettings::fromWords(profile_.GetSystemStages());
    const SettingsBlock block = buildSettingsBlock(uint8_t(value), profile_.GetLightInfo(), system, Modes());
    if (!channel.IsOpen()) return kNotDone;
    if (profile < 0 || profile > 255) return kNotDone;
    Session session(channel);
    if (session.Begun() != kSuccess) return session.Begun();
    return channel.WriteSettings(settingsAddress(uint8_t(profile)), block);
}

// ---- Lights --------------------------------------------------------------------

void CVendrakeKeyboardDevice::SendLightFrame() {
    if (!HasLightingControl()) return;
    ShowLightsOnPage();
    if (!StreamsLightFrames() || FramesHeldBack()) return;
    const LightFrame frame = buildKeyLightImage(Lights(), maps_.lightPosition);
    if (Channel().StreamLightFrame(std::span(frame).first(kStreamedFrameSize)) != kSuccess) PauseAfterFailedFrame();
}

bool CVendrakeKeyboardDevice::StreamsLightFrames() const {
    return !IsOnReceiver() && !keyboardRendersMode(GetLightingState().mode);
}

void CVendrakeKeyboardDevice::WriteColourPage() {
    // Before the key layout is read no light has a place in the page.
    if (!Channel().IsOpen() || !layoutRead_) return;
    const LightFrame page = buildKeyLightImage(Lights(), maps_.lightPosition);
    const size_t length = std::min(Info().KeyTableSize(), page.size());
    const int group = GetLightingState().customGroup;
    if (Channel().WriteLightPage(group, kColourPageLength, std::span(page).first(length)) != kSuccess)
        PauseAfterFailedFrame();
}

void CVendrakeKeyboardDevice::StoreCustomColours(int group) {
    std::vector<KeyColor> colours;
    for (int light = 0; light < Lights().Count(); ++light) colours.push_back(keyColourOf(Lights().Get(light)));
    profile_.SetCustomLightColors(group, colours);
    profile_.Save();
}

void CVendrakeKeyboardDevice::SetCustomGroup(int group) {
    if (lightingPanel_) lightingPanel_->ShowCustomGroup(group);
    LightRecord lighting = GetLightingState();
    lighting.customGroup = uint8_t(group);
    SetLightInfo(lighting);
}

void CVendrakeKeyboardDevice::PrepareMode20() {
    const int group = GetLightingState().customGroup;
    const std::vector<KeyColor> colours = profile_.GetCustomLightColors(group, Lights().Count());
    for (size_t light = 0; light < colours.size(); ++light) SetLightColour(int(light), colourOf(colours[light]));
    if (lightingPanel_) lightingPanel_->ShowCustomGroup(group);
    WriteColourPage();
}

void CVendrakeKeyboardDevice::FillAll(bool on) {
    const LightRecord lighting = GetLightingState();
    const LightColour colour =
        on ? LightColour{lighting.red, lighting.green, lighting.blue, brightnessLevel(lighting.brightness)}
           : LightColour{};
    Lights().SetAll(colour);
    WriteColourPage();
    if (lightingPanel_ && lightingPanel_->CurrentCustomGroup() >= 0)
        StoreCustomColours(lightingPanel_->CurrentCustomGroup());
}

void CVendrakeKeyboardDevice::SetCustomColour(int light) {
    const LightRecord lighting = GetLightingState();
    if (lighting.mode != kCustomColourMode || light < 0 || light >= Lights().Count()) return;
    SetLightColour(light, {lighting.red, lighting.green, lighting.blue, brightnessLevel(lighting.brightness)});
    if (!lightingPanel_ || lightingPanel_->CurrentCustomGroup() < 0) return;
    StoreCustomColours(lightingPanel_->CurrentCustomGroup());
    WriteColourPage();
}

void CVendrakeKeyboardDevice::RunModeChange(uint8_t mode) {
    effects_.ChangeMode(mode);
    if (mode == kCustomColourMode) PrepareMode20();
}

// ---- Reachability --------------------------------------------------------------

int CVendrakeKeyboardDevice::IsReachableThroughReceiver() {
    return Channel().IsOpen() && IsOnReceiver() && Channel().QueryOnline() ? 1 : 0;
}

// ---- Notifications -------------------------------------------------------------

CVendrakeKeyboardDevice::NotificationPort& CVendrakeKeyboardDevice::PortOf(uint16_t modelId) {
    return ports_[modelId == kModelKeyboardReceiver ? 1 : 0];
}

const CVendrakeKeyboardDevice::NotificationPort& CVendrakeKeyboardDevice::PortOf(uint16_t modelId) const {
    return ports_[modelId == kModelKeyboardReceiver ? 1 : 0];
}

bool CVendrakeKeyboardDevice::AttachNotificationInterface(const std::string& path, uint16_t modelId) {
    DetachNotificationInterface(modelId);
    const bool onCable = modelId != kModelKeyboardReceiver;
    CommandChannel& notifications = NotificationChannel();
    hid::HidDevice& device = onCable ? notifications.CableInterface() : notifications.ReceiverInterface();
    {
        std::lock_guard lock(notifications.IoLock());
        if (!device.Open(path, true, true, true, false)) return false;
    }
    NotificationPort& port = PortOf(modelId);
    port.open = true;
    port.reader.Start(device, [this, onCable](uint16_t code) { OnNotification(code, onCable); });
    return true;
}

void CVendrakeKeyboardDevice::DetachNotificationInterface(uint16_t modelId) {
    NotificationPort& port = PortOf(modelId);
    port.reader.Stop();
    CommandChannel& notifications = NotificationChannel();
    hid::HidDevice& device =
        modelId == kModelKeyboardReceiver ? notifications.ReceiverInterface() : notifications.CableInterface();
    std::lock_guard lock(notifications.IoLock());
    port.open = false;
    device.Close();
}

bool CVendrakeKeyboardDevice::IsNotificationOpen(uint16_t modelId) const { return PortOf(modelId).open; }

void CVendrakeKeyboardDevice::OnNotification(uint16_t code, bool onCable) {
    if (onCable) lastNotificationCode_ = code;
    if (code == kSynchroniseCode || (onCable && code == kSettingsResetCode)) {
        TellPageResynchronise();
        return;
    }
    if (code <= kSynchroniseCode || !Channel().IsOpen()) return;
    const uint16_t high = code >> 8;
    if (high == kKeyPressCodeHigh || high == kKeyReleaseCodeHigh) {
        OnKeyEvent(code & 0xFF, high == kKeyPressCodeHigh ? keyboard::kKeyPress : keyboard::kKeyRelease);
        return;
    }
    if (high == kProfileCodeHigh || high == kProfilePairCodeHigh) activeProfile_ = uint8_t(code & 0x0F);
    if (high == kProfilePairCodeHigh) secondIndex_ = uint8_t((code >> 4) & 0x0F);
    TellPageDeviceChanged();
}

// ---- Lighting thread -----------------------------------------------------------

void CVendrakeKeyboardDevice::RestartLightingThread() {
    lightingThread_.Restart([this] { LightingPass(); });
}

void CVendrakeKeyboardDevice::LightingPass() {
    effects_.Pass(GetLightingState());
    std::lock_guard lock(PerLightListLock());
    effects_.LayOver(perLightList_, false);
}

void CVendrakeKeyboardDevice::OnKeyEvent(int position, uint8_t kind) {
    for (int key = 0; key < kKeyNumbers; ++key)
        if (maps_.keyPosition[size_t(key)] == position) return ReactToKey(key, kind);
}

void CVendrakeKeyboardDevice::ReactToKey(int light, uint8_t kind) {
    effects_.ReactToKey(light, kind, GetLightingState().mode);
}

// ---- Set-up --------------------------------------------------------------------

void configureKeyboard(CVendrakeKeyboardDevice& device, const InterfaceRecord& row) {
    configureDevice(device, kKindKeyboard, row);
}

}  // namespace viremo::devices
