// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menu_builder.h"

#include "resources/menu_table.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

namespace cw {
namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every text of the menu table is a literal, so its view ends at a terminator.
QString MenuText(std::string_view text) {
    return QCoreApplication::translate("Menu", text.data());
}

QString CommandActionName(int id) {
    return QStringLiteral("action%1").arg(id);
}

// "&Game" -> "gameMenu"
QString MenuObjectName(std::string_view title) {
    return FromView(title).remove(u'&').toLower() + QStringLiteral("Menu");
}

bool IsLevelCommand(int id) {
    return std::ranges::find(kLevelCommands, id) != kLevelCommands.end();
}

QAction* CreateCommandAction(QWidget* owner, const QString& text, int id,
                             const std::function<void(int)>& onCommand) {
    auto* action = new QAction(text, owner);
    action->setObjectName(CommandActionName(id));
    action->setData(id);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(IsLevelCommand(id));
    QObject::connect(action, &QAction::triggered, action, [action, id, onCommand](bool checked) {
        // Qt has already flipped the check mark; put it back so only the window moves it.
        if (action->isCheckable())
            action->setChecked(!checked);
        if (onCommand)
            onCommand(id);
    });
    return action;
}

void AddPopup(QMenuBar* menuBar, QWidget* owner, const MenuPopup& popup,
              const std::function<void(int)>& onCommand) {
    QMenu* menu = menuBar->addMenu(MenuText(popup.title));
    menu->setObjectName(MenuObjectName(popup.title));
    for (const MenuEntry& entry : popup.entries) {
        if (entry.IsSeparator())
            menu->addSeparator();
        else
            menu->addAction(
                CreateCommandAction(owner, MenuText(entry.text), entry.command, onCommand));
    }
}

void AddAccelerators(QWidget* owner, const std::function<void(int)>& onCommand) {
    for (const Accelerator& accelerator : kAccelerators) {
        QAction* action = FindCommandAction(owner, accelerator.command);
        if (action == nullptr) // a command without a menu item, such as minimise
            action = CreateCommandAction(owner, QString(), accelerator.command, onCommand);
        action->setShortcut(QKeySequence(FromView(accelerator.keys)));
        // An action shortcut only listens while the action sits on a widget of the window.
        owner->addAction(action);
    }
}

} // namespace

void BuildMainMenu(QMenuBar* menuBar, QWidget* actionOwner,
                   std::function<void(int command)> onCommand) {
    for (const MenuPopup& popup : kMainMenu)
        AddPopup(menuBar, actionOwner, popup, onCommand);
    AddAccelerators(actionOwner, onCommand);
}

QAction* FindCommandAction(QWidget* owner, int id) {
    if (owner == nullptr)
        return nullptr;
    return owner->findChild<QAction*>(CommandActionName(id), Qt::FindDirectChildrenOnly);
}

} // namespace cw
