// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/score_entry.h"
#include "records/settings_table.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace cw {

struct RecordsState {
    ScoreTables tables{};
    // The last name accepted in the name dialog, completed into the row it became; the
    // Top Players dialog draws the row equal to it in red.
    ScoreEntry pending{};
    CarriedValues carried{};
    std::int32_t shape = kDefaultShape;
    // The bytes the settings file gave, which name the program whatever their encoding.
    QByteArray browserPath;
    QString scoreFilePath;
    // Indent of the Top Players fields; measured once at start-up.
    int averageCharWidth = 0;
};

} // namespace cw
