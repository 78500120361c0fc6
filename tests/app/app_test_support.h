#pragma once
// The application's tests: one QApplication for the run, and the main window
// on the Qt host (offscreen) over the emulated demo set.
#include <QApplication>

#include <chrono>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "emulator/demo_set.h"
#include "hid/emulated_bus.h"
#include "toolkit/qt/qt_window_system.h"
#include "ui/main_wnd.h"

namespace viremo::app::testing {

// Runs Qt events until done() or the time-out; false on time-out.
bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(3));

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The tab showing the device of this kind index; null when none.
    ui::CDeviceOptionUI* TabOfKind(int kind);
    int TabIndexOfKind(int kind);
    int CurrentKind();

    std::unique_ptr<toolkit::qt::CQtWindowSystem> system;
    hid::EmulatedBus bus;
    std::optional<emulator::DemoSet> demo;
    std::unique_ptr<ui::CMainWnd> window;
};

}  // namespace viremo::app::testing
