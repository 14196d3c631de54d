// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialog_units.h"

#include "resources/resource_lookup.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

namespace cw {
namespace {

constexpr int kDialogFontPointSize = 8;

// a * b / c rounded half up, for the non-negative values of the forms.
int ScaleRounded(int a, int b, int c) {
    return static_cast<int>((qint64(a) * b + c / 2) / c);
}

// A static icon sizes itself to its icon; the template only gives its position.
void ShowStaticIcon(QLabel* label, QRect& rect) {
    const QIcon icon = LoadIcon(label->property(kIconResourceProperty).toString());
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        return;
    label->setPixmap(icon.pixmap(sizes.first()));
    rect.setSize(sizes.first());
}

void PlaceControl(QWidget* control, DialogBaseUnits base, int dialogWidth) {
    const QVariant dialogUnits = control->property(kDialogUnitsProperty);
    if (!dialogUnits.isValid())
        return;
    QRect rect = DialogUnitsToPixels(dialogUnits.toRect(), base);
    // The height of a drop-down list in the template is that of its open list.
    if (auto* combo = qobject_cast<QComboBox*>(control))
        rect.setHeight(combo->sizeHint().height());
    if (auto* label = qobject_cast<QLabel*>(control);
        label != nullptr && control->property(kIconResourceProperty).isValid())
        ShowStaticIcon(label, rect);
    // Group boxes follow the controls they frame, so they lie on top of them: let the
    // clicks through to the controls beneath.
    if (qobject_cast<QGroupBox*>(control) != nullptr)
        control->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Qt mirrors what its layouts place, never a fixed geometry: a language written right to
    // left reads the template from the right edge.
    if (control->isRightToLeft())
        rect.moveRight(dialogWidth - 1 - rect.left());
    control->setGeometry(rect);
}

} // namespace

QFont DialogFont() {
    QFont font(QStringLiteral("Sans Serif"), kDialogFontPointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width is the advance of the 52 Latin letters, divided by 52 and rounded,
    // not the font's own average, which counts digits and punctuation too.
    const int lettersAdvance = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {std::max(1, ScaleRounded(lettersAdvance, 1, 52)), std::max(1, metrics.height())};
}

QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base) {
    return QRect(ScaleRounded(dialogUnits.x(), base.x, 4), ScaleRounded(dialogUnits.y(), base.y, 8),
                 ScaleRounded(dialogUnits.width(), base.x, 4),
                 ScaleRounded(dialogUnits.height(), base.y, 8));
}

void ApplyDialogUnits(QWidget* dialog) {
    dialog->setFont(DialogFont());
    const DialogBaseUnits base = MeasureDialogBaseUnits(dialog->font());
    const QRect frame = DialogUnitsToPixels(dialog->property(kDialogUnitsProperty).toRect(), base);
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        PlaceControl(control, base, frame.width());
    dialog->setFixedSize(frame.size());
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace cw
