// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A transparent layer over a whole dialog, controls included, that a sparkle draws on.
// Qt lets no one paint on a widget outside its paint event, so each frame is handed to the
// layer and painted at once with repaint(), which also puts it on screen.

#include "desktop/sparkle.h"

#include <QWidget>

namespace cw {

class SparkleOverlay final : public QWidget, public SparkleCanvas {
    Q_OBJECT

public:
    // Covers `dialog` and follows its size.
    explicit SparkleOverlay(QWidget* dialog);

    QImage Capture(const QRect& area) override;
    void Show(const QPoint& at, const QImage& picture) override;
    // Stops drawing the last picture; the dialog beneath shows through again.
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage picture_;
    QPoint at_;
};

} // namespace cw
