#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace joyvane::app {
namespace {
const QByteArray kReopen = "reopen\n";
const QByteArray kDone = "ok\n";

QString runtimeFolder() {
    // Qt checks $XDG_RUNTIME_DIR (owned by the user, mode 0700) and falls back to a private
    // folder of its own when it is unset or unsafe.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}
}  // namespace

SingleInstance::SingleInstance(QString name, QString folder) {
    if (folder.isEmpty()) {
        folder = runtimeFolder();
    }
    socketPath_ = QDir(folder).filePath(name + QStringLiteral(".socket"));
    lockPath_ = QDir(folder).filePath(name + QStringLiteral(".lock"));
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::start(std::function<void()> onReopen) {
    onReopen_ = std::move(onReopen);
    const QString folder = QFileInfo(lockPath_).absolutePath();
    if (!QDir().mkpath(folder)) {
        error_ = QStringLiteral("Cannot create the folder %1.").arg(folder);
        return Role::failed;
    }
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock whose process is gone is stale and removed by tryLock; a live one is never stale.
    lock_->setStaleLockTime(0);
    QDeadlineTimer deadline(kTimeoutMs);
    while (!deadline.hasExpired()) {
        if (lock_->tryLock(0)) {
            return listen() ? Role::primary : Role::failed;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            error_ = QStringLiteral("Cannot use the lock file %1.").arg(lockPath_);
            return Role::failed;
        }
        if (tellRunningInstance()) {
            return Role::secondary;
        }
        // The running program may still be starting up, or just exiting.
        QThread::msleep(50);
    }
    error_ = QStringLiteral("Another Joyvane is running but does not answer.");
    return Role::failed;
}

bool SingleInstance::listen() {
    // Whatever socket is there belongs to a run that ended without cleaning up.
    QLocalServer::removeServer(socketPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        error_ =
            QStringLiteral("Cannot listen on %1: %2.").arg(socketPath_, server_->errorString());
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->canReadLine()) {
                    return;
                }
                if (client->readLine() == kReopen) {
                    client->write(kDone);
                    client->flush();
                    if (onReopen_) {
                        onReopen_();
                    }
                }
                client->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::tellRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write(kReopen);
    if (!socket.waitForBytesWritten(1000)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(1000)) {
            return false;
        }
    }
    return socket.readLine() == kDone;
}

}  // namespace joyvane::app
