// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/version.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(VersionInformation, NamesTheRunningApplicationAndItsDesktopEntry) {
    cw::ApplyVersionInformation(*QCoreApplication::instance());
    // The name is the folder of the player's score and settings files: it never changes.
    EXPECT_EQ(QCoreApplication::applicationName(), "Cobblewell");
    EXPECT_EQ(QCoreApplication::applicationVersion(), COBBLEWELL_PROJECT_VERSION);
    EXPECT_EQ(QGuiApplication::desktopFileName(), COBBLEWELL_APP_ID);
}

} // namespace
