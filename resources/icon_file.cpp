#include "resources/icon_file.h"

#include <QtEndian>

namespace cw {
namespace {

constexpr qint64 kDirectoryHeaderSize = 6;
constexpr qint64 kDirectoryEntrySize = 16;
constexpr qint64 kInfoHeaderSize = 40;
constexpr int kMaxSide = 256;
constexpr quint16 kTypeIcon = 1;
constexpr quint16 kTypeCursor = 2;

quint16 ReadU16(const uchar* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 ReadU32(const uchar* p) {
    return qFromLittleEndian<quint32>(p);
}
qint32 ReadI32(const uchar* p) {
    return qFromLittleEndian<qint32>(p);
}

qint64 RowStride(int width, int bitCount) {
    return (qint64(width) * bitCount + 31) / 32 * 4;
}

int PixelIndex(const uchar* row, int x, int bitCount) {
    switch (bitCount) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
    default:
        return row[x];
    }
}

struct DibLayout {
    int width = 0;
    int height = 0; // of the image alone; the header counts colour and mask rows together
    int bitCount = 0;
    qint64 paletteOffset = 0;
    qint64 paletteSize = 0;
    qint64 colourOffset = 0;
    qint64 maskOffset = 0;
    qint64 end = 0;
};

std::optional<DibLayout> ReadLayout(const uchar* dib, qint64 size) {
    if (size < kInfoHeaderSize)
        return std::nullopt;
    const quint32 headerSize = ReadU32(dib);
    const qint32 width = ReadI32(dib + 4);
    const qint32 doubledHeight = ReadI32(dib + 8);
    const quint16 planes = ReadU16(dib + 12);
    const quint16 bitCount = ReadU16(dib + 14);
    const quint32 compression = ReadU32(dib + 16);
    const quint32 coloursUsed = ReadU32(dib + 32);
    if (headerSize < kInfoHeaderSize || headerSize > size || planes != 1 || compression != 0)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8)
        return std::nullopt;
    if (width < 1 || width > kMaxSide || doubledHeight < 2 || doubledHeight % 2 != 0 ||
        doubledHeight / 2 > kMaxSide)
        return std::nullopt;
    const qint64 maxColours = qint64(1) << bitCount;
    if (coloursUsed > maxColours)
        return std::nullopt;

    DibLayout layout;
    layout.width = width;
    layout.height = doubledHeight / 2;
    layout.bitCount = bitCount;
    layout.paletteOffset = headerSize;
    layout.paletteSize = coloursUsed != 0 ? coloursUsed : maxColours;
    layout.colourOffset = layout.paletteOffset + 4 * layout.paletteSize;
    layout.maskOffset = layout.colourOffset + RowStride(width, bitCount) * layout.height;
    layout.end = layout.maskOffset + RowStride(width, 1) * layout.height;
    if (layout.end > size)
        return std::nullopt;
    return layout;
}

QRgb PaletteColour(const uchar* dib, const DibLayout& layout, int index) {
    if (index >= layout.paletteSize)
        return qRgb(0, 0, 0);
    const uchar* entry = dib + layout.paletteOffset + 4 * qint64(index); // blue, green, red, 0
    return qRgb(entry[2], entry[1], entry[0]);
}

QImage DecodeDib(const uchar* dib, const DibLayout& layout) {
    QImage image(layout.width, layout.height, QImage::Format_ARGB32);
    const qint64 colourStride = RowStride(layout.width, layout.bitCount);
    const qint64 maskStride = RowStride(layout.width, 1);
    for (int y = 0; y < layout.height; ++y) {
        const int fileRow = layout.height - 1 - y; // rows are stored bottom-up
        const uchar* colourRow = dib + layout.colourOffset + colourStride * fileRow;
        const uchar* maskRow = dib + layout.maskOffset + maskStride * fileRow;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x) {
            const bool transparent = PixelIndex(maskRow, x, 1) != 0;
            out[x] = transparent
                         ? qRgba(0, 0, 0, 0)
                         : PaletteColour(dib, layout, PixelIndex(colourRow, x, layout.bitCount));
        }
    }
    return image;
}

} // namespace

std::optional<IconFileImage> DecodeIconFile(const QByteArray& data) {
    if (data.size() < kDirectoryHeaderSize + kDirectoryEntrySize)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint16 reserved = ReadU16(bytes);
    const quint16 type = ReadU16(bytes + 2);
    const quint16 count = ReadU16(bytes + 4);
    if (reserved != 0 || (type != kTypeIcon && type != kTypeCursor) || count == 0)
        return std::nullopt;

    const uchar* entry = bytes + kDirectoryHeaderSize;
    const qint64 imageSize = ReadU32(entry + 8);
    const qint64 imageOffset = ReadU32(entry + 12);
    if (imageOffset + imageSize > data.size())
        return std::nullopt;
    const auto layout = ReadLayout(bytes + imageOffset, imageSize);
    if (!layout)
        return std::nullopt;

    IconFileImage result;
    result.image = DecodeDib(bytes + imageOffset, *layout);
    // A cursor's directory entry holds the hot spot where an icon's holds planes and depth.
    if (type == kTypeCursor)
        result.hotSpot = QPoint(ReadU16(entry + 4), ReadU16(entry + 6));
    return result;
}

} // namespace cw
