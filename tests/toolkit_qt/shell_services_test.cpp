#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/log.h"
#include "qt_test_support.h"
#include "toolkit/qt/file_dialog.h"
#include "toolkit/qt/private_fonts.h"
#include "toolkit/qt/tray_icon.h"

namespace viremo::toolkit::qt::testing {
namespace {

TEST(FileFilterTest, FilterStringsSplitIntoPairs) {
    EXPECT_EQ(ParseFilterString("(*.png) | *.png |(*.*)|*.*||"),
              (std::vector<FileFilter>{{"(*.png)", "*.png"}, {"(*.*)", "*.*"}}));
    EXPECT_EQ(ParseFilterString("Profile Files(*.json)|*.json;"),
              (std::vector<FileFilter>{{"Profile Files(*.json)", "*.json;"}}));
    EXPECT_TRUE(ParseFilterString("").empty());
    EXPECT_TRUE(ParseFilterString("only a description").empty());
}

TEST(FileFilterTest, ExtensionsMatchWithoutRegardToCase) {
    struct Case {
        FileFilter filter;
        const char* qtFilter;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
    };
    const std::vector<Case> cases = {
        {{"Profile Files(*.json)", "*.json;"}, "Profile Files(*.json) (*.[jJ][sS][oO][nN])",
         {"a.json", "B.Json", "c.JSON"}, {"a.json.bak", "json", "a.jso"}},
        {{"Macro Files(*.mac)", "*.mac;*.MAC2"}, "Macro Files(*.mac) (*.[mM][aA][cC] *.[mM][aA][cC]2)",
         {"x.Mac", "y.mac2"}, {"z.macro"}},
        {{"(*.*)", "*.*"}, "(*.*) (*)", {"anything", "a.b"}, {}},
    };
    for (const Case& c : cases) {
        const QString qtFilter = ToQtNameFilter(c.filter);
        EXPECT_EQ(qtFilter, QString::fromUtf8(c.qtFilter));
        // The patterns between the last parentheses, as the dialog reads them.
        const QString patterns = qtFilter.mid(qtFilter.lastIndexOf(u'(') + 1).chopped(1);
        auto matches = [&](const char* name) {
            for (const QString& p : patterns.split(u' '))
                if (QRegularExpression::fromWildcard(p, Qt::CaseSensitive).match(QString::fromUtf8(name)).hasMatch())
                    return true;
            return false;
        };
        for (const char* name : c.shown) EXPECT_TRUE(matches(name)) << c.qtFilter << " " << name;
        for (const char* name : c.hidden) EXPECT_FALSE(matches(name)) << c.qtFilter << " " << name;
    }
}

using FileDialogTest = QtHostTest;

// Answers the next file dialog once it shows: notes what it offers, then
// picks the file (or cancels when pick is empty).
void AnswerDialog(QStringList& filtersSeen, QStringList& filesSeen, const QString& pick) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &filtersSeen, &filesSeen, pick] {
        QFileDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
        }
        if (!dialog) return;
        poll->deleteLater();
        poll->stop();
        filtersSeen = dialog->nameFilters();
        // The names the dialog's list shows once it has read the folder.
        QTimer::singleShot(300, dialog, [dialog, &filesSeen, pick] {
            if (auto* view = dialog->findChild<QListView*>(QStringLiteral("listView")); view && view->model()) {
                const QModelIndex root = view->rootIndex();
                for (int row = 0; row < view->model()->rowCount(root); ++row)
                    filesSeen << view->model()->index(row, 0, root).data().toString();
            }
            if (pick.isEmpty()) {
                dialog->reject();
                return;
            }
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(pick);
            static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
        });
    });
    poll->start(10);
}

TEST_F(FileDialogTest, OpenDialogOffersTheFilterAndReturnsTheChoice) {
    QTemporaryDir dir;
    for (const char* name : {"a.json", "B.Json", "notes.txt"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileDialogOptions options;
    options.filters = {{"Profile Files(*.json)", "*.json;"}};
    options.initialName = dir.path().toStdString();

    QStringList filters, files;
    AnswerDialog(filters, files, "B.Json");
    EXPECT_EQ(GetOpenFileName(options), dir.filePath("B.Json").toStdString());
    EXPECT_EQ(filters, QStringList{"Profile Files(*.json) (*.[jJ][sS][oO][nN])"});
    files.sort();
    EXPECT_EQ(files, (QStringList{"B.Json", "a.json"}));

    files.clear();
    AnswerDialog(filters, files, QString());
    EXPECT_EQ(GetSaveFileName(options), "");
}

using PrivateFontsTest = QtHostTest;

TEST_F(PrivateFontsTest, LoadsFontFilesAndSkipsBrokenOnes) {
    // A font of the Debian package the build installs.
    const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
    if (!QFile::exists(font)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(font, dir.filePath("mono.ttf")));
    QFile broken(dir.filePath("broken.ttf"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a font");
    broken.close();

    EXPECT_EQ(LoadPrivateFonts(dir.path().toStdString()), std::vector<std::string>{"DejaVu Sans Mono"});
    EXPECT_TRUE(LoadPrivateFonts(dir.filePath("missing").toStdString()).empty());
    RemovePrivateFonts();
}

using TrayIconTest = QtHostTest;

TEST_F(TrayIconTest, WithoutANotificationAreaTheWindowMinimisesInsteadOfHiding) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "this desktop has a notification area";
    CWindowWnd window;
    ASSERT_TRUE(window.Create({WindowKind::Normal, nullptr, "tray", {0, 0, 100, 100}}));
    window.ShowWindow();
    log::Capture capture;
    CTrayIcon tray(window, 1025, "", "VIREMO");
    EXPECT_FALSE(tray.IsShown());
    EXPECT_TRUE(capture.contains("no notification area"));

    window.ShowWindow(false);
    EXPECT_TRUE(WidgetOf(window)->isMinimized());
    EXPECT_TRUE(WidgetOf(window)->isVisible());
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
