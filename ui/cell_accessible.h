// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace cw {

// Lets screen readers treat the board cells as buttons (see cell_accessible.cpp); safe to call
// any number of times.
void InstallCellAccessibility();

// Qt's setter announces every call as a change, so only real changes go through.
void SetAccessibleDescriptionIfChanged(QWidget& widget, const QString& description);

} // namespace cw
