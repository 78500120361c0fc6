// toolkit-gallery: every control of the toolkit in one window drawn by the
// Qt host.
//   toolkit-gallery [--skin DIR] [--page N] [--debug] [--screenshot FILE]
// With --screenshot the window is drawn offscreen, saved as PNG, and the
// program ends.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gallery_window.h"
#include "platform/log.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/qt_window_system.h"
#include "toolkit/qt/screenshot.h"

namespace {

struct Options {
    std::string skin = VIREMO_GALLERY_SKIN;
    std::string screenshot;
    int page = 0;
};

int Usage() {
    std::fprintf(stderr, "usage: toolkit-gallery [--skin DIR] [--page 0|1|2] [--debug] [--screenshot FILE]\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace viremo;
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--skin") && hasValue) options.skin = argv[++i];
        else if (!std::strcmp(argv[i], "--screenshot") && hasValue) options.screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && hasValue) options.page = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--debug")) log::toStderr();
        else return Usage();
    }
    // A screenshot needs no screen.
    if (!options.screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    toolkit::qt::CQtWindowSystem windowSystem;
    toolkit::CPaintManagerUI::SetResourcePath(options.skin);
    if (auto language = toolkit::CDialogBuilder::FindResource("language")) toolkit::Language().Load(*language);

    gallery::CGalleryWindow window;
    if (!window.Build()) {
        std::fprintf(stderr, "toolkit-gallery: cannot build the gallery skin in %s\n", options.skin.c_str());
        return 1;
    }
    window.SelectPage(options.page);
    window.CenterWindow();
    window.ShowWindow(true, true);

    if (!options.screenshot.empty()) {
        QApplication::processEvents();
        if (!toolkit::qt::SaveScreenshot(window, options.screenshot)) {
            std::fprintf(stderr, "toolkit-gallery: cannot write %s\n", options.screenshot.c_str());
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
