#include "platform/linux/wayland/wl_clipboard.h"

#include <QProcess>
#include <QStandardPaths>

namespace joyvane::wayland {

namespace {

constexpr int kWaitMs = 1000;

}  // namespace

bool WlClipboard::available() {
    return !QStandardPaths::findExecutable(QStringLiteral("wl-copy")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("wl-paste")).isEmpty();
}

std::optional<std::string> WlClipboard::read() {
    QProcess paste;
    paste.start(QStringLiteral("wl-paste"),
                {QStringLiteral("--no-newline"), QStringLiteral("--type"), QStringLiteral("text")});
    if (!paste.waitForFinished(kWaitMs) || paste.exitStatus() != QProcess::NormalExit ||
        paste.exitCode() != 0) {
        paste.kill();
        paste.waitForFinished(kWaitMs);
        return std::nullopt;  // empty, or no text on it
    }
    return paste.readAllStandardOutput().toStdString();
}

bool WlClipboard::write(const std::string& text) {
    // wl-copy forks a server that holds the text; the command itself returns at once.
    QProcess copy;
    copy.start(QStringLiteral("wl-copy"),
               {QStringLiteral("--type"), QStringLiteral("text/plain;charset=utf-8")});
    if (!copy.waitForStarted(kWaitMs)) {
        return false;
    }
    copy.write(text.data(), static_cast<qint64>(text.size()));
    copy.closeWriteChannel();
    return copy.waitForFinished(kWaitMs) && copy.exitCode() == 0;
}

void WlClipboard::clear() {
    QProcess::execute(QStringLiteral("wl-copy"), {QStringLiteral("--clear")});
}

}  // namespace joyvane::wayland
