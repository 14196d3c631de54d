// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/center_dialog.h"

#include "widgets/frame_margins.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cw {

void CenterDialog(QWidget* dialog, const QWidget* owner) {
    if (dialog == nullptr)
        return;
    const QScreen* screen = owner != nullptr ? owner->screen() : dialog->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen != nullptr ? screen->geometry() : QRect();
    // Centred by its outer frame, which the window manager adds only once the dialog shows.
    const QMargins frame = ExpectedFrameMargins(dialog);
    const QSize size = dialog->size().grownBy(frame);
    int x = 0;
    int y = 0;
    if (owner != nullptr) {
        const QRect ownerFrame = owner->frameGeometry();
        x = ownerFrame.left() + (ownerFrame.width() - size.width()) / 2;
        y = ownerFrame.top() + (ownerFrame.height() - size.height()) / 2;
        x = std::min(x, desktop.right() + 1 - size.width());
        y = std::min(y, desktop.bottom() + 1 - size.height());
    } else {
        x = desktop.left() + (desktop.width() - size.width()) / 2;
        y = desktop.top() + (desktop.height() - size.height()) / 2;
    }
    // Never above or left of the screen, so the caption can always be grabbed.
    MoveFrameTo(dialog, {std::max(x, desktop.left()), std::max(y, desktop.top())}, frame);
}

} // namespace cw
