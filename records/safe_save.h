// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace cw {

// Replaces the file at `path` with `contents` so that a crash, a full disk or a file size limit
// mid-save leaves the old file whole: through a nameless file in its folder that takes the
// file's name once every byte is on disk, keeping the file's mode and group. Where the folder
// takes no new file (it is not the player's own) but the file itself is writable, the file is
// written in place and flushed to disk; `previous`, what the file held, is put back when that
// write fails. A file that does not exist is created only where the atomic way works.
//
// Nothing of another user's is written or taken over: a link at `path` is followed only where
// the running user owns it, and the file reached must be the running user's too, as must the
// folder a new file goes into. A failure is logged once per file; `error`, when given, is set
// to the errno value that tells why.
bool SaveFile(const QString& path, const QByteArray& contents, const QByteArray& previous,
              int* error = nullptr);

// What an interrupted save of `path` can leave beside it: a file of the running user's named
// after it with the game's own mark, older than a minute. Nothing else is touched.
void RemoveStaleSaveFiles(const QString& path);

} // namespace cw
