#include "ui/single_instance.h"

#include <QApplication>
#include <QDialog>
#include <QLocalSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <future>
#include <memory>

namespace cw::test {
namespace {

// A name of its own per test, so tests never reach a real game or each other.
QString TestKey() {
    static int counter = 0;
    return QStringLiteral("CW:MAIN-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

// The later start runs on another thread, as it would in another process, while this thread
// runs the event loop of the running game.
RunningInstance AskFromAnotherStart(const QString& key, int answerTimeoutMs = 3000) {
    auto answer = std::async(std::launch::async, [key, answerTimeoutMs] {
        return SingleInstance(key).AskRunningInstance(answerTimeoutMs);
    });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answer.get();
}

TEST(SingleInstance, FirstStartFindsNobodyAndTakesTheName) {
    SingleInstance first(TestKey());
    EXPECT_EQ(first.AskRunningInstance(), RunningInstance::None);
    EXPECT_TRUE(first.Listen([] { return false; }));
}

TEST(SingleInstance, LaterStartBringsTheRunningGameForward) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations] {
        ++activations;
        return false;
    }));
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
    EXPECT_EQ(activations, 1);
}

TEST(SingleInstance, LaterStartLearnsOfAnOpenDialog) {
    const QString key = TestKey();
    SingleInstance running(key);
    ASSERT_TRUE(running.Listen([] { return true; }));
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Busy);
}

// The name of a game that has gone, however it went, is free again at once.
TEST(SingleInstance, NameOfAGoneGameDoesNotStopANewStart) {
    const QString key = TestKey();
    auto gone = std::make_unique<SingleInstance>(key);
    ASSERT_TRUE(gone->Listen([] { return false; }));
    gone.reset();
    SingleInstance next(key);
    EXPECT_EQ(next.AskRunningInstance(), RunningInstance::None);
    EXPECT_TRUE(next.Listen([] { return false; }));
}

// A game blocked in a long move accepts the connection but cannot answer: the later start
// still ends instead of opening a second game.
TEST(SingleInstance, BusyGameThatCannotAnswerStillCountsAsRunning) {
    const QString key = TestKey();
    SingleInstance running(key);
    ASSERT_TRUE(running.Listen([] { return false; }));
    auto answer = std::async(std::launch::async,
                             [key] { return SingleInstance(key).AskRunningInstance(200); });
    EXPECT_EQ(answer.get(), RunningInstance::Activated); // no event loop ran meanwhile
}

TEST(SingleInstance, OtherRequestsActivateNothing) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations] {
        ++activations;
        return false;
    }));
    for (const QByteArray& request : {QByteArray("hello\n"), QByteArray(200, 'x')}) {
        auto sent = std::async(std::launch::async, [key, request] {
            QLocalSocket socket;
            socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
            socket.connectToServer(key);
            if (!socket.waitForConnected(500))
                return false;
            socket.write(request);
            socket.waitForBytesWritten(500);
            socket.waitForDisconnected(2000);
            return true;
        });
        while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_TRUE(sent.get());
    }
    EXPECT_EQ(activations, 0);
}

TEST(SingleInstance, ActivationRestoresAMinimisedWindow) {
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    EXPECT_FALSE(ActivateUnlessBusy(&window));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

TEST(SingleInstance, ActivationLeavesTheWindowAloneWhileADialogIsOpen) {
    QWidget window;
    window.showMinimized();
    QDialog dialog(&window);
    bool busy = false;
    QTimer::singleShot(0, &dialog, [&] {
        busy = ActivateUnlessBusy(&window);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(busy);
    EXPECT_TRUE(window.isMinimized());
}

} // namespace
} // namespace cw::test
