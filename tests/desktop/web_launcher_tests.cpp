#include "desktop/web_launcher.h"
#include "test_support.h"

#include <QFileDialog>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

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
    std::int32_t StartBrowser(const QString& program, const QString& address) override {
        log << QStringLiteral("run %1 %2").arg(program, address);
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
    QString browserPath = QStringLiteral("/usr/bin/browser");
    EXPECT_EQ(OpenWebAddress(QString(), browserPath, platform), kNothingToOpen);
    EXPECT_TRUE(platform.log.isEmpty());
    EXPECT_EQ(browserPath, QStringLiteral("/usr/bin/browser"));
}

TEST(WebLauncher, RunningBrowserOpensAddressAndIsBroughtForward) {
    FakeLaunchPlatform platform;
    platform.RunningBrowserReplies(QByteArray("\x2A\x01\x00\x00", 4));
    QString browserPath;
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
    QString browserPath;
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
    QString browserPath;
    OpenWebAddress(kAddress, browserPath, platform);
    EXPECT_TRUE(platform.log.contains(QStringLiteral("request 0xFBE,0x0")));
}

TEST(WebLauncher, BrowserThatTookTheAddressCountsEvenIfItCannotBeBroughtForward) {
    FakeLaunchPlatform platform;
    platform.RunningBrowserReplies(QByteArray("\x01\x00\x00\x00", 4));
    platform.control.answeringTopics.remove(QStringLiteral("WWW_Activate"));
    QString browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kRunningBrowserTookIt);
    EXPECT_FALSE(platform.log.filter(QStringLiteral("desktop")).size());
    EXPECT_EQ(platform.log.last(), QStringLiteral("end session"));
}

TEST(WebLauncher, NoRunningBrowserFallsThroughToTheDesktop) {
    FakeLaunchPlatform silent; // a conversation starts, but no data comes back
    silent.control.answeringTopics = {QStringLiteral("WWW_OpenURL")};
    silent.desktopResult = 42;
    QString browserPath;
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
    QString browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kLaunchStarted);
    EXPECT_EQ(browserPath, platform.chosenProgram);
    const QStringList steps =
        platform.log.mid(platform.log.indexOf(QStringLiteral("end session")) + 1);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("desktop ") + kAddress,
                                  QStringLiteral("choose Select Web Browser to go to ") + kAddress,
                                  QStringLiteral("run /opt/web browser/run ") + kAddress}));
}

TEST(WebLauncher, RememberedBrowserSkipsTheDesktopAndTheQuestion) {
    FakeLaunchPlatform platform;
    QString browserPath = QStringLiteral("/usr/bin/browser");
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), kLaunchStarted);
    EXPECT_TRUE(platform.log.filter(QStringLiteral("desktop")).isEmpty());
    EXPECT_TRUE(platform.log.filter(QStringLiteral("choose")).isEmpty());
    EXPECT_EQ(platform.log.last(), QStringLiteral("run /usr/bin/browser ") + kAddress);
}

TEST(WebLauncher, CancelledChoiceForgetsTheBrowserAndWarns) {
    FakeLaunchPlatform platform;
    platform.desktopResult = 5;
    QString browserPath;
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, platform), 5);
    EXPECT_TRUE(browserPath.isEmpty());
    EXPECT_TRUE(platform.log.filter(QStringLiteral("run")).isEmpty());
    EXPECT_EQ(platform.log.last(), QStringLiteral("warn"));
}

TEST(WebLauncher, BrowserThatFailsToStartIsKeptForNextTime) {
    FakeLaunchPlatform remembered;
    remembered.startResult = kProgramNotFound;
    QString browserPath = QStringLiteral("/gone/browser");
    EXPECT_EQ(OpenWebAddress(kAddress, browserPath, remembered), kProgramNotFound);
    EXPECT_EQ(browserPath, QStringLiteral("/gone/browser"));
    EXPECT_EQ(remembered.log.last(), QStringLiteral("warn"));

    FakeLaunchPlatform chosen;
    chosen.chosenProgram = QStringLiteral("/gone/other");
    chosen.startResult = kProgramNotFound;
    QString emptyPath;
    EXPECT_EQ(OpenWebAddress(kAddress, emptyPath, chosen), kProgramNotFound);
    EXPECT_EQ(emptyPath, QStringLiteral("/gone/other"));
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

TEST(WebLauncher, ProgramThatDoesNotExistReportsFailure) {
    DesktopLaunchPlatform platform(nullptr);
    EXPECT_FALSE(LaunchSucceeded(
        platform.StartBrowser(QStringLiteral("/nonexistent/cobblewell-browser"), kAddress)));
}

} // namespace
} // namespace cw
