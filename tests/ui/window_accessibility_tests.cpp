// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "ui/accessible_text.h"
#include "ui/cell_widget.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

constexpr std::int32_t kRed = 0;

QString Description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

class WindowAccessibility : public WindowTest {
protected:
    QWidget* Child(const char* name) const {
        return window_->findChild<QWidget*>(QLatin1String(name));
    }
    // Every cell and panel says what the game state holds.
    void ExpectDescriptionsMatchTheGame() const {
        for (int index = 0; index < kCellCount; ++index) {
            EXPECT_EQ(Description(window_->cell(index)),
                      CellDescription(game_.board.cells[static_cast<std::size_t>(index)]))
                << index;
        }
        EXPECT_EQ(Description(Child("scorePanel")), QString::number(game_.score));
        EXPECT_EQ(Description(Child("bestPanel")), QString::number(game_.best[game_.level]));
        EXPECT_EQ(Description(Child("nextColorsPanel")), NextColoursDescription(game_.next, true));
    }
};

TEST_F(WindowAccessibility, TheFirstGameIsDescribed) {
    Start();
    ExpectDescriptionsMatchTheGame();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window_->cell(22))->text(QAccessible::Name),
              "row 3, column 5");
}

TEST_F(WindowAccessibility, DescriptionsFollowAMove) {
    Start();
    SetBoard({{0, kRed}});
    Click(0);
    EXPECT_EQ(Description(window_->cell(0)), "selected red ball");
    Click(22);
    EXPECT_EQ(Description(window_->cell(22)), "red ball");
    ExpectDescriptionsMatchTheGame();
}

// Four red on the target and one more make five: cleared and scored, the score panel says so.
TEST_F(WindowAccessibility, DescriptionsFollowAClear) {
    Start();
    SetBoard({{0, kRed}, {22, kRed}});
    game_.board.cells[22].stack = 4;
    window_->RedrawCell(22);
    EXPECT_EQ(Description(window_->cell(22)), "red ball, stack of 4");
    Click(0);
    Click(22);
    ASSERT_EQ(game_.score, 5);
    ExpectDescriptionsMatchTheGame();
}

// As the Options dialog switches the panel: the option first, then the window.
TEST_F(WindowAccessibility, HiddenNextColoursSayHidden) {
    Start();
    game_.options.showNextColors = 0;
    window_->ShowNextColors(false);
    EXPECT_EQ(Description(Child("nextColorsPanel")), "hidden");
    game_.options.showNextColors = 1;
    window_->ShowNextColors(true);
    EXPECT_EQ(Description(Child("nextColorsPanel")), NextColoursDescription(game_.next, true));
}

} // namespace
} // namespace cw::test
