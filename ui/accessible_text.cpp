// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_text.h"

#include "resources/translations.h"
#include "widgets/draw_helpers.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace cw {
namespace {

// Whole phrases rather than pieces glued together, so that each language can give the
// colour the form and place its grammar asks for.
constexpr std::array<const char*, 8> kColourNames = {
    QT_TRANSLATE_NOOP("Cell", "red"),     QT_TRANSLATE_NOOP("Cell", "green"),
    QT_TRANSLATE_NOOP("Cell", "blue"),    QT_TRANSLATE_NOOP("Cell", "yellow"),
    QT_TRANSLATE_NOOP("Cell", "magenta"), QT_TRANSLATE_NOOP("Cell", "cyan"),
    QT_TRANSLATE_NOOP("Cell", "white"),   QT_TRANSLATE_NOOP("Cell", "joker"),
};
constexpr std::array<const char*, 8> kBallNames = {
    QT_TRANSLATE_NOOP("Cell", "red ball"),     QT_TRANSLATE_NOOP("Cell", "green ball"),
    QT_TRANSLATE_NOOP("Cell", "blue ball"),    QT_TRANSLATE_NOOP("Cell", "yellow ball"),
    QT_TRANSLATE_NOOP("Cell", "magenta ball"), QT_TRANSLATE_NOOP("Cell", "cyan ball"),
    QT_TRANSLATE_NOOP("Cell", "white ball"),   QT_TRANSLATE_NOOP("Cell", "joker"),
};
constexpr std::array<const char*, 8> kSelectedBallNames = {
    QT_TRANSLATE_NOOP("Cell", "selected red ball"),
    QT_TRANSLATE_NOOP("Cell", "selected green ball"),
    QT_TRANSLATE_NOOP("Cell", "selected blue ball"),
    QT_TRANSLATE_NOOP("Cell", "selected yellow ball"),
    QT_TRANSLATE_NOOP("Cell", "selected magenta ball"),
    QT_TRANSLATE_NOOP("Cell", "selected cyan ball"),
    QT_TRANSLATE_NOOP("Cell", "selected white ball"),
    QT_TRANSLATE_NOOP("Cell", "selected joker"),
};

QString CellText(const char* text) {
    return QCoreApplication::translate("Cell", text);
}

} // namespace

QString ColourName(std::int32_t colour) {
    return IsPaletteColour(colour) ? CellText(kColourNames[static_cast<std::size_t>(colour)])
                                   : QString();
}

QString CellAccessibleName(int index) {
    return QCoreApplication::translate("Cell", "row %1, column %2")
        .arg(NumberText(index / kBoardSize + 1), NumberText(index % kBoardSize + 1));
}

// A ball passing through a cell during a traced move has a stack of 0; it reads as a ball.
QString CellDescription(const Cell& cell) {
    if (cell.state == CellState::Empty || !IsPaletteColour(cell.colour))
        return CellText(QT_TRANSLATE_NOOP("Cell", "empty"));
    const auto& names = cell.state == CellState::Selected ? kSelectedBallNames : kBallNames;
    const QString ball = CellText(names[static_cast<std::size_t>(cell.colour)]);
    if (cell.stack < 2)
        return ball;
    //: %1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).
    return QCoreApplication::translate("Cell", "%1, stack of %2").arg(ball, NumberText(cell.stack));
}

QString NextColoursDescription(const NextColors& next, bool shown) {
    if (!shown)
        return CellText(QT_TRANSLATE_NOOP("Cell", "hidden"));
    QStringList names;
    for (int slot = 0; slot < kDropAfterMove; ++slot) {
        const QString name = ColourName(next[static_cast<std::size_t>(slot)]);
        if (!name.isEmpty())
            names.append(name);
    }
    //: Separates the colours of the next-colours panel: "red, joker, blue".
    return names.join(CellText(QT_TRANSLATE_NOOP("Cell", ", ")));
}

} // namespace cw
