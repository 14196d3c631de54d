#include "resources/icon_file.h"

#include <QBuffer>
#include <QDataStream>
#include <gtest/gtest.h>

#include <functional>

namespace {

using cw::DecodeIconFile;

constexpr int kHeaderBytes = 6 + 16;

struct IconLayout {
    quint16 type = 1;
    QPoint hotSpot;
    int side = 32;
    int bitCount = 4;
    std::function<int(int, int)> index = [](int x, int y) { return (x + y) % 16; };
    std::function<bool(int, int)> transparent = [](int x, int) { return x < 4; };
};

QRgb PaletteEntry(int i) {
    return qRgb(i * 16, 255 - i * 16, i * 8);
}

void WriteRows(QDataStream& out, const IconLayout& layout, int bitCount,
               const std::function<int(int, int)>& value) {
    const int stride = (layout.side * bitCount + 31) / 32 * 4;
    for (int y = layout.side - 1; y >= 0; --y) { // bottom-up, as the format stores them
        QByteArray row(stride, '\0');
        for (int x = 0; x < layout.side; ++x) {
            const int bit = x * bitCount;
            const int shift = 8 - bitCount - bit % 8;
            row[bit / 8] = char(uchar(row[bit / 8]) | (value(x, y) << shift));
        }
        out.writeRawData(row.constData(), row.size());
    }
}

QByteArray MakeIconFile(const IconLayout& layout) {
    QByteArray image;
    {
        QDataStream out(&image, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        const int colours = 1 << layout.bitCount;
        out << quint32(40) << qint32(layout.side) << qint32(layout.side * 2) << quint16(1)
            << quint16(layout.bitCount) << quint32(0) << quint32(0) << qint32(0) << qint32(0)
            << quint32(colours) << quint32(0);
        for (int i = 0; i < colours; ++i)
            out << quint8(qBlue(PaletteEntry(i))) << quint8(qGreen(PaletteEntry(i)))
                << quint8(qRed(PaletteEntry(i))) << quint8(0);
        WriteRows(out, layout, layout.bitCount, layout.index);
        WriteRows(out, layout, 1, [&](int x, int y) { return layout.transparent(x, y) ? 1 : 0; });
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << layout.type << quint16(1);
    out << quint8(layout.side) << quint8(layout.side) << quint8(0) << quint8(0);
    out << quint16(layout.hotSpot.x()) << quint16(layout.hotSpot.y());
    out << quint32(image.size()) << quint32(kHeaderBytes);
    out.writeRawData(image.constData(), image.size());
    return file;
}

void PutU16(QByteArray& data, int offset, quint16 value) {
    data[offset] = char(value & 0xFF);
    data[offset + 1] = char(value >> 8);
}

TEST(IconFile, DecodesColoursTopDownWithTheMaskAsTransparency) {
    const auto icon = DecodeIconFile(MakeIconFile({}));
    ASSERT_TRUE(icon.has_value());
    ASSERT_EQ(icon->image.size(), QSize(32, 32));
    EXPECT_EQ(icon->image.pixel(3, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(icon->image.pixel(4, 0), PaletteEntry(4));
    EXPECT_EQ(icon->image.pixel(5, 9), PaletteEntry(14));
    EXPECT_EQ(icon->image.pixel(31, 31), PaletteEntry((31 + 31) % 16));
}

TEST(IconFile, ReadsMonochromeCursorsAndTheirHotSpot) {
    IconLayout layout;
    layout.type = 2;
    layout.hotSpot = QPoint(6, 0);
    layout.bitCount = 1;
    layout.index = [](int x, int) { return x % 2; };
    const auto cursor = DecodeIconFile(MakeIconFile(layout));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot, QPoint(6, 0));
    EXPECT_EQ(cursor->image.pixel(10, 7), PaletteEntry(0));
    EXPECT_EQ(cursor->image.pixel(11, 7), PaletteEntry(1));
    EXPECT_EQ(qAlpha(cursor->image.pixel(0, 7)), 0);
}

TEST(IconFile, AnIconHasNoHotSpotEvenWhenItsEntryHoldsPlanesAndDepth) {
    QByteArray data = MakeIconFile({});
    PutU16(data, 6 + 4, 1);
    PutU16(data, 6 + 6, 4);
    const auto icon = DecodeIconFile(data);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->hotSpot, QPoint(0, 0));
}

TEST(IconFile, RejectsDamagedFilesWithoutReadingPastTheirEnd) {
    const QByteArray good = MakeIconFile({});
    const std::vector<std::pair<const char*, std::function<void(QByteArray&)>>> damages{
        {"empty", [](QByteArray& d) { d.clear(); }},
        {"directory only", [](QByteArray& d) { d.truncate(kHeaderBytes); }},
        {"last mask byte missing", [](QByteArray& d) { d.chop(1); }},
        {"reserved word set", [](QByteArray& d) { PutU16(d, 0, 1); }},
        {"unknown type", [](QByteArray& d) { PutU16(d, 2, 3); }},
        {"no images", [](QByteArray& d) { PutU16(d, 4, 0); }},
        {"offset beyond the end", [](QByteArray& d) { PutU16(d, 6 + 12, 0xFFFF); }},
        {"size beyond the end", [](QByteArray& d) { PutU16(d, 6 + 10, 0x7FFF); }},
        {"24 bits per pixel", [](QByteArray& d) { PutU16(d, kHeaderBytes + 14, 24); }},
        {"compressed", [](QByteArray& d) { PutU16(d, kHeaderBytes + 16, 2); }},
        {"odd combined height", [](QByteArray& d) { PutU16(d, kHeaderBytes + 8, 63); }},
        {"huge width", [](QByteArray& d) { PutU16(d, kHeaderBytes + 4, 0x7FFF); }},
        {"negative width", [](QByteArray& d) { PutU16(d, kHeaderBytes + 6, 0xFFFF); }},
        {"more colours than the depth holds",
         [](QByteArray& d) { PutU16(d, kHeaderBytes + 32, 17); }},
    };
    ASSERT_TRUE(DecodeIconFile(good).has_value());
    for (const auto& [what, damage] : damages) {
        QByteArray data = good;
        damage(data);
        EXPECT_FALSE(DecodeIconFile(data).has_value()) << what;
    }
}

} // namespace
