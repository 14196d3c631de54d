// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/regular_file.h"

#include "records/user_folders.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

FileContents Unusable(const QString& path, const char* kind, int error, const QString& detail) {
    WarnFileProblemOnce(path, kind, detail);
    return {FileState::Unusable, {}, error};
}

FileContents TooLarge(const QString& path, qint64 limit) {
    return Unusable(path, "is too large", EFBIG, QStringLiteral("over %1 bytes").arg(limit));
}

int KindError(const struct stat& status) {
    return S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
}

} // namespace

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

FileContents ReadRegularFile(const QString& path, qint64 limit, ReadExtent extent) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return Unusable(path, "is not a regular file", KindError(status), {});
    // Non-blocking, so that a pipe put there since the check above cannot hold the game.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A link that leads nowhere is something the player put there, not an absent file.
        if (error == ENOENT && ::lstat(name.constData(), &status) != 0)
            return {FileState::Absent, {}};
        return Unusable(path, "cannot be opened", error, ErrorText(error));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Unusable(path, "cannot be opened", EIO, file.errorString());
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return Unusable(path, "is not a regular file", KindError(status), {});
    const bool whole = extent == ReadExtent::Whole;
    if (whole && status.st_size > limit)
        return TooLarge(path, limit);
    // One byte more than the limit shows a file that grew past it since fstat. The buffer is
    // sized by the file first: a megabyte asked of malloc for a small file would move every
    // later large picture from mappings it gives back into the heap, which keeps them.
    const qint64 wanted = whole ? limit + 1 : limit;
    QByteArray bytes = file.read(std::min(wanted, qint64(status.st_size) + 1));
    if (bytes.size() > status.st_size && bytes.size() < wanted)
        bytes += file.read(wanted - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return Unusable(path, "cannot be read", EIO, file.errorString());
    if (bytes.size() > limit)
        return TooLarge(path, limit);
    return {FileState::Read, std::move(bytes)};
}

void WarnFileProblemOnce(const QString& path, const char* kind, const QString& detail) {
    static std::set<QString> reported;
    if (!reported.insert(path + QLatin1Char('\n') + QLatin1String(kind)).second)
        return;
    const QString why = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    qWarning("cobblewell: %s %s%s; the game goes on without it", qUtf8Printable(ShownPath(path)),
             kind, qUtf8Printable(why));
}

} // namespace cw
