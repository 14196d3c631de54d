#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

#include <optional>

namespace cw {

// The first image of an icon (.ico) or cursor (.cur) file: colours with the AND mask applied
// as transparency, plus the hot spot that only cursor files carry.
struct IconFileImage {
    QImage image; // Format_ARGB32
    QPoint hotSpot;
};

// Reads uncompressed 1-, 4- and 8-bpp images. Returns nothing for anything malformed or
// truncated, so a damaged resource can never read outside the data it was given.
std::optional<IconFileImage> DecodeIconFile(const QByteArray& data);

} // namespace cw
