// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/options_dialog.h"

#include "records/option_values.h"
#include "resources/art_names.h"
#include "resources/resource_lookup.h"
#include "resources/translations.h"
#include "ui_options_dialog.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"
#include "widgets/draw_helpers.h"

#include <QEvent>
#include <QPainter>

namespace cw {

OptionsDialog::OptionsDialog(GameState& game, RecordsState& records, OptionsTarget& target,
                             QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::OptionsDialog>()), game_(game), records_(records),
      target_(target), savedShape_(records.shape) {
    ui_->setupUi(this);
    ApplyDialogUnits(this);
    ui_->traceAllMovesCheck->setChecked(game_.options.traceAllMoves != 0);
    ui_->animatedSmileysCheck->setChecked(game_.options.animatedFaces != 0);
    ui_->showNextColorsCheck->setChecked(game_.options.showNextColors != 0);
    ui_->previewButton->installEventFilter(this);
    ui_->shapeList->clear();
    for (const art::ShapeFamily& shape : art::kShapeFamilies)
        ui_->shapeList->addItem(ShapeName(shape.listText));
    ui_->shapeList->setCurrentRow(ValidShape(records_.shape) - 1);
    connect(ui_->shapeList, &QListWidget::currentRowChanged, ui_->previewButton,
            qOverload<>(&QWidget::repaint));
    connect(ui_->okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
    CenterDialog(this, owner);
}

OptionsDialog::~OptionsDialog() = default;

// The preview is drawn here instead of by the button itself: it shows the icon of the
// shape selected in the list, framed like a board cell.
bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == ui_->previewButton) {
        PaintPreview();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::PaintPreview() {
    QWidget* preview = ui_->previewButton;
    QPainter painter(preview);
    DrawFramedRect(painter, 0, 0, preview->width(), preview->height(), 1);
    const int row = ui_->shapeList->currentRow();
    if (row < 0 || row >= static_cast<int>(art::kShapeFamilies.size()))
        return;
    constexpr int kIconSize = 32;
    painter.drawImage((preview->width() - kIconSize) / 2, (preview->height() - kIconSize) / 2,
                      LoadIconImage(art::kShapeFamilies[row].iconNumber));
}

void OptionsDialog::accept() {
    game_.options.traceAllMoves = ui_->traceAllMovesCheck->isChecked() ? 1 : 0;
    game_.options.animatedFaces = ui_->animatedSmileysCheck->isChecked() ? 1 : 0;
    game_.options.showNextColors = ui_->showNextColorsCheck->isChecked() ? 1 : 0;
    target_.ShowNextColors(game_.options.showNextColors != 0);
    if (ui_->shapeList->currentRow() >= 0)
        records_.shape = ui_->shapeList->currentRow() + 1;
    if (records_.shape != savedShape_)
        target_.RebuildCellPictures();
    QDialog::accept();
}

int RunOptionsDialog(GameState& game, RecordsState& records, OptionsTarget& target,
                     QWidget* owner) {
    OptionsDialog dialog(game, records, target, owner);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

} // namespace cw
