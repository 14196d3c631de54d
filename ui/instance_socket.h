// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/single_instance.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QObject;

namespace cw {
// A token travels as one line of printable ASCII without spaces, at most this long, or not at all.
constexpr qsizetype kMaxTokenLength = 255;
} // namespace cw

// The local socket of the single instance, a module of its own that the game loads by name
// (SingleInstance): Qt Network and the libraries behind it cost a start several per cent of its
// time, and the game that wins the lock needs them only once its window shows.
extern "C" {

// Listens at `path`, where only the lock's holder listens, so a socket already there is a gone
// game's. Each later start's line goes to `answer`, which returns true while a modal dialog
// keeps the window back. The server, or null with `why`.
Q_DECL_EXPORT QObject* cwListenAt(const QString& path,
                                  std::function<bool(const QByteArray& line)> answer, QString& why);

// Hands `line` to the game listening at `path`: Shown or Busy as it answers, Silent when it
// answers nothing within `waitMs`.
Q_DECL_EXPORT cw::Election cwAskAt(const QString& path, const QByteArray& line, int waitMs);
}
