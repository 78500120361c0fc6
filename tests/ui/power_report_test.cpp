#include "ui/power_report.h"

#include <gtest/gtest.h>

#include <vector>

namespace viremo::ui {
namespace {

constexpr int kMouse = 2;
constexpr int kPad = 3;
constexpr int kKeyboard = 1;

TEST(PowerReportTest, LevelChargeStateAndWirelessMark) {
    struct Case {
        std::vector<uint8_t> report;
        int model;
        int progress;
        const char* label;
        std::optional<bool> progressShown;
        std::optional<std::string> image;
        std::optional<bool> wirelessMark;
    };
    const Case cases[] = {
        {{37, 1, 0, 0}, kKeyboard, 63, "37%", true, "file='power/powering.png'", std::nullopt},
        {{37, 1, 0, 1}, kMouse, 63, "37%", false, "file='power/wuxian_powering.png'", true},
        {{100, 0, 0, 0}, kMouse, 0, "100%", true, "file='power/powered.png'", false},
        {{5, 2}, kKeyboard, 95, "5%", true, "file='power/power.png'", std::nullopt},
        {{50, 7}, kKeyboard, 50, "50%", std::nullopt, std::nullopt, std::nullopt},  // unknown state: left alone
        {{}, kKeyboard, 100, "0%", true, "file='power/powered.png'", std::nullopt},  // missing bytes read as 0
        {{200, 0}, kKeyboard, 0, "100%", true, "file='power/powered.png'", std::nullopt},  // clamped, never negative
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const PowerView view = ReadPowerReport(c.report, c.model);
        EXPECT_EQ(view.progress, c.progress);
        EXPECT_EQ(view.label, c.label);
        EXPECT_EQ(view.progressShown, c.progressShown);
        EXPECT_EQ(view.statusImage, c.image);
        EXPECT_EQ(view.wirelessMark, c.wirelessMark);
    }
}

TEST(PowerReportTest, ThePhoneOnAMousePad) {
    struct Case {
        uint8_t phone;
        const char* toolTip;
    };
    for (const Case c : {Case{1, "Phone_type_iphone"}, Case{2, "Phone_type_samsung"}, Case{3, "Phone_type_other"},
                         Case{0, "Phone_type_no_device"}, Case{9, "Phone_type_no_device"}}) {
        const PowerView view = ReadPowerReport(std::vector<uint8_t>{80, 2, 0, 0, 0, c.phone}, kPad);
        EXPECT_EQ(view.phoneToolTip, c.toolTip);
        EXPECT_EQ(view.phoneImage, "file='power/" + std::string(c.toolTip) + ".png'");
    }
    EXPECT_FALSE(ReadPowerReport(std::vector<uint8_t>{80, 2, 0, 0, 0, 2}, kMouse).phoneImage);
}

}  // namespace
}  // namespace viremo::ui
