// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/state.h"
#include "ui/cell_images.h"
#include "widgets/draw_helpers.h"

#include <QAbstractButton>
#include <QImage>
#include <QWidget>

#include <cstdint>

namespace cw {

// The toolbar's controls paint themselves entirely from the game state on every paint,
// so a redraw request needs nothing but repaint(); what a screen reader says of a panel is
// brought up to date by UpdateAccessibleText(). Each one composes its picture at its
// logical size and shows it scaled without smoothing, so the pixel art stays crisp on HiDPI.

// The New button: raised with the picture at (2, 2), sunken with it at (3, 3) while held.
class NewButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit NewButton(QWidget* parent = nullptr,
                       const BitmapLoader& loader = ResourceBitmapLoader());

    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage newBitmap_;
};

// The score panel (showBest false) or the best panel: four seven-segment digits of "%04d".
// Up to the moment the score passes the level's best, the score shows green and the best red;
// from then on the other way round.
class LcdPanel : public QWidget {
    Q_OBJECT

public:
    LcdPanel(bool showBest, const GameState& game, QWidget* parent = nullptr,
             const BitmapLoader& loader = ResourceBitmapLoader());

    QImage picture() const;
    // The value shown, as the description.
    void UpdateAccessibleText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool showBest_;
    const GameState& game_;
    QImage glyphs_;
};

// The colours of the next three balls; a joker shows a piece of its small smiling face.
class NextColorsPanel : public QWidget {
    Q_OBJECT

public:
    NextColorsPanel(const GameState& game, const CellImages& images, QWidget* parent = nullptr);

    QImage picture() const;
    // The colours shown, or "hidden" while the option to show them is off.
    void UpdateAccessibleText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GameState& game_;
    const CellImages& images_;
};

// The text the LCD shows for a value: "%04d", cut to its first four characters.
QString LcdText(std::int32_t value);

} // namespace cw
