#pragma once

#include "records/records_state.h"

#include <QDialog>

class QLabel;

namespace cw {

// "Top Players of Cobblewell": the top ten of one level at a time, chosen in the level
// combo; the row equal to the last accepted entry is drawn in red.
class TopPlayersDialog : public QDialog {
    Q_OBJECT
public:
    TopPlayersDialog(const RecordsState& records, int level, QWidget* owner);

    int shownLevel() const { return shownLevel_; }

private:
    void OnLevelChosen(int index);
    void PaintScoreTable(int level);
    void DrawFieldText(QLabel* field, const QString& text, bool red);

    const RecordsState& records_;
    int shownLevel_ = 0;
};

} // namespace cw
