#include "records/name_dialog.h"

#include "records/entry_text.h"
#include "ui_NAME.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"

#include <QLineEdit>
#include <QPushButton>

namespace cw {
namespace {

constexpr int kNameField = 501;
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

} // namespace

NameDialog::NameDialog(ScoreEntry& pending, QWidget* owner) : QDialog(owner), pending_(pending) {
    Ui::NameDialog form;
    form.setupUi(this);
    ApplyDialogUnits(this);
    auto* ok = qobject_cast<QPushButton*>(FindControl(this, kOkButton));
    auto* cancel = qobject_cast<QPushButton*>(FindControl(this, kCancelButton));
    if (ok != nullptr) {
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &NameDialog::accept);
    }
    if (cancel != nullptr)
        connect(cancel, &QPushButton::clicked, this, &NameDialog::reject);
    if (auto* field = qobject_cast<QLineEdit*>(FindControl(this, kNameField))) {
        field->setText(NameText(pending_));
        field->selectAll();
        field->setFocus();
    }
    CenterDialog(this, owner);
}

void NameDialog::accept() {
    if (auto* field = qobject_cast<QLineEdit*>(FindControl(this, kNameField)))
        StoreName(pending_, field->text());
    QDialog::accept();
}

} // namespace cw
