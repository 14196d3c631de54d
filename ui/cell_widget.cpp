// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cell_widget.h"

#include "game/rules.h"
#include "resources/art_names.h"
#include "resources/resource_lookup.h"
#include "ui/accessible_text.h"
#include "ui/cell_accessible.h"
#include "widgets/cell_picture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace cw {
namespace {

constexpr int kBandRowPauseMs = 15;
constexpr int kBottomRow = 41;
// The keyboard cursor: a black ring with a white ring inside it, two pixels each, clear of the
// cell's frame and bevel. One of the two stands out from whatever lies under it (every ball
// colour, the jokers, the grey of an empty cell), so the cursor reads as one unbroken ring.
constexpr QRect kKeyboardMarkRect(4, 4, 34, 34);
constexpr int kKeyboardRingWidth = 2;

void FillRing(QPainter& painter, const QRect& outside, const QColor& colour) {
    QPainterPath ring; // the odd-even fill leaves the inner rectangle out
    ring.addRect(outside);
    ring.addRect(outside.adjusted(kKeyboardRingWidth, kKeyboardRingWidth, -kKeyboardRingWidth,
                                  -kKeyboardRingWidth));
    painter.fillPath(ring, colour);
}

void DrawKeyboardMark(QPainter& painter) {
    FillRing(painter, kKeyboardMarkRect, Qt::black);
    const int inset = kKeyboardRingWidth;
    FillRing(painter, kKeyboardMarkRect.adjusted(inset, inset, -inset, -inset), Qt::white);
}

bool ShowsBall(CellState state) {
    return state == CellState::Occupied || state == CellState::Appearing ||
           state == CellState::Selected;
}

const QImage& BallPicture(const Cell& cell, std::int32_t blink, const CellImages& images) {
    const bool alternate =
        cell.state == CellState::Appearing || (cell.state == CellState::Selected && blink == 1);
    return alternate ? images.alternate(cell.colour) : images.normal(cell.colour);
}

bool HasBand(std::int32_t stack) {
    return stack >= 2 && stack <= 6;
}

// One hand for all cells, loaded when it is first shown: each cursor made from a picture
// builds its own masks and, on the display, its own cursor.
const QCursor& HandCursor() {
    static const QCursor hand = LoadCursor(ArtName(art::kHandCursor));
    return hand;
}

// The picture a cell shows for its state, drawn over `picture`: the framed empty cell, or the
// normal or alternate picture of its colour with its stack band. Returns false and leaves the
// picture as it was for a colour outside -1..7.
bool ComposeCellPicture(QImage& picture, const Cell& cell, std::int32_t blink,
                        const CellImages& images) {
    if (cell.colour < kNoColour || cell.colour > kJoker)
        return false;
    if (cell.colour == kNoColour || !ShowsBall(cell.state)) {
        picture = FramedCellPicture();
        return true;
    }
    const QImage& ball = BallPicture(cell, blink, images);
    picture = ball.isNull() ? FramedCellPicture() : ball.convertToFormat(QImage::Format_RGB32);
    if (HasBand(cell.stack)) {
        for (int y = kBottomRow; y >= StackBandTop(cell.stack); --y)
            RecolourBandRow(picture, y, Palette(cell.colour));
    }
    return true;
}

} // namespace

QCursor CursorForPixelRatio(const QCursor& cursor, qreal ratio, bool hotSpotInPicturePixels) {
    const int factor = std::max(1, qRound(ratio));
    const QPixmap& picture = cursor.pixmap();
    if (factor == 1 || picture.isNull())
        return cursor;
    QPixmap scaled =
        picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(factor);
    const QPoint hotSpot = cursor.hotSpot() * (hotSpotInPicturePixels ? factor : 1);
    return QCursor(scaled, hotSpot.x(), hotSpot.y());
}

CellWidget::CellWidget(int index, const GameState& game, const CellImages& images, QWidget* parent)
    : QWidget(parent), index_(index), game_(game), images_(images), picture_(FramedCellPicture()),
      pause_(&PauseFor) {
    setFixedSize(kCellPixels, kCellPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    InstallCellAccessibility();
    setAccessibleName(CellAccessibleName(index));
    ComposeCellPicture(picture_, cell(), game_.selection.blink, images_);
    UpdateAccessibleDescription();
}

const Cell& CellWidget::cell() const {
    return game_.board.cells[static_cast<std::size_t>(index_)];
}

void CellWidget::UpdateAccessibleDescription() {
    SetAccessibleDescriptionIfChanged(*this, CellDescription(cell()));
}

void CellWidget::RedrawNow() {
    UpdateAccessibleDescription();
    if (ComposeCellPicture(picture_, cell(), game_.selection.blink, images_))
        repaint();
}

void CellWidget::RefreshNow(bool jokerInvolved) {
    UpdateAccessibleDescription();
    const Cell& current = cell();
    if (!IsPaletteColour(current.colour) ||
        (current.state != CellState::Occupied && current.state != CellState::Appearing))
        return;
    if (current.stack < 2) {
        RedrawNow();
        return;
    }
    if (jokerInvolved && current.colour != kJoker) {
        const QImage& normal = images_.normal(current.colour);
        if (!normal.isNull())
            picture_ = normal.convertToFormat(QImage::Format_RGB32);
    }
    PaintStackBand(jokerInvolved);
}

// Only the newest ten-row step grows, unless a joker stack took another ball's colour: then
// the whole band is painted again in that colour.
void CellWidget::PaintStackBand(bool jokerInvolved) {
    const Cell& current = cell();
    if (!HasBand(current.stack))
        return;
    const bool onlyNewStep = !jokerInvolved || current.colour == kJoker;
    const int first = onlyNewStep ? StackBandTop(current.stack) + 10 : kBottomRow;
    for (int y = first; y >= StackBandTop(current.stack); --y) {
        RecolourBandRow(picture_, y, Palette(current.colour));
        repaint();
        pause_(kBandRowPauseMs);
    }
}

void CellWidget::ShowFace(const QImage& tile) {
    if (tile.isNull())
        return;
    picture_ = tile.convertToFormat(QImage::Format_RGB32);
    repaint();
}

void CellWidget::UpdateCursor() {
    if (!CellShowsHand(game_, index_)) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    // Each new picture makes a new cursor on the display, so it is drawn once per ratio.
    if (devicePixelRatioF() != handRatio_) {
        handRatio_ = devicePixelRatioF();
        hand_ = CursorForPixelRatio(HandCursor(), handRatio_,
                                    QGuiApplication::platformName() == u"xcb");
    }
    setCursor(hand_);
}

void CellWidget::setPause(PauseFunction pause) {
    pause_ = pause ? std::move(pause) : PauseFunction(&PauseFor);
}

void CellWidget::SetKeyboardMark(bool marked) {
    if (keyboardMarked_ == marked)
        return;
    keyboardMarked_ = marked;
    repaint();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
    if (keyboardMarked_)
        DrawKeyboardMark(painter);
}

void CellWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Click();
}

// Cells take no double clicks: the second press of a quick pair is one more click.
void CellWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CellWidget::mouseMoveEvent(QMouseEvent* event) {
    UpdateCursor();
    QWidget::mouseMoveEvent(event);
}

void CellWidget::enterEvent(QEnterEvent* event) {
    UpdateCursor();
    QWidget::enterEvent(event);
}

// A click may run a whole move with its blocking pauses, during which no cursor update can
// happen: the cell under the mouse shows the arrow for that time, then the cursor follows
// the new state.
void CellWidget::Click() {
    setCursor(Qt::ArrowCursor);
    emit pressed(index_);
    UpdateCursor();
}

} // namespace cw
