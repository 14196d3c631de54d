// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sparkle.h"

#include "widgets/event_pause.h"

#include <QElapsedTimer>
#include <QPainter>

namespace cw {

QPoint PickSparklePosition(Random& random, int clientWidth) {
    const int y = RandomInt(random, 10, 80);
    const int x = RandomInt(random, 15, clientWidth - 43);
    return {x, y};
}

QImage ComposeSparkleFrame(const QImage& background, const QImage& sprite, int frame) {
    const int frameWidth = sprite.width() / kSparkleFrames;
    const QRect source((frame * sprite.width()) / kSparkleFrames, 0, frameWidth, sprite.height());
    QImage result = background.convertToFormat(QImage::Format_RGB32);
    const QImage spriteBits = sprite.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
    painter.drawImage(QPoint(0, 0), spriteBits, source);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(QPoint(0, 0), spriteBits, source);
    painter.end();
    return result.copy(0, 0, frameWidth, sprite.height());
}

void PlaySparkle(SparkleCanvas& canvas, const QImage& sprite, const QPoint& at) {
    if (sprite.isNull())
        return;
    const QImage background = canvas.Capture(QRect(at, sprite.size()));
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    for (int step = 0; step < kSparkleCycles * kSparkleFrames; ++step) {
        // Each frame lasts from the last one shown, however long showing it took.
        PauseFor(static_cast<int>(kSparkleFrameMs - (clock.elapsed() - last)));
        last = clock.elapsed();
        canvas.Show(at, ComposeSparkleFrame(background, sprite, step % kSparkleFrames));
    }
    canvas.Show(at, background);
}

} // namespace cw
