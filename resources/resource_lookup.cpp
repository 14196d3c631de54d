#include "resources/resource_lookup.h"

#include "resources/icon_file.h"

#include <QFile>
#include <QPixmap>

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

std::optional<IconFileImage> ReadIconResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeIconFile(file.readAll());
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
    const auto icon = ReadIconResource(QStringLiteral(":/icons/%1.ico").arg(number));
    return icon ? icon->image : QImage();
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
    const auto cursor = ReadIconResource(QStringLiteral(":/cursors/%1.cur").arg(name.toUpper()));
    if (!cursor)
        return QCursor();
    return QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y());
}

} // namespace cw
