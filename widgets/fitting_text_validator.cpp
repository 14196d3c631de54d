// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fitting_text_validator.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <utility>

namespace cw {
namespace {

// The gap QLineEdit keeps between its contents rectangle and the text on either side.
constexpr int kLineEditHorizontalMargin = 2;

// The widest text the field shows without scrolling: the rectangle its style lays the text in.
int AvailableWidth(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    return contents.marginsRemoved(field.textMargins()).width() - 2 * kLineEditHorizontalMargin;
}

// QLineEdit starts to scroll once the text's advance and one pixel for the cursor no longer fit.
int UsedWidth(const QLineEdit& field, const QString& text) {
    return qRound(QFontMetricsF(field.font()).horizontalAdvance(text)) + 1;
}

// Drawn from the room's left edge, the text ends within it, the last letter's overhang included.
bool ShowsWhole(const TextRoom& room, const QString& text) {
    const QFontMetricsF metrics(room.font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right()) <=
           room.width;
}

} // namespace

FittingTextValidator::FittingTextValidator(QLineEdit* field, int maxUtf8Bytes, TextRoom shownIn)
    : QValidator(field), field_(*field), maxUtf8Bytes_(maxUtf8Bytes), shownIn_(std::move(shownIn)) {
}

QValidator::State FittingTextValidator::validate(QString& input, int&) const {
    if (input.toUtf8().size() > maxUtf8Bytes_ || UsedWidth(field_, input) > AvailableWidth(field_))
        return Invalid;
    return ShowsWhole(shownIn_, input) ? Acceptable : Invalid;
}

} // namespace cw
