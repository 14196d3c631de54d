// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/host.h"
#include "game/state.h"
#include "ui/cell_images.h"
#include "widgets/draw_helpers.h"

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

namespace cw::test {

// Stand-in pictures with known pixels, so expectations do not depend on the art:
// family image d is a 36 x 36 light-grey square holding a 16 x 16 block at (10, 10) in
// Palette(d) (d = 7: dark grey); "BIGSMILE" / "SMALLSMILE" a yellow block of 20 / 12 pixels;
// face f a solid colour (f * 20, 50, 100); "NEW" solid navy; "LCD" a one-bit strip whose
// glyph cell g has one segment pixel at column g of its first row and one at (12, 22).
QImage StandInBitmap(const QString& name);
// The loader above that also notes every name asked for.
BitmapLoader RecordingLoader(QStringList& requested);
BitmapLoader StandInLoader();

inline constexpr QRgb kNavy = qRgb(0, 0, 128);
QRgb FaceColour(int face);

// The colour of pixel (x, y) of the framed, raised 42 x 42 cell.
QRgb ExpectedFramePixel(int x, int y);
// Every pixel of `actual` within `area` equals `expected` moved by `offset`.
bool SamePixels(const QImage& actual, QPoint at, const QImage& expected, QRect area);
QRgb Pixel(const QImage& image, int x, int y);

// A game over the stand-in pictures of shape 2 (Ball).
class StandInGame : public ::testing::Test {
protected:
    void SetUp() override {
        std::int32_t shape = 2;
        images.Build(shape);
    }

    GameState game;
    CellImages images{StandInLoader()};
};

// A host that forwards cell redraws to a callback and ignores everything else.
class RedrawHost : public Host {
public:
    explicit RedrawHost(std::function<void(int)> redraw) : redraw_(std::move(redraw)) {}
    void RedrawCell(int cell) override { redraw_(cell); }
    void RefreshCell(int, bool) override {}
    void RedrawScore() override {}
    void RedrawBest() override {}
    void RedrawNext() override {}
    void Pause(int) override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void Beep() override {}
    void Message(const std::string&) override {}
    void ShowFace(int, int) override {}
    void OfferScoreEntry(int) override {}

private:
    std::function<void(int)> redraw_;
};

} // namespace cw::test
