#include "widgets/dialog_units.h"

#include "ui_ABOUT.h"
#include "ui_NAME.h"
#include "ui_SHAPE.h"
#include "ui_TOP.h"

#include <QFontInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using cw::ApplyDialogUnits;
using cw::DialogUnitsToPixels;
using cw::FindControl;

template <typename Form> struct FormDialog {
    FormDialog() {
        form.setupUi(&dialog);
        ApplyDialogUnits(&dialog);
    }

    QWidget* Control(int id) const { return FindControl(&dialog, id); }

    QDialog dialog;
    Form form;
};

cw::DialogBaseUnits BaseUnits() {
    return cw::MeasureDialogBaseUnits(cw::DialogFont());
}

TEST(DialogUnits, ScaleEachCoordinateAndRoundToTheNearestPixel) {
    const cw::DialogBaseUnits sixByThirteen{6, 13};
    EXPECT_EQ(DialogUnitsToPixels(QRect(25, 23, 100, 12), sixByThirteen), QRect(38, 37, 150, 20));
    EXPECT_EQ(DialogUnitsToPixels(QRect(0, 0, 279, 210), sixByThirteen), QRect(0, 0, 419, 341));
    EXPECT_EQ(DialogUnitsToPixels(QRect(1, 1, 3, 5), cw::DialogBaseUnits{7, 15}),
              QRect(2, 2, 5, 9));
}

TEST(DialogUnits, DialogFontIsTheDesktopSansSerifAtEightPoints) {
    const QFontInfo font(cw::DialogFont());
    EXPECT_EQ(font.family(), "DejaVu Sans");
    EXPECT_EQ(font.pointSize(), 8);
    const cw::DialogBaseUnits base = BaseUnits();
    EXPECT_GE(base.x, 4);
    EXPECT_GT(base.y, base.x);
}

TEST(DialogUnits, PlacesControlsAndSizesTheDialogFromTheFontsBaseUnits) {
    FormDialog<Ui::TopDialog> top;
    const cw::DialogBaseUnits base = BaseUnits();
    EXPECT_EQ(top.dialog.font().pointSize(), 8);
    EXPECT_EQ(top.Control(421)->geometry(), DialogUnitsToPixels(QRect(25, 23, 100, 12), base));
    EXPECT_EQ(top.Control(519)->geometry(), DialogUnitsToPixels(QRect(164, 158, 100, 12), base));
    EXPECT_EQ(top.Control(2)->geometry(), DialogUnitsToPixels(QRect(114, 187, 50, 16), base));
    EXPECT_EQ(top.dialog.size(), DialogUnitsToPixels(QRect(59, 76, 279, 210), base).size());
}

TEST(DialogUnits, ADropDownListIsAsHighAsItsClosedBox) {
    FormDialog<Ui::TopDialog> top;
    auto* combo = qobject_cast<QComboBox*>(top.Control(101));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    const QRect expected = DialogUnitsToPixels(QRect(25, 5, 78, 48), BaseUnits());
    EXPECT_EQ(combo->geometry().topLeft(), expected.topLeft());
    EXPECT_EQ(combo->width(), expected.width());
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
}

TEST(DialogUnits, ScoreFieldsKeepAGreyFrameWhateverColourTheirTextTakes) {
    FormDialog<Ui::TopDialog> top;
    auto* field = qobject_cast<QLabel*>(top.Control(421));
    ASSERT_NE(field, nullptr);
    field->setText("WWWWWWWW");
    QPalette red = field->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    field->setPalette(red);
    const QImage image = field->grab().toImage();
    EXPECT_EQ(image.pixel(0, image.height() / 2), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(image.width() / 2, 0), qRgb(128, 128, 128));
    bool hasRedText = false;
    for (int x = 0; x < image.width() && !hasRedText; ++x)
        for (int y = 1; y < image.height() - 1 && !hasRedText; ++y)
            hasRedText = qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80;
    EXPECT_TRUE(hasRedText);
}

TEST(DialogUnits, ClicksPassThroughGroupBoxesToTheControlsTheyFrame) {
    FormDialog<Ui::ShapeDialog> shape;
    shape.dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shape.dialog));
    auto* trace = qobject_cast<QCheckBox*>(shape.Control(1009));
    ASSERT_NE(trace, nullptr);
    ASSERT_FALSE(trace->isChecked());
    const QPoint inBox = trace->mapTo(&shape.dialog, QPoint(5, trace->height() / 2));
    QTest::mouseClick(shape.dialog.childAt(inBox), Qt::LeftButton, {},
                      shape.dialog.childAt(inBox)->mapFrom(&shape.dialog, inBox));
    EXPECT_TRUE(trace->isChecked());
}

TEST(DialogUnits, OwnerDrawnPlaceholdersAreNeitherTabStopsNorDefaults) {
    FormDialog<Ui::ShapeDialog> shape;
    auto* preview = qobject_cast<QPushButton*>(shape.Control(1014));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(preview->autoDefault());

    FormDialog<Ui::AboutDialog> about;
    auto* picture = qobject_cast<QPushButton*>(about.Control(1018));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->isEnabled());
    EXPECT_FALSE(picture->autoDefault());
}

TEST(DialogUnits, StaticTextsKeepTheirAlignment) {
    FormDialog<Ui::AboutDialog> about;
    auto* version = qobject_cast<QLabel*>(about.Control(105));
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->alignment().testFlag(Qt::AlignHCenter));

    FormDialog<Ui::NameDialog> name;
    auto* prompt = name.dialog.findChild<QLabel*>("promptLabel");
    ASSERT_NE(prompt, nullptr);
    EXPECT_TRUE(prompt->wordWrap());
    EXPECT_TRUE(prompt->alignment().testFlag(Qt::AlignTop));

    FormDialog<Ui::ShapeDialog> shape;
    auto* list = qobject_cast<QListWidget*>(shape.Control(1012));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(DialogUnits, TheStaticIconShowsIconFiveAtItsOwnSize) {
#ifndef COBBLEWELL_ART_DIR
    GTEST_SKIP() << "the art generator is not part of this build";
#endif
    FormDialog<Ui::NameDialog> name;
    auto* icon = name.dialog.findChild<QLabel*>("iconLabel");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->property(cw::kIconResourceProperty).toString(), "#5");
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    const QRect expected = DialogUnitsToPixels(QRect(12, 9, 21, 20), BaseUnits());
    EXPECT_EQ(icon->geometry(), QRect(expected.topLeft(), QSize(32, 32)));
}

} // namespace
