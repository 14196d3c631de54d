// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box's twinkle: eight frames of a strip of sprites, each combined with the
// background it covers, played twice at 30 ms a frame, after which the background is put back.

#include "game/random.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace cw {

inline constexpr int kSparkleFrames = 8;
inline constexpr int kSparkleCycles = 2;
inline constexpr int kSparkleFrameMs = 30;

// Where a sparkle plays in a window `clientWidth` pixels wide: y is drawn before x.
QPoint PickSparklePosition(Random& random, int clientWidth);

// Frame `frame` of the strip (each frame an eighth of its width) over the background's
// top-left corner: where the sprite is black the background stays, elsewhere the two are
// joined bitwise (background AND NOT sprite, then OR sprite).
QImage ComposeSparkleFrame(const QImage& background, const QImage& sprite, int frame);

// Where the sparkle is drawn. Show must put the picture on screen before it returns, so that
// it shows for the whole of its frame.
class SparkleCanvas {
public:
    virtual ~SparkleCanvas() = default;
    // What lies under `area` now.
    virtual QImage Capture(const QRect& area) = 0;
    virtual void Show(const QPoint& at, const QImage& picture) = 0;
};

// Returns after the whole animation, about half a second; between the frames it waits in
// pauses (widgets/event_pause.h), which keep the player's input for afterwards. A null sprite
// draws nothing.
void PlaySparkle(SparkleCanvas& canvas, const QImage& sprite, const QPoint& at);

} // namespace cw
