// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"
#include "game/state.h"
#include "records/options_dialog.h"
#include "records/records_state.h"
#include "resources/menu_builder.h"
#include "ui/action_report.h"
#include "ui/cell_images.h"
#include "ui/face_tiles.h"
#include "ui/keyboard_cursor.h"
#include "widgets/event_pause.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QAbstractNativeEventFilter;

namespace cw {

class Announcer;
class CellWidget;
class NewButton;
class LcdPanel;
class NextColorsPanel;

inline constexpr int kClientWidth = 378;
inline constexpr int kClientHeight = 409;
inline constexpr int kToolbarHeight = 31;

// The one main window: a fixed client area with the toolbar strip over the 9 x 9 board. It is
// the rules' screen and clock (Host) and what the Options dialog changes (OptionsTarget).
class MainWindow : public QMainWindow, public Host, public OptionsTarget {
    Q_OBJECT

public:
    // Pictures come through `loader`: the resource lookup, or stand-ins in tests.
    MainWindow(GameState& game, RecordsState& records,
               const BitmapLoader& loader = ResourceBitmapLoader(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Nothing changes for a level outside 0..2.
    void UpdateTitle(std::int32_t level);
    void CheckLevelMenu(std::int32_t level);
    // Ends the game as a close from outside does, but without a dialog: an open modal dialog
    // is dismissed first and no top-ten entry is offered. The settings are written as ever.
    void LeaveWithoutDialogs();

    CellWidget* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    const KeyboardCursor& keyboardCursor() const { return keyboardCursor_; }
    const QTimer& timer(int id) const;
    // Tests record or shorten the pauses instead of waiting through them.
    void setPause(PauseFunction pause);

    // Host
    void RedrawCell(int cell) override;
    void RefreshCell(int cell, bool jokerInvolved) override;
    void RedrawScore() override;
    void RedrawBest() override;
    void RedrawNext() override;
    void Pause(int milliseconds) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    void Beep() override;
    void Message(const std::string& text) override;
    void ShowFace(int cell, int face) override;
    void OfferScoreEntry(int level) override;

    // OptionsTarget
    void ShowNextColors(bool shown) override;
    void RebuildCellPictures() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateChildren(QWidget* client, const BitmapLoader& loader);
    void InstallDialogCompanions();
    void ConnectCommands();
    void OnCellPressed(int index);
    void OnBlinkTimer();
    void OnFaceTimerTick();
    void NewGameCommand();
    // Runs one player action: a click on `cell`, or for -1 a command that deals a new game.
    // Once the rules are done with it, the screen reader hears what it did.
    void RunReported(int cell, const std::function<void()>& action);
    void AddSpeakingKeys();
    void UpdateCursors();
    void EndWithDestroyedWindow();
    QTimer* TimerById(int id);
    // Keyboard play (window_keyboard.cpp).
    void WatchMouseClicks(QWidget* client);
    bool TakesBoardKeys() const;
    void StepKeyboardCursor(int rows, int columns);
    void HideKeyboardCursor();

    GameState& game_;
    RecordsState& records_;
    CommandActions actions_;
    FaceTiles faceTiles_;
    CellImages cellImages_;
    std::array<CellWidget*, kCellCount> cells_{};
    NewButton* newButton_ = nullptr;
    LcdPanel* scorePanel_ = nullptr;
    LcdPanel* bestPanel_ = nullptr;
    NextColorsPanel* nextColorsPanel_ = nullptr;
    Announcer* announcer_ = nullptr;
    ActionReport report_{game_};
    QTimer blinkTimer_;
    QTimer faceTimer_;
    PauseFunction pause_;
    KeyboardCursor keyboardCursor_;
    std::unique_ptr<QAbstractNativeEventFilter> destroyWatch_;
    // Set once the player's leave has been handled, so a second close request passes.
    bool exitHandled_ = false;
    bool leavingWithoutDialogs_ = false;
};

} // namespace cw
