// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/cell_picture.h"

#include "widgets/draw_helpers.h"

#include <QPainter>

namespace cw {
namespace {

constexpr int kFaceOffset = 3;
constexpr int kFirstBandColumn = 1;
constexpr int kLastBandColumn = 40;

// Every cell picture starts as a copy of one drawing of the frame: the empty cells share it.
const QImage& EmptyCellPicture() {
    static const QImage picture = [] {
        QImage frame(kCellPixels, kCellPixels, QImage::Format_RGB32);
        QPainter painter(&frame);
        DrawFramedRect(painter, 0, 0, kCellPixels, kCellPixels, 1);
        painter.end();
        return frame;
    }();
    return picture;
}

} // namespace

QImage FramedCellPicture(const QImage& face) {
    QImage picture = EmptyCellPicture();
    if (!face.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(kFaceOffset, kFaceOffset, face);
    }
    return picture;
}

int StackBandTop(std::int32_t stack) {
    return 51 - 10 * stack;
}

void RecolourBandRow(QImage& picture, int y, QRgb colour) {
    if (y < 0 || y >= picture.height() || picture.width() <= kLastBandColumn ||
        picture.depth() != 32)
        return;
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = kFirstBandColumn; x <= kLastBandColumn; ++x) {
        if ((row[x] & RGB_MASK) == (kLightGrey & RGB_MASK))
            row[x] = colour;
    }
}

} // namespace cw
