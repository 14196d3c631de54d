#include "resources/menu_builder.h"
#include "resources/menu_table.h"

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

void PrintTo(const ShownEntry& entry, std::ostream* out) {
    *out << '"' << entry.text.toStdString() << "\" " << entry.command;
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

TEST_F(MainMenu, GamePopupHoldsTheGameCommandsInOrder) {
    ASSERT_EQ(window.menuBar()->actions().size(), 2);
    EXPECT_EQ(window.menuBar()->actions().at(0)->text(), "&Game");
    EXPECT_EQ(Popup(0)->objectName(), "gameMenu");
    const std::vector<ShownEntry> expected{{"&New\tCtrl-N", 10},
                                           {"", 0},
                                           {"&Beginner", 40002},
                                           {"&Intermediate", 40006},
                                           {"&Expert", 40003},
                                           {"", 0},
                                           {"&High Scores...", 13},
                                           {"", 0},
                                           {"&Options...\tCtrl-O", 40001},
                                           {"", 0},
                                           {"E&xit", 15}};
    EXPECT_EQ(EntriesOf(Popup(0)), expected);
}

TEST_F(MainMenu, HelpPopupHoldsExactlyFiveEntries) {
    EXPECT_EQ(window.menuBar()->actions().at(1)->text(), "&Help");
    EXPECT_EQ(Popup(1)->objectName(), "helpMenu");
    const std::vector<ShownEntry> expected{
        {"&Index\tF1", 16}, {"Ru&les", 17}, {"&Using Help", 18}, {"", 0}, {"&About...", 19}};
    EXPECT_EQ(EntriesOf(Popup(1)), expected);
}

TEST_F(MainMenu, EveryCommandIsOneNamedActionOfTheOwner) {
    for (int id : {10, 13, 15, 16, 17, 18, 19, 40001, 40002, 40003, 40006, 40008}) {
        QAction* action = FindCommandAction(&window, id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->objectName(), QStringLiteral("action%1").arg(id));
        EXPECT_EQ(action->data().toInt(), id);
        EXPECT_EQ(action->parent(), &window);
    }
    EXPECT_EQ(FindCommandAction(&window, 40004), nullptr);
    EXPECT_EQ(FindCommandAction(nullptr, 10), nullptr);
}

TEST_F(MainMenu, AcceleratorsAreWindowShortcutsOfTheirCommands) {
    const std::vector<std::pair<QKeySequence, int>> expected{{QKeySequence("Ctrl+N"), 10},
                                                             {QKeySequence("Ctrl+O"), 40001},
                                                             {QKeySequence(Qt::Key_Escape), 40008},
                                                             {QKeySequence(Qt::Key_F1), 16}};
    for (const auto& [keys, id] : expected) {
        QAction* action = FindCommandAction(&window, id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->shortcut(), keys) << id;
        EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut) << id;
        EXPECT_TRUE(window.actions().contains(action)) << id;
    }
    // Minimise has a key but no menu item.
    for (int popup : {0, 1})
        EXPECT_FALSE(Popup(popup)->actions().contains(FindCommandAction(&window, CmdMinimize)));
}

TEST_F(MainMenu, OnlyTheAcceleratorCommandsHaveShortcuts) {
    int withShortcut = 0;
    for (const QAction* action : window.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        withShortcut += action->shortcut().isEmpty() ? 0 : 1;
    EXPECT_EQ(withShortcut, 4);
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
