// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace cw {

// Replaces the file at `path` with `contents` so that a crash, a full disk or a file size limit
// mid-save leaves the old file whole: through a temporary file beside it that is renamed over
// it once every byte is on disk. Where the folder takes no new file (it is not the player's
// own) but the file itself is writable, the file is written in place and flushed to disk;
// `previous`, what the file held, is put back when that write fails. A file that does not
// exist is created only where the atomic way works. A failure is logged once per file.
bool SaveFile(const QString& path, const QByteArray& contents, const QByteArray& previous);

// What interrupted saves of `path` left beside it: temporary files named after it, older than
// a minute (a fresh one may be another save under way). Nothing else is touched.
void RemoveStaleSaveFiles(const QString& path);

} // namespace cw
