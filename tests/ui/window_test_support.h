// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "records/records_state.h"
#include "ui/main_window.h"
#include "widgets/draw_helpers.h"

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace cw::test {

// Stand-in pictures whose centres tell them apart: family image d (0..6) solid Palette(d),
// the grey form (digit 7) kAlternateGrey, the jokers kJokerYellow / kSmallJokerYellow, face f
// FaceTileColour(f). "NEW" and "LCD" stay null, which the panels tolerate.
inline constexpr QRgb kAlternateGrey = qRgb(64, 64, 64);
inline constexpr QRgb kJokerYellow = qRgb(200, 200, 0);
inline constexpr QRgb kSmallJokerYellow = qRgb(150, 150, 0);
QRgb FaceTileColour(int face);
BitmapLoader StandInLoader(QStringList* requested = nullptr);

// A real main window over stand-in pictures, its first game dealt from a fixed seed, shown
// and exposed. Every pause the rules take is recorded with what the screen showed at that
// moment, and lasts only `pauseScale` of its time.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds and shows the window; tests that need other options call it after changing them.
    void Start();
    // What the window system was given last, not a fresh render of the widgets.
    QImage Presented() const;
    // The centre pixel of a cell as presented.
    QRgb PresentedCentre(int cell) const;
    QRgb CentreIn(const QImage& presented, int cell) const;
    QPoint CellOrigin(int cell) const;

    // An empty board with these balls, drawn, phase Idle, nothing selected.
    void SetBoard(const std::vector<std::pair<int, std::int32_t>>& balls);
    void Click(int cell);
    // A command's action, by its object name ("actionNewGame").
    void TriggerCommand(const char* action);

    struct PauseRecord {
        int milliseconds;
        QImage presented;
        GamePhase phase;
    };

    bool started_ = false;
    GameState game_;
    RecordsState records_;
    QStringList requestedBitmaps_;
    std::unique_ptr<MainWindow> window_;
    std::vector<PauseRecord> pauses_;
    double pauseScale_ = 0.0;
};

} // namespace cw::test
