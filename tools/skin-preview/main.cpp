// skin-preview: one layout of the skin drawn offscreen to a PNG, at 96 or
// 144 dpi and in a language of "Language.config", without the application.
//   skin-preview --layout NAME --out FILE [--dpi 96|144] [--language INDEX]
//                [--size W,H] [--skin DIR] [--debug]
// NAME is a file relative to the skin folder or a name of its "res.xml".
// The program's own control classes are stood in for by the toolkit's
// (a key button draws as a button, a selection panel as a column, ...).
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/folders.h"
#include "platform/log.h"
#include "platform/settings_store.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "toolkit/qt/private_fonts.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/qt/screenshot.h"
#include "ui/font_files.h"
#include "ui/localisation.h"
#include "ui/program_controls.h"
#include "ui/skin_defaults.h"
#include "ui/stand_in_control.h"

namespace {

using namespace viremo;

struct Options {
    std::string layout;
    std::string out;
    std::filesystem::path skin = folders::resources() / "skin";
    int dpi = 96;
    int language = 1;
    toolkit::Size size{800, 572};
};

int Usage() {
    std::fprintf(stderr,
                 "usage: skin-preview --layout NAME --out FILE [--dpi 96|144] [--language INDEX] [--size W,H] "
                 "[--skin DIR] [--debug]\n");
    return 1;
}

bool ParseSize(const char* text, toolkit::Size& size) {
    return std::sscanf(text, "%d,%d", &size.cx, &size.cy) == 2 && size.cx > 0 && size.cy > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--layout") && hasValue) options.layout = argv[++i];
        else if (!std::strcmp(argv[i], "--out") && hasValue) options.out = argv[++i];
        else if (!std::strcmp(argv[i], "--skin") && hasValue) options.skin = argv[++i];
        else if (!std::strcmp(argv[i], "--dpi") && hasValue) options.dpi = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--language") && hasValue) options.language = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && hasValue) {
            if (!ParseSize(argv[++i], options.size)) return Usage();
        } else if (!std::strcmp(argv[i], "--debug")) log::toStderr();
        else return Usage();
    }
    if (options.layout.empty() || options.out.empty() || (options.dpi != 96 && options.dpi != 144)) return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    toolkit::qt::LoadPrivateFontFiles(ui::ReadFontFiles(options.skin.parent_path() / "Font" / "fonts.json"));
    toolkit::CPaintManagerUI::SetResourcePath(options.skin);
    ui::RegisterProgramControls();
    ui::RegisterControlStandIns();

    // A settings file of its own, so that the preview never changes the
    // user's stored language.
    SettingsStore settings(std::filesystem::temp_directory_path() / "viremo-skin-preview-settings.json");
    ui::CLocalisation localisation(folders::defaultData() / "Language.config", options.skin, settings,
                                   toolkit::Language());
    localisation.LoadInitialTexts();
    localisation.ApplyLanguage(options.language);
    std::filesystem::remove(settings.file());

    toolkit::CPaintManagerUI manager;
    ui::ApplySkinDefaults(manager, options.skin);
    manager.SetTextMeasurer(&toolkit::qt::SharedTextMeasurer());
    toolkit::CDialogBuilder builder;
    auto root = builder.Create(options.layout, nullptr, &manager);
    if (!root) {
        std::fprintf(stderr, "skin-preview: %s\n", builder.GetLastError().c_str());
        return 1;
    }
    manager.AttachDialog(std::move(root));
    const double scale = options.dpi / 96.0;
    manager.SetDPIScale(scale);
    manager.OnSize({int(options.size.cx * scale), int(options.size.cy * scale)});

    QImage image(int(options.size.cx * scale), int(options.size.cy * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x11, 0x13, 0x18));
    const QImage drawn = toolkit::qt::RenderToImage(manager);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, drawn);
    }
    if (!image.save(QString::fromStdString(options.out), "PNG")) {
        std::fprintf(stderr, "skin-preview: cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}
