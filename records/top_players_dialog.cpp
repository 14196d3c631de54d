// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/top_players_dialog.h"

#include "records/entry_text.h"
#include "resources/translations.h"
#include "ui_top_players_dialog.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"

#include <QDateTime>

#include <algorithm>

namespace cw {
namespace {

// The field's own frame, as the form draws it; DrawFieldText adds fill and text colour.
constexpr char kFrameStyleProperty[] = "frameStyle";

// The width a field's text has from its indent to its frame.
int RoomAfterIndent(const QLabel& field, int indent) {
    return field.contentsRect().width() - indent;
}

// The widest date of this year in the player's language: every month and every weekday, with
// two-digit days and hours.
int WidestDateWidth(const QFontMetrics& metrics) {
    const int year = QDate::currentDate().year();
    int widest = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            const QDateTime time(QDate(year, month, day), QTime(23, 59, 58));
            const auto seconds = static_cast<std::uint32_t>(time.toSecsSinceEpoch());
            widest = std::max(widest, metrics.size(0, DateText(seconds)).width());
        }
    }
    return widest;
}

} // namespace

TopPlayersDialog::TopPlayersDialog(const RecordsState& records, int level, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::TopPlayersDialog>()), records_(records),
      shownLevel_(level) {
    ui_->setupUi(this);
    ApplyDialogUnits(this);
    for (int row = 0; row < kTableRows; ++row) {
        const QString place = QString::number(row + 1);
        names_[row] = findChild<QLabel*>(QStringLiteral("placeName") + place);
        scores_[row] = findChild<QLabel*>(QStringLiteral("placeScore") + place);
        dates_[row] = findChild<QLabel*>(QStringLiteral("placeDate") + place);
        // The form's places are written 0 to 9, not in every language's digits.
        findChild<QLabel*>(QStringLiteral("placeLabel") + place)
            ->setText(NumberText(row + 1) + u'.');
    }
    ui_->levelCombo->clear();
    for (int level = 0; level < kLevelCount; ++level)
        ui_->levelCombo->addItem(LevelName(level));
    ui_->levelCombo->setCurrentIndex(shownLevel_);
    connect(ui_->levelCombo, &QComboBox::currentIndexChanged, this,
            &TopPlayersDialog::OnLevelChosen);
    ui_->okButton->setFocus();
    connect(ui_->okButton, &QPushButton::clicked, this, &TopPlayersDialog::reject);
    FitDateColumn();
    PaintScoreTable(shownLevel_);
    CenterDialog(this, owner);
}

// Dates written in words can run wider than the form's field, which was made for the English
// ones: the date column, the table's frame and the dialog then grow by as much, and the OK
// button stays centred. The English dates fit, so the form keeps its size there.
void TopPlayersDialog::FitDateColumn() {
    QLabel* field = dates_.front();
    const int room = RoomAfterIndent(*field, records_.averageCharWidth);
    const int growth = WidestDateWidth(field->fontMetrics()) - room;
    if (growth <= 0)
        return;
    // Mirrored, the date column is the leftmost: the columns to its right move over instead.
    if (isRightToLeft()) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control != ui_->okButton && control->x() > field->geometry().right())
                control->move(control->x() + growth, control->y());
        }
    }
    for (QLabel* date : dates_)
        date->resize(date->width() + growth, date->height());
    ui_->tableGroup->resize(ui_->tableGroup->width() + growth, ui_->tableGroup->height());
    ui_->okButton->move(ui_->okButton->x() + growth / 2, ui_->okButton->y());
    setFixedSize(width() + growth, height());
}

TopPlayersDialog::~TopPlayersDialog() = default;

// Measured on the form itself, laid out as the dialog lays it out, in the font the fields draw
// in; the name fields never grow.
TextRoom TopPlayersDialog::NameRoom(int indent) {
    QDialog form;
    Ui::TopPlayersDialog ui;
    ui.setupUi(&form);
    ApplyDialogUnits(&form);
    return {ui.placeName1->font(), RoomAfterIndent(*ui.placeName1, indent)};
}

void TopPlayersDialog::OnLevelChosen(int index) {
    if (!IsLevel(index) || index == shownLevel_)
        return;
    shownLevel_ = index;
    PaintScoreTable(shownLevel_);
}

void TopPlayersDialog::PaintScoreTable(int level) {
    if (!IsLevel(level))
        return;
    const LevelTable& table = records_.tables[level];
    for (int row = 0; row < kTableRows; ++row) {
        const bool red = records_.pending.score != 0 && table[row] == records_.pending;
        const QString date = DateText(table[row].time);
        DrawFieldText(names_[row], ShownNameText(table[row]), red);
        DrawFieldText(scores_[row], NumberText(table[row].score), red);
        DrawFieldText(dates_[row], date, red && !date.isEmpty());
    }
}

void TopPlayersDialog::DrawFieldText(QLabel* field, const QString& text, bool red) {
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
