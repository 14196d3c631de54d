// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/frame_margins.h"

#include "widgets/event_pause.h"
#include "x11/frame_extents.h"

#include <QWidget>

#include <optional>

namespace cw {
namespace {

// A window manager answers within a few milliseconds; one that does not is not waited for
// again.
constexpr int kAnswerWaitMs = 250;

// Asks the window manager how it will frame the not yet mapped `window` and waits a moment for
// the answer, in device pixels.
std::optional<QMargins> AskFrameExtents(WId window) {
    static bool unanswered = false;
    if (unanswered)
        return std::nullopt;
    EventPause wait;
    const auto watch = WatchFrameExtents(window, [&wait] { wait.End(); });
    if (!RequestFrameExtents(window))
        return std::nullopt;
    if (const auto extents = FrameExtents(window))
        return extents;
    if (wait.Wait(kAnswerWaitMs))
        if (const auto extents = FrameExtents(window))
            return extents;
    unanswered = true;
    return std::nullopt;
}

QMargins KnownFrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

QMargins ExpectedFrameMargins(QWidget* window) {
    if (window->isVisible())
        return KnownFrameMargins(*window);
    if (!OnX11())
        return {};
    const std::optional<QMargins> extents = AskFrameExtents(window->winId());
    if (!extents)
        return {};
    // The window manager counts device pixels; Qt places windows in logical ones.
    return *extents / window->devicePixelRatioF();
}

void MoveFrameTo(QWidget* window, QPoint frameTopLeft, const QMargins& frame) {
    // QWidget::move places the frame's corner by the frame Qt knows of: none for a window not
    // yet framed, whose client area would then land at the corner itself.
    const QMargins known = KnownFrameMargins(*window);
    window->move(frameTopLeft + QPoint(frame.left() - known.left(), frame.top() - known.top()));
}

} // namespace cw
