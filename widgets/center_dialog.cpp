// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/center_dialog.h"

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
    const QSize size = dialog->frameGeometry().size();
    int x = 0;
    int y = 0;
    if (owner != nullptr) {
        const QRect frame = owner->frameGeometry();
        x = frame.left() + (frame.width() - size.width()) / 2;
        y = frame.top() + (frame.height() - size.height()) / 2;
        x = std::min(x, desktop.right() + 1 - size.width());
        y = std::min(y, desktop.bottom() + 1 - size.height());
    } else {
        x = desktop.left() + (desktop.width() - size.width()) / 2;
        y = desktop.top() + (desktop.height() - size.height()) / 2;
    }
    // Never above or left of the screen, so the caption can always be grabbed.
    dialog->move(std::max(x, desktop.left()), std::max(y, desktop.top()));
}

} // namespace cw
