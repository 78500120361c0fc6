#include <QImage>
#include <QTemporaryDir>

#include "qt_test_support.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/language.h"
#include "toolkit/qt/screenshot.h"

namespace viremo::toolkit::qt::testing {
namespace {

using GalleryScreenshotTest = QtHostTest;

QColor Pixel(const QImage& image, Point p) { return image.pixelColor(p.x, p.y); }
Point Centre(const CControlUI& c) { return {(c.GetPos().left + c.GetPos().right) / 2, (c.GetPos().top + c.GetPos().bottom) / 2}; }

TEST_F(GalleryScreenshotTest, RendersTheGallerySkinToAPng) {
    const std::string skin = VIREMO_SOURCE_DIR "/tools/toolkit-gallery/skin";
    CPaintManagerUI::SetResourcePath(skin);
    CWindowWnd window;
    CDialogBuilder builder;
    auto root = builder.Create("gallery", nullptr, &window.GetPaintManager());
    ASSERT_TRUE(root) << builder.GetLastError();
    ASSERT_TRUE(window.Create({WindowKind::Normal, nullptr, "gallery", {}}));
    window.GetPaintManager().AttachDialog(std::move(root));

    QTemporaryDir dir;
    const std::string file = dir.filePath("gallery.png").toStdString();
    ASSERT_TRUE(SaveScreenshot(window, file));
    QImage shot(QString::fromStdString(file));
    ASSERT_EQ(shot.size(), QSize(640, 420));  // the skin's size, never shown on a screen

    CPaintManagerUI& pm = window.GetPaintManager();
    EXPECT_EQ(Pixel(shot, {300, 4}), QColor(0x30, 0x38, 0x40));   // caption background
    EXPECT_EQ(Pixel(shot, {320, 400}), QColor(0xF4, 0xF4, 0xF4));  // window background
    const CControlUI& selected = *pm.FindControl("tab_controls");
    EXPECT_EQ(Pixel(shot, {selected.GetPos().left + 2, selected.GetPos().top + 2}), QColor(0x40, 0x70, 0xC0));
    const CControlUI& unselected = *pm.FindControl("tab_lists");
    EXPECT_EQ(Pixel(shot, {unselected.GetPos().left + 2, unselected.GetPos().top + 2}), QColor(0x30, 0x38, 0x40));

    // The button's normal image: the first 48 x 24 piece of its picture,
    // whose inside is one colour.
    QImage picture(QString::fromStdString(skin + "/images/button.png"));
    const CControlUI& apply = *pm.FindControl("apply");
    EXPECT_EQ(Pixel(shot, {apply.GetPos().left + 6, apply.GetPos().top + 6}), picture.pixelColor(6, 6));
    EXPECT_EQ(Pixel(shot, {apply.GetPos().right - 6, apply.GetPos().bottom - 6}), picture.pixelColor(41, 17));

    // The selected check box shows its selected picture (an SVG): blue
    // below the tick.
    const CControlUI& sync = *pm.FindControl("sync");
    EXPECT_EQ(Pixel(shot, {sync.GetPos().left + 12, sync.GetPos().top + 6 + 13}), QColor(0x40, 0x70, 0xC0));

    // Progress at 70 %: filled on the left, background on the right.
    const CControlUI& battery = *pm.FindControl("battery");
    EXPECT_EQ(Pixel(shot, {battery.GetPos().left + 2, Centre(battery).y}), QColor(0x40, 0xA0, 0x40));
    EXPECT_EQ(Pixel(shot, {battery.GetPos().right - 2, Centre(battery).y}), QColor(0xC8, 0xC8, 0xC8));
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
