// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/user_folders.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <fcntl.h>

namespace cw {
namespace {

struct FolderHandle {
    QString handle; // /proc/self/fd/N, the folder opened by its bytes
    QString shown;  // Qt's text for its name
};

// For the life of the process, by the bytes of the folder's name.
QHash<QByteArray, FolderHandle> handles;

bool StartsWithFolder(const QString& path, const QString& folder) {
    return path.startsWith(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// `folder`, which Qt built from the folder named by `name`, with that part reached by its bytes.
QString ByItsBytes(const QString& folder, const QByteArray& name, const QString& shown) {
    if (name.isEmpty() || QFile::encodeName(QFile::decodeName(name)) == name ||
        !StartsWithFolder(folder, shown))
        return folder;
    auto found = handles.find(name);
    if (found == handles.end()) {
        const int fd = ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return folder;
        found = handles.insert(name, {QStringLiteral("/proc/self/fd/%1").arg(fd), shown});
    }
    return found->handle + folder.mid(shown.size());
}

} // namespace

QString UserFolder(QStandardPaths::StandardLocation location) {
    const char* variable =
        location == QStandardPaths::AppConfigLocation ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME";
    const QByteArray set = qgetenv(variable);
    // Put back afterwards: the programs the game starts get the environment as it was.
    const bool relative = !set.isEmpty() && !set.startsWith('/');
    if (relative)
        qunsetenv(variable);
    QString folder = QStandardPaths::writableLocation(location);
    if (relative)
        qputenv(variable, set);
    else
        folder = ByItsBytes(folder, set, QFile::decodeName(set));
    return ByItsBytes(folder, qgetenv("HOME"), QDir::homePath());
}

QString ShownPath(const QString& path) {
    for (const FolderHandle& folder : std::as_const(handles)) {
        if (StartsWithFolder(path, folder.handle))
            return folder.shown + path.mid(folder.handle.size());
    }
    return path;
}

} // namespace cw
