// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The seven-segment digits of the score panels.

#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

namespace cw {

// Draws each character of text (a digit, '-' or, for anything else, a blank) from the LCD
// strip, side by side from origin, its segments in the segment colour on black. A null strip
// draws nothing.
void DrawLcdText(QPainter& painter, QPoint origin, const QImage& strip, const QString& text,
                 QRgb segment);

} // namespace cw
