// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenuBar>
#include <QWidget>

#include <functional>

namespace cw {

// Builds the "&Game" and "&Help" menus from the menu table and the keyboard accelerators as
// window-level shortcuts of actionOwner (so they are dead while a modal dialog is up).
// Every command is one QAction, a child of actionOwner, named "action<id>" with data <id>.
// The level items are checkable, but choosing one does not move the check mark by itself:
// the window sets it once the level has really changed.
void BuildMainMenu(QMenuBar* menuBar, QWidget* actionOwner,
                   std::function<void(int command)> onCommand);

// The action of a command built by BuildMainMenu, or nullptr.
QAction* FindCommandAction(QWidget* owner, int id);

} // namespace cw
