// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/records_state.h"
#include "widgets/fitting_text_validator.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;

namespace Ui {
class TopPlayersDialog;
}

namespace cw {

// "Top Players of Cobblewell": the top ten of one level at a time, chosen in the level
// combo; the row equal to the last accepted entry is drawn in red.
class TopPlayersDialog : public QDialog {
    Q_OBJECT
public:
    TopPlayersDialog(const RecordsState& records, int level, QWidget* owner);
    ~TopPlayersDialog() override;

    int shownLevel() const { return shownLevel_; }

    // The room of the table's name fields, whose text is indented by `indent` pixels (the
    // records' average character width): what the name dialog lets a player type.
    static TextRoom NameRoom(int indent);

private:
    void OnLevelChosen(int index);
    void PaintScoreTable(int level);
    void DrawFieldText(QLabel* field, const QString& text, bool red);
    void FitDateColumn();

    using Column = std::array<QLabel*, kTableRows>;

    std::unique_ptr<Ui::TopPlayersDialog> ui_;
    // The fields of each column, top row first.
    Column names_;
    Column scores_;
    Column dates_;
    const RecordsState& records_;
    int shownLevel_ = 0;
};

} // namespace cw
