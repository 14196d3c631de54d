// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Options dialog "SHAPE" (Game > Options...): the three display options and the ball shape.

#include "game/state.h"
#include "records/records_state.h"

#include <QDialog>

#include <memory>

namespace Ui {
class OptionsDialog;
}

namespace cw {

// What the dialog's OK asks of the main window.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual void ShowNextColors(bool shown) = 0;
    // Free and build the cell pictures for records.shape, then repaint the next-colours
    // panel and all 81 cells in row-major order.
    virtual void RebuildCellPictures() = 0;
};

// "Cobblewell Options". OK applies the boxes, shows or hides the next-colours panel and,
// only when the shape changed, has the cell pictures rebuilt; Cancel changes nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(GameState& game, RecordsState& records, OptionsTarget& target, QWidget* owner);
    ~OptionsDialog() override;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintPreview();

    std::unique_ptr<Ui::OptionsDialog> ui_;
    GameState& game_;
    RecordsState& records_;
    OptionsTarget& target_;
    const std::int32_t savedShape_;
};

// 1 for OK (options applied), 0 for Cancel (nothing changed).
int RunOptionsDialog(GameState& game, RecordsState& records, OptionsTarget& target, QWidget* owner);

} // namespace cw
