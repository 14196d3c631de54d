// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "ui/cell_images.h"
#include "widgets/event_pause.h"

#include <QCursor>
#include <QImage>
#include <QWidget>

namespace cw {

// `cursor` for a screen of `ratio` device pixels per logical pixel: its picture scaled up pixel
// for pixel by the nearest whole factor, so it stays crisp at its logical size. Qt shows a
// cursor's picture at its own size in device pixels, whatever the ratio. The hot spot stays
// in logical pixels, except where the window system reads it in the picture's own pixels
// (Qt 6.4's xcb platform does, unlike its others).
QCursor CursorForPixelRatio(const QCursor& cursor, qreal ratio, bool hotSpotInPicturePixels);

// One board cell. It keeps its current 42 x 42 picture and only shows that picture when
// painted, so code that must put something on screen before a pause changes the picture and
// repaints at once.
class CellWidget : public QWidget {
    Q_OBJECT

public:
    CellWidget(int index, const GameState& game, const CellImages& images,
               QWidget* parent = nullptr);

    int index() const { return index_; }

    // Draws the cell from its state and shows it at once.
    void RedrawNow();
    // Brings an Occupied or Appearing cell up to date at once; a stack band grows visibly,
    // row by row from the bottom, 15 ms a row. jokerInvolved: a joker took part in the landing
    // or move, so a stack that changed colour gets its whole band repainted.
    void RefreshNow(bool jokerInvolved);
    // Covers the whole cell with a face tile until the next redraw; a null tile changes nothing.
    void ShowFace(const QImage& tile);
    // The hand over a cell the player can click, the arrow elsewhere.
    void UpdateCursor();
    // Acts as a mouse click on the cell.
    void Click();
    // The keyboard cursor's frame over the picture; the picture itself stays untouched.
    void SetKeyboardMark(bool marked);
    bool keyboardMarked() const { return keyboardMarked_; }

    const QImage& picture() const { return picture_; }
    // The band animation's pause; PauseFor unless a test records the pauses instead.
    void setPause(PauseFunction pause);

signals:
    // Any mouse button counts as a click.
    void pressed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    const Cell& cell() const;
    void UpdateAccessibleDescription();
    void PaintStackBand(bool jokerInvolved);

    int index_;
    const GameState& game_;
    const CellImages& images_;
    QImage picture_;
    // The hand as drawn for the pixel ratio of the screen it was last shown on.
    QCursor hand_;
    qreal handRatio_ = 0;
    PauseFunction pause_;
    bool keyboardMarked_ = false;
};

} // namespace cw
