#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace joyvane::app {

// One running program per user. The first launch holds a lock file and listens on a local
// socket in the user's runtime folder ($XDG_RUNTIME_DIR), reachable by the user alone; a later
// launch finds the lock taken and asks the running program to reopen. A lock or socket left by
// a crashed run is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role { primary, secondary, failed };

    // `folder`: where the lock and socket live; empty means the user's runtime folder.
    explicit SingleInstance(QString name = QStringLiteral("joyvane"), QString folder = {});
    ~SingleInstance() override;

    // Primary: listening, `onReopen` runs for every later launch. Secondary: another instance
    // runs and was told to reopen. Failed: `error()` says why in one sentence.
    Role start(std::function<void()> onReopen);

    QString error() const { return error_; }
    QString socketPath() const { return socketPath_; }

    // How long a later launch waits for the running one to answer.
    static constexpr int kTimeoutMs = 3000;

  private:
    bool listen();
    bool tellRunningInstance();

    QString socketPath_;
    QString lockPath_;
    QString error_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onReopen_;
};

}  // namespace joyvane::app
