// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/web_launcher.h"
#include "test_support.h"
#include "tests/support/modal_script.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

const QString kAddress = QStringLiteral("http://www.cobblewell.example/indexgam.shtml");

// Logs each step the launcher takes, with the address as it is handed on; the title of the
// choice is the real dialog's concern, below.
class FakeLaunchPlatform final : public LaunchPlatform {
public:
    QStringList log;
    bool desktopTakesIt = false;
    QString chosenProgram;
    bool browserStarts = true;

    bool OpenWithDesktop(const QString& address) override {
        log << QStringLiteral("desktop %1").arg(address);
        return desktopTakesIt;
    }
    QString ChooseBrowser(const QString&) override {
        log << QStringLiteral("choose");
        return chosenProgram;
    }
    bool StartBrowser(const QByteArray& program, const QString& address) override {
        log << QStringLiteral("run %1 %2").arg(QString::fromUtf8(program), address);
        return browserStarts;
    }
    void WarnConnectionFailed() override { log << QStringLiteral("warn"); }
};

// Each way through the launcher: from the program it remembers (if any) and what the desktop's
// handler, the player's choice and the browser do, the steps it takes, what it returns and the
// program it remembers afterwards.
TEST(WebLauncher, TriesTheDesktopThenAChosenOrRememberedBrowserThenWarns) {
    using enum LaunchOutcome;
    struct Case {
        const char* remembered;
        bool desktopTakesIt;
        const char* chosen;
        bool browserStarts;
        LaunchOutcome outcome;
        const char* steps;
        const char* rememberedAfter;
    };
    const Case cases[] = {
        {"", true, "", true, Started, "desktop x:", ""},
        {"", false, "/c", true, Started, "desktop x:, choose, run /c x:", "/c"},
        {"/r", true, "", true, Started, "run /r x:", "/r"},
        {"", false, "", true, NoProgramForAddress, "desktop x:, choose, warn", ""},
        {"/r", true, "", false, ProgramNotFound, "run /r x:, warn", "/r"},
        {"", false, "/c", false, ProgramNotFound, "desktop x:, choose, run /c x:, warn", "/c"},
    };
    for (const Case& c : cases) {
        FakeLaunchPlatform platform;
        platform.desktopTakesIt = c.desktopTakesIt;
        platform.chosenProgram = QString::fromUtf8(c.chosen);
        platform.browserStarts = c.browserStarts;
        QByteArray browserPath(c.remembered);
        EXPECT_EQ(OpenWebAddress(QStringLiteral("x:"), browserPath, platform), c.outcome)
            << c.steps;
        EXPECT_EQ(platform.log.join(QStringLiteral(", ")), c.steps);
        EXPECT_EQ(browserPath, c.rememberedAfter) << c.steps;
    }

    FakeLaunchPlatform idle;
    QByteArray remembered("/r");
    EXPECT_EQ(OpenWebAddress(QString(), remembered, idle), NothingToOpen);
    EXPECT_TRUE(idle.log.isEmpty());
    EXPECT_EQ(remembered, "/r");
}

// The choice's own title, whole, is checked on the real dialog below.
TEST(WebLauncher, TitleEndsWithTheAddressCutToFitItsBuffer) {
    const QString longAddress = QStringLiteral("http://example.org/") + QString(300, u'a');
    const QString title = ChooseBrowserTitle(longAddress);
    EXPECT_EQ(title.size(), 255);
    EXPECT_TRUE(title.endsWith(longAddress.left(227)));
}

// A stand-in for the desktop's handler, first on PATH: it records its arguments, one a line,
// and exits with the status it is given, after the seconds it is given.
class FakeDesktopHandler {
public:
    FakeDesktopHandler() : savedPath_(qgetenv("PATH")) {
        QFile script(folder_.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n"
                     "[ \"$FAKE_HANDLER_SECONDS\" = 0 ] || exec sleep \"$FAKE_HANDLER_SECONDS\"\n"
                     "exit $FAKE_HANDLER_STATUS\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ':' + savedPath_);
    }
    ~FakeDesktopHandler() { qputenv("PATH", savedPath_); }

    void ExitWith(int status, int afterSeconds = 0) {
        qputenv("FAKE_HANDLER_STATUS", QByteArray::number(status));
        qputenv("FAKE_HANDLER_SECONDS", QByteArray::number(afterSeconds));
    }
    QStringList arguments() const {
        QFile file(folder_.filePath(QStringLiteral("xdg-open.args")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
};

TEST(WebLauncher, DesktopHandlerGetsTheAddressAsOneArgumentAndMustSucceed) {
    FakeDesktopHandler handler;
    DesktopLaunchPlatform platform(nullptr);
    const QString address = QStringLiteral("http://example.org/go?a=1;b=$(touch%20x)&c='d'");
    handler.ExitWith(0);
    EXPECT_TRUE(platform.OpenWithDesktop(address));
    EXPECT_EQ(handler.arguments(), QStringList{address});
    handler.ExitWith(3); // xdg-open: no program for this kind of address
    EXPECT_FALSE(platform.OpenWithDesktop(address));
    // Still running after the wait: it keeps a browser it found in its foreground.
    handler.ExitWith(4, 30);
    EXPECT_TRUE(platform.OpenWithDesktop(address));
}

// The whole way on the real desktop: the handler fails, the player is asked for a browser
// under the launcher's title, cancels, and is warned.
TEST(WebLauncher, FailingDesktopHandlerLeadsToTheChoiceAndTheWarning) {
    FakeDesktopHandler handler;
    handler.ExitWith(4);
    QWidget owner;
    QStringList seen;
    const auto chooser = [&seen](QWidget* dialog) {
        seen << dialog->metaObject()->className() << dialog->windowTitle();
        qobject_cast<QDialog*>(dialog)->reject();
    };
    const auto warning = [&seen](QWidget* box) {
        seen << qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QDialog*>(box)->reject();
    };
    const test::ModalScript script({chooser, warning});
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, &owner), LaunchOutcome::NoProgramForAddress);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("QFileDialog"),
                                 QStringLiteral("Select Web Browser to go to ") + kAddress,
                                 QStringLiteral("Internet connection failed")}));
    EXPECT_EQ(handler.arguments(), QStringList{kAddress});
    EXPECT_TRUE(browserPath.isEmpty());
}

// "Programs" lets the player click through folders to the programs in them; "All Files"
// shows everything.
TEST(WebLauncher, BrowserDialogListsFoldersAndProgramsThenAllFiles) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("browsers"));
    for (const char* name : {"program", "notes.txt"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QFile::setPermissions(folder.filePath(QStringLiteral("program")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString savedDirectory = QDir::currentPath();
    QDir::setCurrent(folder.path()); // the dialog opens in the current folder

    QStringList programs;
    QStringList allFiles;
    const test::ModalScript script({[&](QWidget* modal) {
        auto* list = modal->findChild<QListView*>(QStringLiteral("listView"));
        const auto shown = [list](int atLeast) {
            // The folder is read on another thread; the comparisons tell if it never was.
            (void)QTest::qWaitFor(
                [&] { return list->model()->rowCount(list->rootIndex()) >= atLeast; });
            QStringList names;
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                names << list->model()->index(row, 0, list->rootIndex()).data().toString();
            return names;
        };
        programs = shown(2);
        QTest::keyClick(modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                        Qt::Key_Down);
        allFiles = shown(3);
        qobject_cast<QDialog*>(modal)->reject();
    }});
    DesktopLaunchPlatform(nullptr).ChooseBrowser(QStringLiteral("title"));
    QDir::setCurrent(savedDirectory);
    EXPECT_EQ(programs, (QStringList{QStringLiteral("browsers"), QStringLiteral("program")}));
    EXPECT_EQ(allFiles, (QStringList{QStringLiteral("browsers"), QStringLiteral("notes.txt"),
                                     QStringLiteral("program")}));
}

// A path that is not UTF-8 (a Latin-1 folder name, say) still names the program: its bytes
// reach the program start unchanged, and so does the address. A program that is not there,
// by either way of starting it, is a failure.
TEST(WebLauncher, AProgramIsStartedByTheExactBytesOfItsPath) {
    DesktopLaunchPlatform platform(nullptr);
    EXPECT_FALSE(platform.StartBrowser("/nonexistent/cobblewell-browser", kAddress));
    EXPECT_FALSE(platform.StartBrowser("/nonexistent/n\xE9tsurfer", kAddress));
    QTemporaryDir folder;
    const QByteArray program = QFile::encodeName(folder.path()) + "/n\xE9t\xFFsurfer";
    std::ofstream(program.toStdString())
        << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$1\" > \"${0%/*}/started.tmp\"\n"
        << "mv \"${0%/*}/started.tmp\" \"${0%/*}/started\"\n";
    // Qt's folder removal cannot name a file that is not UTF-8, so it would leave this one.
    const auto removeProgram = qScopeGuard([&program] { unlink(program.constData()); });
    ASSERT_EQ(chmod(program.constData(), 0755), 0);
    ASSERT_TRUE(platform.StartBrowser(program, kAddress));
    QFile started(folder.filePath(QStringLiteral("started")));
    ASSERT_TRUE(QTest::qWaitFor([&started] { return started.exists(); }, 10000));
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll(), program + '\n' + kAddress.toUtf8() + '\n');
}

} // namespace
} // namespace cw
