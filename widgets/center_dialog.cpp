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
    const QRect desktop = screen != nullptr ? screen->geometry() : QRect();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    // Centred by its outer frame, which the window manager adds only once the dialog shows.
    const QMargins frame = ExpectedFrameMargins(dialog);
    const QSize size = dialog->size().grownBy(frame);
    int x = 0;
    int y = 0;
    if (owner != nullptr) {
        const QRect ownerFrame = owner->frameGeometry();
        x = ownerFrame.left() + (ownerFrame.width() - size.width()) / 2;
        y = ownerFrame.top() + (ownerFrame.height() - size.height()) / 2;
    } else {
        x = desktop.left() + (desktop.width() - size.width()) / 2;
        y = desktop.top() + (desktop.height() - size.height()) / 2;
    }
    x = std::min(x, room.right() + 1 - size.width());
    y = std::min(y, room.bottom() + 1 - size.height());
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
