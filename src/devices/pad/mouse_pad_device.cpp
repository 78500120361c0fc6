#include "devices/pad/mouse_pad_device.h"

#include "devices/device_tables.h"
#include "devices/lighting/light_frame.h"

namespace viremo::devices {

CVendrakeMousePadDevice::CVendrakeMousePadDevice(hid::Backend& backend, const Clock& clock, RandomSource* random)
    : CLightSettingsDevice(LitDevice::MousePad, "MP灯光线程设定退出", backend, clock, random) {}

CVendrakeMousePadDevice::~CVendrakeMousePadDevice() { StopLighting(); }

void CVendrakeMousePadDevice::SendLightFrame() {
    if (HasLightingControl()) {
        const LightFrame frame = buildLightFrame(Lights());
        LogLightData(std::span(frame).first(3 * size_t(Lights().Count())));
    }
    CLightSettingsDevice::SendLightFrame();
}

void configureMousePad(CVendrakeMousePadDevice& device, const InterfaceRecord& row) {
    configureDevice(device, kKindMousePad, row);
}

}  // namespace viremo::devices
