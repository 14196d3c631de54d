// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace cw::test {
namespace {

// A name of its own per test, so tests never reach a real game or each other.
QString TestKey() {
    static int counter = 0;
    return QStringLiteral("CW:MAIN-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

// `work` runs on another thread, as it would in another process, while this thread runs the
// event loop of the running game.
template <typename Work> auto FromAnotherProcess(Work work) {
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

RunningInstance AskFromAnotherStart(const QString& key) {
    return FromAnotherProcess([key] { return SingleInstance(key).AskRunningInstance(); });
}

sockaddr_un AbstractAddress(const QString& key, socklen_t& length) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = key.toUtf8();
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

// What any local process can do with the name, without Qt.
int ConnectTo(const QString& key, int descriptor = -1) {
    const int fd = descriptor >= 0 ? descriptor : socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    socklen_t length = 0;
    const sockaddr_un address = AbstractAddress(key, length);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return fd;
    close(fd);
    return -1;
}

int ListenOn(const QString& key) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    socklen_t length = 0;
    const sockaddr_un address = AbstractAddress(key, length);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Lowers this process's descriptor limit so that exactly `spare` more can be opened, until
// destroyed.
class DescriptorLimit {
public:
    explicit DescriptorLimit(int spare) {
        getrlimit(RLIMIT_NOFILE, &saved_);
        int highest = 0;
        DIR* folder = opendir("/proc/self/fd");
        while (const dirent* entry = readdir(folder))
            highest = std::max(highest, std::atoi(entry->d_name));
        closedir(folder);
        rlimit lowered = saved_;
        lowered.rlim_cur = static_cast<rlim_t>(highest + 1);
        setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd; (fd = dup(0)) >= 0;)
            fillers_.push_back(fd);
        lowered.rlim_cur += static_cast<rlim_t>(spare);
        setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() {
        for (int fd : fillers_)
            close(fd);
        setrlimit(RLIMIT_NOFILE, &saved_);
    }

private:
    rlimit saved_{};
    std::vector<int> fillers_;
};

// True once the peer has closed `fd` (end of file), within the deadline.
bool ClosedByPeer(int fd, const QDeadlineTimer& deadline) {
    pollfd waiting{fd, POLLIN, 0};
    char byte = 0;
    return poll(&waiting, 1, static_cast<int>(std::max<qint64>(0, deadline.remainingTime()))) ==
               1 &&
           read(fd, &byte, 1) == 0;
}

TEST(SingleInstance, NameDependsOnTheUserAloneNotOnTheDisplay) {
    qputenv("DISPLAY", ":0");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    const QString key = SingleInstanceKey();
    qputenv("DISPLAY", ":0.0");
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    EXPECT_EQ(SingleInstanceKey(), key);
    EXPECT_TRUE(key.startsWith(u"CW:MAIN"));
    EXPECT_TRUE(key.contains(QString::number(getuid())));
}

TEST(SingleInstance, FirstStartFindsNobodyAndTakesTheName) {
    SingleInstance first(TestKey());
    EXPECT_EQ(first.AskRunningInstance(), RunningInstance::None);
    EXPECT_TRUE(first.Listen([](const QByteArray&) { return false; }));
}

TEST(SingleInstance, LaterStartBringsTheRunningGameForward) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations](const QByteArray&) {
        ++activations;
        return false;
    }));
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
    EXPECT_EQ(activations, 1);
}

// Under Wayland only the token that a launcher gave the later start lets the game come forward;
// a variable that is no token of the kind the game accepts is not passed on, yet the start
// still finds the game.
TEST(SingleInstance, LaterStartHandsOnItsLaunchersActivationToken) {
    const QString key = TestKey();
    SingleInstance running(key);
    QList<QByteArray> tokens;
    ASSERT_TRUE(running.Listen([&tokens](const QByteArray& token) {
        tokens.append(token);
        return false;
    }));
    const QByteArray valid = "b7a9fa1dceb4661bae833c14b732f1dc";
    for (const QByteArray& given : {valid, QByteArray("two words"), QByteArray(256, 'x')}) {
        qputenv("XDG_ACTIVATION_TOKEN", given);
        EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
    }
    qunsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(tokens, QList<QByteArray>({valid, QByteArray(), QByteArray()}));
}

TEST(SingleInstance, LaterStartLearnsOfAnOpenDialog) {
    const QString key = TestKey();
    SingleInstance running(key);
    ASSERT_TRUE(running.Listen([](const QByteArray&) { return true; }));
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Busy);
}

// The name of a game that has gone, however it went, is free again at once.
TEST(SingleInstance, NameOfAGoneGameDoesNotStopANewStart) {
    const QString key = TestKey();
    auto gone = std::make_unique<SingleInstance>(key);
    ASSERT_TRUE(gone->Listen([](const QByteArray&) { return false; }));
    gone.reset();
    SingleInstance next(key);
    EXPECT_EQ(next.AskRunningInstance(), RunningInstance::None);
    EXPECT_TRUE(next.Listen([](const QByteArray&) { return false; }));
}

// A game blocked in a pause of the rules (a long move, a joker's face) still answers in time:
// the later start ends instead of opening a second game, and the game comes forward once free.
TEST(SingleInstance, BlockedGameStillAnswersAndComesForwardLater) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations](const QByteArray&) {
        ++activations;
        return false;
    }));
    auto answer =
        std::async(std::launch::async, [key] { return SingleInstance(key).AskRunningInstance(); });
    EXPECT_EQ(answer.get(), RunningInstance::Activated); // no event loop ran meanwhile
    EXPECT_EQ(activations, 0);
    QTest::qWait(50);
    EXPECT_EQ(activations, 1);
}

// A listener on the name that is not a game of this player's: the new start finds no game,
// cannot take the name and goes on without it.
TEST(SingleInstance, SquatterThatSaysNothingOrGarbageIsNoRunningGame) {
    for (const QByteArray& reply :
         {QByteArray(), QByteArray("shown"), QByteArray("HTTP/1.0 400\r\n")}) {
        const QString key = TestKey();
        const int listener = ListenOn(key);
        ASSERT_GE(listener, 0);
        std::thread squatter([listener, reply] {
            const int fd = accept(listener, nullptr, nullptr);
            if (send(fd, reply.constData(), static_cast<std::size_t>(reply.size()), MSG_NOSIGNAL) <
                0)
                return;
            for (char buffer[64]; read(fd, buffer, sizeof buffer) > 0;) {
            }
            close(fd);
        });
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(SingleInstance(key).AskRunningInstance(), RunningInstance::None) << reply.data();
        // Far above the answer deadline: it catches a start that waits for ever, not a slow
        // machine.
        EXPECT_LT(clock.elapsed(), 10000);
        SingleInstance next(key);
        EXPECT_FALSE(next.Listen([](const QByteArray&) { return false; }));
        squatter.join();
        close(listener);
    }
}

// Even one that speaks the protocol perfectly, if it belongs to another user.
TEST(SingleInstance, ListenerOfAnotherUserIsNoRunningGame) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to run a listener as another user";
    const QString key = TestKey();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        // The listener's credentials are taken when it starts to listen.
        const int listener = setuid(65534) == 0 ? ListenOn(key) : -1;
        if (listener < 0)
            _exit(1);
        if (write(ready[1], "r", 1) != 1)
            _exit(1);
        for (int fd; (fd = accept(listener, nullptr, nullptr)) >= 0; close(fd)) {
            char request[64];
            if (read(fd, request, sizeof request) <= 0 || send(fd, "shown\n", 6, MSG_NOSIGNAL) != 6)
                _exit(1);
            while (read(fd, request, sizeof request) > 0) {
            }
        }
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(SingleInstance(key).AskRunningInstance(), RunningInstance::None);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
}

// Hundreds of connections that never send a request are dropped (at once beyond the limit, the
// rest after the deadline), a real later start is still found, and the game keeps answering.
TEST(SingleInstance, HundredsOfIdleConnectionsNeitherStopNorSilenceTheGame) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations](const QByteArray&) {
        ++activations;
        return false;
    }));
    // Room for the idle connections' own ends, but not for a game that holds every one of them.
    constexpr int kIdle = 300;
    const DescriptorLimit limit(kIdle + 100);
    const std::vector<int> idle = FromAnotherProcess([&key] {
        std::vector<int> connections;
        for (int i = 0; i < kIdle; ++i)
            if (const int fd = ConnectTo(key); fd >= 0)
                connections.push_back(fd);
        return connections;
    });
    EXPECT_EQ(idle.size(), static_cast<std::size_t>(kIdle));
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
    EXPECT_EQ(activations, 2);
    const QDeadlineTimer deadline(5000);
    int dropped = 0;
    for (int fd : idle) {
        dropped += ClosedByPeer(fd, deadline) ? 1 : 0;
        close(fd);
    }
    EXPECT_EQ(dropped, kIdle);
}

// Out of descriptors for a moment, the game cannot accept a connection; it keeps its name and
// answers that connection and later ones once descriptors are free again.
TEST(SingleInstance, ServerKeepsListeningAfterAFailedAccept) {
#if defined(__SANITIZE_ADDRESS__)
    // With no descriptor left, the sanitizers' own runtime cannot read the memory map its type
    // checks need, and reports a false fault; the plain build runs this test.
    GTEST_SKIP() << "no descriptors for the sanitizer runtime";
#endif
    const QString key = TestKey();
    SingleInstance running(key);
    ASSERT_TRUE(running.Listen([](const QByteArray&) { return false; }));
    const int waiting = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(waiting, 0);

    bool connected = false;
    {
        const DescriptorLimit limit(0);
        connected = ConnectTo(key, waiting) == waiting;
        QTest::qWait(300); // the game tries to accept meanwhile, and fails
    }
    ASSERT_TRUE(connected);

    const QByteArray answer = FromAnotherProcess([waiting] {
        char buffer[64] = {};
        pollfd readable{waiting, POLLIN, 0};
        if (send(waiting, "activate\n", 9, MSG_NOSIGNAL) != 9 || poll(&readable, 1, 3000) != 1)
            return QByteArray();
        const ssize_t size = read(waiting, buffer, sizeof buffer);
        return QByteArray(buffer, static_cast<qsizetype>(std::max<ssize_t>(size, 0)));
    });
    close(waiting);
    EXPECT_EQ(answer, "shown\n");
    EXPECT_EQ(AskFromAnotherStart(key), RunningInstance::Activated);
}

TEST(SingleInstance, OtherRequestsActivateNothing) {
    const QString key = TestKey();
    SingleInstance running(key);
    int activations = 0;
    ASSERT_TRUE(running.Listen([&activations](const QByteArray&) {
        ++activations;
        return false;
    }));
    const QByteArray longToken = "activate " + QByteArray(256, 't') + '\n';
    for (const QByteArray& request : {QByteArray("hello\n"), QByteArray(200, 'x'),
                                      QByteArray("activate to\x01ken\n"), longToken}) {
        const bool dropped = FromAnotherProcess([key, request] {
            const int fd = ConnectTo(key);
            const bool sent =
                fd >= 0 && send(fd, request.constData(), static_cast<std::size_t>(request.size()),
                                MSG_NOSIGNAL) >= 0;
            const bool closed = sent && ClosedByPeer(fd, QDeadlineTimer(2000));
            close(fd);
            return closed;
        });
        EXPECT_TRUE(dropped);
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
