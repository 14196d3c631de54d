// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include "game/rules.h"
#include "ui/cell_widget.h"
#include "ui/face_tiles.h"
#include "ui/startup.h"
#include "widgets/event_pause.h"

#include <QAction>
#include <QScreen>
#include <QTest>

namespace cw::test {
namespace {

constexpr std::time_t kSeed = 12345;
constexpr int kFamilyImageSize = 36;

QImage Solid(QRgb colour) {
    QImage image(kFamilyImageSize, kFamilyImageSize, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage StandInBitmap(const QString& name) {
    if (name == u"BIGSMILE")
        return Solid(kJokerYellow);
    if (name == u"SMALLSMILE")
        return Solid(kSmallJokerYellow);
    if (name.size() >= 2 && name.back().isDigit()) {
        const int digit = name.back().digitValue();
        return Solid(digit == 7 ? kAlternateGrey : Palette(digit));
    }
    for (int face = 0; face < 12; ++face) {
        if (FaceName(face) == name)
            return Solid(FaceTileColour(face));
    }
    return {};
}

} // namespace

QRgb FaceTileColour(int face) {
    return qRgb(20 * face, 50, 100);
}

BitmapLoader StandInLoader(QStringList* requested) {
    return [requested](const QString& name) {
        if (requested != nullptr)
            requested->append(name);
        return StandInBitmap(name);
    };
}

void WindowTest::SetUp() {
    game_ = GameState{};
    records_ = RecordsState{};
}

void WindowTest::TearDown() {
    if (window_ != nullptr) {
        window_->hide();
        window_.reset();
    }
}

void WindowTest::Start() {
    window_ = std::make_unique<MainWindow>(game_, records_, StandInLoader(&requestedBitmaps_));
    window_->setPause([this](int ms) {
        pauses_.push_back({ms, Presented(), game_.phase});
        PauseFor(static_cast<int>(ms * pauseScale_));
    });
    DealFirstGame(*window_, game_, kSeed);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    started_ = true;
}

QImage WindowTest::Presented() const {
    return window_->screen()
        ->grabWindow(window_->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QPoint WindowTest::CellOrigin(int cell) const {
    return window_->cell(cell)->mapTo(window_.get(), QPoint(0, 0));
}

QRgb WindowTest::CentreIn(const QImage& presented, int cell) const {
    const QPoint centre = CellOrigin(cell) + QPoint(21, 21);
    return presented.pixel(centre) | ~RGB_MASK; // opaque, like qRgb()
}

QRgb WindowTest::PresentedCentre(int cell) const {
    return CentreIn(Presented(), cell);
}

void WindowTest::SetBoard(const std::vector<std::pair<int, std::int32_t>>& balls) {
    game_.board.cells.fill(Cell{});
    for (const auto& [cell, colour] : balls)
        game_.board.cells[static_cast<std::size_t>(cell)] = Cell{CellState::Occupied, 1, colour};
    game_.phase = GamePhase::Idle;
    game_.selection = Selection{};
    window_->StopTimer(kBlinkTimer);
    for (int cell = 0; cell < kCellCount; ++cell)
        window_->RedrawCell(cell);
    pauses_.clear();
}

void WindowTest::Click(int cell) {
    QTest::mouseClick(window_->cell(cell), Qt::LeftButton, Qt::NoModifier, QPoint(21, 21));
}

void WindowTest::TriggerCommand(const char* action) {
    QAction* found = window_->findChild<QAction*>(action, Qt::FindDirectChildrenOnly);
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
}

} // namespace cw::test
