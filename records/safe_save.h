// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace cw {

// Writes `contents` to a temporary file beside `path` and renames it over `path` only once
// every byte is on disk, so a crash or a full disk mid-save leaves the old file whole.
bool SaveFileAtomically(const QString& path, const QByteArray& contents);

} // namespace cw
