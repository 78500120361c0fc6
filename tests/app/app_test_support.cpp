#include "app_test_support.h"

#include <unistd.h>

#include <cstdlib>

#include "toolkit/paint_manager.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/program_controls.h"
#include "ui/stand_in_control.h"

namespace viremo::app::testing {

void MainWindowTest::SetUp() {
    QtHostTest::SetUp();
    toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
    ui::RegisterProgramControls();
    ui::RegisterControlStandIns();
    demo.emplace(emulator::plugDemoSet(bus));
    window = std::make_unique<ui::CMainWnd>(bus);
    window->SetAudioChip(&chip);
    ASSERT_TRUE(window->Build());
    ASSERT_TRUE(RunUntil([&] { return window->IsFirstPassDone() && window->VisibleTabCount() == 4; }, 5000))
        << window->VisibleTabCount() << " tabs";
}

void MainWindowTest::TearDown() {
    window.reset();
    QtHostTest::TearDown();
}

void PrivateDataTest::SetUp() {
    folder = std::filesystem::temp_directory_path() / ("viremo-app-test-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "data");
    if (const char* previous = std::getenv("XDG_DATA_HOME")) previousDataHome_ = previous;
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    MainWindowTest::SetUp();
}

void PrivateDataTest::TearDown() {
    MainWindowTest::TearDown();
    if (previousDataHome_) setenv("XDG_DATA_HOME", previousDataHome_->c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    std::filesystem::remove_all(folder);
}

ui::CDeviceOptionUI* MainWindowTest::TabOfKind(int kind) {
    const int index = TabIndexOfKind(kind);
    return index < 0 ? nullptr : window->Tab(index);
}

int MainWindowTest::TabIndexOfKind(int kind) {
    for (int i = 0; i < window->TabCount(); ++i)
        if (window->Tab(i)->GetDevice() && window->Tab(i)->GetDevice()->Driver().GetKindIndex() == kind) return i;
    return -1;
}

int MainWindowTest::CurrentKind() {
    ui::CDevicePage* device = window->CurrentDevice();
    return device ? device->Driver().GetKindIndex() : -1;
}

}  // namespace viremo::app::testing
