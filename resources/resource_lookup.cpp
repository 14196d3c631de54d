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

// Icon and cursor files share one layout, which Qt's "ico" reader decodes.
QImage DecodeIconPicture(const QByteArray& file) {
    return QImage::fromData(file, "ICO").convertToFormat(QImage::Format_ARGB32);
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

std::optional<QPoint> ReadCursorHotSpot(const QByteArray& file) {
    // A 6-byte header (reserved 0, type 2, image count) and the first 16-byte directory
    // entry, whose bytes 4..7 hold the hot spot where an icon's hold planes and depth.
    constexpr qsizetype kFirstEntryEnd = 6 + 16;
    if (file.size() < kFirstEntryEnd)
        return std::nullopt;
    const char* bytes = file.constData();
    const auto u16 = [bytes](int offset) { return qFromLittleEndian<quint16>(bytes + offset); };
    if (u16(0) != 0 || u16(2) != 2 || u16(4) == 0)
        return std::nullopt;
    return QPoint(u16(10), u16(12));
}

} // namespace cw
