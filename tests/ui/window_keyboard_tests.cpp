// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "ui/cell_widget.h"
#include "ui/toolbar_panels.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace cw::test {
namespace {

constexpr std::int32_t kRed = 0;
constexpr std::int32_t kBlue = 2;
constexpr int kCentre = 40;

class WindowKeyboard : public WindowTest {
protected:
    void StartActive() {
        Start();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void Press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window_.get(), key, modifiers);
    }
    // Shows the cursor if need be, then walks it to `cell`.
    void MoveCursorTo(int cell) {
        if (!window_->keyboardCursor().visible())
            Press(Qt::Key_Up);
        const int from = window_->keyboardCursor().cell();
        const int rows = cell / 9 - from / 9;
        const int columns = cell % 9 - from % 9;
        Press(rows < 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(rows));
        Press(columns < 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(columns));
    }
    std::vector<int> MarkedCells() const {
        std::vector<int> marked;
        for (int index = 0; index < kCellCount; ++index) {
            if (window_->cell(index)->keyboardMarked())
                marked.push_back(index);
        }
        return marked;
    }
    void ExpectCursorAt(int cell) const {
        EXPECT_TRUE(window_->keyboardCursor().visible());
        EXPECT_EQ(window_->keyboardCursor().cell(), cell);
        EXPECT_EQ(MarkedCells(), std::vector<int>{cell});
    }
    void ExpectNoCursor() const {
        EXPECT_FALSE(window_->keyboardCursor().visible());
        EXPECT_TRUE(MarkedCells().empty());
    }
    // Everything a click can change, as text, so two games can be compared with a readable diff.
    std::string GameSnapshot() const {
        std::ostringstream out;
        for (const Cell& cell : game_.board.cells)
            out << static_cast<int>(cell.state) << '/' << cell.colour << '/' << cell.stack << ' ';
        out << "\nnext";
        for (const std::int32_t colour : game_.next)
            out << ' ' << colour;
        out << "\nscore " << game_.score << " phase " << static_cast<int>(game_.phase)
            << " selected " << game_.selection.cellId << " random " << game_.random.state;
        return out.str();
    }
};

TEST_F(WindowKeyboard, TheFirstArrowKeyShowsTheCursorAtTheCentre) {
    StartActive();
    ExpectNoCursor();
    Press(Qt::Key_Up);
    ExpectCursorAt(kCentre);
    Press(Qt::Key_Up);
    ExpectCursorAt(kCentre - 9);
}

TEST_F(WindowKeyboard, ArrowKeysStopAtTheEdges) {
    StartActive();
    Press(Qt::Key_Left);
    Press(Qt::Key_Left, 6);
    ExpectCursorAt(36);
    Press(Qt::Key_Up, 6);
    ExpectCursorAt(0);
    Press(Qt::Key_Right, 10);
    ExpectCursorAt(8);
    Press(Qt::Key_Down, 10);
    ExpectCursorAt(80);
    Press(Qt::Key_Left, 1, Qt::KeypadModifier);
    ExpectCursorAt(79);
}

// A mouse click on a cell or on the toolbar hides the cursor; it comes back where it was.
TEST_F(WindowKeyboard, MouseClicksHideTheCursor) {
    StartActive();
    SetBoard({});
    Press(Qt::Key_Right, 2);
    ExpectCursorAt(kCentre + 1);
    Click(0);
    ExpectNoCursor();
    Press(Qt::Key_Left);
    ExpectCursorAt(kCentre + 1);
    QTest::mouseClick(window_->findChild<NewButton*>(QStringLiteral("newButton")), Qt::LeftButton);
    ExpectNoCursor();
}

TEST_F(WindowKeyboard, KeysWithModifiersOrWithoutCursorDoNothing) {
    StartActive();
    SetBoard({{kCentre, kRed}});
    Press(Qt::Key_Right, 1, Qt::ShiftModifier);
    Press(Qt::Key_Down, 1, Qt::AltModifier);
    Press(Qt::Key_Left, 1, Qt::ControlModifier);
    ExpectNoCursor();
    Press(Qt::Key_Space);
    Press(Qt::Key_Return);
    EXPECT_EQ(game_.phase, GamePhase::Idle) << "no cell to click while the cursor is hidden";
    Press(Qt::Key_Right);
    Press(Qt::Key_Space, 1, Qt::ControlModifier);
    EXPECT_EQ(game_.phase, GamePhase::Idle);
}

// Selecting and moving by keyboard leaves the game exactly as the same clicks do, down to
// the random generator that chose the new balls.
TEST_F(WindowKeyboard, SpaceAndEnterPlayExactlyAsClicks) {
    StartActive();
    struct Case {
        Qt::Key select;
        Qt::Key move;
        Qt::KeyboardModifiers moveModifiers;
    };
    const Case cases[] = {{Qt::Key_Space, Qt::Key_Return, Qt::NoModifier},
                          {Qt::Key_Return, Qt::Key_Space, Qt::NoModifier},
                          {Qt::Key_Space, Qt::Key_Enter, Qt::KeypadModifier}};
    for (const Case& c : cases) {
        SetBoard({{kCentre, kRed}, {0, kBlue}});
        const Random random = game_.random;
        const NextColors next = game_.next;
        MoveCursorTo(kCentre);
        Press(c.select);
        EXPECT_EQ(game_.selection.cellId, kCentre);
        MoveCursorTo(62);
        Press(c.move, 1, c.moveModifiers);
        EXPECT_EQ(game_.board.cells[62].colour, kRed);
        const std::string byKeys = GameSnapshot();

        SetBoard({{kCentre, kRed}, {0, kBlue}});
        game_.random = random;
        game_.next = next;
        Click(kCentre);
        Click(62);
        EXPECT_EQ(GameSnapshot(), byKeys);
    }
}

// A key made during a move is handled after it (the pause holds it back); the cursor ring
// stays on its cell through the move's redraws, and the key then moves it from there.
TEST_F(WindowKeyboard, KeysDuringAMoveAreHandledAfterIt) {
    StartActive();
    SetBoard({{kCentre, kRed}});
    Press(Qt::Key_Right);
    Press(Qt::Key_Space);
    Press(Qt::Key_Left);
    bool posted = false;
    window_->setPause([&](int) {
        if (!posted) {
            posted = true;
            QCoreApplication::postEvent(
                window_.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
        }
    });
    Press(Qt::Key_Return);
    ASSERT_TRUE(posted);
    EXPECT_EQ(game_.board.cells[kCentre - 1].colour, kRed);
    ExpectCursorAt(kCentre - 1);
    const QImage shown = Presented();
    EXPECT_EQ(shown.pixel(CellOrigin(kCentre - 1) + QPoint(4, 21)), kBlack) << "the ring shows";
    EXPECT_EQ(CentreIn(shown, kCentre - 1), Palette(kRed));
    QCoreApplication::processEvents();
    ExpectCursorAt(kCentre + 8);
}

TEST_F(WindowKeyboard, AcceleratorsStillWork) {
    StartActive();
    SetBoard({});
    Press(Qt::Key_Right);
    Press(Qt::Key_N, 1, Qt::ControlModifier);
    EXPECT_EQ(game_.phase, GamePhase::Idle);
    int balls = 0;
    for (const Cell& cell : game_.board.cells)
        balls += cell.state != CellState::Empty ? 1 : 0;
    EXPECT_EQ(balls, 5) << "Ctrl+N deals a new game";
    ExpectCursorAt(kCentre);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(window_->isMinimized());
}

TEST_F(WindowKeyboard, AModalDialogKeepsTheKeys) {
    StartActive();
    QDialog dialog(window_.get());
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Press(Qt::Key_Right);
    ExpectNoCursor();
    dialog.close();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Press(Qt::Key_Right);
    ExpectCursorAt(kCentre);
}

// Alt gives the menu bar the keys and Esc takes them back; Esc out of an open menu leaves them
// there, a title highlighted, until a click on the board. Keys go where the focus is.
TEST_F(WindowKeyboard, TheMenuBarKeepsTheKeysUntilEscOrAClick) {
    StartActive();
    QMenuBar& bar = *window_->menuBar();
    for (const Qt::Key key : {Qt::Key_Alt, Qt::Key_Escape, Qt::Key_Alt, Qt::Key_Down,
                              Qt::Key_Escape, Qt::Key_Right, Qt::Key_Down, Qt::Key_Escape})
        QTest::keyClick(static_cast<QWidget*>(nullptr), key,
                        key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
    EXPECT_FALSE(window_->isMinimized()) << "Esc belongs to the menu bar";
    EXPECT_EQ(bar.grab(bar.actionGeometry(bar.actions().at(1))).toImage().pixelColor(2, 2),
              bar.palette().color(QPalette::Highlight)); // the title of Help
    Click(0);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);
    ExpectCursorAt(kCentre);
}

} // namespace
} // namespace cw::test
