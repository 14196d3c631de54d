// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of every dialog share: checking that a dialog was laid out from its form's
// dialog units.

#include "widgets/dialog_units.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace cw::test {

// A fixed-size captioned pop-up with a close box, as large as its form says in dialog units,
// whose controls sit where their dialog units put them, inside the dialog and clear of each
// other (group boxes frame others), with the button named `defaultButton` its only default.
inline void ExpectLaidOutFromItsForm(const QDialog& dialog, const QString& defaultButton) {
    const DialogBaseUnits base = MeasureDialogBaseUnits(dialog.font());
    const QRect frame = DialogUnitsToPixels(dialog.property(kDialogUnitsProperty).toRect(), base);
    EXPECT_EQ(dialog.minimumSize(), frame.size());
    EXPECT_EQ(dialog.maximumSize(), frame.size());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));

    QList<QRect> placed;
    for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Children the code adds over the form, such as the About box's sparkle layer, are
        // no controls of the form.
        if (!control->property(kDialogUnitsProperty).isValid())
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect want =
            DialogUnitsToPixels(control->property(kDialogUnitsProperty).toRect(), base);
        const QRect got = control->geometry();
        EXPECT_EQ(got.topLeft(), want.topLeft());
        // A static icon takes its icon's size, a drop-down list its closed box's height.
        const bool icon = control->property(kIconResourceProperty).isValid();
        const bool combo = qobject_cast<const QComboBox*>(control) != nullptr;
        if (icon) {
            EXPECT_EQ(got.size(), qobject_cast<const QLabel*>(control)->pixmap().size());
        } else {
            EXPECT_EQ(got.width(), want.width());
        }
        if (!icon && !combo) {
            EXPECT_EQ(got.height(), want.height());
        }
        EXPECT_TRUE(QRect(QPoint(0, 0), frame.size()).contains(got));
        if (qobject_cast<const QGroupBox*>(control) != nullptr)
            continue;
        for (const QRect& other : placed)
            EXPECT_FALSE(other.intersects(got)) << "overlaps another control";
        placed << got;
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_EQ(button->isDefault(), button->objectName() == defaultButton)
            << button->objectName().toStdString();
    }
}

} // namespace cw::test
