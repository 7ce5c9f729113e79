#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include "probe_process.h"

#include "app/runtime_folder.h"

namespace joyvane::app {
namespace {

void makeFolder(const QString& path, mode_t mode) {
    ::mkdir(QFile::encodeName(path).constData(), mode);
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Sets an environment variable for one test and puts the old value back.
class EnvironmentOverride {
  public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvironmentOverride() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST(PrivateRuntimeFolder, OnlyAFolderOfThisUserAloneIsUsed) {
    QTemporaryDir base;
    const QString good = base.filePath("good");
    makeFolder(good, 0700);
    const QString open = base.filePath("open");
    makeFolder(open, 0755);
    const QString link = base.filePath("link");
    QFile::link(good, link);
    const QString tmp = base.filePath("tmp");
    makeFolder(tmp, 01777);
    const QString own = tmp + QStringLiteral("/joyvane-%1").arg(::getuid());

    struct Case {
        QString runtime;   // XDG_RUNTIME_DIR; null: unset
        mode_t ownBefore;  // the mode of our own folder before the start; 0: absent
        bool ownIsLink;    // our own folder is a link planted by someone
        QString expected;  // empty: no private folder
    };
    const Case cases[] = {
        {good, 0, false, good},
        {QString(), 0, false, own},
        {open, 0, false, own},
        {link, 0, false, own},
        {QStringLiteral("relative"), 0, false, own},
        {QString(), 0700, false, own},
        {QString(), 0755, false, QString()},
        {open, 0, true, QString()},
    };
    EnvironmentOverride tmpdir("TMPDIR", QFile::encodeName(tmp));
    for (const Case& c : cases) {
        SCOPED_TRACE((c.runtime + " own mode " + QString::number(c.ownBefore, 8)).toStdString());
        ::rmdir(QFile::encodeName(own).constData());
        QFile::remove(own);
        if (c.ownBefore != 0) {
            makeFolder(own, c.ownBefore);
        }
        if (c.ownIsLink) {
            QFile::link(good, own);
        }
        EnvironmentOverride runtime(
            "XDG_RUNTIME_DIR", c.runtime.isNull() ? QByteArray() : QFile::encodeName(c.runtime));
        QString why;
        EXPECT_EQ(privateRuntimeFolder(&why).value_or(QString()), c.expected);
        EXPECT_EQ(why.isEmpty(), !c.expected.isEmpty()) << why.toStdString();
    }
}

// The running program against clients that misbehave.
class SingleInstanceLimits : public ::testing::Test {
  protected:
    QTemporaryDir runtime;
    QProcess primary;

    void SetUp() override { makeFolder(runtime.path(), 0700); }
    void TearDown() override {
        primary.kill();
        primary.waitForFinished(5000);
    }
    void launch(QProcess& process) {
        ASSERT_TRUE(joyvane::app::testing::startProbe(process, runtime.path()));
    }
    static QByteArray readLine(QProcess& process) {
        return joyvane::app::testing::probeLine(process);
    }
    // A second launch still reaches the running one.
    void expectReopenWorks() {
        QProcess second;
        launch(second);
        ASSERT_TRUE(second.waitForFinished(5000));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(readLine(primary), "reopen");
    }
};

TEST_F(SingleInstanceLimits, AClientSendingTooMuchOrNothingIsDropped) {
    launch(primary);
    ASSERT_EQ(readLine(primary), "primary");
    for (const QByteArray& message : {QByteArray(100000, 'x'), QByteArray()}) {
        SCOPED_TRACE(message.size());
        QLocalSocket client;
        client.connectToServer(runtime.filePath("joyvane.socket"));
        ASSERT_TRUE(client.waitForConnected(2000));
        client.write(message);
        client.flush();
        QElapsedTimer elapsed;
        elapsed.start();
        while (client.state() != QLocalSocket::UnconnectedState && elapsed.elapsed() < 5000) {
            client.waitForDisconnected(100);
            client.readAll();
        }
        EXPECT_EQ(client.state(), QLocalSocket::UnconnectedState);
        EXPECT_LT(elapsed.elapsed(), 3000);
    }
    expectReopenWorks();
}

}  // namespace
}  // namespace joyvane::app
