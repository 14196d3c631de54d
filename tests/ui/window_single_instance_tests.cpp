// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <future>

namespace cw::test {
namespace {

const QString kModule = QStringLiteral(COBBLEWELL_SOCKET_MODULE_FILE);

// A later start of another process, played by a thread while this one runs the game's loop.
Election LaterStart(const QString& folder, const QByteArray& token) {
    qputenv("XDG_ACTIVATION_TOKEN", token);
    auto answer = std::async(std::launch::async,
                             [&folder] { return SingleInstance({}, folder, kModule).Elect(); });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answer.get();
}

TEST(SingleInstance, LaterStartHandsItsTokenToTheRunningGameOrLearnsOfADialog) {
    const QTemporaryDir folder;
    QList<QByteArray> tokens;
    SingleInstance running(
        [&tokens](const QByteArray& token) {
            tokens.append(token);
            return tokens.size() == 2; // a modal dialog is open for the second only
        },
        folder.path(), kModule);
    ASSERT_EQ(running.Elect(), Election::Elected);
    running.Listen();
    EXPECT_EQ(LaterStart(folder.path(), "b7a9fa1dceb4661b"), Election::Shown);
    EXPECT_EQ(LaterStart(folder.path(), "two words"), Election::Busy);
    // Without an activation token a start hands on the startup id (X11) its launch gave it.
    qputenv("DESKTOP_STARTUP_ID", "cobblewell-test_TIME12345");
    KeepLaunchStartupId();
    qunsetenv("DESKTOP_STARTUP_ID");
    EXPECT_EQ(LaterStart(folder.path(), ""), Election::Shown);
    EXPECT_EQ(tokens, QList<QByteArray>({"b7a9fa1dceb4661b", "", "cobblewell-test_TIME12345"}));
    // Where no lock can be made, or the socket module is missing, the game runs without the
    // rule, and without waiting.
    EXPECT_EQ(SingleInstance({}, folder.path() + "/gone").Elect(), Election::Unruled);
    EXPECT_EQ(SingleInstance({}, folder.path(), "missing.so").Elect(), Election::Unruled);
    const QTemporaryDir alone;
    SingleInstance without({}, alone.path(), "missing.so");
    ASSERT_EQ(without.Elect(), Election::Elected);
    without.Listen(); // gives up the claim it cannot answer for
    EXPECT_EQ(SingleInstance({}, alone.path(), kModule).Elect(), Election::Elected);
}

} // namespace
} // namespace cw::test
