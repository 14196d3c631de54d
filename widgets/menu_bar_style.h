// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace cw {

// The application's style with one change on a menu bar: the title that has the keyboard
// (after Alt, or once Esc has closed its menu) is highlighted as an open title is. Fusion, the
// style Qt takes where the desktop names none, highlights a title only while its menu is open,
// so nothing showed that the arrow keys had gone to the menu bar.
class MenuBarStyle final : public QProxyStyle {
public:
    explicit MenuBarStyle(QObject* parent);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace cw
