// The sensors' DPI scales and the mouse's input reports.
#include "mouse_fixture.h"

#include "devices/mouse/dpi_scale.h"

namespace viremo::devices::testing {
namespace {

using mouse::DpiScale;

DeviceInfo sensor(uint16_t id, uint8_t step, uint16_t highest, uint16_t lowest) {
    DeviceInfo info;
    info.sensor = id;
    info.dpiStep = step;
    info.highestDpiLevel = highest;
    info.lowestDpi = lowest;
    return info;
}

TEST(DpiScaleTest, LevelsAndValuesOfEachSensor) {
    const DpiScale twoSlopes(sensor(0x3325, 50, 88, 100));
    const DpiScale straight(sensor(0x3389, 50, 519, 50));
    const struct {
        const DpiScale& scale;
        int level;
        int dpi;
    } pairs[] = {
        {twoSlopes, 0, 100},  {twoSlopes, 48, 2500}, {twoSlopes, 49, 2700},
        {twoSlopes, 75, 7900}, {twoSlopes, 88, 10500}, {straight, 0, 50}, {straight, 519, 26000},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(p.scale.DpiOfLevel(p.level), p.dpi) << p.level;
        EXPECT_EQ(p.scale.LevelOfDpi(p.dpi), p.level) << p.dpi;
    }
    // Typed values: rounded down, raised to the lowest, held to the highest.
    EXPECT_EQ(twoSlopes.LevelOfDpi(2699), 48);
    EXPECT_EQ(twoSlopes.LevelOfDpi(149), 0);
    EXPECT_EQ(twoSlopes.LevelOfDpi(0), 0);
    EXPECT_EQ(twoSlopes.LevelOfDpi(20000), 88);
    EXPECT_EQ(twoSlopes.HighestDpi(), 10500);
}

// Before the information block is read its step is 0: nothing is computed.
TEST(DpiScaleTest, NothingIsComputedFromAnUnreadBlock) {
    const DpiScale unread{DeviceInfo{}};
    EXPECT_FALSE(unread.DpiOfLevel(10));
    EXPECT_FALSE(unread.LevelOfDpi(800));
    EXPECT_FALSE(unread.HighestDpi());
}

TEST_F(MouseTest, ReadScaleIsTheSensorsOwn) {
    readMouse(true);
    EXPECT_EQ(mouse.Scale().HighestDpi(), 10500);
    EXPECT_EQ(mouse.ButtonPositions(), (mouse::ButtonMap{0, 1, 2, 4, 3, 6, 7, 5, 9, mouse::kNoButton, 8}));
}

TEST_F(MouseTest, ProfileAndStageReports) {
    readMouse(false);
    mouse.OnInputReport(0x1123, mouse::kReceiverInputKind);
    EXPECT_EQ(mouse.ActiveProfile(), 3);
    EXPECT_EQ(mouse.GetActiveDpiStage(), 2);
    mouse.OnInputReport(0x1172, mouse::kCableInputKind);  // a stage beyond the five is not taken
    EXPECT_EQ(mouse.ActiveProfile(), 2);
    EXPECT_EQ(mouse.GetActiveDpiStage(), 2);
    mouse.OnInputReport(0x1001, mouse::kCableInputKind);
    EXPECT_EQ(mouse.ActiveProfile(), 1);
    EXPECT_EQ(mouse.GetActiveDpiStage(), 2);
}

}  // namespace
}  // namespace viremo::devices::testing
