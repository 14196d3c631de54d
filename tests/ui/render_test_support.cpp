// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_test_support.h"

#include "ui/face_tiles.h"

#include <QPainter>

namespace cw::test {
namespace {

constexpr int kGlyphCells = 12;

QImage Square(QRgb background, QRgb block, int blockStart, int blockSize) {
    QImage image(36, 36, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.fillRect(blockStart, blockStart, blockSize, blockSize, QColor(block));
    return image;
}

// Lighter colour-table entry first, as the BMP reader delivers one-bit images.
QImage StandInLcd() {
    QImage strip(13, 23 * kGlyphCells, QImage::Format_Mono);
    strip.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    strip.fill(1);
    for (int cell = 0; cell < kGlyphCells; ++cell) {
        strip.setPixel(cell, 23 * cell, 0);
        strip.setPixel(12, 23 * cell + 22, 0);
    }
    return strip;
}

int FaceIndex(const QString& name) {
    for (int face = 0; face < kFaceCount; ++face) {
        if (FaceName(face) == name)
            return face;
    }
    return -1;
}

} // namespace

QRgb FaceColour(int face) {
    return qRgb(face * 20, 50, 100);
}

QImage StandInBitmap(const QString& name) {
    if (name == u"LCD")
        return StandInLcd();
    if (name == u"NEW") {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(kNavy);
        return image;
    }
    if (name == u"BIGSMILE" || name == u"SMALLSMILE") {
        const int size = name == u"BIGSMILE" ? 20 : 12;
        return Square(kLightGrey, qRgb(255, 255, 0), 18 - size / 2, size);
    }
    if (const int face = FaceIndex(name); face >= 0) {
        QImage image(36, 36, QImage::Format_RGB32);
        image.fill(FaceColour(face));
        return image;
    }
    const int digit = name.right(1).toInt();
    return Square(kLightGrey, digit == 7 ? kDarkGrey : Palette(digit), 10, 16);
}

BitmapLoader RecordingLoader(QStringList& requested) {
    return [&requested](const QString& name) {
        requested << name;
        return StandInBitmap(name);
    };
}

BitmapLoader StandInLoader() {
    return &StandInBitmap;
}

QRgb ExpectedFramePixel(int x, int y) {
    if (x == 0 || y == 0 || x == 41 || y == 41)
        return kBlack;
    if (y == 40 || (x == 40 && y >= 2))
        return kDarkGrey;
    if (x == 1 || y == 1)
        return kWhite;
    return kLightGrey;
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

bool SamePixels(const QImage& actual, QPoint at, const QImage& expected, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Pixel(actual, at.x() + x, at.y() + y) != Pixel(expected, x, y))
                return false;
        }
    }
    return true;
}

} // namespace cw::test
