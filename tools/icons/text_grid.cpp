// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_grid.h"

#include <QFile>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace cw::icons {
namespace {

constexpr std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr char kPaletteCharacters[] = "KrgybmcldRGYBMCW";

[[noreturn]] void Fail(int lineNumber, const QString& what) {
    throw std::runtime_error(QStringLiteral("line %1: %2").arg(lineNumber).arg(what).toStdString());
}

QRgb PixelColour(QChar symbol, int lineNumber) {
    if (symbol == u'.')
        return qRgba(0, 0, 0, 0);
    const int index = QLatin1String(kPaletteCharacters).indexOf(symbol);
    if (index < 0)
        Fail(lineNumber, QStringLiteral("unknown pixel character '%1'").arg(symbol));
    return kPalette[static_cast<std::size_t>(index)];
}

} // namespace

std::map<QString, QImage> ParseTextGrids(const QString& text) {
    std::map<QString, QImage> pictures;
    QString name; // of the picture being read, empty between pictures
    QStringList rows;
    int firstLine = 0;
    const auto finish = [&] {
        if (name.isEmpty())
            return;
        if (rows.isEmpty())
            Fail(firstLine, QStringLiteral("picture [%1] has no rows").arg(name));
        if (pictures.contains(name))
            Fail(firstLine, QStringLiteral("picture [%1] is drawn twice").arg(name));
        QImage image(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()),
                     QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, PixelColour(rows[y][x], firstLine + 1 + y));
        }
        pictures.emplace(name, image);
        name.clear();
    };
    const QStringList lines = text.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        QString line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#'))
            continue;
        if (line.isEmpty()) {
            finish();
        } else if (line.startsWith(u'[') && line.endsWith(u']')) {
            finish();
            name = line.mid(1, line.size() - 2);
            firstLine = lineNumber;
            rows.clear();
        } else if (name.isEmpty()) {
            Fail(lineNumber, QStringLiteral("pixels outside a picture"));
        } else if (!rows.isEmpty() && line.size() != rows.first().size()) {
            Fail(lineNumber, QStringLiteral("row is %1 pixels wide, the picture %2")
                                 .arg(line.size())
                                 .arg(rows.first().size()));
        } else {
            rows.append(line);
        }
    }
    finish();
    return pictures;
}

std::map<QString, QImage> LoadTextGrids(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    try {
        return ParseTextGrids(QString::fromUtf8(file.readAll()));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(path.toStdString() + ", " + error.what());
    }
}

} // namespace cw::icons
