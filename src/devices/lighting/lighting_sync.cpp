#include "devices/lighting/lighting_sync.h"

#include <chrono>

#include "devices/lighting/sync_modes.h"
#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::devices {
namespace {

constexpr auto kRoundPause = std::chrono::milliseconds(1);
constexpr auto kIdlePause = std::chrono::milliseconds(1000);

// The order in which the devices get the step's colours.
constexpr std::array<int, kKindCount> kShowOrder{kKindMouse, kKindMousePad, kKindHeadset, kKindKeyboard};

bool synchronisedOpen(CVendrakeUSBDevice& device) {
    return device.Channel().IsOpen() && device.Channel().SyncFlag() != 0;
}

}  // namespace

LightingSync::LightingSync(const Clock& clock) : clock_(clock), lastTickMs_(NowMs()) {}

LightingSync::~LightingSync() { Stop(); }

void LightingSync::AddDevice(CVendrakeUSBDevice& device) {
    const int kind = device.GetKindIndex();
    if (kind < 0 || kind >= kKindCount) return;
    std::lock_guard lock(listLock_);
    devices_[static_cast<size_t>(kind)].push_back(&device);
}

void LightingSync::Start() {
    Stop();
    ticks_ = 0;
    lastTickMs_ = NowMs();
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void LightingSync::RequestStop() { thread_.request_stop(); }

void LightingSync::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
    thread_ = {};
}

void LightingSync::Run(std::stop_token stop) {
    while (sleepFor(stop, kRoundPause)) {
        if (!Round()) sleepFor(stop, kIdlePause);
    }
    log::line("同步灯光线程设定退出");
}

bool LightingSync::Round() {
    if (!AnySynchronisedOpen()) return false;
    const long long now = NowMs();
    const long long change = now - lastTickMs_;
    if (change != 0 && change != 1) {
        ++ticks_;
        lastTickMs_ = now;
    }
    if (ticks_ >= speedPeriod(settings_.speed)) {
        ticks_ = 0;
        StepAndShow();
    }
    return true;
}

void LightingSync::StepAndShow() {
    const std::optional<SyncLight> step = stepSyncEffect(state_, settings_, clock_.now());
    if (!step) return;
    const LightColour colour{step->colour.red, step->colour.green, step->colour.blue, step->brightness};
    std::lock_guard lock(listLock_);
    for (int kind : kShowOrder)
        for (CVendrakeUSBDevice* device : devices_[static_cast<size_t>(kind)]) {
            if (!device->Channel().SyncFlag()) continue;
            for (int light = 0; light < device->GetLightCount(); ++light) device->SetLightColour(light, colour);
        }
}

bool LightingSync::SynchroniseFrom(const CVendrakeUSBDevice& selected) {
    const LightRecord chosen = selected.GetLightingState();
    const std::optional<uint8_t> effect = syncEffectOfMode(selected.GetKindIndex(), chosen.mode);
    std::vector<CVendrakeUSBDevice*> all;
    {
        std::lock_guard lock(listLock_);
        for (const auto& kind : devices_) all.insert(all.end(), kind.begin(), kind.end());
    }
    for (CVendrakeUSBDevice* device : all) {
        if (!effect) {
            device->Channel().SetSyncFlag(0);
            continue;
        }
        if (!device->Channel().IsOpen()) continue;
        LightRecord lighting = device->GetLightingState();
        lighting.mode = modeOfSyncEffect(device->GetKindIndex(), *effect).value_or(lighting.mode);
        lighting.brightness = chosen.brightness;
        lighting.speed = chosen.speed;
        lighting.direction = chosen.direction;
        lighting.multiColor = chosen.multiColor;
        lighting.red = chosen.red;
        lighting.green = chosen.green;
        lighting.blue = chosen.blue;
        device->Channel().SetSyncFlag(1);
        device->SetLightInfo(lighting);
        device->SaveProfile();
        device->ApplyLightingState();
        device->WriteSettingsRecord(0, 0);
    }
    if (effect) ShowEffectOf(chosen, *effect);
    return effect.has_value();
}

void LightingSync::ShowEffectOf(const LightRecord& lighting, uint8_t effect) {
    settings_.effect = effect;
    settings_.brightness = lighting.brightness;
    settings_.speed = lighting.speed;
    settings_.direction = lighting.direction;
    settings_.cycling = lighting.multiColor;
    settings_.red = lighting.red;
    settings_.green = lighting.green;
    settings_.blue = lighting.blue;
}

bool LightingSync::AnySynchronisedOpen() const {
    std::lock_guard lock(listLock_);
    for (const auto& kind : devices_)
        for (CVendrakeUSBDevice* device : kind)
            if (synchronisedOpen(*device)) return true;
    return false;
}

long long LightingSync::NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock_.now().time_since_epoch()).count();
}

}  // namespace viremo::devices
