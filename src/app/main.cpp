// viremo: the windowed application.
#include <QApplication>

#include <cstdio>

#include "app/application.h"

int main(int argc, char** argv) {
    const auto options = viremo::app::ParseOptions(argc, argv);
    if (!options) {
        std::fputs(viremo::app::Usage(), stderr);
        return 1;
    }
    // A screenshot needs no screen.
    if (!options->screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return viremo::app::Run(*options);
}
