// The parts of the program that only show between real processes: the way out, the single
// instance, and the program without a display. The probe (app_probe.cpp) runs one part alone.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <sstream>

#include "app/runtime_folder.h"
#include "support/child_process.h"

namespace joyvane::app {
namespace {

using testing::ChildProcess;
using namespace std::chrono_literals;

// Starts a probe or the program without a display, with `runtime` as its runtime folder when one
// is given; what it prints goes to a file of its own.
std::unique_ptr<ChildProcess> launch(const std::vector<std::string>& argv,
                                     const QString& runtime = {}) {
    static QTemporaryDir logs;
    static int launches = 0;
    testing::Environment env = testing::currentEnvironment();
    env.erase("DISPLAY");
    env.erase("QT_QPA_PLATFORM");
    if (!runtime.isEmpty()) {
        env["XDG_RUNTIME_DIR"] = runtime.toStdString();
    }
    return std::make_unique<ChildProcess>(argv, env,
                                          logs.filePath(QString::number(++launches)).toStdString());
}

// Whether `process` has printed the line `line` `times` times, waiting up to five seconds.
bool says(const ChildProcess& process, const std::string& line, int times = 1) {
    return testing::pollUntil(
        [&] {
            std::istringstream output(process.output());
            int seen = 0;
            for (std::string printed; std::getline(output, printed);) {
                seen += printed == line;
            }
            return seen >= times;
        },
        5s);
}

// Makes the folder `path` with exactly `mode`; returns its path.
QString makeFolder(const QString& path, mode_t mode) {
    ::mkdir(QFile::encodeName(path).constData(), mode);
    ::chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

// Held input is let go also when the loop is left by exit() (as Qt's xcb plugin does) or by an
// exception; a second quit signal during a slow release ends the program at once. (Each quit
// signal, with the real program holding a click, is the end-to-end program test's.)
TEST(QuitPath, EveryWayOutReleasesAndASecondSignalEndsAtOnce) {
    for (const std::string mode : {"exit", "throw", "slow"}) {
        SCOPED_TRACE(mode);
        auto probe = launch({JOYVANE_PROBE, "quit", mode});
        ASSERT_TRUE(says(*probe, "ready"));
        if (mode == "slow") {
            probe->signalGroup(SIGTERM);
        }
        ASSERT_TRUE(says(*probe, "released"));  // "slow": now inside a release of ten seconds
        const auto released = std::chrono::steady_clock::now();
        if (mode == "slow") {
            probe->signalGroup(SIGTERM);
        }
        const auto status = probe->waitForExit(5s);
        ASSERT_TRUE(status);
        EXPECT_LT(std::chrono::steady_clock::now() - released, 3s);
        EXPECT_NE(testing::describeStatus(*status), "exit 0");
        EXPECT_TRUE(mode != "slow" || testing::describeStatus(*status) == "signal 15")
            << "ended by the signal";
    }
}

// Launches sharing a private runtime folder, as launches of the program would: later ones
// reopen the first, clients that send too much or nothing are dropped, and the leftovers of a
// crashed run are taken over.
TEST(SingleInstance, ReopensDropsBadClientsAndTakesOverACrashedRun) {
    QTemporaryDir runtime;
    makeFolder(runtime.path(), 0700);
    auto reopens = [&](const ChildProcess& primary, int times) {
        const auto status = launch({JOYVANE_PROBE, "instance"}, runtime.path())->waitForExit(5s);
        EXPECT_EQ(testing::describeStatus(status.value_or(-1)), "exit 0");
        EXPECT_TRUE(says(primary, "reopen", times));
    };
    auto first = launch({JOYVANE_PROBE, "instance"}, runtime.path());
    ASSERT_TRUE(says(*first, "primary"));
    reopens(*first, 1);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(runtime.filePath("joyvane.socket")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "the socket must be the user's alone";

    for (const QByteArray& message : {QByteArray(100000, 'x'), QByteArray()}) {
        SCOPED_TRACE(message.size());
        QLocalSocket client;
        client.connectToServer(runtime.filePath("joyvane.socket"));
        ASSERT_TRUE(client.waitForConnected(2000));
        client.write(message);
        EXPECT_TRUE(client.waitForDisconnected(3000));
    }
    reopens(*first, 2);

    first->signalGroup(SIGKILL);  // the lock file and socket stay behind
    first->waitForExit(5s);
    ASSERT_TRUE(QFile::exists(runtime.filePath("joyvane.lock")));
    auto next = launch({JOYVANE_PROBE, "instance"}, runtime.path());
    EXPECT_TRUE(says(*next, "primary"));
    reopens(*next, 1);
}

TEST(PrivateRuntimeFolder, OnlyAFolderOfThisUserAloneIsUsed) {
    QTemporaryDir base;
    const QString good = makeFolder(base.filePath("good"), 0700);
    const QString open = makeFolder(base.filePath("open"), 0755);
    const QString link = base.filePath("link");
    QFile::link(good, link);
    const QString tmp = makeFolder(base.filePath("tmp"), 01777);
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
    auto program = launch({JOYVANE_PROGRAM});
    EXPECT_EQ(testing::describeStatus(program->waitForExit(10s).value_or(-1)), "exit 1");
    const QByteArray said = QByteArray::fromStdString(program->output()).trimmed();
    EXPECT_TRUE(said.startsWith("joyvane: ")) << said.constData();
    EXPECT_FALSE(said.contains('\n')) << said.constData();
}

}  // namespace
}  // namespace joyvane::app
