#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "qt_test_support.h"
#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/nine_slice.h"
#include "toolkit/qt/qt_renderer.h"

namespace viremo::toolkit::qt::testing {
namespace {

TEST(NineSliceTest, CornersKeepTheirSizeEdgesAndCentreStretch) {
    struct Case {
        const char* what;
        Rect target;
        double scale;
        bool hole;
        std::vector<Slice> expected;
    };
    const Rect source{0, 0, 12, 12};
    const Rect corner{4, 4, 4, 4};
    const std::vector<Case> cases = {
        {"stretched", {10, 10, 50, 30}, 1.0, false,
         {{{0, 0, 4, 4}, {10, 10, 14, 14}}, {{4, 0, 8, 4}, {14, 10, 46, 14}}, {{8, 0, 12, 4}, {46, 10, 50, 14}},
          {{0, 4, 4, 8}, {10, 14, 14, 26}}, {{4, 4, 8, 8}, {14, 14, 46, 26}}, {{8, 4, 12, 8}, {46, 14, 50, 26}},
          {{0, 8, 4, 12}, {10, 26, 14, 30}}, {{4, 8, 8, 12}, {14, 26, 46, 30}}, {{8, 8, 12, 12}, {46, 26, 50, 30}}}},
        {"hole leaves the centre out", {0, 0, 20, 20}, 1.0, true,
         {{{0, 0, 4, 4}, {0, 0, 4, 4}}, {{4, 0, 8, 4}, {4, 0, 16, 4}}, {{8, 0, 12, 4}, {16, 0, 20, 4}},
          {{0, 4, 4, 8}, {0, 4, 4, 16}}, {{8, 4, 12, 8}, {16, 4, 20, 16}},
          {{0, 8, 4, 12}, {0, 16, 4, 20}}, {{4, 8, 8, 12}, {4, 16, 16, 20}}, {{8, 8, 12, 12}, {16, 16, 20, 20}}}},
        {"corners doubled at scale 2", {0, 0, 20, 20}, 2.0, false,
         {{{0, 0, 4, 4}, {0, 0, 8, 8}}, {{4, 0, 8, 4}, {8, 0, 12, 8}}, {{8, 0, 12, 4}, {12, 0, 20, 8}},
          {{0, 4, 4, 8}, {0, 8, 8, 12}}, {{4, 4, 8, 8}, {8, 8, 12, 12}}, {{8, 4, 12, 8}, {12, 8, 20, 12}},
          {{0, 8, 4, 12}, {0, 12, 8, 20}}, {{4, 8, 8, 12}, {8, 12, 12, 20}}, {{8, 8, 12, 12}, {12, 12, 20, 20}}}},
        {"too small: corners shrink, edges vanish", {0, 0, 6, 6}, 1.0, false,
         {{{0, 0, 4, 4}, {0, 0, 3, 3}}, {{8, 0, 12, 4}, {3, 0, 6, 3}},
          {{0, 8, 4, 12}, {0, 3, 3, 6}}, {{8, 8, 12, 12}, {3, 3, 6, 6}}}},
    };
    for (const Case& c : cases) {
        std::vector<Slice> slices = NineSlice(source, c.target, corner, c.scale, c.hole);
        ASSERT_EQ(slices.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < slices.size(); ++i) {
            EXPECT_EQ(slices[i].source, c.expected[i].source) << c.what << " piece " << i;
            EXPECT_EQ(slices[i].target, c.expected[i].target) << c.what << " piece " << i;
        }
    }
}

// Draws on a transparent 20 x 20 canvas.
class RendererTest : public QtHostTest {
protected:
    void SetUp() override {
        QtHostTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        canvas = QImage(20, 20, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
    }

    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&canvas);
        CQtRenderer renderer(painter, images);
        draw(renderer);
    }

    // A picture file: left half red, right half blue, one magenta pixel at (0,0).
    std::string TwoColourPng() {
        QImage image(4, 2, QImage::Format_ARGB32);
        image.fill(QColor(255, 0, 0));
        for (int y = 0; y < 2; ++y)
            for (int x = 2; x < 4; ++x) image.setPixelColor(x, y, QColor(0, 0, 255));
        image.setPixelColor(0, 0, QColor(255, 0, 255));
        QString path = m_dir.filePath("two.png");
        EXPECT_TRUE(image.save(path));
        return path.toStdString();
    }

    ImageDraw Draw(const std::string& path, const char* description) {
        ImageDraw draw;
        draw.image = ParseImageDescription(description);
        draw.path = path;
        draw.target = {0, 0, 20, 20};
        return draw;
    }

    QRgb At(int x, int y) const { return canvas.pixel(x, y); }

    QImage canvas;
    CImageCache images;

private:
    QTemporaryDir m_dir;
};

TEST_F(RendererTest, ImageSourceMaskFadeAndTint) {
    const std::string png = TwoColourPng();
    Paint([&](CQtRenderer& r) { r.DrawImage(Draw(png, "file='two.png' source='2,0,4,2'")); });
    EXPECT_EQ(At(10, 10), qRgba(0, 0, 255, 255));

    canvas.fill(Qt::transparent);
    Paint([&](CQtRenderer& r) { r.DrawImage(Draw(png, "file='two.png' source='0,0,1,1' mask='#FFFF00FF'")); });
    EXPECT_EQ(qAlpha(At(10, 10)), 0);

    canvas.fill(Qt::transparent);
    Paint([&](CQtRenderer& r) { r.DrawImage(Draw(png, "file='two.png' source='2,0,4,2' fade='128'")); });
    EXPECT_NEAR(qAlpha(At(10, 10)), 128, 2);
    EXPECT_NEAR(qBlue(At(10, 10)), 255, 2);

    canvas.fill(Qt::transparent);
    ImageDraw tinted = Draw(png, "file='two.png' source='2,0,4,2'");
    tinted.tinted = true;
    tinted.tint = 0xFF00FF00;
    tinted.level = 255;
    Paint([&](CQtRenderer& r) { r.DrawImage(tinted); });
    EXPECT_EQ(At(10, 10), qRgba(0, 255, 0, 255));

    // Each file and each masked copy decoded once.
    EXPECT_EQ(images.Size(), 2u);
}

TEST_F(RendererTest, SvgPicturesAndUnreadableFiles) {
    QTemporaryDir dir;
    // Drawn at the size shown, not scaled up from its own: the edge between
    // its halves stays sharp.
    QFile halves(dir.filePath("halves.svg"));
    ASSERT_TRUE(halves.open(QIODevice::WriteOnly));
    halves.write("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8' viewBox='0 0 8 8'>"
                 "<rect width='4' height='8' fill='#ff0000'/><rect x='4' width='4' height='8' fill='#00ff00'/></svg>");
    halves.close();
    Paint([&](CQtRenderer& r) { r.DrawImage(Draw(halves.fileName().toStdString(), "file='halves.svg'")); });
    EXPECT_EQ(At(9, 10), qRgba(255, 0, 0, 255));
    EXPECT_EQ(At(10, 10), qRgba(0, 255, 0, 255));

    canvas.fill(Qt::transparent);
    Paint([&](CQtRenderer& r) { r.DrawImage(Draw(dir.filePath("missing.png").toStdString(), "missing.png")); });
    EXPECT_EQ(qAlpha(At(10, 10)), 0);
}

TEST_F(RendererTest, ShapesStayInsideTheirRectangles) {
    Paint([](CQtRenderer& r) { r.DrawRect({2, 2, 18, 18}, 2, 0xFFFF0000); });
    EXPECT_EQ(At(2, 10), qRgba(255, 0, 0, 255));
    EXPECT_EQ(At(17, 17), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(At(4, 10)), 0);
    EXPECT_EQ(qAlpha(At(18, 10)), 0);

    canvas.fill(Qt::transparent);
    Paint([](CQtRenderer& r) { r.FillRoundRect({0, 0, 20, 20}, {12, 12}, 0xFF0000FF); });
    EXPECT_EQ(qAlpha(At(0, 0)), 0);  // the corner is cut off
    EXPECT_EQ(At(10, 10), qRgba(0, 0, 255, 255));

    // A quarter clockwise from the positive x axis: the lower right quadrant.
    canvas.fill(Qt::transparent);
    Paint([](CQtRenderer& r) { r.FillPie({0, 0, 20, 20}, 0, 90, 0xFF00FF00); });
    EXPECT_EQ(At(14, 14), qRgba(0, 255, 0, 255));
    EXPECT_EQ(qAlpha(At(14, 5)), 0);
    EXPECT_EQ(qAlpha(At(5, 14)), 0);

    canvas.fill(Qt::transparent);
    Paint([](CQtRenderer& r) {
        r.PushClip({0, 0, 10, 20});
        r.PushClip({5, 0, 20, 20});
        r.FillEllipse({0, 0, 20, 20}, 0xFFFFFFFF);
        r.PopClip();
        r.PopClip();
    });
    EXPECT_EQ(At(7, 10), qRgba(255, 255, 255, 255));
    EXPECT_EQ(qAlpha(At(3, 10)), 0);
    EXPECT_EQ(qAlpha(At(12, 10)), 0);
}

TEST_F(RendererTest, TextKeepsAlignmentColourAndEllipsis) {
    canvas = QImage(120, 20, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    TextStyle style;
    style.font = {"DejaVu Sans", 12};
    style.color = 0xFFFF0000;
    style.format = kTextRight | kTextVCenter | kTextSingleLine;
    Paint([&](CQtRenderer& r) { r.DrawText({0, 0, 120, 20}, "abc", style); });
    int leftInk = 0, rightInk = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x) {
            if (qAlpha(At(x, y)) == 0) continue;
            EXPECT_GT(qRed(At(x, y)), qGreen(At(x, y)));
            (x < 60 ? leftInk : rightInk)++;
        }
    EXPECT_EQ(leftInk, 0);
    EXPECT_GT(rightInk, 0);

    // A text longer than its box ends in an ellipsis instead of being cut.
    canvas.fill(Qt::transparent);
    style.format = kTextLeft | kTextVCenter | kTextSingleLine | kTextEndEllipsis;
    const std::string longText = "a text that is much longer than the box";
    Paint([&](CQtRenderer& r) { r.DrawText({0, 0, 60, 20}, longText, style); });
    CQtTextMeasurer measurer;
    EXPECT_GT(measurer.MeasureText(longText, style.font, style.format, 0).cx, 60);
    EXPECT_LE(measurer.MeasureText("...", style.font, style.format, 0).cx, 60);
    int lastInk = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x)
            if (qAlpha(At(x, y))) lastInk = std::max(lastInk, x);
    EXPECT_LT(lastInk, 60);
    EXPECT_GT(lastInk, 40);
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
