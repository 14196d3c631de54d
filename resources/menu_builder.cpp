// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menu_builder.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

namespace cw {
namespace {

// Every text of the menu table is a literal, so its view ends at a terminator.
QString MenuText(std::string_view text) {
    return QCoreApplication::translate("Menu", text.data());
}

// The key an English item text shows after its tab ("&New\tCtrl-N" -> Ctrl+N). A translation
// may write it its own way ("Strg+N"), so the key is read from the English text alone.
QKeySequence ShownKey(std::string_view text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos)
        return {};
    return QKeySequence(QString::fromUtf8(text.substr(tab + 1)).replace(u'-', u'+'));
}

QAction* CreateAction(QWidget* owner, std::string_view name, const QString& text,
                      const QKeySequence& key) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // An action shortcut only listens while the action sits on a widget of the window.
        owner->addAction(action);
    }
    return action;
}

} // namespace

CommandActions BuildMainMenu(QMenuBar* menuBar, QWidget* actionOwner) {
    CommandActions actions;
    for (const MenuPopup& popup : kMainMenu) {
        QMenu* menu = menuBar->addMenu(MenuText(popup.title));
        // "&Game" -> "gameMenu"
        menu->setObjectName(QString::fromUtf8(popup.title).remove(u'&').toLower() +
                            QStringLiteral("Menu"));
        for (const MenuEntry& entry : popup.entries) {
            if (entry.IsSeparator()) {
                menu->addSeparator();
                continue;
            }
            actions[entry.command] =
                CreateAction(actionOwner, entry.name, MenuText(entry.text), ShownKey(entry.text));
            menu->addAction(actions[entry.command]);
        }
    }
    for (const Accelerator& accelerator : kAccelerators)
        actions[accelerator.command] =
            CreateAction(actionOwner, accelerator.name, QString(),
                         QKeySequence(QString::fromUtf8(accelerator.keys)));
    auto* levels = new QActionGroup(actionOwner);
    for (const Command level : kLevelCommands) {
        actions[level]->setCheckable(true);
        levels->addAction(actions[level]);
    }
    return actions;
}

} // namespace cw
