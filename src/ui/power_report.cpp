#include "ui/power_report.h"

#include <algorithm>
#include <array>

#include "devices/interface_record.h"

namespace viremo::ui {

namespace {

constexpr size_t kReportBytes = 64;

struct Phone {
    std::string_view toolTip;
    std::string_view image;
};

// By byte 5; anything else is "no phone".
constexpr std::array<Phone, 4> kPhones = {{
    {"Phone_type_no_device", "file='power/Phone_type_no_device.png'"},
    {"Phone_type_iphone", "file='power/Phone_type_iphone.png'"},
    {"Phone_type_samsung", "file='power/Phone_type_samsung.png'"},
    {"Phone_type_other", "file='power/Phone_type_other.png'"},
}};

}  // namespace

PowerView ReadPowerReport(std::span<const uint8_t> report, int modelId) {
    std::array<uint8_t, kReportBytes> bytes{};
    std::copy_n(report.begin(), std::min(report.size(), bytes.size()), bytes.begin());
    const uint8_t charge = bytes[1];
    const bool wireless = bytes[3] != 0;

    PowerView view;
    view.level = std::min<int>(bytes[0], 100);
    view.progress = 100 - view.level;
    view.label = std::to_string(view.level) + "%";
    if (modelId == devices::kModelWiredMouse) view.wirelessMark = wireless;
    switch (charge) {
    case 0:
        view.progressShown = true;
        view.statusImage = "file='power/powered.png'";
        break;
    case 1:
        view.progressShown = !wireless;
        view.statusImage = wireless ? "file='power/wuxian_powering.png'" : "file='power/powering.png'";
        break;
    case 2:
        view.progressShown = true;
        view.statusImage = "file='power/power.png'";
        break;
    default:
        break;
    }
    if (modelId == devices::kModelMousePad) {
        const Phone& phone = bytes[5] < kPhones.size() ? kPhones[bytes[5]] : kPhones[0];
        view.phoneToolTip = std::string(phone.toolTip);
        view.phoneImage = std::string(phone.image);
    }
    return view;
}

}  // namespace viremo::ui
