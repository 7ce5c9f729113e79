#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace joyvane::app {

// One running program per user. The first launch holds a lock file and listens on a local
// socket in a folder only the user can reach (privateRuntimeFolder); a later launch finds the
// lock taken and asks the running program to reopen. Both ends talk only to a peer of the same
// user id. A lock that nothing answers for (a crashed run, an empty or unreadable file) is taken
// over. The running program reads at most a short line from a client, and drops a client that
// has not sent it within a second.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role { primary, secondary, failed, alone };

    // `folder`: where the lock and socket live; empty means privateRuntimeFolder().
    explicit SingleInstance(QString name = QStringLiteral("joyvane"), QString folder = {});
    ~SingleInstance() override;

    // Primary: listening, `onReopen` runs for every later launch. Secondary: another instance
    // runs and was told to reopen. Failed: `error()` says why in one sentence. Alone: there is
    // no private folder to meet in; run without the check (`error()` says so).
    Role start(std::function<void()> onReopen);

    QString error() const { return error_; }
    QString socketPath() const { return socketPath_; }

    // How long a later launch waits for the running one to answer before it takes the lock
    // over as stale; when nothing listens at all, how long before it does.
    static constexpr int kTimeoutMs = 3000;
    static constexpr int kNobodyGraceMs = 300;
    // The longest message a client may send, and how long it may take.
    static constexpr int kMaxMessage = 256;
    static constexpr int kClientTimeoutMs = 1000;

  private:
    bool listen();
    void serve(QLocalSocket* client);
    enum class Answer { reopened, nobody, silent };
    Answer tellRunningInstance();

    QString socketPath_;
    QString lockPath_;
    QString error_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onReopen_;
};

}  // namespace joyvane::app
