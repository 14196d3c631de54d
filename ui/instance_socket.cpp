// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kShown = QByteArrayLiteral("shown\n");
const QByteArray kBusy = QByteArrayLiteral("busy\n");

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

} // namespace

QObject* cwListenAt(const QString& path, std::function<bool(const QByteArray& line)> answer,
                    QString& why) {
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer;
    if (!server->listen(path)) {
        why = QStringLiteral("cannot listen on %1 (%2)").arg(path, server->errorString());
        delete server;
        return nullptr;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, answer] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, answer] {
                if (socket->canReadLine()) {
                    socket->write(answer(socket->readLine().trimmed()) ? kBusy : kShown);
                    socket->disconnectFromServer();
                } else if (socket->bytesAvailable() > cw::kMaxTokenLength + 1) {
                    socket->abort();
                }
            });
        }
    });
    return server;
}

cw::Election cwAskAt(const QString& path, const QByteArray& line, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(Remaining(deadline)))
        return cw::Election::Silent;
    socket.write(line + '\n');
    socket.flush();
    while (!socket.canReadLine() && socket.waitForReadyRead(Remaining(deadline))) {
    }
    const QByteArray answer = socket.readLine();
    if (answer == kBusy)
        return cw::Election::Busy;
    return answer == kShown ? cw::Election::Shown : cw::Election::Silent;
}
