// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include "x11/startup_id.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <algorithm>

namespace cw {
namespace {

// The lock file and the socket beside it take the main window's class name.
constexpr char kName[] = "CW:MAIN";
constexpr int kRetryMs = 50;
constexpr char kActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";
constexpr char kStartupIdVariable[] = "DESKTOP_STARTUP_ID";

Election Unruled(const QString& why) {
    qWarning("cobblewell: %s; this game runs without the rule of one game per player",
             qUtf8Printable(why));
    return Election::Unruled;
}

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

// The rule of kMaxTokenLength.
QByteArray OneWord(const QByteArray& token) {
    const bool oneWord = token.size() <= kMaxTokenLength &&
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

SingleInstance::SingleInstance(Activate activate, QString folder, const QString& module)
    : activate_(std::move(activate)), folder_(std::move(folder)), module_(module),
      lock_(folder_ + u'/' + QLatin1String(kName) + QLatin1String(".lock")) {
    // The game holds its lock for hours, so age tells nothing: a lock is stale only when its
    // process has gone, which QLockFile sees by the number in it.
    lock_.setStaleLockTime(0);
}

QString SingleInstance::RuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString SingleInstance::SocketModule() {
    return QCoreApplication::applicationDirPath() + QLatin1String("/" COBBLEWELL_SOCKET_MODULE);
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
    do {
        if (lock_.tryLock(0))
            return Election::Elected;
        if (lock_.error() != QLockFile::LockFailedError)
            return Unruled(QStringLiteral("cannot create %1").arg(lock_.fileName()));
        const auto ask = reinterpret_cast<decltype(&cwAskAt)>(module_.resolve("cwAskAt"));
        if (ask == nullptr)
            return Unruled(module_.errorString());
        const Election answer = ask(SocketPath(), LaunchActivationToken(), Remaining(deadline));
        if (answer != Election::Silent)
            return answer;
        QThread::msleep(kRetryMs);
    } while (!deadline.hasExpired());
    return Election::Silent;
}

void SingleInstance::Listen() {
    if (!lock_.isLocked())
        return;
    const auto listen = reinterpret_cast<decltype(&cwListenAt)>(module_.resolve("cwListenAt"));
    QString why = module_.errorString();
    if (listen != nullptr)
        // The token goes on to the window system, so it keeps to the same rule here.
        server_.reset(listen(
            SocketPath(), [this](const QByteArray& line) { return activate_(OneWord(line)); },
            why));
    if (server_ != nullptr)
        return;
    lock_.unlock();
    Unruled(why);
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
