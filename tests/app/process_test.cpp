// The parts of the program that only show between real processes: the way out, the single
// instance, and the program without a display. The probe (app_probe.cpp) runs one part alone.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <string_view>

#include "app/runtime_folder.h"

namespace joyvane::app {
namespace {

// A probe or the program, with `runtime` as its runtime folder when one is given.
class Process : public QProcess {
  public:
    void run(const QString& program, const QStringList& arguments, const QString& runtime = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!runtime.isEmpty()) {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        }
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        setProcessEnvironment(env);
        start(program, arguments);
        ASSERT_TRUE(waitForStarted(5000));
    }
    // The next line printed, trimmed; empty when none comes within five seconds.
    QByteArray line() {
        while (!canReadLine()) {
            if (!waitForReadyRead(5000)) {
                return {};
            }
        }
        return readLine().trimmed();
    }
    void signal(int number) { ::kill(static_cast<pid_t>(processId()), number); }
};

void makeFolder(const QString& path, mode_t mode) {
    ::mkdir(QFile::encodeName(path).constData(), mode);
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Held input is let go also when the loop is left by exit() (as Qt's xcb plugin does) or by an
// exception; a second quit signal during a slow release ends the program at once. (Each quit
// signal, with the real program holding a click, is the end-to-end program test's.)
TEST(QuitPath, EveryWayOutReleasesAndASecondSignalEndsAtOnce) {
    for (const char* mode : {"exit", "throw", "slow"}) {
        SCOPED_TRACE(mode);
        Process probe;
        probe.run(QStringLiteral(JOYVANE_PROBE),
                  {QStringLiteral("quit"), QString::fromLatin1(mode)});
        ASSERT_EQ(probe.line(), "ready");
        const bool slow = std::string_view(mode) == "slow";
        if (slow) {
            probe.signal(SIGTERM);
        }
        ASSERT_EQ(probe.line(), "released");  // "slow": now inside a release of ten seconds
        QElapsedTimer elapsed;
        elapsed.start();
        if (slow) {
            probe.signal(SIGTERM);
        }
        ASSERT_TRUE(probe.waitForFinished(5000));
        EXPECT_LT(elapsed.elapsed(), 3000);
        EXPECT_NE(probe.exitCode(), 0);
        EXPECT_TRUE(!slow || probe.exitCode() == SIGTERM) << "ended by the signal";
    }
}

// Launches sharing a private runtime folder, as launches of the program would: later ones
// reopen the first, clients that send too much or nothing are dropped, and the leftovers of a
// crashed run are taken over.
TEST(SingleInstance, ReopensDropsBadClientsAndTakesOverACrashedRun) {
    QTemporaryDir runtime;
    makeFolder(runtime.path(), 0700);
    auto launch = [&](Process& process) {
        process.run(QStringLiteral(JOYVANE_PROBE), {QStringLiteral("instance")}, runtime.path());
    };
    auto expectReopens = [&](Process& primary) {
        Process later;
        launch(later);
        ASSERT_TRUE(later.waitForFinished(5000));
        EXPECT_EQ(later.exitCode(), 0);
        EXPECT_EQ(primary.line(), "reopen");
    };
    Process first;
    launch(first);
    ASSERT_EQ(first.line(), "primary");
    expectReopens(first);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(runtime.filePath("joyvane.socket")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "the socket must be the user's alone";

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
    expectReopens(first);

    first.kill();  // SIGKILL: the lock file and socket stay behind
    first.waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(runtime.filePath("joyvane.lock")));
    Process next;
    launch(next);
    EXPECT_EQ(next.line(), "primary");
    expectReopens(next);
}

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
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp));
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
        c.runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR")
                           : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(c.runtime));
        QString why;
        EXPECT_EQ(privateRuntimeFolder(&why).value_or(QString()), c.expected);
        EXPECT_EQ(why.isEmpty(), !c.expected.isEmpty()) << why.toStdString();
    }
    for (const auto& [name, old] : {std::pair{"TMPDIR", oldTmp}, {"XDG_RUNTIME_DIR", oldRuntime}}) {
        old.isNull() ? qunsetenv(name) : qputenv(name, old);
    }
}

TEST(Program, WithoutAnXDisplayItSaysSoInOneSentenceAndExitsWithOne) {
    Process program;
    program.run(QStringLiteral(JOYVANE_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QByteArray said = program.readAllStandardError().trimmed();
    EXPECT_TRUE(said.startsWith("joyvane: ")) << said.constData();
    EXPECT_FALSE(said.contains('\n')) << said.constData();
}

}  // namespace
}  // namespace joyvane::app
