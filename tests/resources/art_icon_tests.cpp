// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the generated icons and cursor, read back the way the game reads them.
#include "art_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace art_test;

struct IconHeader {
    quint16 type;
    int hotX;
    int hotY;
    int bitsPerPixel;
};

// Through Qt's icon reader, as the game reads them.
QImage DecodeIcon(const QByteArray& data) {
    return QImage::fromData(data, "ICO").convertToFormat(QImage::Format_ARGB32);
}

IconHeader ExpectIconHeader(const QByteArray& data) {
    EXPECT_GT(data.size(), 22 + 40);
    if (data.size() <= 22 + 40)
        return {};
    EXPECT_EQ(U16(data, 0), 0);
    EXPECT_EQ(U16(data, 4), 1) << "one image";
    EXPECT_EQ(uchar(data[6]), 32);
    EXPECT_EQ(uchar(data[7]), 32);
    const int offset = int(U32(data, 18));
    EXPECT_LE(offset + 40, data.size());
    if (offset + 40 > data.size())
        return {};
    EXPECT_EQ(U32(data, offset), 40u);
    EXPECT_EQ(int(U32(data, offset + 8)), 64) << "image and mask";
    return {U16(data, 2), U16(data, 10), U16(data, 12), U16(data, offset + 14)};
}

TEST(ArtIcons, AreSixteenColourWithAMaskAndShowTheirShapeColour) {
    // Icon number and the bright colour its shape shows.
    const std::map<int, QRgb> kShapeColours{{11, qRgb(255, 255, 0)}, {12, qRgb(255, 0, 255)},
                                            {13, qRgb(0, 255, 0)},   {14, qRgb(255, 0, 0)},
                                            {15, qRgb(255, 0, 0)},   {16, qRgb(0, 255, 255)},
                                            {17, qRgb(0, 0, 255)},   {18, qRgb(255, 0, 255)}};
    for (const int number : IconNumbers()) {
        SCOPED_TRACE(number);
        const QByteArray data = ReadArt(QString("icon%1.ico").arg(number));
        const IconHeader header = ExpectIconHeader(data);
        EXPECT_EQ(header.type, 1);
        EXPECT_EQ(header.bitsPerPixel, 4);
        const QImage icon = DecodeIcon(data);
        ASSERT_EQ(icon.size(), QSize(32, 32));
        std::map<QRgb, int> opaque;
        int transparent = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                qAlpha(pixel) == 0 ? ++transparent : ++opaque[pixel | 0xFF000000u];
            }
        EXPECT_GT(transparent, 0);
        const int drawn = 32 * 32 - transparent;
        EXPECT_GT(drawn, 200);
        if (kShapeColours.count(number)) {
            EXPECT_GT(opaque[kShapeColours.at(number)], drawn / 5);
        }
    }
}

// The opaque pixels of an icon, and those of a 36 x 36 picture scaled to 32 x 32.
std::vector<bool> IconShape(int number) {
    const QImage icon = DecodeIcon(ReadArt(QString("icon%1.ico").arg(number)));
    std::vector<bool> shape(32 * 32, false);
    if (icon.size() == QSize(32, 32))
        for (int i = 0; i < 32 * 32; ++i)
            shape[std::size_t(i)] = qAlpha(icon.pixel(i % 32, i / 32)) > 0;
    return shape;
}

std::vector<bool> PictureShape(const QString& name) {
    const Indexed picture = LoadIndexed(name);
    std::vector<bool> shape(32 * 32, false);
    for (int i = 0; i < 32 * 32; ++i)
        shape[std::size_t(i)] = picture.at((i % 32) * 36 / 32, (i / 32) * 36 / 32) != kLightGrey;
    return shape;
}

double Overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0;
    int either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / either : 0.0;
}

TEST(ArtIcons, ShapeIconsShowTheirOwnFamily) {
    for (const cw::art::ShapeFamily& names : cw::art::kShapeFamilies) {
        const int number = names.iconNumber;
        const QString family = Name(names.prefix);
        SCOPED_TRACE(number);
        const auto icon = IconShape(number);
        const double own = Overlap(icon, PictureShape(family + "0"));
        EXPECT_GT(own, 0.75);
        for (const QString& other : kFamilies)
            if (other != family) {
                EXPECT_GT(own, Overlap(icon, PictureShape(other + "0"))) << other.toStdString();
            }
    }
}

TEST(ArtCursor, IsAMonochromeHandWithItsHotSpotAtTheFingertip) {
    const QByteArray data = ReadArt(Name(cw::art::kHandCursor) + ".cur");
    const IconHeader header = ExpectIconHeader(data);
    EXPECT_EQ(header.type, 2);
    EXPECT_EQ(header.bitsPerPixel, 1);
    EXPECT_EQ(header.hotX, 6);
    EXPECT_EQ(header.hotY, 0);
    const QImage image = DecodeIcon(data);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(image.pixel(6, 0)), 0) << "the hot spot lies on the hand";
    EXPECT_EQ(image.pixel(6, 2) | 0xFF000000u, qRgb(255, 255, 255)) << "a white finger";
    for (int x = 0; x < 32; ++x)
        if (std::abs(x - 6) > 1) {
            EXPECT_EQ(qAlpha(image.pixel(x, 0)), 0) << "only the fingertip reaches row 0";
        }
    // A black outline all round keeps the white hand visible on white.
    const auto transparentAt = [&](int x, int y) {
        return x < 0 || y < 0 || x > 31 || y > 31 || qAlpha(image.pixel(x, y)) == 0;
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) != qRgb(255, 255, 255) || transparentAt(x, y))
                continue;
            EXPECT_FALSE(transparentAt(x - 1, y) || transparentAt(x + 1, y) ||
                         transparentAt(x, y - 1) || transparentAt(x, y + 1))
                << "white edge at " << x << ", " << y;
        }
}

} // namespace
