// cobblewell-icons ICON GRIDS OUTPUT NAME: writes the application icon of the desktop at every
// hicolor size, OUTPUT/<side>x<side>/apps/NAME.png, from the game's 32 x 32 icon file and the
// hand-drawn sizes in GRIDS.

#include "icon_set.h"
#include "text_grid.h"

#include "resources/icon_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <stdexcept>

namespace {

QImage ReadIconArt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const auto icon = cw::DecodeIconFile(file.readAll());
    if (!icon)
        throw std::runtime_error(path.toStdString() + " is no icon file");
    return icon->image;
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
        const auto drawn = cw::icons::PicturesBySize(cw::icons::LoadTextGrids(arguments[2]));
        WriteIcons(cw::icons::BuildHicolorIcons(art, drawn), arguments[3], arguments[4]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cobblewell-icons: %s\n", error.what());
        return 1;
    }
    return 0;
}
