// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialog_units.h"

#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace cw {
namespace {

// A dialog as a form builds it: the dialog and its controls carry their places in dialog
// units, which ApplyDialogUnits turns into pixels. The dialog font measures 7 x 13 here: the
// pixels below are x and width times 7 / 4, y and height times 13 / 8, rounded half up.
class FormDialog : public ::testing::Test {
protected:
    template <typename Control> Control* Add(QRect dialogUnits) {
        auto* control = new Control(&dialog);
        control->setProperty(kDialogUnitsProperty, dialogUnits);
        return control;
    }
    void Apply() {
        dialog.setProperty(kDialogUnitsProperty, QRect(59, 76, 279, 210));
        ApplyDialogUnits(&dialog);
    }

    QDialog dialog;
};

TEST(DialogUnits, ScaleEachCoordinateAndRoundToTheNearestPixel) {
    const DialogBaseUnits sixByThirteen{6, 13};
    EXPECT_EQ(DialogUnitsToPixels(QRect(25, 23, 100, 12), sixByThirteen), QRect(38, 37, 150, 20));
    EXPECT_EQ(DialogUnitsToPixels(QRect(0, 0, 279, 210), sixByThirteen), QRect(0, 0, 419, 341));
    EXPECT_EQ(DialogUnitsToPixels(QRect(1, 1, 3, 5), DialogBaseUnits{7, 15}), QRect(2, 2, 5, 9));
}

TEST(DialogUnits, DialogFontIsTheDesktopSansSerifAtEightPoints) {
    const QFontInfo font(DialogFont());
    EXPECT_EQ(font.family(), "DejaVu Sans");
    EXPECT_EQ(font.pointSize(), 8);
    const DialogBaseUnits base = MeasureDialogBaseUnits(DialogFont());
    EXPECT_EQ(base.x, 7);
    EXPECT_EQ(base.y, 13);
}

TEST_F(FormDialog, PlacesControlsAndSizesTheDialogFromTheFontsBaseUnits) {
    QPushButton* button = Add<QPushButton>(QRect(114, 187, 50, 16));
    QLabel* field = Add<QLabel>(QRect(25, 23, 100, 12));
    Apply();
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_EQ(button->geometry(), QRect(200, 304, 88, 26));
    EXPECT_EQ(field->geometry(), QRect(44, 37, 175, 20));
    // The form's position is not used: each dialog places itself when it opens.
    EXPECT_EQ(dialog.size(), QSize(488, 341));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST_F(FormDialog, ADropDownListIsAsHighAsItsClosedBox) {
    auto* combo = Add<QComboBox>(QRect(25, 5, 78, 48));
    Apply();
    EXPECT_EQ(combo->geometry(), QRect(44, 8, 137, combo->sizeHint().height()));
}

TEST_F(FormDialog, TheStaticIconShowsItsIconAtItsOwnSize) {
    auto* icon = Add<QLabel>(QRect(12, 9, 21, 20));
    icon->setProperty(kIconResourceProperty, QStringLiteral("#5"));
    Apply();
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(icon->geometry(), QRect(21, 15, 32, 32));
}

} // namespace
} // namespace cw
