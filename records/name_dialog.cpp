// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/name_dialog.h"

#include "records/entry_text.h"
#include "records/top_players_dialog.h"
#include "resources/art_names.h"
#include "ui_name_dialog.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"
#include "widgets/fitting_text_validator.h"

namespace cw {

NameDialog::NameDialog(ScoreEntry& pending, int tableIndent, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::NameDialog>()), pending_(pending) {
    ui_->setupUi(this);
    // The icon's number is the art table's, so the form does not repeat it.
    ui_->iconLabel->setProperty(kIconResourceProperty,
                                QStringLiteral("#%1").arg(art::kNameDialogIcon));
    ApplyDialogUnits(this);
    connect(ui_->okButton, &QPushButton::clicked, this, &NameDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &NameDialog::reject);
    // The field does not scroll: what can be typed is bounded by its width, by the bytes the
    // score file keeps of a name and by the narrower field of the table that shows it.
    ui_->nameEdit->setValidator(new FittingTextValidator(ui_->nameEdit, kMaxNameBytes,
                                                         TopPlayersDialog::NameRoom(tableIndent)));
    ui_->nameEdit->setText(NameText(pending_));
    ui_->nameEdit->selectAll();
    ui_->nameEdit->setFocus();
    CenterDialog(this, owner);
}

NameDialog::~NameDialog() = default;

void NameDialog::accept() {
    StoreName(pending_, ui_->nameEdit->text());
    QDialog::accept();
}

} // namespace cw
