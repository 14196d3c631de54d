// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/center_dialog.h"

#include <QDialog>
#include <QScreen>
#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(CenterDialog, CentresOverTheOwnerAndStaysOnTheScreen) {
    QWidget owner;
    owner.setGeometry(200, 150, 400, 300);
    QDialog dialog(&owner);
    dialog.resize(100, 60);
    CenterDialog(&dialog, &owner);
    const QRect frame = owner.frameGeometry();
    EXPECT_EQ(dialog.pos().x(),
              frame.left() + (frame.width() - dialog.frameGeometry().width()) / 2);
    EXPECT_EQ(dialog.pos().y(),
              frame.top() + (frame.height() - dialog.frameGeometry().height()) / 2);

    const QRect screen = owner.screen()->geometry();
    owner.move(screen.right() - 50, -500);
    CenterDialog(&dialog, &owner);
    EXPECT_EQ(dialog.pos().x() + dialog.frameGeometry().width(), screen.right() + 1);
    EXPECT_EQ(dialog.pos().y(), screen.top());
}

TEST(CenterDialog, WithoutAnOwnerCentresOnTheScreen) {
    QDialog dialog;
    dialog.resize(100, 60);
    CenterDialog(&dialog, nullptr);
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.pos().x(),
              screen.left() + (screen.width() - dialog.frameGeometry().width()) / 2);
    EXPECT_EQ(dialog.pos().y(),
              screen.top() + (screen.height() - dialog.frameGeometry().height()) / 2);
}

} // namespace
} // namespace cw
