// Painting a window of about 300 controls with the Qt host's renderer:
// colours, nine-patch button pictures, text, borders, slider thumbs and
// progress bars, into an 800 x 572 picture. Target: under 4 ms a frame.
#include <benchmark/benchmark.h>

// Built only where the Qt host is (the benchmarks link what exists).
#if __has_include(<QPainter>)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>
#include <string>

#include "toolkit/dialog_builder.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/qt_renderer.h"

namespace {

using namespace viremo::toolkit;

// 30 rows of 9 controls in a scrolling column: 301 controls.
std::string ThreeHundredControls() {
    const std::string button =
        R"(normalimage="file='images/button.png' source='0,0,48,24' corner='4,4,4,4'" textcolor="#FFFFFFFF")";
    std::string xml = R"(<VerticalLayout name="root" bkcolor="#FFF4F4F4" vscrollbar="true" inset="4,4,4,4" childpadding="2">)";
    for (int row = 0; row < 30; ++row) {
        std::string n = std::to_string(row);
        xml += R"(<HorizontalLayout height="16" childpadding="4" bkcolor="#FFFFFFFF">)";
        xml += R"(<Label text="Row )" + n + R"(" width="60" textcolor="#FF202020"/>)";
        xml += R"(<Button width="60" text="Apply" )" + button + "/>";
        xml += R"(<Option group="g" width="60" text="On" selectedbkcolor="#FF4070C0" bkcolor="#FFD0D0D0"/>)";
        xml += R"(<CheckBox width="60" text="Sync" bordersize="1" bordercolor="#FF909090"/>)";
        xml += R"(<Edit width="50" text="1600" bordersize="1" bordercolor="#FF909090"/>)";
        xml += R"(<Slider max="200" value="80" bkcolor="#FFC8C8C8" forecolor="#FF4070C0" thumbsize="10,10" thumbimage="images/thumb.png"/>)";
        xml += R"(<Progress width="60" value="70" bkcolor="#FFC8C8C8" forecolor="#FF40A040"/>)";
        xml += R"(<Control width="16" bkcolor="#FFD0D0D0" borderround="6,6" bordersize="1" bordercolor="#FF808080"/>)";
        xml += R"(<Label width="40" text="a longer value text" endellipsis="true"/>)";
        xml += "</HorizontalLayout>";
    }
    return xml + "</VerticalLayout>";
}

QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_toolkit_qt";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

void BM_PaintThreeHundredControls(benchmark::State& state) {
    Application();
    CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/tests/toolkit/data/gallery");
    CPaintManagerUI pm;
    pm.SetTextMeasurer(&viremo::toolkit::qt::SharedTextMeasurer());
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(ThreeHundredControls()));
    pm.OnSize({800, 572});
    QImage canvas(800, 572, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        viremo::toolkit::qt::CQtRenderer renderer(painter, viremo::toolkit::qt::SharedImageCache());
        pm.Paint(renderer, pm.GetClientRect());
    }
}
BENCHMARK(BM_PaintThreeHundredControls)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
