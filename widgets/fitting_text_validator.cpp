// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fitting_text_validator.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

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
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    return contents.marginsRemoved(field.textMargins()).width() - 2 * kLineEditHorizontalMargin;
}

// QLineEdit starts to scroll once the text's advance and one pixel for the cursor no longer fit.
int UsedWidth(const QLineEdit& field, const QString& text) {
    return qRound(QFontMetricsF(field.font()).horizontalAdvance(text)) + 1;
}

} // namespace

FittingTextValidator::FittingTextValidator(QLineEdit* field, int maxUtf8Bytes)
    : QValidator(field), field_(*field), maxUtf8Bytes_(maxUtf8Bytes) {}

QValidator::State FittingTextValidator::validate(QString& input, int&) const {
    if (input.toUtf8().size() > maxUtf8Bytes_)
        return Invalid;
    return UsedWidth(field_, input) <= AvailableWidth(field_) ? Acceptable : Invalid;
}

} // namespace cw
