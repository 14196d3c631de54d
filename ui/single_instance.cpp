// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include "x11/startup_id.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <algorithm>

namespace cw {
namespace {

// The lock file and the socket beside it take the main window's class name.
constexpr char kName[] = "CW:MAIN";
constexpr int kRetryMs = 50;
constexpr qsizetype kMaxToken = 255;
constexpr char kActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";
constexpr char kStartupIdVariable[] = "DESKTOP_STARTUP_ID";
const QByteArray kShown = QByteArrayLiteral("shown\n");
const QByteArray kBusy = QByteArrayLiteral("busy\n");

Election Unruled(const QString& why) {
    qWarning("cobblewell: %s; this game runs without the rule of one game per player",
             qUtf8Printable(why));
    return Election::Unruled;
}

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

// A token travels as one line of printable ASCII without spaces, or not at all.
QByteArray OneWord(const QByteArray& token) {
    const bool oneWord = token.size() <= kMaxToken &&
                         std::ranges::all_of(token, [](char c) { return c > ' ' && c < 0x7f; });
    return oneWord ? token : QByteArray();
}

QByteArray keptStartupId;

QByteArray LaunchActivationToken() {
    const QByteArray token = OneWord(qgetenv(kActivationTokenVariable));
    return token.isEmpty() ? OneWord(keptStartupId) : token;
}

// Qt's Wayland plugin hands the compositor the token it finds in this variable when the window
// asks to be activated, and a compositor raises a window only for a valid token.
void ActivateWithToken(QWidget* window, const QByteArray& activationToken) {
    const bool lendToken =
        !activationToken.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland");
    if (lendToken)
        qputenv(kActivationTokenVariable, activationToken);
    window->activateWindow();
    // The token was the other start's, for this one activation: programs the game starts later
    // (a browser) must not inherit it.
    if (lendToken)
        qunsetenv(kActivationTokenVariable);
}

} // namespace

SingleInstance::SingleInstance(Activate activate, QString folder, QObject* parent)
    : QObject(parent), activate_(std::move(activate)), folder_(std::move(folder)),
      lock_(folder_ + u'/' + QLatin1String(kName) + QLatin1String(".lock")) {
    // The game holds its lock for hours, so age tells nothing: a lock is stale only when its
    // process has gone, which QLockFile sees by the number in it.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
}

QString SingleInstance::RuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString SingleInstance::SocketPath() const {
    return folder_ + u'/' + QLatin1String(kName);
}

// The claim comes first and the question only when it fails, so that of starts released
// together exactly one becomes the game. Until the deadline a failed claim is tried again: the
// holder may not listen yet, or may be ending.
Election SingleInstance::Elect(int answerWaitMs) {
    if (folder_.isEmpty())
        return Unruled(QStringLiteral("no runtime folder (XDG_RUNTIME_DIR)"));
    const QDeadlineTimer deadline(answerWaitMs);
    QLocalSocket socket;
    do {
        if (lock_.tryLock(0))
            return Listen();
        if (lock_.error() != QLockFile::LockFailedError)
            return Unruled(QStringLiteral("cannot create %1").arg(lock_.fileName()));
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(Remaining(deadline))) {
            const Election answer = Ask(socket, Remaining(deadline));
            if (answer != Election::Silent)
                return answer;
            socket.abort();
        }
        QThread::msleep(kRetryMs);
    } while (!deadline.hasExpired());
    return Election::Silent;
}

Election SingleInstance::Listen() {
    // Only the lock's holder listens, so a socket already there is a gone game's.
    QLocalServer::removeServer(SocketPath());
    if (server_.listen(SocketPath()))
        return Election::Elected;
    const QString why =
        QStringLiteral("cannot listen on %1 (%2)").arg(SocketPath(), server_.errorString());
    lock_.unlock();
    return Unruled(why);
}

Election SingleInstance::Ask(QLocalSocket& socket, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    socket.write(LaunchActivationToken() + '\n');
    socket.flush();
    while (!socket.canReadLine() && socket.waitForReadyRead(Remaining(deadline))) {
    }
    const QByteArray answer = socket.readLine();
    if (answer == kBusy)
        return Election::Busy;
    return answer == kShown ? Election::Shown : Election::Silent;
}

void SingleInstance::Answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxToken + 1)
            socket->abort();
        return;
    }
    // The token goes on to the window system, so it keeps to the same rule here.
    const QByteArray token = OneWord(socket->readLine().trimmed());
    socket->write(activate_(token) ? kBusy : kShown);
    socket->disconnectFromServer();
}

void KeepLaunchStartupId() {
    keptStartupId = qgetenv(kStartupIdVariable);
}

bool ActivateUnlessBusy(QWidget* window, const QByteArray& activationToken) {
    // Either way the later start's launch is over, and its launcher stops showing it.
    if (QApplication::activeModalWidget() != nullptr) {
        EndStartup(activationToken);
        return true;
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->showNormal();
    // A window manager weighs the activation by the launch that asked for it, named on the
    // window before it comes forward; the launch is over once it has.
    AdoptStartupId(window->winId(), activationToken);
    window->raise();
    ActivateWithToken(window, activationToken);
    EndStartup(activationToken);
    return false;
}

} // namespace cw
