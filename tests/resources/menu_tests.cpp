// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menu_builder.h"
#include "resources/menu_table.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace cw;

struct ShownEntry {
    QString text;
    int command; // 0 for a separator

    bool operator==(const ShownEntry&) const = default;
};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void PrintTo(const ShownEntry& entry, std::ostream* out) {
    *out << '"' << entry.text.toStdString() << "\" " << entry.command;
}

// The letter after the text's one '&' ("&&" shows an ampersand), lower case; null without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

std::vector<ShownEntry> EntriesOf(const QMenu* menu) {
    std::vector<ShownEntry> entries;
    for (const QAction* action : menu->actions())
        entries.push_back(action->isSeparator()
                              ? ShownEntry{QString(), 0}
                              : ShownEntry{action->text(), action->data().toInt()});
    return entries;
}

class MainMenu : public ::testing::Test {
protected:
    void SetUp() override {
        BuildMainMenu(window.menuBar(), &window,
                      [this](int command) { commands.push_back(command); });
    }

    QMenu* Popup(int index) const { return window.menuBar()->actions().at(index)->menu(); }

    QMainWindow window;
    std::vector<int> commands;
};

// Every entry of the table in its place, separators included, its text kept whole (a tab
// and the key text after it too) and its command in the action's data.
TEST_F(MainMenu, PopupsShowTheTableEntriesInOrder) {
    ASSERT_EQ(window.menuBar()->actions().size(), qsizetype(kMainMenu.size()));
    for (std::size_t index = 0; index < kMainMenu.size(); ++index) {
        const MenuPopup& popup = kMainMenu[index];
        EXPECT_EQ(window.menuBar()->actions().at(qsizetype(index))->text(), Text(popup.title));
        std::vector<ShownEntry> expected;
        for (const MenuEntry& entry : popup.entries)
            expected.push_back(entry.IsSeparator() ? ShownEntry{QString(), 0}
                                                   : ShownEntry{Text(entry.text), entry.command});
        EXPECT_EQ(EntriesOf(Popup(int(index))), expected);
    }
    EXPECT_EQ(Popup(0)->objectName(), "gameMenu");
    EXPECT_EQ(Popup(1)->objectName(), "helpMenu");
}

TEST_F(MainMenu, EveryCommandIsOneNamedActionOfTheOwner) {
    std::vector<int> commands;
    for (const MenuPopup& popup : kMainMenu)
        for (const MenuEntry& entry : popup.entries)
            if (!entry.IsSeparator())
                commands.push_back(entry.command);
    for (const Accelerator& accelerator : kAccelerators)
        commands.push_back(accelerator.command);
    for (int id : commands) {
        QAction* action = FindCommandAction(&window, id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->objectName(), QStringLiteral("action%1").arg(id));
        EXPECT_EQ(action->data().toInt(), id);
        EXPECT_EQ(action->parent(), &window);
        EXPECT_EQ(window.findChildren<QAction*>(action->objectName()).size(), 1) << id;
    }
    EXPECT_EQ(FindCommandAction(&window, 40004), nullptr);
    EXPECT_EQ(FindCommandAction(nullptr, 10), nullptr);
}

TEST_F(MainMenu, AcceleratorsAreWindowShortcutsOfTheirCommands) {
    for (const Accelerator& accelerator : kAccelerators) {
        QAction* action = FindCommandAction(&window, accelerator.command);
        ASSERT_NE(action, nullptr) << accelerator.command;
        EXPECT_EQ(action->shortcut(), QKeySequence(Text(accelerator.keys)));
        EXPECT_FALSE(action->shortcut().isEmpty()) << accelerator.command;
        EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut) << accelerator.command;
        EXPECT_TRUE(window.actions().contains(action)) << accelerator.command;
    }
    // Minimise has a key but no menu item.
    for (int popup : {0, 1})
        EXPECT_FALSE(Popup(popup)->actions().contains(FindCommandAction(&window, CmdMinimize)));
}

// Alt and a letter must reach one title of the bar, then one item of the open menu.
TEST_F(MainMenu, EveryTitleAndItemHasAMnemonicOfItsOwn) {
    const auto expectOwnMnemonics = [](const QList<QAction*>& actions) {
        QString taken;
        for (const QAction* action : actions) {
            if (action->isSeparator())
                continue;
            const QString text = action->text().section(u'\t', 0, 0);
            const QChar key = Mnemonic(text);
            EXPECT_FALSE(key.isNull()) << text.toStdString();
            EXPECT_FALSE(taken.contains(key)) << text.toStdString();
            taken += key;
        }
    };
    expectOwnMnemonics(window.menuBar()->actions());
    expectOwnMnemonics(Popup(0)->actions());
    expectOwnMnemonics(Popup(1)->actions());
}

// The key after the tab ("Ctrl-N") is the one that runs the item; an item without it has none.
TEST_F(MainMenu, ShortcutColumnNamesTheKeyOfItsItem) {
    for (int popup : {0, 1}) {
        for (const QAction* action : Popup(popup)->actions()) {
            const QString text = action->text();
            QString shown = text.contains(u'\t') ? text.section(u'\t', 1) : QString();
            const QKeySequence key(shown.replace(u'-', u'+'));
            EXPECT_EQ(key.toString().toStdString(), action->shortcut().toString().toStdString())
                << text.toStdString();
        }
    }
}

TEST_F(MainMenu, EveryCommandIsInAMenuOrHasAKey) {
    for (int id : {CmdNew, CmdHighScores, CmdExit, CmdHelpIndex, CmdHelpRules, CmdHelpUsing,
                   CmdAbout, CmdOptions, CmdBeginner, CmdExpert, CmdIntermediate, CmdMinimize}) {
        QAction* action = FindCommandAction(&window, id);
        ASSERT_NE(action, nullptr) << id;
        const bool inMenu =
            Popup(0)->actions().contains(action) || Popup(1)->actions().contains(action);
        EXPECT_TRUE(inMenu || !action->shortcut().isEmpty()) << id;
    }
}

TEST_F(MainMenu, KeysReachTheCommandHandlerWhileTheWindowIsActive) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(commands, (std::vector<int>{10, 40001, 40008, 16}));
}

TEST_F(MainMenu, ChoosingALevelLeavesTheCheckMarkToTheWindow) {
    QAction* beginner = FindCommandAction(&window, CmdBeginner);
    QAction* expert = FindCommandAction(&window, CmdExpert);
    QAction* intermediate = FindCommandAction(&window, CmdIntermediate);
    for (QAction* level : {beginner, intermediate, expert})
        EXPECT_TRUE(level->isCheckable());
    EXPECT_FALSE(FindCommandAction(&window, CmdNew)->isCheckable());

    beginner->setChecked(true);
    expert->trigger();
    beginner->trigger();
    EXPECT_FALSE(expert->isChecked());
    EXPECT_TRUE(beginner->isChecked());
    EXPECT_EQ(commands, (std::vector<int>{40003, 40002}));
}

} // namespace
