// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sparkle_overlay.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace cw {

SparkleOverlay::SparkleOverlay(QWidget* dialog) : QWidget(dialog) {
    setObjectName(QStringLiteral("sparkleOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(dialog->rect());
    dialog->installEventFilter(this);
    raise();
}

QImage SparkleOverlay::Capture(const QRect& area) {
    // The layer itself shows nothing between sparkles, so it adds nothing to the grab.
    return parentWidget()->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

void SparkleOverlay::Show(const QPoint& at, const QImage& picture) {
    picture_ = picture;
    at_ = at;
    repaint(QRect(at, picture.size()));
}

void SparkleOverlay::Clear() {
    picture_ = QImage();
}

void SparkleOverlay::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(at_, picture_);
}

bool SparkleOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace cw
