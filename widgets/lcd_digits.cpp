// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/lcd_digits.h"

#include "widgets/draw_helpers.h"

#include <QList>
#include <QPainter>
#include <QRect>

namespace cw {
namespace {

// The strip holds the glyphs one above the other: the minus, the blank, then 9 down to 0.
constexpr int kGlyphWidth = 13;
constexpr int kGlyphHeight = 23;
constexpr int kMinusGlyphRow = 0;
constexpr int kBlankGlyphRow = 23;
constexpr int kZeroGlyphRow = 253;

int GlyphRow(QChar character) {
    if (character >= u'0' && character <= u'9')
        return kZeroGlyphRow - kGlyphHeight * (character.unicode() - u'0');
    return character == u'-' ? kMinusGlyphRow : kBlankGlyphRow;
}

// The strip keeps one bit a pixel; its light entry (the segments) takes the segment colour
// and its dark entry black, whatever order the image's colour table has.
QImage ColouredGlyphs(const QImage& strip, QRgb segment) {
    QImage glyphs = strip.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QList<QRgb> table = glyphs.colorTable();
    for (QRgb& entry : table)
        entry = qGray(entry) >= 128 ? segment : kBlack;
    glyphs.setColorTable(table);
    return glyphs;
}

} // namespace

void DrawLcdText(QPainter& painter, QPoint origin, const QImage& strip, const QString& text,
                 QRgb segment) {
    if (strip.isNull())
        return;
    const QImage glyphs = ColouredGlyphs(strip, segment);
    for (int i = 0; i < text.size(); ++i) {
        const QRect source(0, GlyphRow(text[i]), kGlyphWidth, kGlyphHeight);
        painter.drawImage(origin + QPoint(kGlyphWidth * i, 0), glyphs,
                          source.intersected(glyphs.rect()));
    }
}

} // namespace cw
