#include "resources/version.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(VersionInformation, AgreesWithTheBuildsProjectVersion) {
    EXPECT_STREQ(cw::kFileVersion, COBBLEWELL_PROJECT_VERSION);
    EXPECT_STREQ(cw::kProductVersion, COBBLEWELL_PROJECT_VERSION);
}

TEST(VersionInformation, NamesTheRunningApplication) {
    cw::ApplyVersionInformation(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::applicationName(), "Cobblewell");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0.0.0");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.cobblewell.Cobblewell");
}

} // namespace
