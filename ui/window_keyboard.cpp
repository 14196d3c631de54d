// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play: the arrow keys move a cursor over the cells and Space or Enter clicks the
// cell under it. The keys are taken by the window, not the cells, and only once nothing
// else wanted them: a menu bar in keyboard mode, a popup menu or a dialog takes them first,
// and the accelerators (Esc, Ctrl+N, ...) are shortcuts that fire before any key press.
// F2, F3 and F4 only speak: they tell a screen reader the score, the next colours and the cell
// under the cursor.

#include "ui/accessible_text.h"
#include "ui/announcer.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include <algorithm>

namespace cw {
namespace {

struct ArrowStep {
    int key;
    int rows;
    int columns;
};

constexpr ArrowStep kArrowSteps[] = {
    {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}, {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}};

bool IsClickKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keypad arrows and the keypad Enter carry the keypad modifier; any other modifier makes the
// key someone else's.
bool HasNoModifier(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void MainWindow::WatchMouseClicks(QWidget* client) {
    client->installEventFilter(this);
    for (QWidget* child : client->findChildren<QWidget*>())
        child->installEventFilter(this);
}

// Any mouse click in the client area hides the keyboard cursor before the click is handled,
// so the cell clicked is drawn without it. It also takes the keyboard back from the menu bar,
// as a click outside the menus does on any desktop: Qt's menu bar lets the keyboard go only
// when the focus leaves it, and nothing in the client area takes the focus.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        HideKeyboardCursor();
        if (menuBar()->hasFocus())
            menuBar()->clearFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Only keys made while the window had the keyboard reach it; one that a pause held back may
// come after the window lost the keyboard, and counts as the player made it.
bool MainWindow::TakesBoardKeys() const {
    return QApplication::activeModalWidget() == nullptr;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const auto* step = std::ranges::find(kArrowSteps, event->key(), &ArrowStep::key);
    const bool arrow = step != std::end(kArrowSteps);
    if (!TakesBoardKeys() || !HasNoModifier(*event) || !(arrow || IsClickKey(event->key()))) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A held click key is one click, as a held mouse button is.
    if (arrow)
        StepKeyboardCursor(step->rows, step->columns);
    else if (keyboardCursor_.visible() && !event->isAutoRepeat())
        OnCellPressed(keyboardCursor_.cell());
    event->accept();
}

// Window shortcuts without a menu item, which a modal dialog silences as it does the menus'.
void MainWindow::AddSpeakingKeys() {
    const auto speak = [this](const char* name, Qt::Key key, auto text) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, text] { announcer_->Announce(text()); });
    };
    speak("actionSayScore", Qt::Key_F2, [this] {
        return ScoreAnnouncement(game_.score, game_.best[static_cast<std::size_t>(game_.level)]);
    });
    speak("actionSayNextColours", Qt::Key_F3, [this] {
        return NextColoursAnnouncement(
            NextColoursDescription(game_.next, game_.options.showNextColors != 0));
    });
    speak("actionSayCell", Qt::Key_F4, [this] {
        const int index = keyboardCursor_.cell();
        return CellAnnouncement(index, game_.board.cells[static_cast<std::size_t>(index)]);
    });
}

void MainWindow::StepKeyboardCursor(int rows, int columns) {
    const int before = keyboardCursor_.cell();
    keyboardCursor_.Step(rows, columns);
    CellWidget* marked = cell(keyboardCursor_.cell());
    if (keyboardCursor_.cell() != before)
        cell(before)->SetKeyboardMark(false);
    marked->SetKeyboardMark(true);
    // The screen reader follows the cursor as it would follow the focus.
    QAccessibleEvent focus(marked, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void MainWindow::HideKeyboardCursor() {
    keyboardCursor_.Hide();
    cell(keyboardCursor_.cell())->SetKeyboardMark(false);
}

} // namespace cw
