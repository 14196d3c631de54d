#include "records/top_players_dialog.h"

#include "records/entry_text.h"
#include "ui_TOP.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace cw {
namespace {

constexpr int kLevelCombo = 101;
constexpr int kOkButton = 2;
constexpr int kFirstNameField = 421;
constexpr int kFirstScoreField = 431;
constexpr int kFirstDateField = 510;

// The field's own frame, as the form draws it; DrawFieldText adds fill and text colour.
constexpr char kFrameStyleProperty[] = "frameStyle";

bool IsHighlighted(const ScoreEntry& entry, const ScoreEntry& pending) {
    return pending.score != 0 && SameEntry(entry, pending);
}

} // namespace

TopPlayersDialog::TopPlayersDialog(const RecordsState& records, int level, QWidget* owner)
    : QDialog(owner), records_(records), shownLevel_(level) {
    Ui::TopDialog form;
    form.setupUi(this);
    ApplyDialogUnits(this);
    if (auto* combo = qobject_cast<QComboBox*>(FindControl(this, kLevelCombo))) {
        combo->clear();
        combo->addItems({tr("Beginner"), tr("Intermediate"), tr("Expert")});
        combo->setCurrentIndex(shownLevel_);
        connect(combo, &QComboBox::currentIndexChanged, this, &TopPlayersDialog::OnLevelChosen);
    }
    if (auto* ok = qobject_cast<QPushButton*>(FindControl(this, kOkButton))) {
        ok->setDefault(true);
        ok->setFocus();
        connect(ok, &QPushButton::clicked, this, &TopPlayersDialog::reject);
    }
    PaintScoreTable(shownLevel_);
    CenterDialog(this, owner);
}

void TopPlayersDialog::OnLevelChosen(int index) {
    if (index < 0 || index >= kTableLevels || index == shownLevel_)
        return;
    shownLevel_ = index;
    PaintScoreTable(shownLevel_);
}

void TopPlayersDialog::PaintScoreTable(int level) {
    if (level < 0 || level >= kTableLevels)
        return;
    const LevelTable& table = records_.tables[level];
    const auto field = [this](int id) { return qobject_cast<QLabel*>(FindControl(this, id)); };
    for (int row = 0; row < kTableRows; ++row) {
        const bool red = IsHighlighted(table[row], records_.pending);
        DrawFieldText(field(kFirstNameField + row), NameText(table[row]), red);
    }
    for (int row = 0; row < kTableRows; ++row) {
        const bool red = IsHighlighted(table[row], records_.pending);
        DrawFieldText(field(kFirstScoreField + row), QString::number(table[row].score), red);
    }
    for (int row = 0; row < kTableRows; ++row) {
        const QString date = DateText(table[row].time);
        const bool red = !date.isEmpty() && IsHighlighted(table[row], records_.pending);
        DrawFieldText(field(kFirstDateField + row), date, red);
    }
}

void TopPlayersDialog::DrawFieldText(QLabel* field, const QString& text, bool red) {
    if (field == nullptr)
        return;
    if (!field->property(kFrameStyleProperty).isValid())
        field->setProperty(kFrameStyleProperty, field->styleSheet());
    const QString frame = field->property(kFrameStyleProperty).toString();
    field->setStyleSheet(frame + QStringLiteral(" background-color: rgb(192, 192, 192);"
                                                " color: rgb(%1, 0, 0);")
                                     .arg(red ? 255 : 0));
    field->setIndent(records_.averageCharWidth);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setTextFormat(Qt::PlainText);
    field->setWordWrap(false);
    field->setText(text);
    field->repaint();
}

} // namespace cw
