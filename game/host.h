// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace cw {

inline constexpr int kBlinkTimer = 1;
inline constexpr int kFaceTimer = 2;
// The faces the face timer shows on a lone joker, numbered from 0.
inline constexpr int kFaceCount = 12;

// Everything the rules ask of the screen and the clock. The Qt window implements it for
// real; the tests and the headless replay driver record the calls instead.
class Host {
public:
    virtual ~Host() = default;

    // Repaint the cell from its state at once (invalidate without erasing, then update).
    virtual void RedrawCell(int cell) = 0;
    // Bring an Occupied or Appearing cell's picture and stack band up to date at once.
    virtual void RefreshCell(int cell, bool jokerInvolved) = 0;
    virtual void RedrawScore() = 0;
    virtual void RedrawBest() = 0;
    virtual void RedrawNext() = 0;
    // Blocks; everything asked for before it is on the screen during the whole pause.
    virtual void Pause(int milliseconds) = 0;
    virtual void StartTimer(int id, int milliseconds) = 0;
    virtual void StopTimer(int id) = 0;
    virtual void Beep() = 0;
    // A modal message box with the caption "Cobblewell"; returns once it is closed. The text is
    // English, marked with TranslatableText in the context "Rules".
    virtual void Message(const std::string& text) = 0;
    // Draw face tile `face` (0 to kFaceCount - 1) over the whole cell at once.
    virtual void ShowFace(int cell, int face) = 0;
    // Offer the current score a place in the top ten of `level` (may run dialogs).
    virtual void OfferScoreEntry(int level) = 0;
};

} // namespace cw
