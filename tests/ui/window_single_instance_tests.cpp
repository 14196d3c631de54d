// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"
#include "ui/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <future>

namespace cw::test {
namespace {

// A later start of another process, played by another thread while this one runs the game's
// event loop.
Election LaterStart(const QString& folder, const QByteArray& token) {
    qputenv("XDG_ACTIVATION_TOKEN", token);
    auto answer =
        std::async(std::launch::async, [&folder] { return SingleInstance({}, folder).Elect(); });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    qunsetenv("XDG_ACTIVATION_TOKEN");
    return answer.get();
}

// A game in a child process that claims the folder and stops, as Ctrl+Z stops it: it holds the
// claim and never answers.
pid_t StoppedGame(const QString& folder) {
    const pid_t game = fork();
    if (game == 0) {
        SingleInstance held([](const QByteArray&) { return false; }, folder);
        if (held.Elect() == Election::Elected)
            raise(SIGSTOP);
        _exit(1);
    }
    int status = 0;
    waitpid(game, &status, WUNTRACED);
    return WIFSTOPPED(status) ? game : -1;
}

TEST(SingleInstance, LaterStartHandsItsTokenToTheRunningGameAndLearnsOfADialog) {
    const QTemporaryDir folder;
    QList<QByteArray> tokens;
    SingleInstance running(
        [&tokens](const QByteArray& token) {
            tokens.append(token);
            return tokens.size() == 2; // a modal dialog is open by then
        },
        folder.path());
    ASSERT_EQ(running.Elect(), Election::Elected);
    EXPECT_EQ(LaterStart(folder.path(), "b7a9fa1dceb4661b"), Election::Shown);
    EXPECT_EQ(LaterStart(folder.path(), "two words"), Election::Busy);
    EXPECT_EQ(tokens, QList<QByteArray>({"b7a9fa1dceb4661b", ""}));
}

// The start then says so and opens no game; once the stopped game is killed, the next start
// takes its claim over. A folder where no lock can be made leaves the game without the rule.
TEST(SingleInstance, StartBesideAStoppedGameSaysSoAndTakesOverOnceItIsKilled) {
    const QTemporaryDir folder;
    const pid_t game = StoppedGame(folder.path());
    ASSERT_GT(game, 0);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    QString said;
    QTimer::singleShot(0, [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        } else {
            QApplication::closeAllWindows(); // a second game opened: the test ends it
        }
    });
    EXPECT_EQ(RunApplication(*qApp), 0);
    qputenv("XDG_RUNTIME_DIR", runtime);
    EXPECT_EQ(said, "Cobblewell is already running but does not respond.");
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    EXPECT_EQ(SingleInstance({}, folder.path()).Elect(), Election::Elected);
    EXPECT_EQ(SingleInstance({}, folder.path() + "/gone").Elect(), Election::Unruled);
}

} // namespace
} // namespace cw::test
