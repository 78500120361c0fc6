// From a device plugged on the emulated bus to its tab shown in the main
// window (headless window system; the discovery thread and the hot-plug
// handler are the real ones).
#include <benchmark/benchmark.h>

#include <chrono>

#include "emulator/demo_set.h"
#include "hid/emulated_bus.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/main_wnd.h"
#include "ui/program_controls.h"
#include "ui/stand_in_control.h"

namespace {

using namespace viremo;

// Dispatches the UI queue until done() holds; false after a second.
template <class Done>
bool DispatchUntil(Done done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        toolkit::UiQueue().WaitAndDispatch(std::chrono::milliseconds(1));
    }
    return true;
}

void BM_PlugToTabShown(benchmark::State& state) {
    toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
    ui::RegisterProgramControls();
    ui::RegisterControlStandIns();
    hid::EmulatedBus bus;
    emulator::DemoSet demo = emulator::plugDemoSet(bus);
    ui::CMainWnd window(bus);
    if (!window.Build() || !DispatchUntil([&] { return window.IsFirstPassDone() && window.VisibleTabCount() >= 3; })) {
        state.SkipWithError("the demo set did not come up");
        return;
    }
    ui::CDeviceOptionUI* pad = nullptr;
    for (int i = 0; i < window.TabCount(); ++i)
        if (window.Tab(i)->GetDevice()->Driver().GetKindIndex() == devices::kKindMousePad) pad = window.Tab(i);
    for (auto _ : state) {
        state.PauseTiming();
        demo.mousePadUsb.unplug(bus);
        DispatchUntil([&] { return !pad->IsVisibleFlag(); });
        state.ResumeTiming();
        demo.mousePadUsb.plug(bus);
        if (!DispatchUntil([&] { return pad->IsVisibleFlag(); })) state.SkipWithError("the tab did not come back");
    }
    window.Shutdown();
}
BENCHMARK(BM_PlugToTabShown)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

}  // namespace
