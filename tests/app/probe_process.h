#pragma once

#include <QProcess>
#include <QString>

// The single-instance probe started as a launch of the program would be, with `runtime` as its
// runtime folder, and the lines it prints.
namespace joyvane::app::testing {

inline bool startProbe(QProcess& process, const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(JOYVANE_PROBE), {});
    return process.waitForStarted(5000);
}

// The next line the probe prints, trimmed; empty when none comes within five seconds.
inline QByteArray probeLine(QProcess& process) {
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(5000)) {
            return {};
        }
    }
    return process.readLine().trimmed();
}

}  // namespace joyvane::app::testing
