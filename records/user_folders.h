// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardPaths>
#include <QString>

namespace cw {

// The game's own folder for `location` (AppConfigLocation or AppDataLocation). A relative
// XDG_CONFIG_HOME or XDG_DATA_HOME is ignored, as the XDG rules say; Qt would take it from the
// current folder. A HOME (or XDG folder) whose name is not UTF-8 is reached by its bytes,
// through a handle on it: Qt's text for such a name names another folder.
QString UserFolder(QStandardPaths::StandardLocation location);

// `path` as the player knows it, for messages: a handle on a folder shown by its name.
QString ShownPath(const QString& path);

} // namespace cw
