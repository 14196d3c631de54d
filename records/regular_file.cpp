// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/regular_file.h"

#include "records/user_folders.h"

#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

FileContents Unusable(const QString& path, const char* kind, const QString& detail = {}) {
    WarnFileProblemOnce(path, kind, detail);
    return {FileState::Unusable, {}};
}

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

FileContents ReadRegularFile(const QString& path, qint64 limit, ReadExtent extent) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return Unusable(path, "is not a regular file");
    // Non-blocking, so that a pipe put there since the check above cannot hold the game.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A link that leads nowhere is something the player put there, not an absent file.
        if (error == ENOENT && ::lstat(name.constData(), &status) != 0)
            return {FileState::Absent, {}};
        return Unusable(path, "cannot be opened", ErrorText(error));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Unusable(path, "cannot be opened", file.errorString());
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return Unusable(path, "is not a regular file");
    const bool whole = extent == ReadExtent::Whole;
    if (whole && status.st_size > limit)
        return Unusable(path, "is too large", QStringLiteral("over %1 bytes").arg(limit));
    // One byte more than the limit shows a file that grew past it since fstat.
    QByteArray bytes = file.read(whole ? limit + 1 : limit);
    if (file.error() != QFileDevice::NoError)
        return Unusable(path, "cannot be read", file.errorString());
    if (bytes.size() > limit)
        return Unusable(path, "is too large", QStringLiteral("over %1 bytes").arg(limit));
    return {FileState::Read, std::move(bytes)};
}

void WarnFileProblemOnce(const QString& path, const char* kind, const QString& detail) {
    static QSet<QString> reported;
    const QString key = path + QLatin1Char('\n') + QLatin1String(kind);
    if (reported.contains(key))
        return;
    reported.insert(key);
    const QString shown = ShownPath(path);
    if (detail.isEmpty())
        qWarning("cobblewell: %s %s; the game goes on without it", qUtf8Printable(shown), kind);
    else
        qWarning("cobblewell: %s %s (%s); the game goes on without it", qUtf8Printable(shown), kind,
                 qUtf8Printable(detail));
}

} // namespace cw
