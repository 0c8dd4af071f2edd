// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/instance_channel.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <memory>
#include <unistd.h>

namespace kiva {

namespace {

constexpr int kWaitMilliseconds = 2000;

}  // namespace

QString ViewerSocketName(const QString& runtimeDirectory, const QString& display) {
    // A display may be a path or a host name: its safe characters name the socket, and a long one
    // its hash, since a socket's whole path must fit in about 100 bytes.
    QString key = display;
    key.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    if (key.size() > 32)
        key = QString::fromLatin1(QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    const QString name = QStringLiteral("kiva-viewer-%1").arg(::getuid()) + (key.isEmpty() ? QString() : QLatin1Char('-') + key);
    return runtimeDirectory.isEmpty() ? name : runtimeDirectory + QLatin1Char('/') + name;
}

QString ViewerSocketName() {
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return ViewerSocketName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            wayland.isEmpty() ? qEnvironmentVariable("DISPLAY") : wayland);
}

bool HandFilesToRunningViewer(const QStringList& absolutePaths, const QString& socketName) {
    QLocalSocket socket;
    socket.connectToServer(socketName, QIODevice::WriteOnly);
    if (!socket.waitForConnected(kWaitMilliseconds)) return false;
    socket.write(absolutePaths.join(QLatin1Char('\n')).toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(kWaitMilliseconds);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWaitMilliseconds);
    return written;
}

QStringList ParseFileMessage(const QByteArray& message) {
    QStringList paths;
    for (const QByteArray& line : message.split('\n')) {
        const QString path = QString::fromUtf8(line);
        if (path.startsWith(QLatin1Char('/'))) paths << path;
    }
    return paths;
}

InstanceServer::InstanceServer() : server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::Listen(const QString& socketName) {
    if (server_->listen(socketName)) return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
    QLocalSocket probe;
    probe.connectToServer(socketName);
    if (probe.waitForConnected(kWaitMilliseconds)) return false;  // another viewer serves
    QLocalServer::removeServer(socketName);
    return server_->listen(socketName);
}

void InstanceServer::Accept() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        // An oversized message is dropped whole rather than cut into a wrong path.
        auto received = std::make_shared<QByteArray>();
        auto oversized = std::make_shared<bool>(false);
        connect(client, &QLocalSocket::readyRead, client, [client, received, oversized] {
            received->append(client->readAll());
            if (received->size() > kMaxMessageBytes) {
                *oversized = true;
                received->clear();
                client->abort();
            }
        });
        connect(client, &QLocalSocket::disconnected, this, [this, client, received, oversized] {
            if (!*oversized) received->append(client->readAll());
            client->deleteLater();
            const QStringList paths = *oversized ? QStringList() : ParseFileMessage(*received);
            if (!paths.isEmpty()) emit filesReceived(paths);
        });
    }
}

}  // namespace kiva
