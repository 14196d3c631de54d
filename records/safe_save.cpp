// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/safe_save.h"

#include <QSaveFile>

namespace cw {

bool SaveFileAtomically(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk, a file size limit) shows in write()'s count:
    // a buffered QSaveFile flushes at commit and reports success for a partial file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace cw
