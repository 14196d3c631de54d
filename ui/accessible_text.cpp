// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_text.h"

#include <QStringList>

#include <array>

namespace cw {
namespace {

constexpr std::array<const char*, 8> kColourNames = {"red",     "green", "blue",  "yellow",
                                                     "magenta", "cyan",  "white", "joker"};
constexpr int kShownNextColours = 3;

} // namespace

QString ColourName(std::int32_t colour) {
    if (colour < 0 || colour > kJoker)
        return {};
    return QLatin1String(kColourNames[static_cast<std::size_t>(colour)]);
}

QString CellAccessibleName(int index) {
    return QStringLiteral("row %1, column %2")
        .arg(index / kBoardSize + 1)
        .arg(index % kBoardSize + 1);
}

// A ball passing through a cell during a traced move has a stack of 0; it reads as a ball.
QString CellDescription(const Cell& cell) {
    const QString colour = ColourName(cell.colour);
    if (cell.state == CellState::Empty || colour.isEmpty())
        return QStringLiteral("empty");
    QString text = cell.colour == kJoker ? colour : colour + QStringLiteral(" ball");
    if (cell.state == CellState::Selected)
        text.prepend(QStringLiteral("selected "));
    if (cell.stack >= 2)
        text += QStringLiteral(", stack of %1").arg(cell.stack);
    return text;
}

QString NextColoursDescription(const NextColors& next, bool shown) {
    if (!shown)
        return QStringLiteral("hidden");
    QStringList names;
    for (int slot = 0; slot < kShownNextColours; ++slot) {
        const QString name = ColourName(next[static_cast<std::size_t>(slot)]);
        if (!name.isEmpty())
            names.append(name);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace cw
