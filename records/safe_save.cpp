// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/safe_save.h"

#include "records/regular_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace cw {
namespace {

// A save's temporary name: the file's own name, this mark and six letters or digits. It stands
// only for the instant between linking the finished file in and renaming it over the old one
// (for the whole save where the file system makes no nameless files).
constexpr char kTemporaryMark[] = ".cobblewell-save-";
constexpr int kMarkedCharacters = 6;
constexpr qint64 kStaleAfterSeconds = 60;
// Far more than a chain of the player's dotfile links needs.
constexpr int kLinkHops = 8;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

struct Failure {
    int error = 0; // an errno value; 0 for success
    const char* kind = "cannot be saved";
};

Failure Refused(const char* kind) {
    return {EPERM, kind};
}

constexpr char kAnotherUsersFolder[] = "would go into another user's folder, so it is not written";

// The file a save replaces or creates: its folder, opened, and its name in it.
struct Place {
    Descriptor folder;
    QByteArray name;
    bool exists = false;
    struct stat status {};
};

// The folder that `path` names its file in.
Descriptor OpenFolder(int base, const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? "." : slash == 0 ? "/" : path.left(slash);
    return Descriptor(::openat(base, folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The missing folders above a new file are made only below one of the running user's: root's
// game run in a player's home makes nothing there that the player could not remove.
Failure MakeFolderFor(const QString& path) {
    QString existing = QFileInfo(path).path();
    struct stat status {};
    while (::stat(QFile::encodeName(existing).constData(), &status) != 0) {
        const int error = errno;
        const QString up = QFileInfo(existing).path();
        if (error != ENOENT || up == existing)
            return {error};
        existing = up;
    }
    if (status.st_uid != ::geteuid())
        return Refused(kAnotherUsersFolder);
    errno = 0;
    if (QDir().mkpath(QFileInfo(path).path()))
        return {};
    return {errno != 0 ? errno : EIO}; // mkdir's reason, where Qt left it
}

bool ReadLink(int folder, const QByteArray& name, QByteArray& target) {
    QByteArray linked(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(folder, name.constData(), linked.data(),
                                        static_cast<std::size_t>(linked.size()));
    if (length < 0)
        return false; // errno tells why
    target = linked.left(length);
    return true;
}

// Follows a link at the file's name only where the running user owns it, and stops at a
// regular file of the running user's, or where nothing stands yet in a folder of theirs.
Failure FindPlace(const QString& path, Place& place) {
    QByteArray target = QFile::encodeName(path);
    Descriptor base(AT_FDCWD); // negative, so never closed
    for (int hop = 0; hop <= kLinkHops; ++hop) {
        Descriptor folder = OpenFolder(base.get(), target);
        if (!folder && errno == ENOENT && hop == 0) {
            if (const Failure made = MakeFolderFor(path); made.error != 0)
                return made;
            folder = OpenFolder(AT_FDCWD, target);
        }
        if (!folder)
            return {errno};
        place.name = target.mid(target.lastIndexOf('/') + 1);
        if (::fstatat(folder.get(), place.name.constData(), &place.status, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT || hop > 0) // a link that leads nowhere is the player's
                return {errno};
            struct stat owner {};
            if (::fstat(folder.get(), &owner) != 0 || owner.st_uid != ::geteuid())
                return Refused(kAnotherUsersFolder);
            place.folder = std::move(folder);
            return {};
        }
        const bool link = S_ISLNK(place.status.st_mode);
        if (!link && !S_ISREG(place.status.st_mode))
            return {S_ISDIR(place.status.st_mode) ? EISDIR : EINVAL};
        if (place.status.st_uid != ::geteuid())
            return Refused(link ? "is another user's link, so it is not followed"
                                : "is another user's file, so it is not written");
        if (!link) {
            place.folder = std::move(folder);
            place.exists = true;
            return {};
        }
        if (!ReadLink(folder.get(), place.name, target))
            return {errno};
        base = std::move(folder); // a relative link counts from the link's folder
    }
    return {ELOOP};
}

// From the file's start, whatever its offset.
int WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done,
                                         static_cast<std::size_t>(bytes.size() - done), done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return 0;
}

int Synced(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

int Overwrite(int fd, const QByteArray& bytes) {
    if (const int error = WriteAll(fd, bytes))
        return error;
    return ::ftruncate(fd, bytes.size()) == 0 ? Synced(fd) : errno;
}

// Qt's own fallback (QSaveFile::setDirectWriteFallback) empties the file before writing it,
// so a failed write leaves it short. Here the new bytes go over the old ones and the file is
// cut only after them; when that fails the old bytes, which had room before, go back.
Failure SaveInPlace(const Place& place, const QByteArray& contents, const QByteArray& previous) {
    const Descriptor file(::openat(place.folder.get(), place.name.constData(),
                                   O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return {errno};
    // Whatever stands there now, not what stood there when it was found.
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid())
        return Refused("changed while it was saved, so it is not written");
    if (const int error = Overwrite(file.get(), contents)) {
        Overwrite(file.get(), previous);
        return {error};
    }
    return {};
}

QByteArray MarkedName(const QByteArray& name) {
    static constexpr char kCharacters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray marked = name + kTemporaryMark;
    for (int i = 0; i < kMarkedCharacters; ++i)
        marked += kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)];
    return marked;
}

// A nameless file in the folder, or where the file system makes none, a file with the mark.
Descriptor OpenTemporary(const Place& place, QByteArray& marked) {
    const mode_t mode = place.exists ? place.status.st_mode & 07777 : 0666;
    // Linking a nameless file in takes its /proc entry.
    if (::access("/proc/self/fd", X_OK) == 0) {
        Descriptor file(::openat(place.folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        if (file || (errno != EOPNOTSUPP && errno != EISDIR))
            return file;
    }
    marked = MarkedName(place.name);
    return Descriptor(::openat(place.folder.get(), marked.constData(),
                               O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
}

// The old file's mode and group, which the umask and the folder may have changed; false where
// the group cannot be kept.
bool KeepsModeAndGroup(int fd, const Place& place) {
    if (!place.exists)
        return true;
    // The group first: changing it clears the set-id bits that the mode then puts back.
    struct stat status {};
    return ::fstat(fd, &status) == 0 &&
           (status.st_gid == place.status.st_gid ||
            ::fchown(fd, static_cast<uid_t>(-1), place.status.st_gid) == 0) &&
           ::fchmod(fd, place.status.st_mode & 07777) == 0;
}

Failure Replace(const Place& place, const QByteArray& contents, const QByteArray& previous) {
    QByteArray marked;
    const Descriptor file = OpenTemporary(place, marked);
    const int openError = errno;
    const auto discard = [&] {
        if (!marked.isEmpty())
            ::unlinkat(place.folder.get(), marked.constData(), 0);
    };
    // No new file can go into the folder, or it could not keep the group: written in place.
    if (!file || !KeepsModeAndGroup(file.get(), place)) {
        discard();
        if (place.exists && (file || openError == EACCES || openError == EPERM))
            return SaveInPlace(place, contents, previous);
        return {openError};
    }
    int error = WriteAll(file.get(), contents);
    error = error != 0 ? error : Synced(file.get());
    if (error == 0 && marked.isEmpty()) {
        marked = MarkedName(place.name);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.get());
        if (::linkat(AT_FDCWD, self.constData(), place.folder.get(), marked.constData(),
                     AT_SYMLINK_FOLLOW) != 0)
            return {errno};
    }
    if (error == 0 && ::renameat(place.folder.get(), marked.constData(), place.folder.get(),
                                 place.name.constData()) != 0)
        error = errno;
    if (error != 0) {
        discard();
        return {error};
    }
    ::fsync(place.folder.get()); // the new name, on disk too
    return {};
}

} // namespace

bool SaveFile(const QString& path, const QByteArray& contents, const QByteArray& previous,
              int* error) {
    Place place;
    Failure failure = FindPlace(path, place);
    if (failure.error == 0)
        failure = Replace(place, contents, previous);
    if (error != nullptr)
        *error = failure.error;
    if (failure.error == 0)
        return true;
    WarnFileProblemOnce(path, failure.kind, ErrorText(failure.error));
    return false;
}

void RemoveStaleSaveFiles(const QString& path) {
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1String(kTemporaryMark);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStaleAfterSeconds);
    // Compared by hand: a name filter would build a regular expression at every start.
    const QFileInfoList candidates =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        if (candidate.fileName().startsWith(prefix) &&
            candidate.fileName().size() == prefix.size() + kMarkedCharacters &&
            candidate.ownerId() == ::geteuid() && candidate.lastModified() < staleBefore)
            QFile::remove(candidate.filePath());
    }
}

} // namespace cw
