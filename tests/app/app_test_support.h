#pragma once
// The application's tests: the main window on the Qt host (offscreen) over
// the emulated demo set, with the Qt host tests' application and fixture.
#include <QApplication>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "emulator/demo_set.h"
#include "hid/emulated_bus.h"
#include "platform/audio_chip/emulated_audio_chip.h"
#include "qt_test_support.h"
#include "ui/main_wnd.h"

namespace viremo::app::testing {

class MainWindowTest : public toolkit::qt::testing::QtHostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The tab showing the device of this kind index; null when none.
    ui::CDeviceOptionUI* TabOfKind(int kind);
    int TabIndexOfKind(int kind);
    int CurrentKind();

    hid::EmulatedBus bus;
    std::optional<emulator::DemoSet> demo;
    // The headset's audio chip, as with --demo.
    audio_chip::EmulatedAudioChip chip;
    std::unique_ptr<ui::CMainWnd> window;
};

// The main window with the devices' data folders and "main.ini" in a folder
// of the test's own ($XDG_DATA_HOME), removed afterwards.
class PrivateDataTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path folder;  // the test's folder; the data home is folder / "data"

private:
    std::optional<std::string> previousDataHome_;
};

}  // namespace viremo::app::testing
