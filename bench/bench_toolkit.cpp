// Layout of a window of about 300 controls, and the cost of finding a
// control by name (the manager's index) against a walk of the tree.
#include <benchmark/benchmark.h>

#include <string>

#include "toolkit/dialog_builder.h"
#include "toolkit/paint_manager.h"

namespace {

using namespace viremo::toolkit;

// 30 rows of 9 controls (labels, buttons, options, edits, sliders) in a
// scrolling column: 301 controls.
std::string ThreeHundredControls() {
    std::string xml = R"(<VerticalLayout name="root" vscrollbar="true" inset="4,4,4,4" childpadding="2">)";
    for (int row = 0; row < 30; ++row) {
        std::string n = std::to_string(row);
        xml += R"(<HorizontalLayout height="24" childpadding="4">)";
        xml += R"(<Label name="label_)" + n + R"(" text="Row )" + n + R"(" autocalcwidth="true"/>)";
        xml += R"(<Button name="button_)" + n + R"(" width="60" text="Apply"/>)";
        xml += R"(<Option name="option_)" + n + R"(" group="g" width="20"/>)";
        xml += R"(<CheckBox name="check_)" + n + R"(" width="20"/>)";
        xml += R"(<Edit name="edit_)" + n + R"(" width="50"/>)";
        xml += R"(<Slider name="slider_)" + n + R"(" max="200"/>)";
        xml += R"(<Progress name="progress_)" + n + R"(" width="40"/>)";
        xml += R"(<Control name="spacer_)" + n + R"("/>)";
        xml += R"(<Label name="value_)" + n + R"(" width="30" text="0"/>)";
        xml += "</HorizontalLayout>";
    }
    return xml + "</VerticalLayout>";
}

struct Window {
    Window() {
        CDialogBuilder builder;
        pm.AttachDialog(builder.Create(ThreeHundredControls()));
        pm.OnSize({800, 572});
    }
    CPaintManagerUI pm;
};

void BM_LayoutThreeHundredControls(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.pm.NeedUpdate();
        window.pm.Layout();
    }
}
BENCHMARK(BM_LayoutThreeHundredControls)->Unit(benchmark::kMicrosecond);

void BM_FindControlByName(benchmark::State& state) {
    Window window;
    for (auto _ : state) benchmark::DoNotOptimize(window.pm.FindControl("slider_29"));
}
BENCHMARK(BM_FindControlByName);

void BM_FindSubControlByNameWalk(benchmark::State& state) {
    Window window;
    for (auto _ : state)
        benchmark::DoNotOptimize(window.pm.FindSubControlByName(window.pm.GetRoot(), "slider_29"));
}
BENCHMARK(BM_FindSubControlByNameWalk);

void BM_HitTest(benchmark::State& state) {
    Window window;
    for (auto _ : state) benchmark::DoNotOptimize(window.pm.FindControl(Point{700, 560}));
}
BENCHMARK(BM_HitTest);

}  // namespace
