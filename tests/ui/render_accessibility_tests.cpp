// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "ui/accessible_text.h"
#include "ui/cell_widget.h"
#include "ui/toolbar_panels.h"

#include <QAccessible>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace cw::test {
namespace {

constexpr int kIndex = 22; // row 3, column 5
constexpr std::int32_t kRed = 0;
constexpr std::int32_t kBlue = 2;

QAccessibleInterface* Accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}

QString Description(QWidget& widget) {
    return Accessible(widget)->text(QAccessible::Description);
}

TEST(AccessibleText, CellsReadAsPlayersSeeThem) {
    struct Case {
        Cell cell;
        const char* text;
    };
    const Case cases[] = {
        {Cell{}, "empty"},
        {Cell{CellState::Occupied, 1, kRed}, "red ball"},
        {Cell{CellState::Occupied, 2, kRed}, "red ball, stack of 2"},
        {Cell{CellState::Occupied, 4, 6}, "white ball, stack of 4"},
        {Cell{CellState::Occupied, 1, kJoker}, "joker"},
        {Cell{CellState::Occupied, 3, kJoker}, "joker, stack of 3"},
        {Cell{CellState::Selected, 1, kRed}, "selected red ball"},
        {Cell{CellState::Selected, 1, kJoker}, "selected joker"},
        {Cell{CellState::Appearing, 1, kBlue}, "blue ball"},
        {Cell{CellState::Occupied, 0, 5}, "cyan ball"}, // passing through on a traced move
        {Cell{CellState::Occupied, 1, 8}, "empty"},     // a colour no picture exists for
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellDescription(c.cell), c.text);
}

TEST(AccessibleText, CellNamesCountFromOneAndTheNextColoursNameTheThreeShown) {
    EXPECT_EQ(CellAccessibleName(0), "row 1, column 1");
    EXPECT_EQ(CellAccessibleName(kIndex), "row 3, column 5");
    EXPECT_EQ(CellAccessibleName(80), "row 9, column 9");
    EXPECT_EQ(NextColoursDescription({kRed, kJoker, kBlue, 3, 4}, true), "red, joker, blue");
    EXPECT_EQ(NextColoursDescription({kRed, kJoker, kBlue, 3, 4}, false), "hidden");
}

class AccessibleCell : public StandInGame {
protected:
    void SetUp() override {
        StandInGame::SetUp();
        widget = std::make_unique<CellWidget>(kIndex, game, images);
    }
    Cell& cell() { return game.board.cells[kIndex]; }
    // The widget as drawn on a screen of `ratio` device pixels per logical pixel.
    QImage Rendered(int ratio) {
        QImage image(QSize(kCellPixels, kCellPixels) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        widget->render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }

    std::unique_ptr<CellWidget> widget;
};

TEST_F(AccessibleCell, IsAButtonNamedByItsPlaceDescribedAsItIsDrawn) {
    QAccessibleInterface* accessible = Accessible(*widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "row 3, column 5");
    EXPECT_EQ(accessible->text(QAccessible::Description), "empty");
    cell() = Cell{CellState::Selected, 1, kRed};
    widget->RedrawNow();
    EXPECT_EQ(Description(*widget), "selected red ball");
    cell() = Cell{CellState::Occupied, 3, kBlue};
    widget->RefreshNow(false);
    EXPECT_EQ(Description(*widget), "blue ball, stack of 3");
    cell() = Cell{};
    widget->RedrawNow();
    EXPECT_EQ(Description(*widget), "empty");
}

TEST_F(AccessibleCell, PressingItIsAClick) {
    QSignalSpy pressed(widget.get(), &CellWidget::pressed);
    QAccessibleActionInterface* actions = Accessible(*widget)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.front().front().toInt(), kIndex);
}

TEST_F(AccessibleCell, ReportsFocusWhileTheKeyboardCursorIsOnIt) {
    EXPECT_FALSE(Accessible(*widget)->state().focused);
    widget->SetKeyboardMark(true);
    EXPECT_TRUE(Accessible(*widget)->state().focused);
    widget->SetKeyboardMark(false);
    EXPECT_FALSE(Accessible(*widget)->state().focused);
}

// The ring is drawn over the picture, never into it: a black ring two pixels wide round a
// white one, at one and two device pixels per pixel. All the way round, one of the two stands
// out from the picture under it, whatever the colour; the rest of the cell stays as it was.
TEST_F(AccessibleCell, KeyboardMarkIsAnOverlayVisibleOnEveryColour) {
    for (const int ratio : {1, 2}) {
        for (std::int32_t colour = kNoColour; colour <= kJoker; ++colour) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", colour " << colour);
            cell() = colour == kNoColour ? Cell{} : Cell{CellState::Occupied, 1, colour};
            widget->RedrawNow();
            const QImage picture = widget->picture();
            const QImage plain = Rendered(ratio);
            widget->SetKeyboardMark(true);
            EXPECT_EQ(widget->picture(), picture);
            const QImage marked = Rendered(ratio);

            // Outer and inner ring pixels side by side, along the four sides, in device pixels.
            const int near = 4 * ratio;
            const int far = 38 * ratio - 1;
            int hidden = 0;
            for (int along = 8 * ratio; along < 34 * ratio; ++along) {
                const std::pair<QPoint, QPoint> pairs[] = {
                    {{along, near}, {along, near + 2 * ratio}},
                    {{along, far}, {along, far - 2 * ratio}},
                    {{near, along}, {near + 2 * ratio, along}},
                    {{far, along}, {far - 2 * ratio, along}},
                };
                for (const auto& [outer, inner] : pairs) {
                    ASSERT_EQ(Pixel(marked, outer.x(), outer.y()), kBlack);
                    ASSERT_EQ(Pixel(marked, inner.x(), inner.y()), kWhite);
                    hidden += marked.pixel(outer) == plain.pixel(outer) &&
                              marked.pixel(inner) == plain.pixel(inner);
                }
            }
            EXPECT_EQ(hidden, 0);
            const int ringEnd = 38 * ratio;
            EXPECT_TRUE(SamePixels(marked, QPoint(), plain, QRect(0, 0, 42 * ratio, near)));
            EXPECT_TRUE(SamePixels(marked, QPoint(), plain,
                                   QRect(0, ringEnd, 42 * ratio, 42 * ratio - ringEnd)));
            const int inside = 8 * ratio;
            EXPECT_TRUE(
                SamePixels(marked, QPoint(), plain, QRect(inside, inside, 26 * ratio, 26 * ratio)));
            widget->SetKeyboardMark(false);
            EXPECT_EQ(Rendered(ratio), plain);
        }
    }
}

using AccessibleToolbar = StandInGame;

TEST_F(AccessibleToolbar, ControlsAreNamed) {
    NewButton button(nullptr, StandInLoader());
    LcdPanel score(false, game, nullptr, StandInLoader());
    LcdPanel best(true, game, nullptr, StandInLoader());
    NextColorsPanel next(game, images);
    EXPECT_EQ(Accessible(button)->text(QAccessible::Name), "New game");
    EXPECT_EQ(Accessible(button)->role(), QAccessible::Button);
    EXPECT_EQ(Accessible(score)->text(QAccessible::Name), "Score");
    EXPECT_EQ(Accessible(best)->text(QAccessible::Name), "Best score");
    EXPECT_EQ(Accessible(next)->text(QAccessible::Name), "Next colours");
}

TEST_F(AccessibleToolbar, PanelsDescribeTheirValues) {
    LcdPanel score(false, game, nullptr, StandInLoader());
    LcdPanel best(true, game, nullptr, StandInLoader());
    NextColorsPanel next(game, images);
    game.score = 42;
    game.level = Intermediate;
    game.best = {10, 250, 30};
    game.next = {kBlue, kJoker, kRed, kRed, kRed};
    for (auto* panel : {&score, &best})
        panel->UpdateAccessibleText();
    next.UpdateAccessibleText();
    EXPECT_EQ(Description(score), "42");
    EXPECT_EQ(Description(best), "250");
    EXPECT_EQ(Description(next), "blue, joker, red");
    game.options.showNextColors = 0;
    next.UpdateAccessibleText();
    EXPECT_EQ(Description(next), "hidden");
}

} // namespace
} // namespace cw::test
