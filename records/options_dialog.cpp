#include "records/options_dialog.h"

#include "records/option_values.h"
#include "records/shape_table.h"
#include "resources/resource_lookup.h"
#include "ui_SHAPE.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"
#include "widgets/draw_helpers.h"

#include <QCheckBox>
#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace cw {
namespace {

constexpr int kTraceAllMovesBox = 1009;
constexpr int kShowNextColorsBox = 1010;
constexpr int kAnimatedFacesBox = 1011;
constexpr int kShapeList = 1012;
constexpr int kPreview = 1014;
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;
constexpr int kIconSize = 32;

} // namespace

OptionsDialog::OptionsDialog(GameState& game, RecordsState& records, OptionsTarget& target,
                             QWidget* owner)
    : QDialog(owner), game_(game), records_(records), target_(target), savedShape_(records.shape) {
    Ui::ShapeDialog form;
    form.setupUi(this);
    ApplyDialogUnits(this);
    SetUpControls();
    CenterDialog(this, owner);
}

QCheckBox* OptionsDialog::Box(int id) const {
    return qobject_cast<QCheckBox*>(FindControl(this, id));
}

QListWidget* OptionsDialog::ShapeList() const {
    return qobject_cast<QListWidget*>(FindControl(this, kShapeList));
}

void OptionsDialog::SetUpControls() {
    const std::pair<int, std::int32_t> boxes[] = {
        {kTraceAllMovesBox, game_.options.traceAllMoves},
        {kAnimatedFacesBox, game_.options.animatedFaces},
        {kShowNextColorsBox, game_.options.showNextColors}};
    for (const auto& [id, on] : boxes) {
        if (QCheckBox* box = Box(id))
            box->setChecked(on != 0);
    }
    QWidget* preview = FindControl(this, kPreview);
    if (preview != nullptr)
        preview->installEventFilter(this);
    if (QListWidget* list = ShapeList()) {
        list->clear();
        for (const ShapeInfo& shape : kShapeTable)
            list->addItem(QString::fromLatin1(shape.listText));
        list->setCurrentRow(ValidShape(records_.shape) - 1);
        if (preview != nullptr)
            connect(list, &QListWidget::currentRowChanged, preview, qOverload<>(&QWidget::repaint));
    }
    if (auto* ok = qobject_cast<QPushButton*>(FindControl(this, kOkButton))) {
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    }
    if (auto* cancel = qobject_cast<QPushButton*>(FindControl(this, kCancelButton)))
        connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
}

// The preview is drawn here instead of by the button itself: it shows the icon of the
// shape selected in the list, framed like a board cell.
bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == FindControl(this, kPreview)) {
        PaintPreview(static_cast<QWidget*>(watched));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::PaintPreview(QWidget* preview) {
    QPainter painter(preview);
    DrawFramedRect(painter, 0, 0, preview->width(), preview->height(), 1);
    const QListWidget* list = ShapeList();
    const int row = list != nullptr ? list->currentRow() : -1;
    if (row < 0 || row >= static_cast<int>(kShapeTable.size()))
        return;
    BlitBitmap(painter, LoadIconImage(kShapeTable[row].iconNumber),
               (preview->width() - kIconSize) / 2, (preview->height() - kIconSize) / 2);
}

void OptionsDialog::accept() {
    const auto ticked = [this](int id) {
        const QCheckBox* box = Box(id);
        return box != nullptr && box->isChecked() ? 1 : 0;
    };
    game_.options.traceAllMoves = ticked(kTraceAllMovesBox);
    game_.options.animatedFaces = ticked(kAnimatedFacesBox);
    game_.options.showNextColors = ticked(kShowNextColorsBox);
    target_.ShowNextColors(game_.options.showNextColors != 0);
    const QListWidget* list = ShapeList();
    if (list != nullptr && list->currentRow() >= 0)
        records_.shape = list->currentRow() + 1;
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
