// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/menu_table.h"

#include <QAction>
#include <QMenuBar>
#include <QWidget>

#include <array>

namespace cw {

// The action of every command, each a child of the window that owns the menus.
class CommandActions {
public:
    QAction*& operator[](Command command) { return actions_[static_cast<std::size_t>(command)]; }
    QAction* operator[](Command command) const {
        return actions_[static_cast<std::size_t>(command)];
    }

private:
    std::array<QAction*, kCommandCount> actions_{};
};

// Builds the "&Game" and "&Help" menus of the menu table and the actions of all its commands,
// named as the table names them. Keys are window-level shortcuts of actionOwner, so they are
// dead while a modal dialog is up. The level items are an exclusive group.
CommandActions BuildMainMenu(QMenuBar* menuBar, QWidget* actionOwner);

} // namespace cw
