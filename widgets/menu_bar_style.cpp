// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/menu_bar_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace cw {

MenuBarStyle::MenuBarStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

// The menu bar holds the focus while it has the keyboard; it may keep the focus after Esc has
// ended that, and a title under the mouse is then highlighted too, which does no harm.
void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuBarItem || item == nullptr || widget == nullptr || !widget->hasFocus() ||
        !(item->state & State_Selected)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem highlighted(*item);
    highlighted.state |= State_Sunken;
    QProxyStyle::drawControl(element, &highlighted, painter, widget);
}

} // namespace cw
