// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menu_builder.h"
#include "resources/translations.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace cw;

// What a menu or the window shows of one action: "" for a separator.
struct Shown {
    QString name;
    QString text;
    QString key;
    bool checkable = false;

    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.name.toStdString() << " \"" << shown.text.toStdString() << "\" "
         << shown.key.toStdString() << (shown.checkable ? " checkable" : "");
}

std::vector<Shown> ShownActions(const QList<QAction*>& actions) {
    std::vector<Shown> shown;
    for (const QAction* action : actions)
        shown.push_back({action->objectName(), action->text(), action->shortcut().toString(),
                         action->isCheckable()});
    return shown;
}

class MainMenu : public ::testing::Test {
protected:
    void Build() {
        BuildMainMenu(window.menuBar(), &window);
        for (QAction* action : window.findChildren<QAction*>())
            QObject::connect(action, &QAction::triggered,
                             [this, action] { triggered.push_back(action->objectName()); });
    }
    QMenu* Popup(int index) const { return window.menuBar()->actions().at(index)->menu(); }
    QAction* Action(const char* name) const { return window.findChild<QAction*>(name); }

    QMainWindow window;
    QStringList triggered;
};

TEST_F(MainMenu, ShowsTheItemsOfTheGameAndHelpMenus) {
    Build();
    ASSERT_EQ(window.menuBar()->actions().size(), 2);
    EXPECT_EQ(window.menuBar()->actions().at(0)->text(), "&Game");
    EXPECT_EQ(window.menuBar()->actions().at(1)->text(), "&Help");
    EXPECT_EQ(Popup(0)->objectName(), "gameMenu");
    EXPECT_EQ(Popup(1)->objectName(), "helpMenu");
    EXPECT_EQ(ShownActions(Popup(0)->actions()),
              (std::vector<Shown>{{"actionNewGame", "&New\tCtrl-N", "Ctrl+N"},
                                  {},
                                  {"actionBeginner", "&Beginner", "", true},
                                  {"actionIntermediate", "&Intermediate", "", true},
                                  {"actionExpert", "&Expert", "", true},
                                  {},
                                  {"actionHighScores", "&High Scores...", ""},
                                  {},
                                  {"actionOptions", "&Options...\tCtrl-O", "Ctrl+O"},
                                  {},
                                  {"actionExit", "E&xit", ""}}));
    EXPECT_EQ(ShownActions(Popup(1)->actions()),
              (std::vector<Shown>{{"actionHelpIndex", "&Index\tF1", "F1"},
                                  {"actionHelpRules", "Ru&les", ""},
                                  {"actionHelpUsing", "&Using Help", ""},
                                  {},
                                  {"actionAbout", "&About...", ""}}));
    // The keys are the window's own, minimise's too, which no menu shows.
    EXPECT_EQ(ShownActions(window.actions()),
              (std::vector<Shown>{{"actionNewGame", "&New\tCtrl-N", "Ctrl+N"},
                                  {"actionOptions", "&Options...\tCtrl-O", "Ctrl+O"},
                                  {"actionHelpIndex", "&Index\tF1", "F1"},
                                  {"actionMinimize", "", "Esc"}}));
}

// German writes the shortcut column its own way ("Strg+N"); the keys stay those of the English
// texts.
TEST_F(MainMenu, TranslatedShortcutColumnsKeepTheKeys) {
    ASSERT_EQ(InstallTranslations(QLocale(QLocale::German)), "de");
    Build();
    InstallTranslations(QLocale(QLocale::English));
    EXPECT_EQ(Action("actionNewGame")->text(), "&Neu\tStrg+N");
    EXPECT_EQ(Action("actionNewGame")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Action("actionOptions")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Action("actionHelpIndex")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainMenu, KeysTriggerTheirCommandsWhileTheWindowIsActive) {
    Build();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(triggered,
              (QStringList{"actionNewGame", "actionOptions", "actionMinimize", "actionHelpIndex"}));
}

} // namespace
