#include "ui/single_instance.h"

#include <QApplication>
#include <QLocalSocket>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace cw {
namespace {

constexpr QByteArrayView kActivateRequest = "activate\n";
constexpr QByteArrayView kBusyAnswer = "busy\n";
constexpr QByteArrayView kShownAnswer = "shown\n";
constexpr int kConnectTimeoutMs = 500;
// A request is one short line; anything longer is not from a game of ours.
constexpr qint64 kMaxRequestBytes = 64;

QString DisplayName() {
    const QString platform = QGuiApplication::platformName();
    if (platform == u"wayland")
        return platform + u':' + qEnvironmentVariable("WAYLAND_DISPLAY");
    return platform + u':' + qEnvironmentVariable("DISPLAY");
}

// Abstract socket names carry no file permissions, so the peer's user is checked instead.
bool PeerIsSameUser(const QLocalSocket& socket) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    const int descriptor = static_cast<int>(socket.socketDescriptor());
    if (getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return credentials.uid == getuid();
}

} // namespace

QString SingleInstanceKey() {
    return QStringLiteral("CW:MAIN-%1-%2").arg(getuid()).arg(DisplayName());
}

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AnswerRequest);
}

RunningInstance SingleInstance::AskRunningInstance(int answerTimeoutMs) const {
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(key_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return RunningInstance::None;
    socket.write(kActivateRequest.data(), kActivateRequest.size());
    socket.waitForBytesWritten(answerTimeoutMs);
    while (!socket.canReadLine() && socket.waitForReadyRead(answerTimeoutMs)) {
    }
    return socket.readLine(kMaxRequestBytes) == kBusyAnswer ? RunningInstance::Busy
                                                            : RunningInstance::Activated;
}

bool SingleInstance::Listen(std::function<bool()> activate) {
    activate_ = std::move(activate);
    return server_.listen(key_);
}

void SingleInstance::AnswerRequest() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsSameUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const auto answer = [this, socket] {
            if (socket->bytesAvailable() > kMaxRequestBytes) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine())
                return;
            if (socket->readLine(kMaxRequestBytes) == kActivateRequest) {
                const bool busy = activate_ && activate_();
                const QByteArrayView reply = busy ? kBusyAnswer : kShownAnswer;
                socket->write(reply.data(), reply.size());
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, socket, answer);
        answer(); // the request may have arrived with the connection
    }
}

bool ActivateUnlessBusy(QWidget* window) {
    if (QApplication::activeModalWidget() != nullptr)
        return true;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->showNormal();
    window->raise();
    window->activateWindow();
    return false;
}

} // namespace cw
