#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "probe_process.h"

namespace {

// Two real processes share a private runtime folder, as two launches of the program would.
class SingleInstanceTest : public ::testing::Test {
  protected:
    QTemporaryDir runtime;

    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void launch(QProcess& process) {
        ASSERT_TRUE(joyvane::app::testing::startProbe(process, runtime.path()));
    }
    static QByteArray readLine(QProcess& process) {
        return joyvane::app::testing::probeLine(process);
    }

    static void stop(QProcess& process) {
        process.kill();
        process.waitForFinished(5000);
    }
};

TEST_F(SingleInstanceTest, ASecondLaunchTellsTheFirstToReopenAndExitsZero) {
    QProcess first;
    launch(first);
    ASSERT_EQ(readLine(first), "primary");

    for (int i = 0; i < 2; ++i) {
        QProcess second;
        launch(second);
        ASSERT_TRUE(second.waitForFinished(5000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(readLine(first), "reopen");
    }
    EXPECT_EQ(first.state(), QProcess::Running);

    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(runtime.filePath("joyvane.socket")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "the socket must be the user's alone";
    stop(first);
}

TEST_F(SingleInstanceTest, LeftoversOfACrashedRunAreTakenOver) {
    QProcess crashed;
    launch(crashed);
    ASSERT_EQ(readLine(crashed), "primary");
    stop(crashed);  // SIGKILL: the lock file and socket stay behind
    ASSERT_TRUE(QFileInfo::exists(runtime.filePath("joyvane.lock")));

    QProcess next;
    launch(next);
    EXPECT_EQ(readLine(next), "primary");
    QProcess later;
    launch(later);
    ASSERT_TRUE(later.waitForFinished(5000));
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_EQ(readLine(next), "reopen");
    stop(next);
}

}  // namespace
