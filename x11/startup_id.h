// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QWindow>

namespace cw {

// A later start's startup-notification id (X11), for the running game that comes forward in
// its place. Both do nothing for an empty id or away from X11.

// Names the launch on the top-level `window` (_NET_STARTUP_ID), by which a window manager with
// focus-stealing prevention judges the activation that follows.
void AdoptStartupId(WId window, const QByteArray& id);

// Tells the launcher that the launch is over (a "remove" message), so it stops showing it as
// starting.
void EndStartup(const QByteArray& id);

} // namespace cw
