// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/options_dialog.h"
#include "records_test_support.h"
#include "resources/resource_lookup.h"
#include "tests/support/dialog_test_support.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cw {
namespace {

class RecordingTarget : public OptionsTarget {
public:
    void ShowNextColors(bool shown) override {
        calls.push_back(shown ? "show next colours" : "hide next colours");
    }
    void RebuildCellPictures() override {
        calls.push_back("rebuild for shape " + std::to_string(*shape));
    }

    const std::int32_t* shape = nullptr;
    std::vector<std::string> calls;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.options = {1, 0, 1};
        records.shape = 5;
        target.shape = &records.shape;
    }
    static QCheckBox* Box(const QWidget* dialog, const char* name) {
        return dialog->findChild<QCheckBox*>(QLatin1String(name));
    }
    static QListWidget* List(const QWidget* dialog) {
        return dialog->findChild<QListWidget*>(QStringLiteral("shapeList"));
    }
    static void Click(const QWidget* dialog, const char* button) {
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    }

    GameState game;
    RecordsState records;
    RecordingTarget target;
};

TEST_F(OptionsDialogTest, OpensWithTheCurrentOptionsAndShape) {
    OptionsDialog dialog(game, records, target, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Cobblewell Options");
    EXPECT_TRUE(Box(&dialog, "traceAllMovesCheck")->isChecked());
    EXPECT_FALSE(Box(&dialog, "showNextColorsCheck")->isChecked());
    EXPECT_TRUE(Box(&dialog, "animatedSmileysCheck")->isChecked());
    QStringList shapes;
    for (int row = 0; row < List(&dialog)->count(); ++row)
        shapes << List(&dialog)->item(row)->text();
    EXPECT_EQ(shapes, (QStringList{"Atom", "Ball", "Dice", "Spiral", "Balloon", "Flake", "Round",
                                   "Circles"}));
    EXPECT_EQ(List(&dialog)->currentRow(), 4);
}

TEST_F(OptionsDialogTest, IsLaidOutFromItsFormAndClicksPassThroughItsGroupBoxes) {
    OptionsDialog dialog(game, records, target, nullptr);
    test::ExpectLaidOutFromItsForm(dialog, QStringLiteral("okButton"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QCheckBox* trace = Box(&dialog, "traceAllMovesCheck");
    ASSERT_TRUE(trace->isChecked());
    const QPoint inBox = trace->mapTo(&dialog, QPoint(5, trace->height() / 2));
    QWidget* hit = dialog.childAt(inBox);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&dialog, inBox));
    EXPECT_FALSE(trace->isChecked());
}

TEST_F(OptionsDialogTest, OkWithTheSameShapeAppliesTheBoxesAndRebuildsNothing) {
    OptionsDialog dialog(game, records, target, nullptr);
    Box(&dialog, "traceAllMovesCheck")->setChecked(false);
    Box(&dialog, "showNextColorsCheck")->setChecked(true);
    List(&dialog)->setCurrentRow(1);
    List(&dialog)->setCurrentRow(4);
    Click(&dialog, "okButton");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(game.options.traceAllMoves, 0);
    EXPECT_EQ(game.options.showNextColors, 1);
    EXPECT_EQ(game.options.animatedFaces, 1);
    EXPECT_EQ(records.shape, 5);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"show next colours"}));
}

TEST_F(OptionsDialogTest, OkWithAnotherShapeRebuildsThePicturesOnceAfterThePanel) {
    OptionsDialog dialog(game, records, target, nullptr);
    List(&dialog)->setCurrentRow(7);
    dialog.accept();
    EXPECT_EQ(records.shape, 8);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"hide next colours", "rebuild for shape 8"}));
}

TEST_F(OptionsDialogTest, RunReturnsOneForOkAndCancelChangesNothing) {
    test::ModalScript ok({[](QWidget* dialog) { Click(dialog, "okButton"); }});
    EXPECT_EQ(RunOptionsDialog(game, records, target, nullptr), 1);
    target.calls.clear();

    test::ModalScript cancel({[](QWidget* dialog) {
        Box(dialog, "traceAllMovesCheck")->setChecked(false);
        Box(dialog, "showNextColorsCheck")->setChecked(true);
        List(dialog)->setCurrentRow(0);
        Click(dialog, "cancelButton");
    }});
    EXPECT_EQ(RunOptionsDialog(game, records, target, nullptr), 0);
    EXPECT_EQ(cancel.pending(), 0);
    EXPECT_EQ(records.shape, 5);
    EXPECT_EQ(game.options.traceAllMoves, 1);
    EXPECT_EQ(game.options.showNextColors, 0);
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(OptionsDialogTest, ThePreviewIsAFramedCellThatFollowsTheSelectionAtOnce) {
    OptionsDialog dialog(game, records, target, nullptr);
    dialog.show();
    QWidget* preview = dialog.findChild<QWidget*>(QStringLiteral("previewButton"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->focusPolicy(), Qt::NoFocus);
    const auto onScreen = [&] {
        // What was really presented, not a fresh rendering.
        const QImage window = dialog.screen()->grabWindow(dialog.winId()).toImage();
        return window.copy(QRect(preview->mapTo(&dialog, QPoint(0, 0)), preview->size()));
    };
    QApplication::processEvents();
    const QImage frame = onScreen();
    EXPECT_EQ(frame.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(frame.width() - 2, frame.height() - 2), QColor(128, 128, 128));
    EXPECT_EQ(frame.pixelColor(3, 3), QColor(192, 192, 192));

    const QImage icon = LoadIconImage(11);
    ASSERT_FALSE(icon.isNull());
    List(&dialog)->setCurrentRow(0); // Atom, icon 11; no event loop runs before the grab
    const QImage shown = onScreen();
    const QPoint origin((preview->width() - 32) / 2, (preview->height() - 32) / 2);
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor want = icon.pixelColor(x, y);
            if (want.alpha() == 255 && shown.pixelColor(origin + QPoint(x, y)) != want.toRgb())
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace cw
