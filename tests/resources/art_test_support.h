// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the checks of the generated pictures: where the files are, and reading
// them back as palette indices.
#include "resources/art_names.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <map>
#include <queue>
#include <string_view>
#include <vector>

namespace art_test {

inline const std::array<QRgb, 16> kStandardPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
enum : int { kBlack = 0, kLightGrey = 7, kDarkGrey = 8, kRed = 9, kYellow = 11, kWhite = 15 };

inline QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}
inline QStringList Families() {
    QStringList families;
    for (const cw::art::ShapeFamily& family : cw::art::kShapeFamilies)
        families << Name(family.prefix);
    return families;
}
inline QStringList Faces() {
    QStringList faces;
    for (const std::string_view face : cw::art::kFaceNames)
        faces << Name(face);
    return faces;
}
inline std::vector<int> IconNumbers() {
    std::vector<int> numbers{cw::art::kWindowIcon, cw::art::kNameDialogIcon};
    for (const cw::art::ShapeFamily& family : cw::art::kShapeFamilies)
        numbers.push_back(family.iconNumber);
    return numbers;
}
inline const QStringList kFamilies = Families();
inline const QStringList kFaces = Faces();
inline const QStringList kSmiles{Name(cw::art::kJokerPicture),
                                 Name(cw::art::kJokerAlternatePicture)};
// Bright and dark palette index of each ball colour (red, green, blue, yellow, magenta, cyan,
// white); white is shaded with dark grey.
inline const std::array<std::pair<int, int>, 7> kBallInks{
    {{9, 1}, {10, 2}, {12, 4}, {11, 3}, {13, 5}, {14, 6}, {15, 8}}};

inline QStringList CellPictureNames() {
    QStringList names = kFaces + kSmiles;
    for (const QString& family : kFamilies)
        for (int digit = 0; digit < cw::art::kFamilyPictures; ++digit)
            names << family + QString::number(digit);
    return names;
}

// Every bitmap of the game: its name, size and bits per pixel.
struct BitmapShape {
    QString name;
    int width;
    int height;
    int bitsPerPixel;
};
inline std::vector<BitmapShape> BitmapShapes() {
    std::vector<BitmapShape> shapes{
        {"LCD", 13, 276, 1}, {"NEW", 20, 20, 4}, {"SPARKLE", 160, 28, 4}, {"ABOUT", 300, 200, 4}};
    for (const QString& name : CellPictureNames())
        shapes.push_back({name, 36, 36, 4});
    return shapes;
}

inline QString ArtPath(const QString& file) {
    return QStringLiteral(COBBLEWELL_ART_DIR "/") + file;
}

inline QByteArray ReadArt(const QString& file) {
    QFile in(ArtPath(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

inline quint32 U32(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}
inline quint16 U16(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

// The picture as palette indices 0..15 (-1 for a colour outside the standard palette).
struct Indexed {
    int width = 0;
    int height = 0;
    std::vector<int> pixels;
    int at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
};

inline Indexed LoadIndexed(const QString& name) {
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
inline int EnclosedLightGrey(const Indexed& picture) {
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

inline std::map<int, int> CountInks(const Indexed& picture) {
    std::map<int, int> counts;
    for (const int index : picture.pixels)
        if (index != kLightGrey)
            ++counts[index];
    return counts;
}

} // namespace art_test
