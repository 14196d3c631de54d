// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the game's own files (the score file, COBWL.INI, WIN.INI). Only a regular file is
// read: a pipe, a device, a folder or a socket at the path counts as a file that cannot be
// opened, and is never opened in a way that could block. Reads are bounded.

#include <QByteArray>
#include <QString>

namespace cw {

// Far above any file the game writes; a file beyond it is not the game's own.
inline constexpr qint64 kReadLimitBytes = 1024 * 1024;

enum class FileState {
    Read,     // a regular file, whose bytes are in `bytes`
    Absent,   // nothing at all at the path
    Unusable, // something that cannot be read: it must not be replaced either
};

struct FileContents {
    FileState state = FileState::Absent;
    QByteArray bytes;
    int error = 0; // for an unusable file, the errno value that tells why
};

enum class ReadExtent {
    Prefix, // the first `limit` bytes of a file of any length
    Whole,  // the whole file; a longer one is unusable
};

// An unusable file is reported once with qWarning.
FileContents ReadRegularFile(const QString& path, qint64 limit = kReadLimitBytes,
                             ReadExtent extent = ReadExtent::Whole);

// One qWarning per path and kind of problem for the life of the process: a file that cannot
// be saved would otherwise be reported at every save.
void WarnFileProblemOnce(const QString& path, const char* kind, const QString& detail = {});

// The C library's text for an errno value, in the player's language where it has one.
QString ErrorText(int error);

} // namespace cw
