// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>

// Lays out every picture of the art folder at 4x, labelled: the ball families, the same
// pictures in framed cells with stack bands, the faces, the panels, the icons and the cursor.
QImage RenderContactSheet(const QDir& artFolder);
