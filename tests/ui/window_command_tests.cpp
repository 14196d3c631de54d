// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "desktop/help_viewer.h"
#include "records/option_values.h"
#include "records/score_file.h"
#include "records/settings_file.h"
#include "ui/toolbar_panels.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace cw::test {
namespace {

using WindowCommands = WindowTest;

std::array<bool, 3> LevelChecks(MainWindow& window) {
    const auto checked = [&window](const char* name) {
        return window.findChild<QAction*>(name)->isChecked();
    };
    return {checked("actionBeginner"), checked("actionIntermediate"), checked("actionExpert")};
}

int BallCount(const GameState& game) {
    int balls = 0;
    for (const Cell& cell : game.board.cells)
        balls += cell.state != CellState::Empty ? 1 : 0;
    return balls;
}

TEST_F(WindowCommands, StartShowsTheStoredLevel) {
    game_.level = Expert;
    Start();
    EXPECT_EQ(window_->windowTitle(), "Cobblewell (Expert)");
    EXPECT_EQ(LevelChecks(*window_), (std::array{false, false, true}));
}

TEST_F(WindowCommands, LevelCommandsMoveTitleAndCheckMarkAndDealAnew) {
    Start();
    struct Case {
        const char* command;
        std::int32_t level;
        const char* title;
        std::array<bool, 3> checks;
    };
    const Case cases[] = {
        {"actionIntermediate", Intermediate, "Cobblewell (Intermediate)", {false, true, false}},
        {"actionExpert", Expert, "Cobblewell (Expert)", {false, false, true}},
        {"actionExpert", Expert, "Cobblewell (Expert)", {false, false, true}},
        {"actionBeginner", Beginner, "Cobblewell (Beginner)", {true, false, false}},
    };
    for (const Case& c : cases) {
        SetBoard({});
        TriggerCommand(c.command);
        EXPECT_EQ(game_.level, c.level);
        EXPECT_EQ(window_->windowTitle(), c.title);
        EXPECT_EQ(LevelChecks(*window_), c.checks) << c.title;
        EXPECT_EQ(BallCount(game_), 5) << "a new game is dealt, also for the checked level";
    }
}

TEST_F(WindowCommands, TitleIgnoresUnknownLevels) {
    Start();
    window_->UpdateTitle(3);
    window_->UpdateTitle(-1);
    EXPECT_EQ(window_->windowTitle(), "Cobblewell (Beginner)");
}

// While minimised the face timer must keep its period and show nothing; once shown again, a
// tick shows a face on the lone joker and re-arms the timer with a fresh period.
TEST_F(WindowCommands, FaceTimerRestsWhileMinimised) {
    Start();
    SetBoard({{10, kJoker}});
    window_->StartTimer(kFaceTimer, 5);
    window_->showMinimized();
    QTest::qWait(40);
    EXPECT_EQ(window_->timer(kFaceTimer).interval(), 5);
    EXPECT_TRUE(pauses_.empty());

    window_->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QTest::qWait(40);
    EXPECT_GE(window_->timer(kFaceTimer).interval(), 3000);
    ASSERT_FALSE(pauses_.empty());
    EXPECT_GE(pauses_.front().milliseconds, 500);
    const QRgb centre = CentreIn(pauses_.front().presented, 10);
    EXPECT_EQ(qGreen(centre), qGreen(FaceTileColour(0))) << "a face tile is on screen";
    EXPECT_EQ(qBlue(centre), qBlue(FaceTileColour(0)));
}

// A face may not come before its drawn time, nor the blink drift: Qt's coarse timers can be
// 5 % off. The event loop runs undisturbed meanwhile (QTest::qWait naps between its turns).
// Qt's default coarse timers may fire up to 5 % early, below the face timer's drawn minimum.
TEST_F(WindowCommands, BlinkAndFaceTimersArePrecise) {
    Start();
    EXPECT_EQ(window_->timer(kBlinkTimer).timerType(), Qt::PreciseTimer);
    EXPECT_EQ(window_->timer(kFaceTimer).timerType(), Qt::PreciseTimer);
}

TEST_F(WindowCommands, NewEndsTheSelectionAndDealsAnew) {
    Start();
    const std::array<std::function<void()>, 2> triggers = {
        [this] { QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier); },
        [this] {
            QTest::mouseClick(window_->findChild<NewButton*>(QStringLiteral("newButton")),
                              Qt::LeftButton);
        },
    };
    for (const auto& trigger : triggers) {
        SetBoard({{0, 1}});
        Click(0);
        ASSERT_EQ(game_.selection.cellId, 0);
        trigger();
        EXPECT_EQ(game_.selection.cellId, -1);
        EXPECT_FALSE(window_->timer(kBlinkTimer).isActive());
        EXPECT_EQ(BallCount(game_), 5);
    }
}

// Through the menu, as a player opens them; a swap of any two pages shows here.
TEST_F(WindowCommands, EachHelpCommandOpensItsOwnPage) {
    Start();
    const std::pair<const char*, QString> pages[] = {
        {"actionHelpRules", QStringLiteral("qrc:/help/rules.html")},
        {"actionHelpUsing", QStringLiteral("qrc:/help/using_help.html")},
        {"actionHelpIndex", QStringLiteral("qrc:/help/index.html")},
    };
    for (const auto& [command, page] : pages) {
        TriggerCommand(command);
        const auto viewers = window_->findChildren<HelpViewer*>();
        ASSERT_EQ(viewers.size(), 1) << command;
        EXPECT_TRUE(viewers.front()->isVisible());
        EXPECT_EQ(viewers.front()->currentPage(), QUrl(page)) << command;
    }
}

// Exit and the close button both keep the level, shape and options for the next start in the
// score file's header, although no score entered a table, whose rows stay as the file has them.
TEST_F(WindowCommands, ExitAndCloseButtonKeepTheChoicesForTheNextStart) {
    const QByteArray savedHome = qgetenv("HOME");
    for (const bool byCommand : {true, false}) {
        const QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        game_ = GameState{};
        records_ = RecordsState{};
        PrepareScoreFile(game_, records_);
        Start();
        TriggerCommand("actionExpert");
        records_.shape = 6;
        game_.options = {0, 1, 0};
        records_.tables[Beginner][0].score = 99; // in the window's memory only
        if (byCommand)
            TriggerCommand("actionExit");
        else
            window_->close();
        EXPECT_FALSE(window_->isVisible());
        EXPECT_FALSE(window_->timer(kBlinkTimer).isActive());
        EXPECT_FALSE(window_->timer(kFaceTimer).isActive());
        GameState next;
        RecordsState nextRecords;
        PrepareScoreFile(next, nextRecords);
        EXPECT_EQ(next.level, Expert) << (byCommand ? "Exit" : "close");
        EXPECT_EQ(nextRecords.shape, 6);
        EXPECT_EQ(PackOptionFlags(next.options), 2);
        EXPECT_EQ(nextRecords.tables[Beginner][0].score, 0);
        window_.reset();
    }
    qputenv("HOME", savedHome);
}

// A signal to end the game comes while a dialog is open and the score would enter the top ten:
// no dialog is left or opened after it, and the settings are written.
TEST_F(WindowCommands, LeaveWithoutDialogsDismissesTheOpenOneAndOffersNoEntry) {
    Start();
    game_.score = 500;
    QFile::remove(SettingsFilePath());
    bool left = false;
    QTimer::singleShot(50, [&] {
        left = true;
        window_->LeaveWithoutDialogs();
    });
    QStringList shownAfter;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && left) {
            shownAfter.append(QString::fromLatin1(modal->metaObject()->className()));
            modal->close();
        }
    });
    watch.start(20);
    TriggerCommand("actionOptions");
    EXPECT_TRUE(shownAfter.isEmpty()) << shownAfter.join(u' ').toStdString();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(QFile::exists(SettingsFilePath()));
}

TEST_F(WindowCommands, MessageIsAModalBoxWithTheGameCaption) {
    Start();
    QString title;
    QString text;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle();
            text = modal->property("text").toString();
            modal->close();
        }
    });
    closer.start();
    QTimer::singleShot(3000, [] { // a failing test must not hang
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    window_->Message("No more moves available, the game is over!");
    EXPECT_EQ(title, "Cobblewell");
    EXPECT_EQ(text, "No more moves available, the game is over!");
}

} // namespace
} // namespace cw::test
