#include "devices/mouse/mouse_device.h"

#include <algorithm>

#include "devices/device_tables.h"
#include "devices/key_table_writer.h"
#include "devices/lighting/light_frame.h"
#include "devices/protocol/result_code.h"
#include "devices/protocol/session.h"
#include "macros/macro_config.h"
#include "macros/macro_image.h"
#include "macros/recoil_store.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices {

using namespace mouse;

namespace {

// System word 2: the wheel's lines in its low half, the report rate in the
// high one.
constexpr uint32_t kLowHalf = 0xFFFF;

}  // namespace

CVendrakeMouseDevice::CVendrakeMouseDevice(hid::Backend& backend, const Clock& clock)
    : CVendrakeUSBDevice(backend, clock),
      engine_(LitDevice::Mouse, clock, random_),
      lightingThread_(Channel(), kLightingPassPeriod, "MS灯光线程设定退出") {
    buttons_.fill(kNoButton);
}

CVendrakeMouseDevice::~CVendrakeMouseDevice() {
    for (InputPort& port : ports_) port.reader.Stop();
    lightingThread_.Stop();
}

// ---- Mode list and shown state -------------------------------------------

const keyboard::ModeList& CVendrakeMouseDevice::Modes() {
    if (!modes_) modes_ = keyboard::readModeList(folders::defaultData() / keyboard::kModeFileName, GetKindCode());
    return *modes_;
}

void CVendrakeMouseDevice::RefreshState() {
    modes_.reset();
    ShowStateOnPage();
}

// ---- Profile -------------------------------------------------------------

void CVendrakeMouseDevice::BindProfileFiles() {
    if (auto name = BindProfileStore(profile_)) profileName_ = std::move(*name);
}

DeviceResult CVendrakeMouseDevice::LoadProfile() {
    BindProfileFiles();
    if (profile_.GetProfilePath().empty()) return kNotDone;
    profile_.LoadProfile(profile_.GetProfilePath());
    TakeProfileState();
    return kSuccess;
}

void CVendrakeMouseDevice::LoadDefaultProfile() {
    BindProfileFiles();
    profile_.LoadProfile(DefaultProfilePath());
    TakeProfileState();
    profile_.Save();
    RefreshState();
}

void CVendrakeMouseDevice::TakeProfileState() {
    keys_ = profile_.GetKeyList();
    ApplyLightingState();
    stages_ = profile_.GetDpiStages();
    activeStage_ = profile_.GetActiveDpiStage();
    systemWords_ = profile_.GetSystemStages();
}

DeviceResult CVendrakeMouseDevice::ApplyLightingState() {
    const LightRecord lighting = profile_.GetLightInfo();
    CVendrakeUSBDevice::SetLightInfo(lighting);
    std::vector<LightRecord> lightList;
    {
        std::lock_guard lock(PerLightListLock());
        lightList = profile_.GetLightList();
    }
    profile_.LoadLightConfig(profile_.GetLightConfigPath());
    std::vector<LightEffectStep> steps;
    {
        std::lock_guard lock(StepListLock());
        steps = profile_.GetLightEffect();
    }
    engine_.ApplyLightingState(lighting, std::move(lightList), std::move(steps));
    return kSuccess;
}

std::string CVendrakeMouseDevice::GetProfileName() const { return profileName_; }

void CVendrakeMouseDevice::SaveProfile() { profile_.Save(); }

void CVendrakeMouseDevice::SetKindCode(int code) {
    CVendrakeUSBDevice::SetKindCode(code);
    profile_.SetProfileIndex(0);
    modes_.reset();
}

void CVendrakeMouseDevice::SetLightInfo(const LightRecord& lighting) {
    CVendrakeUSBDevice::SetLightInfo(lighting);
    engine_.SetLighting(lighting);
    profile_.SetLightInfo(lighting);
}

void CVendrakeMouseDevice::SetDpiStages(const std::vector<DpiStage>& stages) {
    stages_ = stages;
    profile_.SetDpiStages(stages);
}

void CVendrakeMouseDevice::SetActiveDpiStage(int stage) {
    if (stage < 0 || stage >= kDpiStageCount) return;
    activeStage_ = stage;
    profile_.SetActiveDpiStage(stage);
}

void CVendrakeMouseDevice::SetReportRate(int index) {
    if (index < 0 || index > kHighestReportRate) return;
    systemWords_[2] = (systemWords_[2] & kLowHalf) | uint32_t(index) << 16;
    profile_.SetSystemStages(systemWords_[0], systemWords_[1], systemWords_[2]);
}

void CVendrakeMouseDevice::SetKeyAssignment(int key, const KeyListEntry& assignment) {
    if (key < 0 || size_t(key) >= keys_.size()) return;
    keys_[size_t(key)] = assignment;
    profile_.SetKeyList(keys_);
}

// ---- Reading the mouse -----------------------------------------------------

int CVendrakeMouseDevice::IsReachableThroughReceiver() {
    return Channel().IsOpen() && IsOnReceiver() && Channel().QueryOnline() ? 1 : 0;
}

DeviceResult CVendrakeMouseDevice::ReadAllFromDevice() {
    if (!Channel().IsOpen()) return kNotDone;
    if (!ReadButtonLayout()) return kNotDone;
    LoadProfile();
    RefreshState();
    RestartLightingThread();
    return kSuccess;
}

bool CVendrakeMouseDevice::ReadButtonLayout() {
    CommandChannel& channel = Channel();
    if (!channel.IsOpen() || !channel.QueryOnline()) return false;
    DeviceInfoBlock block{};
    std::vector<uint8_t> table;
    {
        Session session(channel);
        if (session.Begun() != kSuccess) return false;
        if (channel.ReadDeviceInfo(block) != kSuccess) return false;
        const DeviceInfo info = decodeDeviceInfo(block);
        if (!useKeyTableBlockSize(channel, info)) return false;
        table.resize(info.KeyTableSize());
        if (!channel.QueryOnline() || channel.ReadKeyTable(table) != kSuccess) return false;
    }
    KeepDeviceInfo(block);
    buttonTable_ = std::move(table);
    buttons_ = buildButtonMap(buttonTable_);
    return true;
}

void CVendrakeMouseDevice::ReadSettingsFromDevice() {
    if (ReadDeviceState().succeeded()) RefreshState();
}

DeviceResult CVendrakeMouseDevice::ReadDeviceState() {
    CommandChannel& channel = Channel();
    channel.SetSyncFlag(0);
    if (!channel.IsOpen()) return kNotDone;
    std::array<uint8_t, 1> active{};
    if (!channel.QueryOnline() || channel.ReadSettings(kActiveProfileAddress, active) != kSuccess) return kNotDone;
    SettingsRead block{};
    if (!channel.QueryOnline() || channel.ReadSettings(settingsAddress(active[0]), block) != kSuccess)
        return kNotDone;
    block[block_at::kFirstArgument] = active[0];
    block[block_at::kSpare] = 0;
    lastBlock_ = block;
    activeProfile_ = active[0];

    const LightRecord lighting = lightingOfBlock(block, Modes(), GetLightingState());
    CVendrakeUSBDevice::SetLightInfo(lighting);
    engine_.SetLighting(lighting);
    SetActiveDpiStage(block[block_at::kActiveStage]);
    profile_.SetLightInfo(lighting);
    profile_.Save();
    return kSuccess;
}

size_t CVendrakeMouseDevice::MacroCapacity() const { return macroCapacity(Info().macroUnits); }

// ---- Writing the mouse -----------------------------------------------------

DeviceResult CVendrakeMouseDevice::WriteSettingsRecord(int profile, int value) {
    if (profile < 0 || profile > 255) return kNotDone;
    return WriteSettingsBlock(uint8_t(profile), uint8_t(value), 1);
}

DeviceResult CVendrakeMouseDevice::WriteSettingsBlock(uint8_t slot, uint8_t first, uint8_t third) {
    SettingsSource source;
    source.lighting = profile_.GetLightInfo();
    source.stages = stages_;
    source.activeStage = activeStage_;
    source.reportRate = GetReportRate();
    source.corrections = profile_.GetCorrectList();
    source.highestLevel = Scale().IsKnown() ? Info().highestDpiLevel : 0;
    source.first = first;
    source.third = third;
    source.screenWidth = screenWidth_;
    source.screenHeight = screenHeight_;
    const SettingsBlock block = buildSettingsBlock(source, Modes());

    CommandChannel& channel = Channel();
    if (!channel.IsOpen() || !channel.QueryOnline()) return kNotDone;
    Session session(channel);
    if (session.Begun() != kSuccess) return session.Begun();
    return channel.WriteSettings(settingsAddress(slot), block);
}

void CVendrakeMouseDevice::CheckMacroBindings() {
    if (readMacroConfig(DeviceDataFolder()).state != json::FileState::Read) return;
    if (resetUnknownMacros(keys_, MacroCount())) profile_.SetKeyList(keys_);
}

std::vector<int> CVendrakeMouseDevice::GetUsedMacros() {
    return usedMacrosOfKeys(keys_, buttons_, kNoButton, MacroCount());
}

DeviceResult CVendrakeMouseDevice::WriteKeyAssignments(int page, const std::vector<KeyListEntry>& keys) {
    CommandChannel& channel = Channel();
    if (page != 0) return kBadKeyTablePage;
    if (!channel.IsOpen() || !channel.QueryOnline()) return kNotDone;
    DeviceInfoBlock block{};
    if (const int result = channel.ReadDeviceInfo(block); result != kSuccess) return result;
    const DeviceInfo info = decodeDeviceInfo(block);
    if (!useKeyTableBlockSize(channel, info)) return kNotDone;
    // Buttons are placed into the table as last read; without it (or when
    // the mouse now reports another size) the rest of the table is unknown.
    if (buttonTable_.empty() || info.KeyTableSize() != buttonTable_.size()) return kNotDone;
    std::vector<uint8_t> table = buttonTable_;
    placeKeyAssignments(table, keys, buttons_, kNoButton, MacroCount());
    if (!channel.QueryOnline()) return kNotDone;
    Session session(channel);
    if (session.Begun() != kSuccess) return session.Begun();
    return channel.WriteKeyTable(page, table);
}

DeviceResult CVendrakeMouseDevice::WriteKeyAssignmentsOf(int page) {
    CheckMacroBindings();
    return WriteKeyAssignments(page, keys_);
}

DeviceResult CVendrakeMouseDevice::WriteMacros(const std::vector<int>& macroNumbers) {
    return DeviceResult::MacroUpload(UploadMacros(macroNumbers));
}

// 0 written or nothing to write, -1 failed once started, positive: the
// overflow of a macro image that does not fit.
int CVendrakeMouseDevice::UploadMacros(const std::vector<int>& macroNumbers) {
    CommandChannel& channel = Channel();
    if (macroNumbers.empty() || !channel.IsOpen() || !channel.QueryOnline()) return 0;
    const json::FileState list = readMacroConfig(DeviceDataFolder()).state;
    if (list == json::FileState::Absent) return 0;
    const auto blocks = loadMacroBlocks(DeviceDataFolder(), macroNumbers);
    // A list or event file that cannot be read leaves the memory alone.
    if (list != json::FileState::Read || !blocks) return -1;
    const MacroImage image = buildMacroImage(*blocks, MacroCapacity());
    if (image.result != 0) return image.result;
    if (!channel.QueryOnline()) return -1;
    Session session(channel);
    if (session.Begun() != kSuccess) return -1;
    return channel.WriteMacroMemory(image.bytes) == kSuccess ? 0 : -1;
}

DeviceResult CVendrakeMouseDevice::WriteRecoilData() {
    const RecoilStore store(DeviceDataFolder(), folders::defaultData());
    const std::vector<EventBlock> guns = store.loadBlocks();
    const auto image = buildRecoilImage(guns);
    if (!image || image->size() > kRecoilCapacity) return kRecoilTooLarge;
    CommandChannel& channel = Channel();
    if (!channel.IsOpen() || !channel.QueryOnline()) return kNotDone;
    Session session(channel);
    if (session.Begun() != kSuccess) return session.Begun();
    return channel.WriteBulk(*image);
}

// ---- Lights ------------------------------------------------------------------

void CVendrakeMouseDevice::SendLightFrame() {
    if (!HasLightingControl()) return;
    for (int light = 0; light < engine_.Colours().Count(); ++light)
        SetLightColour(light, engine_.Colours().Get(light));
    CVendrakeUSBDevice::SendLightFrame();
}

void CVendrakeMouseDevice::RestartLightingThread() {
    lightingThread_.Restart([this] { engine_.Pass(); });
}

// ---- Input reports -----------------------------------------------------------

CVendrakeMouseDevice::InputPort& CVendrakeMouseDevice::PortOf(int interfaceKind) {
    return ports_[interfaceKind == kReceiverInputKind ? 1 : 0];
}

hid::HidDevice& CVendrakeMouseDevice::InputDeviceOf(int interfaceKind) {
    CommandChannel& inputs = NotificationChannel();
    return interfaceKind == kReceiverInputKind ? inputs.ReceiverInterface() : inputs.CableInterface();
}

bool CVendrakeMouseDevice::AttachInputInterface(const std::string& path, int interfaceKind) {
    if (interfaceKind != kCableInputKind && interfaceKind != kReceiverInputKind) return false;
    DetachInputInterface(interfaceKind);
    hid::HidDevice& device = InputDeviceOf(interfaceKind);
    {
        std::lock_guard lock(NotificationChannel().IoLock());
        if (!device.Open(path, true, true, true, false)) return false;
    }
    InputPort& port = PortOf(interfaceKind);
    port.open = true;
    port.reader.Start(device, [this, interfaceKind](uint16_t code) { OnInputReport(code, interfaceKind); });
    return true;
}

void CVendrakeMouseDevice::DetachInputInterface(int interfaceKind) {
    InputPort& port = PortOf(interfaceKind);
    port.reader.Stop();
    std::lock_guard lock(NotificationChannel().IoLock());
    port.open = false;
    InputDeviceOf(interfaceKind).Close();
}

void CVendrakeMouseDevice::OnInputReport(uint16_t code, int interfaceKind) {
    if (code == kSynchroniseCode) {
        TellPageResynchronise();
        return;
    }
    if (code == kFlashCode) {
        if (interfaceKind == kCableInputKind) StartFlash();
        return;
    }
    const uint16_t high = code >> 8;
    if ((high != kProfileCodeHigh && high != kProfileAndStageCodeHigh) || !Channel().IsOpen()) return;
    activeProfile_ = uint8_t(code & 0x0F);
    const int stage = (code & 0xFF) / 16;
    if (high == kProfileAndStageCodeHigh && stage < kDpiStageCount) activeStage_ = stage;
    TellPageDeviceChanged();
}

// ---- Set-up --------------------------------------------------------------------

void configureMouse(CVendrakeMouseDevice& device, const InterfaceRecord& row) {
    configureDevice(device, kKindMouse, row);
}

}  // namespace viremo::devices
