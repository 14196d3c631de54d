// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/event_pause.h"

#include <QCursor>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace cw {
namespace {

// Notes the mouse moves that reach it by their positions, and its close as (-1, -1).
class EventLog final : public QWidget {
public:
    EventLog() { setMouseTracking(true); }
    QList<QPoint> events;

protected:
    void mouseMoveEvent(QMouseEvent* event) override { events.append(event->position().toPoint()); }
    void closeEvent(QCloseEvent*) override { events.emplaceBack(-1, -1); }
};

// The offscreen platform reports a pointer moved by the program as it reports the player's.
TEST(EventPause, InputAndACloseMadeDuringAPauseArriveAfterItInOrder) {
    EventLog window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTimer::singleShot(10, &window, [&window] {
        QCursor::setPos(window.mapToGlobal(QPoint(10, 10)));
        window.close();
        QCursor::setPos(window.mapToGlobal(QPoint(20, 30)));
    });
    PauseFor(100);
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isVisible(); }));
    EXPECT_EQ(window.events, (QList<QPoint>{{10, 10}, {20, 30}, {-1, -1}}));
}

// Its close is part of how it ends, not a request to hold back and make later as a rejection.
TEST(EventPause, ADialogAcceptedDuringAPauseEndsThen) {
    QDialog dialog;
    dialog.show();
    QTimer::singleShot(10, &dialog, &QDialog::accept);
    PauseFor(50);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(EventPause, AHeldTimerTicksOnceAfterTheOutermostPauseAndNeverInIt) {
    QTimer timer;
    HoldDuringPauses(timer);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    QTimer::singleShot(0, [&ticks] {
        PauseFor(40);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(ticks, 0) << "ticked between two pauses, one within the other";
    });
    PauseFor(100);
    EXPECT_EQ(ticks, 0);
    QCoreApplication::sendPostedEvents(&timer, QEvent::Timer);
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace cw
