// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/center_dialog.h"

#include "widgets/frame_margins.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cw {
namespace {

const QScreen* ScreenFor(const QWidget* window, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : window->screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void CenterDialog(QWidget* dialog, const QWidget* owner) {
    if (dialog == nullptr)
        return;
    const QScreen* screen = ScreenFor(dialog, owner);
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    const QRect over = owner != nullptr    ? owner->frameGeometry()
                       : screen != nullptr ? screen->geometry()
                                           : QRect();
    // Centred by its outer frame, which the window manager adds only once the dialog shows.
    const QMargins frame = ExpectedFrameMargins(dialog);
    const QSize size = dialog->size().grownBy(frame);
    const int x =
        std::min(over.left() + (over.width() - size.width()) / 2, room.right() + 1 - size.width());
    const int y = std::min(over.top() + (over.height() - size.height()) / 2,
                           room.bottom() + 1 - size.height());
    // Never above or left of that area, so the caption can always be grabbed.
    MoveFrameTo(dialog, {std::max(x, room.left()), std::max(y, room.top())}, frame);
}

void FitToScreen(QWidget* window, const QWidget* owner) {
    const QScreen* screen = ScreenFor(window, owner);
    if (screen == nullptr)
        return;
    const QSize room = screen->availableGeometry().size().shrunkBy(ExpectedFrameMargins(window));
    window->resize(window->size().boundedTo(room));
}

} // namespace cw
