// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/about_dialog.h"
#include "desktop/sparkle.h"
#include "desktop/sparkle_overlay.h"
#include "desktop/sparkle_request.h"
#include "tests/support/modal_script.h"
#include "widgets/event_pause.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace cw {
namespace {

constexpr int kStripWidth = 160;
constexpr int kStripHeight = 28;
constexpr int kFrameWidth = 20;

// A strip as the bitmaps load: 4-bit colours in an indexed image. Frame i is black except
// for a block of colour index i + 1 at its centre.
QImage MakeStrip() {
    QImage strip(kStripWidth, kStripHeight, QImage::Format_Indexed8);
    strip.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                         qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(0, 128, 128),
                         qRgb(128, 0, 0), qRgb(255, 255, 0)});
    strip.fill(0);
    for (int frame = 0; frame < 8; ++frame)
        for (int y = 10; y < 18; ++y)
            for (int x = 6; x < 14; ++x)
                strip.setPixel(frame * kFrameWidth + x, y, frame + 1);
    return strip;
}

QImage Solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(Sparkle, PlaceIsDrawnDownThenAcrossWithinItsRange) {
    Random random;
    SeedRandom(random, 7);
    for (int i = 0; i < 2000; ++i) {
        Random replay = random;
        const QPoint at = PickSparklePosition(random, 390);
        EXPECT_EQ(at.y(), RandomInt(replay, 10, 80));
        EXPECT_EQ(at.x(), RandomInt(replay, 15, 390 - 43));
        ASSERT_TRUE(at.y() >= 10 && at.y() <= 80);
        ASSERT_TRUE(at.x() >= 15 && at.x() <= 347);
    }
}

TEST(Sparkle, BlackSpriteLeavesTheBackgroundAndColourIsJoinedIn) {
    QImage background = Solid({kStripWidth, kStripHeight}, qRgb(0x40, 0x40, 0xC0));
    background.setPixel(0, 0, qRgb(1, 2, 3));
    const QImage frame = ComposeSparkleFrame(background, MakeStrip(), 3);
    ASSERT_EQ(frame.size(), QSize(kFrameWidth, kStripHeight));
    EXPECT_EQ(frame.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(frame.pixel(2, 25), qRgb(0x40, 0x40, 0xC0));
    // Frame 3 shows colour index 4, grey 128: 0x40 | 0x80 and 0xC0 | 0x80.
    EXPECT_EQ(frame.pixel(8, 12), qRgb(0xC0, 0xC0, 0xC0));

    const QImage red = ComposeSparkleFrame(background, MakeStrip(), 0);
    EXPECT_EQ(red.pixel(8, 12), qRgb(0xFF, 0x40, 0xC0));
    const QImage white = ComposeSparkleFrame(background, MakeStrip(), 4);
    EXPECT_EQ(white.pixel(8, 12), qRgb(0xFF, 0xFF, 0xFF));
}

class RecordingCanvas final : public SparkleCanvas {
public:
    QImage background = Solid({kStripWidth, kStripHeight}, qRgb(10, 20, 30));
    std::vector<QRect> captured;
    std::vector<std::pair<QPoint, QImage>> shown;

    QImage Capture(const QRect& area) override {
        captured.push_back(area);
        return background;
    }
    void Show(const QPoint& at, const QImage& picture) override { shown.emplace_back(at, picture); }
};

TEST(Sparkle, TwoCyclesOfEightFramesThenTheBackgroundIsRestoredAndNoneWithoutAStrip) {
    RecordingCanvas canvas;
    const QImage strip = MakeStrip();
    const QPoint at(40, 12);
    QElapsedTimer clock;
    clock.start();
    PlaySparkle(canvas, strip, at);
    EXPECT_GE(clock.elapsed(), 16 * 30 - 1);

    ASSERT_EQ(canvas.captured, std::vector<QRect>{QRect(at, strip.size())});
    ASSERT_EQ(canvas.shown.size(), 17u);
    // Frame k's block is colour index k + 1, joined into the background (10, 20, 30).
    const QRgb centres[] = {qRgb(255, 20, 30),   qRgb(10, 255, 30),   qRgb(10, 20, 255),
                            qRgb(138, 148, 158), qRgb(255, 255, 255), qRgb(10, 148, 158),
                            qRgb(138, 20, 30),   qRgb(255, 255, 30)};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(canvas.shown[i].first, at);
        EXPECT_EQ(canvas.shown[i].second.pixel(8, 12), centres[i % 8]) << "frame " << i;
    }
    EXPECT_EQ(canvas.shown.back().first, at);
    EXPECT_EQ(canvas.shown.back().second, canvas.background);

    RecordingCanvas untouched;
    PlaySparkle(untouched, QImage(), at);
    EXPECT_TRUE(untouched.captured.empty());
    EXPECT_TRUE(untouched.shown.empty());
}

TEST(Sparkle, OverlayDrawsOverControlsAndPutsTheBackgroundBack) {
    QWidget dialog;
    dialog.resize(200, 120);
    dialog.setStyleSheet(QStringLiteral("background: rgb(0, 0, 160);"));
    dialog.setAutoFillBackground(true);
    auto* control = new QPushButton(QStringLiteral("Button"), &dialog);
    control->setGeometry(0, 0, 200, 120);
    SparkleOverlay overlay(&dialog);
    dialog.show();

    const QRect area(150, 20, kStripWidth, kStripHeight); // runs past the right edge
    const QImage before = overlay.Capture(area);
    EXPECT_EQ(before.pixel(10, 10), control->grab().toImage().pixel(160, 30));

    overlay.Show(area.topLeft(), Solid({kFrameWidth, kStripHeight}, qRgb(255, 0, 0)));
    EXPECT_EQ(dialog.grab().toImage().pixel(160, 30), qRgb(255, 0, 0));

    overlay.Show(area.topLeft(), before);
    overlay.Clear();
    EXPECT_EQ(overlay.Capture(area), before);
}

// Counts the requests it gets and does nothing else.
class CountingDialog final : public QDialog {
public:
    int requests = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == SparkleRequestType()) {
            ++requests;
            return true;
        }
        return QDialog::event(event);
    }
};

// None while the dialog is only shown, not modal; then one per idle moment of its modal loop.
TEST(SparkleRequests, OneRequestPerIdleMomentAndNoneWhileNothingHappensOrAPauseWaits) {
    QWidget owner;
    IdleSparkleSource source(&owner);
    CountingDialog dialog;
    dialog.show();
    QTest::qWait(100);
    EXPECT_EQ(dialog.requests, 0);
    dialog.hide(); // exec() makes only a hidden dialog modal
    int settled = -1;
    int later = -1;
    QTimer::singleShot(300, &dialog, [&] {
        settled = dialog.requests;
        PauseFor(200);
        EXPECT_EQ(dialog.requests, settled);
    });
    QTimer::singleShot(1300, &dialog, [&] {
        later = dialog.requests;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_GE(settled, 1);
    // Only the wake-up of the second timer itself may bring another request or two.
    EXPECT_LE(later - settled, 3);
}

// The About box left alone sparkles once after each wake-up of its loop and then waits; each
// sparkle takes its place's two draws from the game's generator, not from one of its own.
TEST(SparkleRequests, IdleAboutBoxSparklesOnceAfterAWakeUpAndThenWaits) {
    QWidget owner;
    IdleSparkleSource source(&owner);
    Random random;
    SeedRandom(random, 99);
    Random atWakeUp;
    Random atEnd;
    const test::ModalScript script({[&](QWidget* box) {
        QTimer::singleShot(1500, box, [&] { atWakeUp = random; });
        QTimer::singleShot(2500, box, [&, box] {
            atEnd = random;
            auto* ok = box->findChild<QPushButton*>(QStringLiteral("okButton"));
            ok->setFocus();
            ok->click();
        });
    }});
    RunAboutDialog(random, &owner);
    RandomInt(atWakeUp, 0, 1);
    RandomInt(atWakeUp, 0, 1);
    EXPECT_EQ(atWakeUp.state, atEnd.state);
}

} // namespace
} // namespace cw
