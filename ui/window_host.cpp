// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the rules' screen and clock. Every drawing request is painted and put on
// the screen before it returns (repaint, never update), because the rules follow many of them
// with a pause that the screen must show them for, from its first millisecond.

#include "records/score_table.h"
#include "ui/announcer.h"
#include "ui/cell_widget.h"
#include "ui/main_window.h"
#include "ui/toolbar_panels.h"

#include <QApplication>
#include <QMessageBox>

namespace cw {
namespace {

bool IsCell(int index) {
    return index >= 0 && index < kCellCount;
}

} // namespace

void MainWindow::RedrawCell(int index) {
    if (IsCell(index))
        cell(index)->RedrawNow();
}

void MainWindow::RefreshCell(int index, bool jokerInvolved) {
    if (!IsCell(index))
        return;
    cell(index)->RefreshNow(jokerInvolved);
    report_.CellRefreshed(index);
}

void MainWindow::RedrawScore() {
    scorePanel_->UpdateAccessibleText();
    scorePanel_->repaint();
    report_.ScoreRedrawn();
}

void MainWindow::RedrawBest() {
    bestPanel_->UpdateAccessibleText();
    bestPanel_->repaint();
}

void MainWindow::RedrawNext() {
    nextColorsPanel_->UpdateAccessibleText();
    nextColorsPanel_->repaint();
}

// The player's input, close requests and the rules' timer ticks that arrive meanwhile wait
// and are handled in order once the pause is over. A hidden window has nothing to show during
// a pause: the first game is dealt before the window appears, and its landings need not delay
// that.
void MainWindow::Pause(int milliseconds) {
    if (isVisible())
        pause_(milliseconds);
}

void MainWindow::StartTimer(int id, int milliseconds) {
    if (QTimer* timer = TimerById(id))
        timer->start(milliseconds);
}

void MainWindow::StopTimer(int id) {
    if (QTimer* timer = TimerById(id))
        timer->stop();
}

void MainWindow::Beep() {
    QApplication::beep();
    report_.Beeped();
}

void MainWindow::Message(const std::string& text) {
    announcer_->Announce(report_.GameOver());
    QMessageBox box(QMessageBox::Information, QStringLiteral("Cobblewell"),
                    QCoreApplication::translate("Rules", text.c_str()), QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::ShowFace(int index, int face) {
    if (IsCell(index))
        cell(index)->ShowFace(faceTiles_.tile(face));
}

void MainWindow::OfferScoreEntry(int level) {
    cw::OfferScoreEntry(game_, records_, level, this);
}

void MainWindow::ShowNextColors(bool shown) {
    nextColorsPanel_->setVisible(shown);
    nextColorsPanel_->UpdateAccessibleText();
}

void MainWindow::RebuildCellPictures() {
    cellImages_.Build(records_.shape);
    nextColorsPanel_->repaint();
    for (CellWidget* cell : cells_)
        cell->RedrawNow();
}

} // namespace cw
