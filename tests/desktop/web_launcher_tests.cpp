// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/web_launcher.h"
#include "test_support.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSet>
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

// A browser control service that answers on the topics it is told to and logs each call.
class FakeBrowserControl final : public BrowserControl {
public:
    explicit FakeBrowserControl(QStringList& log) : log_(log) {}

    bool sessionStarts = true;
    QSet<QString> answeringTopics;
    std::optional<QByteArray> openReply;

    bool StartSession() override {
        log_ << QStringLiteral("session");
        return sessionStarts;
    }
    void EndSession() override { log_ << QStringLiteral("end session"); }
    bool Connect(const QString& service, const QString& topic) override {
        log_ << QStringLiteral("connect %1 %2").arg(service, topic);
        return answeringTopics.contains(topic);
    }
    void Disconnect() override { log_ << QStringLiteral("disconnect"); }
    std::optional<QByteArray> Request(const QString& item) override {
        log_ << QStringLiteral("request %1").arg(item);
        return item.startsWith(u'"') ? openReply : std::optional<QByteArray>(QByteArray());
    }

private:
    QStringList& log_;
};

class FakeLaunchPlatform final : public LaunchPlatform {
public:
    QStringList log;
    FakeBrowserControl control{log};
    std::int32_t desktopResult = kNoProgramForAddress;
    QString chosenProgram;
    std::int32_t startResult = kLaunchStarted;

    BrowserControl& browserControl() override { return control; }
    std::int32_t OpenWithDesktop(const QString& address) override {
        log << QStringLiteral("desktop %1").arg(address);
        return desktopResult;
    }
    QString ChooseBrowser(const QString& title) override {
        log << QStringLiteral("choose %1").arg(title);
        return chosenProgram;
    }
    std::int32_t StartBrowser(const QByteArray& program, const QString& address) override {
        log << QStringLiteral("run %1 %2").arg(QString::fromUtf8(program), address);
        return startResult;
    }
    void WarnConnectionFailed() override { log << QStringLiteral("warn"); }

    // A browser that takes the open request and answers with `reply`.
    void RunningBrowserReplies(const QByteArray& reply) {
        control.answeringTopics = {QStringLiteral("WWW_OpenURL"), QStringLiteral("WWW_Activate")};
        control.openReply = reply;
    }
};

TEST(WebLauncher, EmptyAddressDoesNothing) {
    FakeLaunchPlatform platform;
    QByteArray browserPath("/usr/bin/browser");
    EXPECT_EQ(OpenWebAddress(QString(), browserPath, platform), kNothingToOpen);
    EXPECT_TRUE(platform.log.isEmpty());
    EXPECT_EQ(browserPath, "/usr/bin/browser");
}

TEST(WebLauncher, RunningBrowserOpensAddressAndIsBroughtForward) {
    FakeLaunchPlatform platform;
    platform.RunningBrowserReplies(QByteArray("\x2A\x01\x00\x00", 4));
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kRunningBrowserTookIt);
    const QStringList expected{
        QStringLiteral("session"),
        QStringLiteral("connect Netscape WWW_OpenURL"),
        QStringLiteral("request \"%1\",,0xFFFFFFFF,0x4").arg(kAddress),
        QStringLiteral("disconnect"),
        QStringLiteral("connect Netscape WWW_Activate"),
        QStringLiteral("request 0x12A,0x0"),
        QStringLiteral("disconnect"),
        QStringLiteral("end session"),
    };
    EXPECT_EQ(platform.log, expected);
}

TEST(WebLauncher, MailAddressIsNotBroughtForwardButCapitalsAre) {
    FakeLaunchPlatform lower;
    lower.RunningBrowserReplies(QByteArray("\x01\x00\x00\x00", 4));
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(QStringLiteral("mailto:someone@example.org"), browserPath, lower),
              kRunningBrowserTookIt);
    EXPECT_FALSE(lower.log.contains(QStringLiteral("connect Netscape WWW_Activate")));
    EXPECT_EQ(lower.log.last(), QStringLiteral("end session"));

    FakeLaunchPlatform upper;
    upper.RunningBrowserReplies(QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(OpenWebAddress(QStringLiteral("MAILTO:someone@example.org"), browserPath, upper),
              kRunningBrowserTookIt);
    EXPECT_TRUE(upper.log.contains(QStringLiteral("request 0x1,0x0")));
}

TEST(WebLauncher, WindowIdComesFromTheFirstFourBytesOfTheReply) {
    EXPECT_EQ(WindowIdFromReply(QByteArray("\xAB", 1)), 0xABu);
    EXPECT_EQ(WindowIdFromReply(QByteArray("\x01\x02", 2)), 0x0201u);
    EXPECT_EQ(WindowIdFromReply(QByteArray("\x01\x02\x03\x04\x05", 5)), 0x04030201u);
    EXPECT_EQ(WindowIdFromReply(QByteArray()), 0u);
    EXPECT_EQ(ActivateRequestItem(0xFFFFFFFFu), QStringLiteral("0xFFFFFFFF,0x0"));
    EXPECT_EQ(ActivateRequestItem(0), QStringLiteral("0x0,0x0"));

    FakeLaunchPlatform platform;
    platform.RunningBrowserReplies(QByteArray("\xBE\x0F", 2));
    QByteArray browserPath;
    OpenWebAddress(kAddress, browserPath, platform);
    EXPECT_TRUE(platform.log.contains(QStringLiteral("request 0xFBE,0x0")));
}

TEST(WebLauncher, BrowserThatTookTheAddressCountsEvenIfItCannotBeBroughtForward) {
    FakeLaunchPlatform platform;
    platform.RunningBrowserReplies(QByteArray("\x01\x00\x00\x00", 4));
    platform.control.answeringTopics.remove(QStringLiteral("WWW_Activate"));
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kRunningBrowserTookIt);
    EXPECT_FALSE(platform.log.filter(QStringLiteral("desktop")).size());
    EXPECT_EQ(platform.log.last(), QStringLiteral("end session"));
}

TEST(WebLauncher, NoRunningBrowserFallsThroughToTheDesktop) {
    FakeLaunchPlatform silent; // a conversation starts, but no data comes back
    silent.control.answeringTopics = {QStringLiteral("WWW_OpenURL")};
    silent.desktopResult = 42;
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, silent), 42);
    const QStringList tail = silent.log.mid(silent.log.size() - 3);
    EXPECT_EQ(tail, (QStringList{QStringLiteral("disconnect"), QStringLiteral("end session"),
                                 QStringLiteral("desktop ") + kAddress}));

    FakeLaunchPlatform noService; // the Linux case: no session at all
    noService.control.sessionStarts = false;
    noService.desktopResult = 42;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, noService), 42);
    EXPECT_EQ(noService.log,
              (QStringList{QStringLiteral("session"), QStringLiteral("desktop ") + kAddress}));
}

TEST(WebLauncher, FailedDesktopAsksForABrowserAndRemembersIt) {
    FakeLaunchPlatform platform;
    platform.chosenProgram = QStringLiteral("/opt/web browser/run");
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kLaunchStarted);
    EXPECT_EQ(browserPath, platform.chosenProgram.toUtf8());
    const QStringList steps =
        platform.log.mid(platform.log.indexOf(QStringLiteral("end session")) + 1);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("desktop ") + kAddress,
                                  QStringLiteral("choose Select Web Browser to go to ") + kAddress,
                                  QStringLiteral("run /opt/web browser/run ") + kAddress}));
}

TEST(WebLauncher, RememberedBrowserSkipsTheDesktopAndTheQuestion) {
    FakeLaunchPlatform platform;
    QByteArray browserPath("/usr/bin/browser");
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kLaunchStarted);
    EXPECT_TRUE(platform.log.filter(QStringLiteral("desktop")).isEmpty());
    EXPECT_TRUE(platform.log.filter(QStringLiteral("choose")).isEmpty());
    EXPECT_EQ(platform.log.last(), QStringLiteral("run /usr/bin/browser ") + kAddress);
}

TEST(WebLauncher, CancelledChoiceForgetsTheBrowserAndWarns) {
    FakeLaunchPlatform platform;
    platform.desktopResult = 5;
    QByteArray browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), 5);
    EXPECT_TRUE(browserPath.isEmpty());
    EXPECT_TRUE(platform.log.filter(QStringLiteral("run")).isEmpty());
    EXPECT_EQ(platform.log.last(), QStringLiteral("warn"));
}

TEST(WebLauncher, BrowserThatFailsToStartIsKeptForNextTime) {
    FakeLaunchPlatform remembered;
    remembered.startResult = kProgramNotFound;
    QByteArray browserPath("/gone/browser");
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, remembered), kProgramNotFound);
    EXPECT_EQ(browserPath, "/gone/browser");
    EXPECT_EQ(remembered.log.last(), QStringLiteral("warn"));

    FakeLaunchPlatform chosen;
    chosen.chosenProgram = QStringLiteral("/gone/other");
    chosen.startResult = kProgramNotFound;
    QByteArray emptyPath;
    EXPECT_EQ(OpenWebAddress(kAddress, emptyPath, chosen), kProgramNotFound);
    EXPECT_EQ(emptyPath, "/gone/other");
    EXPECT_EQ(chosen.log.last(), QStringLiteral("warn"));
}

TEST(WebLauncher, TitleEndsWithTheAddressCutToFitItsBuffer) {
    EXPECT_EQ(ChooseBrowserTitle(QStringLiteral("x")),
              QStringLiteral("Select Web Browser to go to x"));
    const QString longAddress = QStringLiteral("http://example.org/") + QString(300, u'a');
    const QString title = ChooseBrowserTitle(longAddress);
    EXPECT_EQ(title.size(), 255);
    EXPECT_TRUE(title.endsWith(longAddress.left(227)));
}

TEST(WebLauncher, BrowserDialogOpensWithTheTitleAndCancelGivesNothing) {
    QWidget owner;
    DesktopLaunchPlatform platform(&owner);
    const QString title =
        ChooseBrowserTitle(QStringLiteral("http://example.org/") + QString(400, u'b'));
    QString seenTitle;
    WhenModalOpens([&seenTitle](QWidget* dialog) {
        seenTitle = dialog->windowTitle();
        qobject_cast<QFileDialog*>(dialog)->reject();
    });
    EXPECT_TRUE(platform.ChooseBrowser(title).isEmpty());
    EXPECT_EQ(seenTitle, title);
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
    EXPECT_TRUE(LaunchSucceeded(platform.OpenWithDesktop(address)));
    EXPECT_EQ(handler.arguments(), QStringList{address});
    handler.ExitWith(3); // xdg-open: no program for this kind of address
    EXPECT_FALSE(LaunchSucceeded(platform.OpenWithDesktop(address)));
    // Still running after the wait: it keeps a browser it found in its foreground.
    handler.ExitWith(4, 30);
    EXPECT_TRUE(LaunchSucceeded(platform.OpenWithDesktop(address)));
}

// The whole way on the real desktop: the handler fails, the player is asked for a browser,
// cancels, and is warned.
TEST(WebLauncher, FailingDesktopHandlerLeadsToTheChoiceAndTheWarning) {
    FakeDesktopHandler handler;
    handler.ExitWith(4);
    QWidget owner;
    QStringList seen;
    WhenModalOpens([&seen](QWidget* chooser) {
        seen << chooser->metaObject()->className();
        WhenModalOpens([&seen](QWidget* warning) {
            seen << qobject_cast<QMessageBox*>(warning)->text();
            qobject_cast<QDialog*>(warning)->reject();
        });
        qobject_cast<QDialog*>(chooser)->reject();
    });
    QByteArray browserPath;
    EXPECT_FALSE(LaunchSucceeded(OpenWebAddress(kAddress, browserPath, &owner)));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("QFileDialog"),
                                 QStringLiteral("Internet connection failed")}));
    EXPECT_EQ(handler.arguments(), QStringList{kAddress});
    EXPECT_TRUE(browserPath.isEmpty());
}

// "Programs" lets the player click through folders to the programs in them; "All Files"
// shows everything.
TEST(WebLauncher, BrowserDialogListsFoldersAndProgramsThenAllFiles) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("browsers"));
    for (const char* name : {"program", "notes.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    QFile(folder.filePath(QStringLiteral("program")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString savedDirectory = QDir::currentPath();
    QDir::setCurrent(folder.path()); // the dialog opens in the current folder

    QStringList programs;
    QStringList allFiles;
    WhenModalOpens([&](QWidget* modal) {
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
    });
    DesktopLaunchPlatform(nullptr).ChooseBrowser(QStringLiteral("title"));
    QDir::setCurrent(savedDirectory);
    EXPECT_EQ(programs, (QStringList{QStringLiteral("browsers"), QStringLiteral("program")}));
    EXPECT_EQ(allFiles, (QStringList{QStringLiteral("browsers"), QStringLiteral("notes.txt"),
                                     QStringLiteral("program")}));
}

TEST(WebLauncher, ProgramThatDoesNotExistReportsFailure) {
    DesktopLaunchPlatform platform(nullptr);
    for (const QByteArray& missing :
         {QByteArray("/nonexistent/cobblewell-browser"), QByteArray("/nonexistent/n\xE9tsurfer")})
        EXPECT_FALSE(LaunchSucceeded(platform.StartBrowser(missing, kAddress))) << missing.data();
}

// A path that is not UTF-8 (a Latin-1 folder name, say) still names the program: its bytes
// reach the program start unchanged, and so does the address.
TEST(WebLauncher, AProgramIsStartedByTheExactBytesOfItsPath) {
    QTemporaryDir folder;
    const QByteArray program = QFile::encodeName(folder.path()) + "/n\xE9t\xFFsurfer";
    std::ofstream(program.toStdString())
        << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$1\" > \"${0%/*}/started.tmp\"\n"
        << "mv \"${0%/*}/started.tmp\" \"${0%/*}/started\"\n";
    // Qt's folder removal cannot name a file that is not UTF-8, so it would leave this one.
    const auto removeProgram = qScopeGuard([&program] { unlink(program.constData()); });
    ASSERT_EQ(chmod(program.constData(), 0755), 0);
    DesktopLaunchPlatform platform(nullptr);
    ASSERT_TRUE(LaunchSucceeded(platform.StartBrowser(program, kAddress)));
    QFile started(folder.filePath(QStringLiteral("started")));
    ASSERT_TRUE(QTest::qWaitFor([&started] { return started.exists(); }, 10000));
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll(), program + '\n' + kAddress.toUtf8() + '\n');
}

} // namespace
} // namespace cw
