#include "app/single_instance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include "app/runtime_folder.h"

namespace joyvane::app {
namespace {
const QByteArray kReopen = "reopen\n";
const QByteArray kDone = "ok\n";

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(const QLocalSocket& socket) {
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED,
                        &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}
}  // namespace

SingleInstance::SingleInstance(QString name, QString folder) {
    if (folder.isEmpty()) {
        QString why;
        folder = privateRuntimeFolder(&why).value_or(QString());
        if (folder.isEmpty()) {
            error_ = why + QStringLiteral("; running without the check for another Joyvane.");
            return;
        }
    }
    socketPath_ = QDir(folder).filePath(name + QStringLiteral(".socket"));
    lockPath_ = QDir(folder).filePath(name + QStringLiteral(".lock"));
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::start(std::function<void()> onReopen) {
    if (lockPath_.isEmpty()) {
        return Role::alone;
    }
    onReopen_ = std::move(onReopen);
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock whose process is gone is stale and removed by tryLock; a live one is never stale.
    lock_->setStaleLockTime(0);
    // Nothing listening at all is a crashed run, once the other launch has had a moment to
    // go from its lock to its socket; a listener that does not answer gets the full timeout.
    QDeadlineTimer silentDeadline(kTimeoutMs);
    QDeadlineTimer nobodyDeadline(kNobodyGraceMs);
    for (;;) {
        if (lock_->tryLock(0)) {
            return listen() ? Role::primary : Role::failed;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            error_ = QStringLiteral("Cannot use the lock file %1.").arg(lockPath_);
            return Role::failed;
        }
        const Answer answer = tellRunningInstance();
        if (answer == Answer::reopened) {
            return Role::secondary;
        }
        if (silentDeadline.hasExpired() ||
            (answer == Answer::nobody && nobodyDeadline.hasExpired())) {
            // Whatever holds the lock is not a running Joyvane of this user: take it over.
            if (!lock_->removeStaleLockFile() || !lock_->tryLock(0)) {
                error_ = QStringLiteral("Cannot take over the lock file %1.").arg(lockPath_);
                return Role::failed;
            }
            return listen() ? Role::primary : Role::failed;
        }
        if (answer == Answer::silent) {
            nobodyDeadline.setRemainingTime(kNobodyGraceMs);
        }
        QThread::msleep(50);
    }
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
            serve(client);
        }
    });
    return true;
}

void SingleInstance::serve(QLocalSocket* client) {
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    auto drop = [client] {
        client->abort();
        client->deleteLater();
    };
    if (!peerIsThisUser(*client)) {
        drop();
        return;
    }
    client->setReadBufferSize(kMaxMessage);
    QTimer::singleShot(kClientTimeoutMs, client, drop);
    connect(client, &QLocalSocket::readyRead, this, [this, client, drop] {
        if (!client->canReadLine()) {
            if (client->bytesAvailable() >= kMaxMessage) {
                drop();
            }
            return;
        }
        if (client->readLine(kMaxMessage) == kReopen) {
            client->write(kDone);
            client->flush();
            if (onReopen_) {
                onReopen_();
            }
        }
        client->disconnectFromServer();
    });
}

SingleInstance::Answer SingleInstance::tellRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(500) || !peerIsThisUser(socket)) {
        return Answer::nobody;
    }
    socket.write(kReopen);
    if (!socket.waitForBytesWritten(1000)) {
        return Answer::silent;
    }
    socket.setReadBufferSize(kMaxMessage);
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() >= kMaxMessage || !socket.waitForReadyRead(1000)) {
            return Answer::silent;
        }
    }
    return socket.readLine(kMaxMessage) == kDone ? Answer::reopened : Answer::silent;
}

}  // namespace joyvane::app
