// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's pictures, compiled into the program and looked up by the names and numbers of
// the art table (resources/art_names.h) that the window code uses: 36 x 36 ball, joker and
// face bitmaps, the panel pictures, the icons (also by the text "#3") and the "HAND" cursor.
// Paths in the resource system: :/bitmaps/<NAME>.bmp, :/icons/<N>.ico, :/cursors/<NAME>.cur.
// An unknown name gives a null image or icon and the arrow cursor; nothing is reported.

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>
#include <string_view>

namespace cw {

// A name of the art table as the lookups take it.
inline QString ArtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// 4-bpp bitmaps load as Format_Indexed8, the 1-bpp "LCD" as Format_Mono.
QImage LoadBitmap(const QString& name);

// 32 x 32 ARGB image whose transparent pixels come from the icon's mask.
QImage LoadIconImage(int number);
QIcon LoadIcon(int number);
// Accepts the "#<number>" form of the templates and the window code.
QIcon LoadIcon(const QString& name);

QCursor LoadCursor(const QString& name);

// The first picture of an icon (.ico) or cursor (.cur) file as the art generator writes them:
// palette pixels of 1, 4 or 8 bits, rows bottom-up, then the mask of the transparent pixels. As
// a 32-bit ARGB image, transparent pixels 0; a null image for anything else. Read here, not by
// Qt's "ico" plugin, so that the game's start loads no image plugin.
QImage DecodeIconPicture(const QByteArray& file);

// The hot spot of the first image of a cursor (.cur) file, which Qt's image reader leaves
// out; nothing for anything that is not a cursor file.
std::optional<QPoint> ReadCursorHotSpot(const QByteArray& file);

} // namespace cw
