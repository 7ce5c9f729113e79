#include "app/runtime_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace joyvane::app {

bool isPrivateFolder(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

std::optional<QString> privateRuntimeFolder(QString* why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(QLatin1Char('/')) && isPrivateFolder(runtime)) {
        return runtime;
    }
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("joyvane-%1").arg(::getuid()));
    // An existing folder is fine only if it passes the same checks as a new one. A folder we
    // just made gets its mode whatever the umask (never through a link put in its place).
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), 0700) == 0) {
        int folder = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder >= 0) {
            ::fchmod(folder, 0700);
            ::close(folder);
        }
    }
    if (isPrivateFolder(own)) {
        return own;
    }
    if (why != nullptr) {
        *why = QStringLiteral("Neither XDG_RUNTIME_DIR nor %1 is a folder of this user alone")
                   .arg(own);
    }
    return std::nullopt;
}

}  // namespace joyvane::app
