#include "app_test_support.h"

#include <QElapsedTimer>

#include "toolkit/paint_manager.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/program_controls.h"

namespace viremo::app::testing {

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void MainWindowTest::SetUp() {
    system = std::make_unique<toolkit::qt::CQtWindowSystem>();
    toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
    ui::RegisterProgramControls();
    demo.emplace(emulator::plugDemoSet(bus));
    window = std::make_unique<ui::CMainWnd>(bus);
    ASSERT_TRUE(window->Build());
    ASSERT_TRUE(RunUntil([&] { return window->IsFirstPassDone() && window->VisibleTabCount() == 4; }))
        << window->VisibleTabCount() << " tabs";
}

void MainWindowTest::TearDown() {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    system.reset();
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
