// Checks of the generated pictures, read back the way the game reads them.
#include "resources/icon_file.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <queue>
#include <set>

namespace {

const std::array<QRgb, 16> kStandardPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
enum : int { kBlack = 0, kLightGrey = 7, kDarkGrey = 8, kRed = 9, kYellow = 11, kWhite = 15 };

const QStringList kFamilies{"ATOM", "BALL", "DICE", "SPIR", "BALU", "FLAKE", "PILL", "ROUND"};
const QStringList kFaces{"BAD",   "CHUCKLE", "MESSED",   "OOO",    "SAD",  "SIDE",
                         "SMIRK", "STRAIT",  "SURPRISE", "UNSURE", "WINK", "YAWN"};
// Bright and dark palette index of each ball colour (red, green, blue, yellow, magenta, cyan,
// white); white is shaded with dark grey.
const std::array<std::pair<int, int>, 7> kBallInks{
    {{9, 1}, {10, 2}, {12, 4}, {11, 3}, {13, 5}, {14, 6}, {15, 8}}};

QString ArtPath(const QString& file) {
#ifdef COBBLEWELL_ART_DIR
    return QStringLiteral(COBBLEWELL_ART_DIR "/") + file;
#else
    if (file.endsWith(".cur"))
        return ":/cursors/" + file;
    if (file.endsWith(".ico"))
        return ":/icons/" + file.mid(4);
    return ":/bitmaps/" + file;
#endif
}

QByteArray ReadArt(const QString& file) {
    QFile in(ArtPath(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

quint32 U32(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}
quint16 U16(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

// The picture as palette indices 0..15 (-1 for a colour outside the standard palette).
struct Indexed {
    int width = 0;
    int height = 0;
    std::vector<int> pixels;
    int at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
};

Indexed LoadIndexed(const QString& name) {
    const QImage image(ArtPath(name + ".bmp"), "BMP");
    Indexed result{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto found = std::find(kStandardPalette.begin(), kStandardPalette.end(),
                                         image.pixel(x, y) | 0xFF000000u);
            result.pixels.push_back(
                found == kStandardPalette.end() ? -1 : int(found - kStandardPalette.begin()));
        }
    return result;
}

// Light-grey pixels that cannot be reached from the picture's edge through light grey: a stack
// band would recolour them inside the shape.
int EnclosedLightGrey(const Indexed& picture) {
    std::vector<bool> reached(picture.pixels.size(), false);
    std::queue<std::pair<int, int>> open;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
            return;
        const auto i = std::size_t(y * picture.width + x);
        if (!reached[i] && picture.pixels[i] == kLightGrey) {
            reached[i] = true;
            open.push({x, y});
        }
    };
    for (int i = 0; i < picture.width; ++i) {
        visit(i, 0), visit(i, picture.height - 1);
    }
    for (int i = 0; i < picture.height; ++i) {
        visit(0, i), visit(picture.width - 1, i);
    }
    while (!open.empty()) {
        const auto [x, y] = open.front();
        open.pop();
        visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    int enclosed = 0;
    for (std::size_t i = 0; i < reached.size(); ++i)
        enclosed += picture.pixels[i] == kLightGrey && !reached[i];
    return enclosed;
}

std::map<int, int> CountInks(const Indexed& picture) {
    std::map<int, int> counts;
    for (const int index : picture.pixels)
        if (index != kLightGrey)
            ++counts[index];
    return counts;
}

QStringList CellPictureNames() {
    QStringList names = kFaces + QStringList{"BIGSMILE", "SMALLSMILE"};
    for (const QString& family : kFamilies)
        for (int digit = 0; digit < 8; ++digit)
            names << family + QString::number(digit);
    return names;
}

struct BitmapShape {
    QString name;
    int width;
    int height;
    int bitsPerPixel;
};

void ExpectBitmapHeader(const BitmapShape& shape) {
    SCOPED_TRACE(shape.name.toStdString());
    const QByteArray data = ReadArt(shape.name + ".bmp");
    ASSERT_GT(data.size(), 54);
    const int colours = 1 << shape.bitsPerPixel;
    const int stride = (shape.width * shape.bitsPerPixel + 31) / 32 * 4;
    EXPECT_EQ(data.left(2), "BM");
    EXPECT_EQ(U32(data, 2), quint32(data.size()));
    EXPECT_EQ(U32(data, 10), quint32(14 + 40 + 4 * colours));
    EXPECT_EQ(U32(data, 14), 40u);
    EXPECT_EQ(int(U32(data, 18)), shape.width);
    EXPECT_EQ(int(U32(data, 22)), shape.height); // positive: bottom-up rows
    EXPECT_EQ(U16(data, 26), 1);
    EXPECT_EQ(U16(data, 28), shape.bitsPerPixel);
    EXPECT_EQ(U32(data, 30), 0u);
    EXPECT_EQ(data.size(), 14 + 40 + 4 * colours + stride * shape.height);
    for (int i = 0; i < colours; ++i) {
        const int entry = 54 + 4 * i;
        const QRgb expected = shape.bitsPerPixel == 1 ? (i ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                                                      : kStandardPalette[std::size_t(i)];
        EXPECT_EQ(qRgb(uchar(data[entry + 2]), uchar(data[entry + 1]), uchar(data[entry])),
                  expected)
            << "palette entry " << i;
    }
}

TEST(ArtBitmaps, HeadersSizesAndPalettes) {
    std::vector<BitmapShape> shapes{
        {"LCD", 13, 276, 1}, {"NEW", 20, 20, 4}, {"SPARKLE", 160, 28, 4}, {"ABOUT", 300, 200, 4}};
    for (const QString& name : CellPictureNames())
        shapes.push_back({name, 36, 36, 4});
    for (const auto& shape : shapes)
        ExpectBitmapHeader(shape);
}

TEST(ArtBitmaps, CellPicturesHaveLightGreyBackgroundAndNoGreyHoles) {
    for (const QString& name : CellPictureNames()) {
        SCOPED_TRACE(name.toStdString());
        const Indexed picture = LoadIndexed(name);
        ASSERT_EQ(picture.width, 36);
        EXPECT_EQ(picture.at(1, 1), kLightGrey);
        for (const auto& [x, y] : {std::pair{0, 0}, {35, 0}, {0, 35}, {35, 35}})
            EXPECT_EQ(picture.at(x, y), kLightGrey);
        EXPECT_EQ(EnclosedLightGrey(picture), 0);
        EXPECT_GT(CountInks(picture).size(), 1u) << "an empty picture";
    }
}

TEST(ArtBitmaps, ColouredBallsAreDominatedByTheirColour) {
    for (const QString& family : kFamilies)
        for (int colour = 0; colour < 7; ++colour) {
            const QString name = family + QString::number(colour);
            SCOPED_TRACE(name.toStdString());
            const auto counts = CountInks(LoadIndexed(name));
            const auto [bright, dark] = kBallInks[std::size_t(colour)];
            int shape = 0;
            int mostOtherHue = 0;
            for (const auto& [index, count] : counts) {
                shape += count;
                const bool neutral = index == kBlack || index == kWhite || index == kDarkGrey;
                if (!neutral && index != bright && index != dark)
                    mostOtherHue = std::max(mostOtherHue, count);
            }
            const int own = counts.count(bright) ? counts.at(bright) : 0;
            EXPECT_GT(own + (counts.count(dark) ? counts.at(dark) : 0), shape * 2 / 5);
            EXPECT_GT(own, mostOtherHue);
        }
}

TEST(ArtBitmaps, GreyFormsUseOnlyBlackDarkGreyAndWhite) {
    for (const QString& family : kFamilies) {
        SCOPED_TRACE(family.toStdString());
        const auto counts = CountInks(LoadIndexed(family + "7"));
        for (const auto& [index, count] : counts)
            EXPECT_TRUE(index == kBlack || index == kDarkGrey || index == kWhite)
                << "palette index " << index;
        EXPECT_GT(counts.count(kDarkGrey) ? counts.at(kDarkGrey) : 0, 0);
    }
}

TEST(ArtFaces, AreYellowWithBlackOutlinesAndAllDifferent) {
    std::vector<Indexed> faces;
    for (const QString& name : kFaces + QStringList{"BIGSMILE", "SMALLSMILE"}) {
        SCOPED_TRACE(name.toStdString());
        faces.push_back(LoadIndexed(name));
        const auto counts = CountInks(faces.back());
        const auto largest = std::max_element(counts.begin(), counts.end(),
                                              [](auto a, auto b) { return a.second < b.second; });
        EXPECT_EQ(largest->first, kYellow);
        EXPECT_GT(counts.count(kBlack) ? counts.at(kBlack) : 0, 60);
    }
    for (int a = 0; a < kFaces.size(); ++a)
        for (int b = a + 1; b < kFaces.size(); ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < faces[a].pixels.size(); ++i)
                differing += faces[a].pixels[i] != faces[b].pixels[i];
            EXPECT_GE(differing, 15)
                << kFaces[int(a)].toStdString() << " looks like " << kFaces[int(b)].toStdString();
        }
}

TEST(ArtFaces, SmallSmileFitsThePieceTheNextColoursPanelShows) {
    const Indexed small = LoadIndexed("SMALLSMILE");
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            const bool inPiece = x >= 7 && x < 28 && y >= 7 && y < 28;
            if (!inPiece) {
                EXPECT_EQ(small.at(x, y), kLightGrey) << "at " << x << ", " << y;
            }
        }
}

// Segment centres a..g of a 13 x 23 glyph.
constexpr std::array<std::pair<int, int>, 7> kSegmentCentres{
    {{6, 1}, {11, 6}, {11, 16}, {6, 21}, {1, 16}, {1, 6}, {6, 11}}};

bool Lit(const QImage& strip, int x, int y) {
    return qGray(strip.pixel(x, y)) > 127;
}

TEST(ArtLcd, EachGlyphLightsExactlyItsSegments) {
    const QImage strip(ArtPath("LCD.bmp"), "BMP");
    ASSERT_EQ(strip.size(), QSize(13, 276));
    // "abcdefg" per digit 0..9, then the minus and the blank.
    const std::array<const char*, 10> digits{"1111110", "0110000", "1101101", "1111001", "0110011",
                                             "1011011", "1011111", "1110000", "1111111", "1111011"};
    const auto expectGlyph = [&](int top, const char* segments, const std::string& what) {
        for (std::size_t s = 0; s < 7; ++s) {
            const auto [x, y] = kSegmentCentres[s];
            EXPECT_EQ(Lit(strip, x, top + y), segments[s] == '1')
                << what << " segment " << char('a' + s);
        }
        for (int y = top; y < top + 23; ++y)
            EXPECT_FALSE(Lit(strip, 0, y) || Lit(strip, 12, y)) << what << " touches its neighbour";
    };
    for (int d = 0; d <= 9; ++d)
        expectGlyph(253 - 23 * d, digits[std::size_t(d)], "digit " + std::to_string(d));
    expectGlyph(0, "0000001", "minus");
    expectGlyph(23, "0000000", "blank");
}

TEST(ArtSparkle, GrowsToABurstAndShrinksBack) {
    const Indexed strip = LoadIndexed("SPARKLE");
    std::array<int, 8> lit{};
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            lit[std::size_t(x / 20)] += strip.at(x, y) != kBlack;
    for (std::size_t frame = 0; frame < 8; ++frame)
        EXPECT_GT(lit[frame], 0) << "frame " << frame;
    const auto peak = std::size_t(std::max_element(lit.begin(), lit.end()) - lit.begin());
    EXPECT_GE(peak, 3u);
    EXPECT_LE(peak, 5u);
    EXPECT_LT(lit[0], lit[peak] / 4);
    EXPECT_LT(lit[7], lit[peak] / 2);
}

struct IconHeader {
    quint16 type;
    int hotX;
    int hotY;
    int bitsPerPixel;
};

IconHeader ExpectIconHeader(const QByteArray& data) {
    EXPECT_GT(data.size(), 22 + 40);
    if (data.size() <= 22 + 40)
        return {};
    EXPECT_EQ(U16(data, 0), 0);
    EXPECT_EQ(U16(data, 4), 1) << "one image";
    EXPECT_EQ(uchar(data[6]), 32);
    EXPECT_EQ(uchar(data[7]), 32);
    const int offset = int(U32(data, 18));
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
    for (const int number : {3, 5, 11, 12, 13, 14, 15, 16, 17, 18}) {
        SCOPED_TRACE(number);
        const QByteArray data = ReadArt(QString("icon%1.ico").arg(number));
        const IconHeader header = ExpectIconHeader(data);
        EXPECT_EQ(header.type, 1);
        EXPECT_EQ(header.bitsPerPixel, 4);
        const auto icon = cw::DecodeIconFile(data);
        ASSERT_TRUE(icon.has_value());
        std::map<QRgb, int> opaque;
        int transparent = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = icon->image.pixel(x, y);
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

TEST(ArtCursor, IsAMonochromeHandWithItsHotSpotAtTheFingertip) {
    const QByteArray data = ReadArt("HAND.cur");
    const IconHeader header = ExpectIconHeader(data);
    EXPECT_EQ(header.type, 2);
    EXPECT_EQ(header.bitsPerPixel, 1);
    EXPECT_EQ(header.hotX, 6);
    EXPECT_EQ(header.hotY, 0);
    const auto cursor = cw::DecodeIconFile(data);
    ASSERT_TRUE(cursor.has_value());
    const QImage& image = cursor->image;
    EXPECT_GT(qAlpha(image.pixel(6, 0)), 0) << "the hot spot lies on the hand";
    EXPECT_EQ(image.pixel(6, 2) | 0xFF000000u, qRgb(255, 255, 255)) << "a white finger";
    for (int x = 0; x < 32; ++x)
        if (std::abs(x - 6) > 1) {
            EXPECT_EQ(qAlpha(image.pixel(x, 0)), 0) << "only the fingertip reaches row 0";
        }
}

} // namespace
