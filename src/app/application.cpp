#include "app/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/qt_window_chrome.h"
#include "app/single_instance.h"
#include "devices/device_tables.h"
#include "emulator/demo_set.h"
#include "hid/emulated_bus.h"
#include "platform/audio_chip/chip_for_run.h"
#include "platform/folders.h"
#include "platform/log.h"
#include "platform/sdbus_message_bus.h"
#include "platform/settings_store.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/file_dialog.h"
#include "toolkit/qt/private_fonts.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/qt/qt_window_system.h"
#include "toolkit/qt/screenshot.h"
#include "toolkit/qt/tray_icon.h"
#include "ui/font_files.h"
#include "ui/localisation.h"
#include "ui/main_wnd.h"
#include "ui/program_controls.h"
#include "ui/program_messages.h"
#include "ui/set_wnd.h"
#include "ui/stand_in_control.h"
#include "update/service_settings.h"

namespace viremo::app {

namespace {

// How long a screenshot waits after the first pass for devices behind a
// receiver, whose tabs show once their link check has answered.
constexpr auto kSettleAfterFirstPass = std::chrono::milliseconds(800);
constexpr auto kFirstPassLimit = std::chrono::seconds(5);
// A screenshot of the settings window waits this long at most for its check.
constexpr auto kSettingsCheckLimit = std::chrono::seconds(20);
constexpr std::string_view kSettingsPage = "settings";

void ProcessEventsFor(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The settings window once its update check has ended (or given up).
int TakeSettingsScreenshot(ui::CMainWnd& window, const Options& options) {
    ui::CSetWnd settings(window.UpdateService());
    if (!window.PrepareSettings(settings, false)) {
        std::fprintf(stderr, "viremo: cannot build the settings window\n");
        return 1;
    }
    settings.ShowWindow(true, false);
    ProcessEventsFor(std::chrono::milliseconds(100));
    const auto limit = std::chrono::steady_clock::now() + kSettingsCheckLimit;
    while (settings.IsChecking() && std::chrono::steady_clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ProcessEventsFor(std::chrono::milliseconds(50));
    if (!toolkit::qt::SaveScreenshot(settings, options.screenshot)) {
        std::fprintf(stderr, "viremo: cannot write %s\n", options.screenshot.c_str());
        return 1;
    }
    return 0;
}

int TakeScreenshot(ui::CMainWnd& window, const Options& options) {
    const auto limit = std::chrono::steady_clock::now() + kFirstPassLimit;
    while (!window.IsFirstPassDone() && std::chrono::steady_clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ProcessEventsFor(kSettleAfterFirstPass);
    if (options.page == kSettingsPage) return TakeSettingsScreenshot(window, options);
    if (!options.page.empty() && !window.SelectKind(PageKind(options.page)))
        std::fprintf(stderr, "viremo: no %s is connected; the window is drawn as it is\n", options.page.c_str());
    ProcessEventsFor(std::chrono::milliseconds(50));
    if (!toolkit::qt::SaveScreenshot(window, options.screenshot)) {
        std::fprintf(stderr, "viremo: cannot write %s\n", options.screenshot.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

const char* Usage() {
    return "usage: viremo [--demo] [--debug] [--dpi 96|144] [--screenshot FILE [--page keyboard|mouse|pad|headset|settings]]\n";
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--demo")) options.demo = true;
        else if (!std::strcmp(argv[i], "--debug")) options.debug = true;
        else if (!std::strcmp(argv[i], "--screenshot") && hasValue) options.screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && hasValue) options.page = argv[++i];
        else if (!std::strcmp(argv[i], "--dpi") && hasValue) options.dpi = std::atoi(argv[++i]);
        else return std::nullopt;
    }
    if (options.dpi != 0 && options.dpi != ui::CMainWnd::kDpiNormal && options.dpi != ui::CMainWnd::kDpiLarge)
        return std::nullopt;
    const bool knownPage = PageKind(options.page) >= 0 || options.page == kSettingsPage;
    if (!options.page.empty() && (options.screenshot.empty() || !knownPage)) return std::nullopt;
    return options;
}

int PageKind(const std::string& page) {
    if (page == "keyboard") return devices::kKindKeyboard;
    if (page == "mouse") return devices::kKindMouse;
    if (page == "pad") return devices::kKindMousePad;
    if (page == "headset") return devices::kKindHeadset;
    return -1;
}

int Run(const Options& options) {
    if (options.debug) log::toStderr();
    const bool screenshot = !options.screenshot.empty();
    const std::filesystem::path skin = folders::resources() / "skin";
    toolkit::qt::LoadPrivateFontFiles(ui::ReadFontFiles(folders::resources() / "Font" / "fonts.json"));

    // A screenshot is a drawing, not a running program: it neither takes the
    // single instance nor the bus name.
    SingleInstance instance;
    log::linef("软件标示：%u", ui::Registered().identity);
    if (!screenshot && !instance.Acquire()) {
        toolkit::qt::RemovePrivateFonts();
        return 0;
    }

    toolkit::qt::CQtWindowSystem windowSystem;
    QtWindowChrome chrome;
    ui::SetWindowChrome(&chrome);
    toolkit::CPaintManagerUI::SetResourcePath(skin);
    ui::RegisterProgramControls();
    ui::RegisterControlStandIns();  // the program's classes still to come
    SettingsStore settings;
    ui::CLocalisation localisation(folders::defaultData() / "Language.config", skin, settings, toolkit::Language());
    localisation.LoadInitialTexts();

    hid::EmulatedBus emulatedBus;
    std::optional<emulator::DemoSet> demoSet;
    if (options.demo) demoSet.emplace(emulator::plugDemoSet(emulatedBus));
    hid::Backend& backend = options.demo ? static_cast<hid::Backend&>(emulatedBus) : hid::systemBackend();
    audio_chip::ChipForRun audioChip(options.demo);

    platform::SdBusMessageBus bus;
    const bool haveBus = !screenshot && bus.Open(true);
    if (!screenshot && !haveBus) log::line("viremo: no session bus; other programs cannot reach this one");

    int exitCode = 0;
    {
        auto window = std::make_unique<ui::CMainWnd>(backend, haveBus ? &bus : nullptr);
        window->SetLanguageSwitch([&localisation](int index) {
            return localisation.ApplyLanguage(index == ui::CMainWnd::kStoredLanguage ? localisation.ReadStoredLanguage()
                                                                                    : index);
        });
        window->SetLanguageQuery([&localisation] { return localisation.CurrentLanguage(); });
        window->SetUpdateService(update::readServiceSettings(settings));
        window->SetFixedDpi(options.dpi);
        window->SetFileChooser([owner = window.get()](bool save, std::string_view filter, std::string_view pattern) {
            toolkit::qt::FileDialogOptions dialog;
            dialog.owner = owner;
            // Without a pattern the filter is a bar-separated list of pairs.
            dialog.filters = pattern.empty() ? toolkit::qt::ParseFilterString(filter)
                                             : std::vector<toolkit::qt::FileFilter>{{std::string(filter), std::string(pattern)}};
            return save ? toolkit::qt::GetSaveFileName(dialog) : toolkit::qt::GetOpenFileName(dialog);
        });
        window->SetAudioChip(audioChip.get());
        if (!window->Build()) {
            std::fprintf(stderr, "viremo: cannot build the main window from the skin in %s\n", skin.c_str());
            exitCode = 1;
        } else if (screenshot) {
            exitCode = TakeScreenshot(*window, options);
        } else {
            const toolkit::WindowHandle handle = window->GetHWND();
            instance.OnShowRequest([handle] { toolkit::UiQueue().Post(handle, {ui::Registered().identity, 0, 1}); });
            if (QScreen* screen = QGuiApplication::primaryScreen())
                QObject::connect(screen, &QScreen::geometryChanged,
                                 [handle] { toolkit::UiQueue().Post(handle, {ui::kMsgDisplayChange, 0, 0}); });
            if (haveBus)
                bus.WatchSleep([handle](bool sleeping) {
                    toolkit::UiQueue().Post(handle, {ui::kMsgPowerBroadcast, sleeping ? ui::kPowerSuspend : ui::kPowerResume, 0});
                });
            toolkit::qt::CTrayIcon tray(*window, ui::kMsgTrayIcon, "image/icons/tray.svg", std::string(ui::kIdentity));
            if (auto* host = toolkit::qt::QtHostOf(*window); host && !tray.IsShown()) host->SetMinimizeInsteadOfHide(true);
            window->SetOnFinal([] { QCoreApplication::quit(); });
            QCoreApplication::exec();
        }
        window->Shutdown();
    }
    bus.Close();
    ui::SetWindowChrome(nullptr);
    toolkit::qt::RemovePrivateFonts();
    return exitCode;
}

}  // namespace viremo::app
