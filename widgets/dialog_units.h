// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dialog forms keep every control's place in dialog units, as the templates were drawn:
// a horizontal unit is a quarter of the dialog font's average character width, a vertical
// unit an eighth of its height. Converting with the font really in use keeps the proportions
// of the templates whatever the font measures on this desktop.

#include <QFont>
#include <QRect>
#include <QWidget>

namespace cw {

// Dynamic properties that the forms put on the dialog and each of its controls.
inline constexpr char kDialogUnitsProperty[] = "dlu";           // QRect in dialog units
inline constexpr char kIconResourceProperty[] = "iconResource"; // "#<n>" on a static icon

struct DialogBaseUnits {
    int x = 0; // pixels per 4 horizontal dialog units: the average character width
    int y = 0; // pixels per 8 vertical dialog units: the character height
};

// The desktop's default sans-serif font at 8 points.
QFont DialogFont();
DialogBaseUnits MeasureDialogBaseUnits(const QFont& font);
// Each of x, y, width and height is scaled on its own and rounded to the nearest pixel.
QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base);

// Call right after setupUi: sets the dialog font, places every control from its dialog
// units (mirrored in a language written right to left), fixes the dialog's client size, shows
// static icons and makes the dialog a fixed, captioned pop-up with a close box. The template's
// position is not used: each dialog places itself when it opens.
void ApplyDialogUnits(QWidget* dialog);

} // namespace cw
