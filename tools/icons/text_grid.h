// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <map>

namespace cw::icons {

// Reads pictures drawn as text, in the legend of the art generator's grids: a "[name]" line
// starts a picture, one character per pixel follows, a blank line ends it, '#' starts a
// comment line. '.' is transparent; K r g y b m c l d R G Y B M C W are the 16 colours of the
// standard palette in palette order. Every row of a picture has the same length.
// Throws std::runtime_error naming the line of the first fault.
std::map<QString, QImage> ParseTextGrids(const QString& text);

// The same for a file; a missing file throws too.
std::map<QString, QImage> LoadTextGrids(const QString& path);

} // namespace cw::icons
