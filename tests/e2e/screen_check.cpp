// SPDX-License-Identifier: GPL-3.0-or-later
// Reads screenshots of the board for the end-to-end script; knows nothing of the game's art.
//
//   screen_check balls SHOT X Y
//       the cells whose picture differs from the most common one (the empty cell)
//   screen_check match REFERENCE CELL SHOT X Y
//       the cells of SHOT whose upper part equals that of CELL in REFERENCE
//
// X, Y: where the client area's top-left corner is in the screenshots. Output: cell indices
// separated by spaces on one line.

#include <QImage>
#include <QList>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kCells = 81;
constexpr int kCellPixels = 42;
constexpr int kBoardTop = 31;
// Rows above any stack band, which a later landing could recolour.
constexpr int kUpperRows = 30;

QImage CellPicture(const QImage& shot, QPoint client, int cell, int rows = kCellPixels) {
    const QPoint origin =
        client + QPoint(kCellPixels * (cell % 9), kBoardTop + kCellPixels * (cell / 9));
    return shot.copy(QRect(origin, QSize(kCellPixels, rows)));
}

void Print(const QList<int>& cells) {
    QTextStream out(stdout);
    for (int cell : cells)
        out << cell << ' ';
    out << '\n';
}

int Balls(const QImage& shot, QPoint client) {
    QList<QImage> pictures;
    for (int cell = 0; cell < kCells; ++cell)
        pictures.append(CellPicture(shot, client, cell));
    const QImage* empty = &pictures.front();
    for (const QImage& candidate : pictures) {
        if (pictures.count(candidate) > pictures.count(*empty))
            empty = &candidate;
    }
    QList<int> balls;
    for (int cell = 0; cell < kCells; ++cell) {
        if (pictures[cell] != *empty)
            balls.append(cell);
    }
    Print(balls);
    return 0;
}

int Match(const QImage& reference, int referenceCell, const QImage& shot, QPoint client) {
    const QImage wanted = CellPicture(reference, client, referenceCell, kUpperRows);
    QList<int> matches;
    for (int cell = 0; cell < kCells; ++cell) {
        if (CellPicture(shot, client, cell, kUpperRows) == wanted)
            matches.append(cell);
    }
    Print(matches);
    return 0;
}

QImage Load(const char* path) {
    return QImage(QString::fromLocal8Bit(path)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv) {
    const QList<QByteArray> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "balls") {
        const QImage shot = Load(argv[2]);
        return shot.isNull() ? 2 : Balls(shot, QPoint(args[2].toInt(), args[3].toInt()));
    }
    if (args.size() == 6 && args[0] == "match") {
        const QImage reference = Load(argv[2]);
        const QImage shot = Load(argv[4]);
        if (reference.isNull() || shot.isNull())
            return 2;
        return Match(reference, args[2].toInt(), shot, QPoint(args[4].toInt(), args[5].toInt()));
    }
    std::fputs("usage: screen_check balls SHOT X Y | match REFERENCE CELL SHOT X Y\n", stderr);
    return 2;
}
