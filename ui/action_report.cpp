// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/action_report.h"

#include "resources/translations.h"
#include "ui/accessible_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace cw {
namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("Announcement", source);
}

// A sentence may open with a name ("red ball selected."), which the cells write in lower case.
QString Sentence(const QString& text) {
    return GameLocale().toUpper(text.left(1)) + text.mid(1);
}

QString RowText(int index) {
    return NumberText(index / kBoardSize + 1);
}
QString ColumnText(int index) {
    return NumberText(index % kBoardSize + 1);
}

} // namespace

void ActionReport::Begin(int cell) {
    r_ = Record{};
    r_.active = true;
    r_.newGame = cell < 0;
    r_.clicked = cell;
    r_.phaseBefore = game_.phase;
    r_.selectedBefore = game_.selection.cellId;
    if (cell >= 0)
        r_.clickedStack = game_.board.cells[static_cast<std::size_t>(cell)].stack;
    r_.score = game_.score;
}

void ActionReport::CellRefreshed(int cell) {
    if (!r_.active)
        return;
    const Cell& now = game_.board.cells[static_cast<std::size_t>(cell)];
    // A ball landing in an empty cell is refreshed twice, appearing and then at rest.
    if (now.state == CellState::Appearing) {
        r_.landings.push_back({cell, now.colour});
        r_.appearing = cell;
    } else if (cell == r_.appearing) {
        r_.appearing = -1;
    } else if (game_.phase == GamePhase::Placing) {
        r_.landings.push_back({cell, now.colour});
    } else if (game_.phase == GamePhase::Moving && cell == r_.clicked) {
        r_.moved = true;
    }
}

void ActionReport::ScoreRedrawn() {
    if (r_.active && game_.score > r_.score)
        r_.points += game_.score - r_.score;
    r_.score = game_.score;
}

void ActionReport::Beeped() {
    r_.beeped = true;
}

QString ActionReport::GameOver() {
    r_.newGame = true;
    r_.landings.clear();
    r_.points = 0;
    //: Spoken when the board is full and the game ends, before the game-over message box.
    return Text(QT_TRANSLATE_NOOP("Announcement", "Game over. Score %1."))
        .arg(NumberText(game_.score));
}

ActionReport::Opening ActionReport::ClickOutcome() const {
    if (r_.newGame)
        return Opening::NewGame;
    if (r_.phaseBefore != GamePhase::Idle && r_.phaseBefore != GamePhase::Selected)
        return Opening::None;
    const bool wasSelected =
        r_.phaseBefore == GamePhase::Selected && r_.selectedBefore == r_.clicked;
    if (r_.moved)
        return Opening::Moved;
    if (r_.beeped)
        return Opening::NoPath;
    if (game_.phase == GamePhase::Selected && game_.selection.cellId == r_.clicked && !wasSelected)
        return Opening::Selected;
    if (wasSelected)
        return Opening::Cancelled;
    return r_.clickedStack >= 2 ? Opening::LoneBallOnly : Opening::None;
}

QString ActionReport::Finish() {
    r_.active = false;
    QStringList sentences;
    switch (ClickOutcome()) {
    case Opening::None:
        return {};
    case Opening::Selected:
        // The ball alone, not as its cell now reads ("selected red ball").
        //: Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell
        //: describes it alone ("red ball", "joker"); the game writes the sentence's first
        //: letter as a capital.
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "%1 selected."))
                         .arg(CellDescription(
                             {CellState::Occupied, 1,
                              game_.board.cells[static_cast<std::size_t>(r_.clicked)].colour}));
        break;
    case Opening::Cancelled:
        //: Spoken when the player puts the picked ball back down.
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "Selection cancelled."));
        break;
    case Opening::LoneBallOnly:
        //: Spoken when the player picks a stack of two or more balls, which cannot move.
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "Only a lone ball can be moved."));
        break;
    case Opening::NoPath:
        //: Spoken when the picked ball cannot reach the chosen cell: no free path leads there.
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "No path."));
        break;
    case Opening::Moved:
        //: Spoken after a move. Rows and columns count from 1 at the top left, as in the cells'
        //: names ("row %1, column %2").
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "Moved to row %1, column %2."))
                         .arg(RowText(r_.clicked), ColumnText(r_.clicked));
        break;
    case Opening::NewGame:
        //: %1 is the level's name ("Beginner").
        sentences
            << Text(QT_TRANSLATE_NOOP("Announcement", "New game, %1.")).arg(LevelName(game_.level));
        break;
    }
    // A move clears at most the one stack it lands on, and a drop completes none.
    if (r_.points > 0) {
        //: %1 is 5, 10 or 15 (five balls times the level's factor); word it so that it reads
        //: right for each.
        sentences << Text(QT_TRANSLATE_NOOP("Announcement", "Stack of five cleared: %1 points."))
                         .arg(NumberText(r_.points));
        //: The new score, said after the points of a clear.
        sentences
            << Text(QT_TRANSLATE_NOOP("Announcement", "Score %1.")).arg(NumberText(game_.score));
    }
    if (!r_.landings.empty()) {
        QStringList balls;
        for (const Landing& landing : r_.landings) {
            //: One dropped ball: %1 is its colour as the next-colours panel names it ("red",
            //: "joker"), %2 and %3 its row and column.
            balls << Text(QT_TRANSLATE_NOOP("Announcement", "%1 at row %2, column %3"))
                         .arg(ColourName(landing.colour), RowText(landing.cell),
                              ColumnText(landing.cell));
        }
        //: Separates the dropped balls in the list: "red at row 1, column 1; blue at row 7,
        //: column 3".
        const QString separator = Text(QT_TRANSLATE_NOOP("Announcement", "; "));
        //: %1 lists the balls that just dropped onto the board (one to five), each as "red at
        //: row 1, column 1", separated by the list separator below.
        sentences
            << Text(QT_TRANSLATE_NOOP("Announcement", "New balls: %1.")).arg(balls.join(separator));
    }
    for (QString& sentence : sentences)
        sentence = Sentence(sentence);
    return sentences.join(u' ');
}

QString ScoreAnnouncement(std::int32_t score, std::int32_t best) {
    //: Said on demand (F2): the score and the best score of the level.
    return Text(QT_TRANSLATE_NOOP("Announcement", "Score %1, best %2."))
        .arg(NumberText(score), NumberText(best));
}

QString NextColoursAnnouncement(const QString& nextColours) {
    //: Said on demand (F3). %1 is the next-colours panel's description: the colours ("red,
    //: joker, blue") or "hidden".
    return Text(QT_TRANSLATE_NOOP("Announcement", "Next colours: %1.")).arg(nextColours);
}

QString CellAnnouncement(int index, const Cell& cell) {
    //: Said on demand (F4): the cell under the keyboard cursor. %1 its place ("row 3, column
    //: 5"), %2 what lies in it ("red ball, stack of 3", "empty"); the first letter becomes a
    //: capital.
    return Sentence(Text(QT_TRANSLATE_NOOP("Announcement", "%1: %2."))
                        .arg(CellAccessibleName(index), CellDescription(cell)));
}

} // namespace cw
