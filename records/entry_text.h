// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of a top-ten row as the dialogs show and take them. Names are UTF-8.

#include "records/score_entry.h"

#include <QByteArray>
#include <QString>

namespace cw {

// The name up to its terminator; bytes that are not UTF-8 show as the replacement character.
QString NameText(const ScoreEntry& entry);

// NameText as a one-line field shows it: each control character (a damaged file may hold line
// breaks and tabs) as its visible symbol from the Control Pictures block, one without such a
// symbol as the replacement character.
QString ShownNameText(const ScoreEntry& entry);

// The UTF-8 form of `name`, cut to at most 39 bytes without splitting a character.
QByteArray CutName(const QString& name);

// Writes CutName(name) and its terminator; the bytes after the terminator keep their
// previous contents.
void StoreName(ScoreEntry& entry, const QString& name);

// The local-time date as "Tue Dec  8 04:52:43 2026", or its fields in the player's language;
// empty for time 0 or a time that cannot be converted.
QString DateText(std::uint32_t time);

} // namespace cw
