// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/safe_save.h"

#include "records/regular_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

// What a save's temporary file adds to the name of the file it replaces (Qt's own pattern).
const QRegularExpression kSaveSuffix(QStringLiteral("^\\.[A-Za-z]{6}$"));
constexpr qint64 kStaleAfterSeconds = 60;

bool WriteWhole(QFile& file, const QByteArray& bytes) {
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) &&
           ::fsync(file.handle()) == 0;
}

// Qt's own fallback (QSaveFile::setDirectWriteFallback) empties the file before writing it,
// so a failed write leaves it short. Here the new bytes go over the old ones and the file is
// cut only after them; when that fails the old bytes, which had room before, go back.
bool SaveInPlace(const QString& path, const QByteArray& contents, const QByteArray& previous) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (WriteWhole(file, contents))
        return true;
    WriteWhole(file, previous);
    return false;
}

// A write cut short by a full disk or a size limit sets no error of its own.
QString WriteFailure(const QSaveFile& file, qint64 written, qint64 wanted) {
    if (written == wanted)
        return file.errorString();
    return QStringLiteral("%1 of %2 bytes written").arg(std::max<qint64>(written, 0)).arg(wanted);
}

} // namespace

bool SaveFile(const QString& path, const QByteArray& contents, const QByteArray& previous) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk, a file size limit) shows in write()'s count:
    // a buffered QSaveFile flushes at commit and reports success for a partial file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const qint64 written = file.write(contents);
        if (written == contents.size() && file.commit())
            return true;
        WarnFileProblemOnce(path, "cannot be saved", WriteFailure(file, written, contents.size()));
        return false; // the temporary file goes with `file`
    }
    // No temporary file can be made beside it: the folder is not the player's to write.
    if (SaveInPlace(path, contents, previous))
        return true;
    WarnFileProblemOnce(path, "cannot be saved", file.errorString());
    return false;
}

void RemoveStaleSaveFiles(const QString& path) {
    const QFileInfo target(path);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStaleAfterSeconds);
    const QFileInfoList candidates = target.dir().entryInfoList(
        {target.fileName() + QStringLiteral(".*")},
        QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QFileInfo& candidate : candidates) {
        const QString suffix = candidate.fileName().mid(target.fileName().size());
        if (kSaveSuffix.match(suffix).hasMatch() && candidate.lastModified() < staleBefore)
            QFile::remove(candidate.filePath());
    }
}

} // namespace cw
