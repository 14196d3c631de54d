// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolbar_panels.h"

#include "resources/art_names.h"
#include "resources/resource_lookup.h"
#include "resources/translations.h"
#include "ui/accessible_text.h"
#include "ui/cell_accessible.h"
#include "widgets/lcd_digits.h"

#include <QCoreApplication>
#include <QPainter>

namespace cw {
namespace {

constexpr QSize kNewButtonSize(25, 25);
constexpr QSize kLcdPanelSize(54, 25);
constexpr QSize kNextColorsSize(78, 25);
constexpr int kNewPictureSize = 20;

constexpr int kDigits = 4;

constexpr int kSlotSpacing = 24;
constexpr int kJokerPieceSize = 21;
constexpr int kJokerPieceOrigin = 10;

QImage BlankPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kLightGrey);
    return picture;
}

// Draws the picture as big as the widget is on screen, one logical pixel to a block of
// device pixels.
void ShowPicture(QWidget& widget, const QImage& picture) {
    QPainter painter(&widget);
    painter.drawImage(widget.rect(), picture);
}

std::int32_t BestOfLevel(const GameState& game) {
    return IsLevel(game.level) ? game.best[static_cast<std::size_t>(game.level)] : 0;
}

} // namespace

QString LcdText(std::int32_t value) {
    return QString::asprintf("%04d", value).left(kDigits);
}

NewButton::NewButton(QWidget* parent, const BitmapLoader& loader)
    : QAbstractButton(parent), newBitmap_(loader(ArtName(art::kNewButtonPicture))) {
    setObjectName(QStringLiteral("newButton"));
    setAccessibleName(QCoreApplication::translate("Toolbar", "New game"));
    setFixedSize(kNewButtonSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QImage NewButton::picture() const {
    QImage picture = BlankPicture(kNewButtonSize);
    QPainter painter(&picture);
    const int pressed = isDown() ? 1 : 0;
    DrawFramedRect(painter, 0, 0, kNewButtonSize.width(), kNewButtonSize.height(),
                   pressed ? -1 : 1);
    painter.drawImage((kNewButtonSize.width() - kNewPictureSize) / 2 + pressed,
                      (kNewButtonSize.height() - kNewPictureSize) / 2 + pressed, newBitmap_);
    return picture;
}

void NewButton::paintEvent(QPaintEvent*) {
    ShowPicture(*this, picture());
}

LcdPanel::LcdPanel(bool showBest, const GameState& game, QWidget* parent,
                   const BitmapLoader& loader)
    : QWidget(parent), showBest_(showBest), game_(game),
      glyphs_(loader(ArtName(art::kLcdPicture))) {
    setObjectName(showBest ? QStringLiteral("bestPanel") : QStringLiteral("scorePanel"));
    setAccessibleName(showBest ? QCoreApplication::translate("Toolbar", "Best score")
                               : QCoreApplication::translate("Toolbar", "Score"));
    setFixedSize(kLcdPanelSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateAccessibleText();
}

void LcdPanel::UpdateAccessibleText() {
    const std::int32_t value = showBest_ ? BestOfLevel(game_) : game_.score;
    SetAccessibleDescriptionIfChanged(*this, NumberText(value));
}

QImage LcdPanel::picture() const {
    QImage picture = BlankPicture(kLcdPanelSize);
    QPainter painter(&picture);
    // Sunken by one pixel at the panel's very edge, without the outline of a framed rectangle.
    DrawBevel(painter, -1, -1, kLcdPanelSize.width() + 1, kLcdPanelSize.height() + 1, -1);

    const std::int32_t best = BestOfLevel(game_);
    DrawLcdText(painter, QPoint(1, 1), glyphs_, LcdText(showBest_ ? best : game_.score),
                (best < game_.score) == showBest_ ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
    return picture;
}

void LcdPanel::paintEvent(QPaintEvent*) {
    ShowPicture(*this, picture());
}

NextColorsPanel::NextColorsPanel(const GameState& game, const CellImages& images, QWidget* parent)
    : QWidget(parent), game_(game), images_(images) {
    setObjectName(QStringLiteral("nextColorsPanel"));
    setAccessibleName(QCoreApplication::translate("Toolbar", "Next colours"));
    setFixedSize(kNextColorsSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateAccessibleText();
}

void NextColorsPanel::UpdateAccessibleText() {
    SetAccessibleDescriptionIfChanged(
        *this, NextColoursDescription(game_.next, game_.options.showNextColors != 0));
}

QImage NextColorsPanel::picture() const {
    QImage picture = BlankPicture(kNextColorsSize);
    QPainter painter(&picture);
    for (int slot = 0; slot < kDropAfterMove; ++slot) {
        const std::int32_t colour = game_.next[static_cast<std::size_t>(slot)];
        const int x = kSlotSpacing * slot;
        if (colour == kJoker) {
            painter.drawImage(
                QPoint(x, 2), images_.alternate(kJoker),
                QRect(kJokerPieceOrigin, kJokerPieceOrigin, kJokerPieceSize, kJokerPieceSize));
        } else if (IsPaletteColour(colour)) {
            DrawColorSquare(painter, 2 + x, 3, 20 + x, 21, Palette(colour));
        }
    }
    return picture;
}

void NextColorsPanel::paintEvent(QPaintEvent*) {
    if (isVisible())
        ShowPicture(*this, picture());
}

} // namespace cw
