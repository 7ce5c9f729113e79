#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <QElapsedTimer>
#include <QProcess>

namespace {

// The program's way out, run by a probe process of its own.
class QuitPath : public ::testing::Test {
  protected:
    QProcess probe;

    void start(const char* mode) {
        probe.start(QStringLiteral(JOYVANE_QUIT_PROBE), {QString::fromLatin1(mode)});
        ASSERT_TRUE(probe.waitForStarted(5000));
        ASSERT_EQ(line(), "ready");
    }
    QByteArray line(int ms = 5000) {
        while (!probe.canReadLine()) {
            if (!probe.waitForReadyRead(ms)) {
                return {};
            }
        }
        return probe.readLine().trimmed();
    }
};

TEST_F(QuitPath, EachQuitSignalReleasesHeldInputAndEndsByThatSignal) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        start("signal");
        ::kill(static_cast<pid_t>(probe.processId()), signal);
        EXPECT_EQ(line(), "released");
        ASSERT_TRUE(probe.waitForFinished(5000));
        EXPECT_EQ(probe.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(probe.exitCode(), signal) << "ended by the signal with its default action";
    }
}

TEST_F(QuitPath, ExitCalledInsideTheLoopStillReleases) {
    start("exit");
    EXPECT_EQ(line(), "released");
    ASSERT_TRUE(probe.waitForFinished(5000));
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 1);
}

TEST_F(QuitPath, AnExceptionLeavingTheLoopStillReleases) {
    start("throw");
    EXPECT_EQ(line(), "released");
    ASSERT_TRUE(probe.waitForFinished(5000));
    EXPECT_NE(probe.exitCode(), 0);
}

TEST_F(QuitPath, ASecondSignalDuringTheWayOutEndsAtOnce) {
    start("slow");
    ::kill(static_cast<pid_t>(probe.processId()), SIGTERM);
    ASSERT_EQ(line(), "released");  // now inside a release that takes ten seconds
    QElapsedTimer elapsed;
    elapsed.start();
    ::kill(static_cast<pid_t>(probe.processId()), SIGTERM);
    ASSERT_TRUE(probe.waitForFinished(5000));
    EXPECT_LT(elapsed.elapsed(), 3000);
    EXPECT_EQ(probe.exitCode(), SIGTERM);
}

}  // namespace
