// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/resource_lookup.h"

#include <QFile>
#include <QPixmap>
#include <QtEndian>

#include <algorithm>

namespace cw {
namespace {

// Names are letters and digits only, so no name can reach a path outside its own folder of
// the resource tree; like the names in a program's resources they ignore case.
bool IsResourceName(const QString& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    });
}

// Icon and cursor files begin with a 6-byte header (reserved 0, type, image count) and a
// 16-byte directory entry for each image.
constexpr qsizetype kFirstEntryEnd = 6 + 16;
constexpr qsizetype kInfoHeaderSize = 40;

// Little-endian numbers of a file whose size the caller has checked.
quint16 U16(const QByteArray& file, qsizetype offset) {
    return qFromLittleEndian<quint16>(file.constData() + offset);
}
quint32 U32(const QByteArray& file, qsizetype offset) {
    return qFromLittleEndian<quint32>(file.constData() + offset);
}

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QImage LoadBitmap(const QString& name) {
    if (!IsResourceName(name))
        return {};
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(name.toUpper()), "BMP");
}

QImage LoadIconImage(int number) {
    if (number <= 0)
        return {};
    return DecodeIconPicture(ReadResource(QStringLiteral(":/icons/%1.ico").arg(number)));
}

QIcon LoadIcon(int number) {
    const QImage image = LoadIconImage(number);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QIcon LoadIcon(const QString& name) {
    const QStringView digits = QStringView(name).mid(1);
    const bool numbered =
        name.startsWith(u'#') && !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool fits = false;
    const int number = numbered ? digits.toInt(&fits) : 0;
    return fits ? LoadIcon(number) : QIcon();
}

QCursor LoadCursor(const QString& name) {
    if (!IsResourceName(name))
        return QCursor();
    const QByteArray file = ReadResource(QStringLiteral(":/cursors/%1.cur").arg(name.toUpper()));
    const std::optional<QPoint> hotSpot = ReadCursorHotSpot(file);
    const QImage image = DecodeIconPicture(file);
    if (!hotSpot || image.isNull())
        return QCursor();
    return QCursor(QPixmap::fromImage(image), hotSpot->x(), hotSpot->y());
}

QImage DecodeIconPicture(const QByteArray& file) {
    const qsizetype size = file.size();
    if (size < kFirstEntryEnd || U16(file, 0) != 0 || U16(file, 4) == 0)
        return {};
    // The first entry ends with where its picture starts.
    const qsizetype header = U32(file, kFirstEntryEnd - 4);
    if (header > size - kInfoHeaderSize || U32(file, header) != kInfoHeaderSize)
        return {};
    // The stored height counts the mask's rows too.
    const quint32 width = U32(file, header + 4);
    const quint32 height = U32(file, header + 8) / 2;
    const int depth = U16(file, header + 14);
    const quint32 colours = U32(file, header + 32) != 0 ? U32(file, header + 32) : 1u << depth;
    if (width == 0 || width > 256 || height == 0 || height > 256 ||
        (depth != 1 && depth != 4 && depth != 8) || colours > 1u << depth)
        return {};
    const qsizetype palette = header + kInfoHeaderSize;
    const qsizetype pixels = palette + 4 * qsizetype(colours);
    const qsizetype pixelRow = (width * depth + 31) / 32 * 4;
    const qsizetype maskRow = (width + 31) / 32 * 4;
    const qsizetype mask = pixels + pixelRow * height;
    if (mask + maskRow * height > size)
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    for (quint32 y = 0; y < height; ++y) {
        const uchar* pixelBits = bytes + pixels + pixelRow * (height - 1 - y);
        const uchar* maskBits = bytes + mask + maskRow * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (quint32 x = 0; x < width; ++x) {
            const quint32 bit = x * depth;
            const quint32 index =
                (pixelBits[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
            const uchar* bgr = bytes + palette + 4 * qsizetype(index);
            const bool clear = (maskBits[x / 8] & (0x80 >> x % 8)) != 0;
            out[x] = clear || index >= colours ? 0 : qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return image;
}

std::optional<QPoint> ReadCursorHotSpot(const QByteArray& file) {
    // Type 2 is a cursor; bytes 4..7 of its first entry hold the hot spot where an icon's hold
    // planes and depth.
    if (file.size() < kFirstEntryEnd || U16(file, 0) != 0 || U16(file, 2) != 2 || U16(file, 4) == 0)
        return std::nullopt;
    return QPoint(U16(file, 10), U16(file, 12));
}

} // namespace cw
