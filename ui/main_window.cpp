// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "game/rules.h"
#include "resources/translations.h"
#include "ui/announcer.h"
#include "ui/cell_widget.h"
#include "ui/toolbar_panels.h"
#include "widgets/draw_helpers.h"
#include "widgets/menu_bar_style.h"
#include "x11/window_destroy_watch.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

#include <utility>

namespace cw {
namespace {

// Centre of the toolbar strip; the New button and the two LCD panels are placed around it.
constexpr int kToolbarMiddle = kClientWidth / 2;
constexpr int kToolbarControlTop = 3;
constexpr QPoint kNewButtonPosition(kToolbarMiddle - 12, kToolbarControlTop);
constexpr QPoint kScorePanelPosition(kToolbarMiddle + 17, kToolbarControlTop);
constexpr QPoint kBestPanelPosition(kToolbarMiddle - 69, kToolbarControlTop);
constexpr QPoint kNextColorsPosition(294, kToolbarControlTop);

// The client area: the framed toolbar strip on light grey; the cells cover the board below.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("clientArea"));
        setFixedSize(kClientWidth, kClientHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
        // A board has no reading direction: row 1 column 1 stays top left, and the toolbar
        // panels keep their places, in every language.
        setLayoutDirection(Qt::LeftToRight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(kLightGrey));
        DrawFramedRect(painter, 0, 0, kClientWidth, kToolbarHeight, 0);
    }
};

} // namespace

MainWindow::MainWindow(GameState& game, RecordsState& records, const BitmapLoader& loader,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      game_(game), records_(records), faceTiles_(loader), cellImages_(loader), pause_(&PauseFor) {
    setObjectName(QStringLiteral("CW:MAIN"));
    actions_ = BuildMainMenu(menuBar(), this);
    ConnectCommands();
    menuBar()->setStyle(new MenuBarStyle(menuBar()));

    cellImages_.Build(records_.shape);
    auto* client = new ClientArea(this);
    CreateChildren(client, loader);
    WatchMouseClicks(client);
    // Beside the client area rather than in it, whose children are the game's layout.
    announcer_ = new Announcer(this);
    setCentralWidget(client);
    // The window takes the size of menu bar plus client area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The rules draw their periods to the millisecond (a face waits at least 3000 ms); Qt's
    // default coarse timers may fire up to 5 % early or late.
    blinkTimer_.setTimerType(Qt::PreciseTimer);
    faceTimer_.setTimerType(Qt::PreciseTimer);
    connect(&blinkTimer_, &QTimer::timeout, this, &MainWindow::OnBlinkTimer);
    connect(&faceTimer_, &QTimer::timeout, this, &MainWindow::OnFaceTimerTick);
    // A blink or a face in the middle of a move would act on a board the rules are changing.
    HoldDuringPauses(blinkTimer_);
    HoldDuringPauses(faceTimer_);
    InstallDialogCompanions();
    destroyWatch_ = WatchWindowDestroyed(*this, [this] { EndWithDestroyedWindow(); });
}

// Out of line, where the destroyed-window watch is a complete type.
MainWindow::~MainWindow() = default;

void MainWindow::CreateChildren(QWidget* client, const BitmapLoader& loader) {
    for (int index = 0; index < kCellCount; ++index) {
        auto* cell = new CellWidget(index, game_, cellImages_, client);
        cell->setObjectName(QStringLiteral("cell%1").arg(index));
        cell->move(kCellPixels * (index % kBoardSize),
                   kToolbarHeight + kCellPixels * (index / kBoardSize));
        connect(cell, &CellWidget::pressed, this, &MainWindow::OnCellPressed);
        cells_[static_cast<std::size_t>(index)] = cell;
    }
    newButton_ = new NewButton(client, loader);
    newButton_->move(kNewButtonPosition);
    connect(newButton_, &NewButton::clicked, this, &MainWindow::NewGameCommand);
    scorePanel_ = new LcdPanel(false, game_, client, loader);
    scorePanel_->move(kScorePanelPosition);
    bestPanel_ = new LcdPanel(true, game_, client, loader);
    bestPanel_->move(kBestPanelPosition);
    nextColorsPanel_ = new NextColorsPanel(game_, cellImages_, client);
    nextColorsPanel_->move(kNextColorsPosition);
    ShowNextColors(game_.options.showNextColors != 0);
}

void MainWindow::UpdateTitle(std::int32_t level) {
    if (!IsLevel(level))
        return;
    //: The window title; %1 is the level's name.
    setWindowTitle(tr("Cobblewell (%1)").arg(LevelName(level)));
}

void MainWindow::CheckLevelMenu(std::int32_t level) {
    if (IsLevel(level))
        actions_[kLevelCommands[static_cast<std::size_t>(level)]]->setChecked(true);
}

const QTimer& MainWindow::timer(int id) const {
    return id == kBlinkTimer ? blinkTimer_ : faceTimer_;
}

QTimer* MainWindow::TimerById(int id) {
    if (id == kBlinkTimer)
        return &blinkTimer_;
    if (id == kFaceTimer)
        return &faceTimer_;
    return nullptr;
}

void MainWindow::setPause(PauseFunction pause) {
    pause_ = pause ? std::move(pause) : PauseFunction(&PauseFor);
    for (CellWidget* cell : cells_)
        cell->setPause(pause_);
}

void MainWindow::OnCellPressed(int index) {
    RunReported(index, [this, index] { OnCellClick(game_, *this, index); });
    UpdateCursors();
}

void MainWindow::RunReported(int cell, const std::function<void()>& action) {
    report_.Begin(cell);
    action();
    announcer_->Announce(report_.Finish());
}

void MainWindow::OnBlinkTimer() {
    BlinkTick(game_, *this);
}

void MainWindow::OnFaceTimerTick() {
    OnFaceTimer(game_, *this, isVisible() && !isMinimized());
}

// Nothing is left to show the game in or to ask the player anything: the game ends as the
// window's destruction ends it, without the leave that a close request gets.
void MainWindow::EndWithDestroyedWindow() {
    blinkTimer_.stop();
    faceTimer_.stop();
    QCoreApplication::quit();
}

void MainWindow::LeaveWithoutDialogs() {
    leavingWithoutDialogs_ = true;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        // A dialog that takes no rejection (the About box) goes as a closed one does.
        if (QApplication::activeModalWidget() == modal && !modal->close())
            modal->hide();
    }
    close();
}

// Whichever cell the mouse rests on must show what the new state allows, without waiting for
// the mouse to move.
void MainWindow::UpdateCursors() {
    for (CellWidget* cell : cells_)
        cell->UpdateCursor();
}

} // namespace cw
