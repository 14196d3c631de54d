// SPDX-License-Identifier: GPL-3.0-or-later
// cobblewell-icons ICON GRIDS OUTPUT NAME: writes the application icon of the desktop at every
// hicolor size, OUTPUT/<side>x<side>/apps/NAME.png, from the game's 32 x 32 icon file and the
// hand-drawn sizes in GRIDS.

#include "icon_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <stdexcept>

namespace {

QImage ReadIconArt(const QString& path) {
    const QImage icon(path, "ICO");
    if (icon.isNull())
        throw std::runtime_error("cannot read the icon file " + path.toStdString());
    // The reader notes the file's colour depth as image text, which would be written into
    // every PNG; only the pixels are wanted.
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    return QImage(argb.constBits(), argb.width(), argb.height(), argb.bytesPerLine(), argb.format())
        .copy();
}

void WriteIcons(const std::map<int, QImage>& icons, const QString& outputDir, const QString& name) {
    for (const auto& [side, icon] : icons) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outputDir).arg(side);
        const QString path = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !icon.save(path, "PNG"))
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fputs("usage: cobblewell-icons ICON GRIDS OUTPUT NAME\n", stderr);
        return 2;
    }
    try {
        const QImage art = ReadIconArt(arguments[1]);
        const auto drawn = cw::icons::LoadDrawnSizes(arguments[2].toStdString());
        WriteIcons(cw::icons::BuildHicolorIcons(art, drawn), arguments[3], arguments[4]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cobblewell-icons: %s\n", error.what());
        return 1;
    }
    return 0;
}
