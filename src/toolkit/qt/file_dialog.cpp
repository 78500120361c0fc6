#include "toolkit/qt/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "*.json" -> "*.[jJ][sS][oO][nN]".
QString AnyCase(std::string_view pattern) {
    QString result;
    for (QChar c : ToQString(pattern)) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QStringLiteral("[%1%2]").arg(c.toLower()).arg(c.toUpper());
        else
            result += c;
    }
    return result;
}

std::string Run(const FileDialogOptions& options, QFileDialog::AcceptMode mode) {
    QWidget* parent = nullptr;
    if (options.owner) {
        if (CQtWindowHost* host = QtHostOf(*options.owner)) parent = host->Widget();
    }
    QFileDialog dialog(parent, ToQString(options.title));
    // Qt's own dialog: the case-blind patterns behave the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : options.filters) filters << ToQtNameFilter(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(options.defaultExtension));
    // A folder to start in, or a file name to propose ("*.png" proposes
    // nothing: the filter says it).
    const QString initial = ToQString(options.initialName);
    if (QFileInfo(initial).isDir()) dialog.setDirectory(initial);
    else if (!initial.isEmpty() && !initial.contains(u'*')) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return FromQString(dialog.selectedFiles().front());
}

}  // namespace

std::vector<FileFilter> ParseFilterString(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) bar = text.size();
        parts.push_back(Trimmed(text.substr(start, bar - start)));
        start = bar + 1;
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;  // "||" ends the list
        filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    }
    return filters;
}

QString ToQtNameFilter(const FileFilter& filter) {
    QStringList patterns;
    std::string_view rest = filter.pattern;
    while (!rest.empty()) {
        std::size_t semicolon = rest.find(';');
        std::string_view one = Trimmed(rest.substr(0, semicolon));
        rest = semicolon == std::string_view::npos ? std::string_view{} : rest.substr(semicolon + 1);
        if (one.empty()) continue;
        patterns << (one == "*.*" ? QStringLiteral("*") : AnyCase(one));
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    return ToQString(filter.description) + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
}

std::string GetOpenFileName(const FileDialogOptions& options) {
    return Run(options, QFileDialog::AcceptOpen);
}

std::string GetSaveFileName(const FileDialogOptions& options) {
    return Run(options, QFileDialog::AcceptSave);
}

}  // namespace viremo::toolkit::qt
