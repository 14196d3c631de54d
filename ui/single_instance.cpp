// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include "ui/single_instance_protocol.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace cw {
namespace {

constexpr int kConnectTimeoutMs = 500;
// A later start sends its request as soon as it is connected.
constexpr int kRequestDeadlineMs = 1000;
// How long an answer waits for the game's own thread. A thread that takes longer is in a pause
// of the rules, when no dialog is open, so "shown" is true: the window comes forward once free.
constexpr int kActivationWaitMs = 300;
// Few connections at a time; a flood of idle ones costs the game nothing but these.
constexpr std::size_t kMaxConnections = 8;
constexpr int kAcceptsPerWake = 16;
constexpr int kAcceptRetryMs = 100;
constexpr int kListenBacklog = 64;
constexpr int kStartWaitMs = 2000;
// Where a launcher puts the activation token of the program it starts (Wayland).
constexpr char kActivationTokenVariable[] = "XDG_ACTIVATION_TOKEN";

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Abstract socket names carry no file permissions, so the peer's user is checked instead.
bool PeerIsSameUser(int descriptor) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return credentials.uid == getuid();
}

// The same bytes QLocalSocket connects to with its abstract-namespace option.
int ListenOn(const QString& key) {
    const QByteArray name = key.toUtf8();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(name.size()) + 1 > sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0)
        return -1;
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        listen(listener, kListenBacklog) != 0) {
        const int error = errno;
        close(listener);
        errno = error;
        return -1;
    }
    return listener;
}

} // namespace

// Answers later starts on its own thread. It accepts with its own descriptor rather than
// through QLocalServer, which gives up the name for good after one failed accept.
class InstanceServer : public QObject {
public:
    InstanceServer(int listener, std::function<void(quint64, QByteArray)> askGame)
        : listener_(listener), askGame_(std::move(askGame)) {}

    ~InstanceServer() override {
        delete notifier_;
        close(listener_);
    }

    // On the server's thread, once it runs.
    void Start() {
        notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &InstanceServer::AcceptPending);
        started_.release();
    }

    // Until then the thread may still need descriptors of its own (its event dispatcher's).
    void WaitUntilStarted() { started_.tryAcquire(1, kStartWaitMs); }

    void Answer(quint64 request, bool busy) {
        const auto peer = std::find_if(peers_.begin(), peers_.end(),
                                       [request](const Peer& p) { return p.request == request; });
        if (peer == peers_.end())
            return; // answered already, or gone
        QLocalSocket* socket = peer->socket;
        peers_.erase(peer);
        const std::string_view answer = busy ? kBusyAnswer : kShownAnswer;
        socket->write(answer.data(), static_cast<qint64>(answer.size()));
        socket->disconnectFromServer(); // its disconnected() then deletes it
    }

private:
    struct Peer {
        QLocalSocket* socket = nullptr;
        QByteArray received;
        quint64 request = 0; // nonzero once the request is complete and handed to the game
    };

    void AcceptPending() {
        for (int i = 0; i < kAcceptsPerWake; ++i) {
            const int descriptor =
                accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (descriptor >= 0) {
                Adopt(descriptor);
                continue;
            }
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            // Out of descriptors or memory: the connection stays queued until some are free.
            // The notifier rests meanwhile, or it would fire again at once.
            if (!acceptFailureLogged_)
                qWarning("Cobblewell: cannot accept a later start (%s); trying again",
                         std::strerror(errno));
            acceptFailureLogged_ = true;
            notifier_->setEnabled(false);
            // The notifier is the timer's context: a server closed meanwhile cancels the retry.
            QSocketNotifier* notifier = notifier_;
            QTimer::singleShot(kAcceptRetryMs, notifier,
                               [notifier] { notifier->setEnabled(true); });
            return;
        }
    }

    void Adopt(int descriptor) {
        if (!PeerIsSameUser(descriptor)) {
            close(descriptor);
            return;
        }
        if (peers_.size() >= kMaxConnections) {
            // The oldest connection still owing its request makes room; one whose request is
            // being answered is kept.
            const auto idle = std::find_if(peers_.begin(), peers_.end(),
                                           [](const Peer& p) { return p.request == 0; });
            if (idle == peers_.end()) {
                close(descriptor);
                return;
            }
            Drop(idle->socket);
        }
        auto* socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            close(descriptor);
            return;
        }
        peers_.push_back(Peer{socket, {}, 0});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { Drop(socket); });
        QTimer::singleShot(kRequestDeadlineMs, socket, [this, socket] {
            const auto peer = std::find_if(peers_.begin(), peers_.end(),
                                           [socket](const Peer& p) { return p.socket == socket; });
            if (peer != peers_.end() && peer->request == 0)
                Drop(socket);
        });
        Read(socket); // the request may have come with the connection
    }

    void Read(QLocalSocket* socket) {
        const auto peer = std::find_if(peers_.begin(), peers_.end(),
                                       [socket](const Peer& p) { return p.socket == socket; });
        if (peer == peers_.end() || peer->request != 0)
            return;
        peer->received +=
            socket->read(static_cast<qint64>(kMaxExchangeLine) - peer->received.size());
        const ActivateRequest parsed = ParseActivateRequest(View(peer->received));
        if (parsed.verdict == kLineIncomplete)
            return;
        if (parsed.verdict != 0) {
            Drop(socket);
            return;
        }
        const quint64 request = ++lastRequest_;
        peer->request = request;
        askGame_(request,
                 QByteArray(parsed.token.data(), static_cast<qsizetype>(parsed.token.size())));
        QTimer::singleShot(kActivationWaitMs, socket, [this, request] { Answer(request, false); });
    }

    void Drop(QLocalSocket* socket) {
        std::erase_if(peers_, [socket](const Peer& p) { return p.socket == socket; });
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }

    const int listener_;
    const std::function<void(quint64, QByteArray)> askGame_;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<Peer> peers_;
    quint64 lastRequest_ = 0;
    bool acceptFailureLogged_ = false;
    QSemaphore started_;
};

QString SingleInstanceKey() {
    return QStringLiteral("CW:MAIN-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {}

SingleInstance::~SingleInstance() {
    thread_.quit();
    thread_.wait();
}

RunningInstance SingleInstance::AskRunningInstance(int answerTimeoutMs) const {
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(key_);
    if (!socket.waitForConnected(kConnectTimeoutMs) ||
        !PeerIsSameUser(static_cast<int>(socket.socketDescriptor())))
        return RunningInstance::None;
    const std::string request = MakeActivateRequest(View(LaunchActivationToken()));
    socket.write(request.data(), static_cast<qint64>(request.size()));
    socket.flush();
    const QDeadlineTimer deadline(answerTimeoutMs);
    QByteArray received;
    for (;;) {
        received += socket.read(static_cast<qint64>(kMaxExchangeLine) - received.size());
        switch (MatchLine(View(received), {kShownAnswer, kBusyAnswer})) {
        case 0:
            return RunningInstance::Activated;
        case 1:
            return RunningInstance::Busy;
        case kLineIncomplete:
            break;
        default:
            return RunningInstance::None;
        }
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return RunningInstance::None;
    }
}

bool SingleInstance::Listen(std::function<bool(const QByteArray&)> activate) {
    if (server_ != nullptr)
        return true;
    const int listener = ListenOn(key_);
    if (listener < 0) {
        qWarning("Cobblewell: cannot take the name %s (%s); this game runs without the "
                 "single-instance rule",
                 qPrintable(key_), std::strerror(errno));
        return false;
    }
    activate_ = std::move(activate);
    server_ = new InstanceServer(listener, [this](quint64 request, const QByteArray& token) {
        QMetaObject::invokeMethod(
            this, [this, request, token] { Activate(request, token); }, Qt::QueuedConnection);
    });
    server_->moveToThread(&thread_);
    connect(&thread_, &QThread::started, server_, &InstanceServer::Start);
    connect(&thread_, &QThread::finished, server_, &QObject::deleteLater);
    thread_.start();
    server_->WaitUntilStarted();
    return true;
}

void SingleInstance::Activate(quint64 request, const QByteArray& activationToken) {
    const bool busy = activate_ && activate_(activationToken);
    InstanceServer* server = server_;
    QMetaObject::invokeMethod(
        server, [server, request, busy] { server->Answer(request, busy); }, Qt::QueuedConnection);
}

QByteArray LaunchActivationToken() {
    const QByteArray token = qgetenv(kActivationTokenVariable);
    return IsActivationToken(View(token)) ? token : QByteArray();
}

bool ActivateUnlessBusy(QWidget* window, const QByteArray& activationToken) {
    if (QApplication::activeModalWidget() != nullptr)
        return true;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->showNormal();
    window->raise();
    // Qt's Wayland plugin hands the compositor the token it finds in this variable when the
    // window asks to be activated, and a compositor raises a window only for a valid token.
    const bool lendToken =
        !activationToken.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland");
    if (lendToken)
        qputenv(kActivationTokenVariable, activationToken);
    window->activateWindow();
    // The token was the other start's, for this one activation: programs the game starts later
    // (a browser) must not inherit it.
    if (lendToken)
        qunsetenv(kActivationTokenVariable);
    return false;
}

} // namespace cw
