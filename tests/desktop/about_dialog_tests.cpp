// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/about_dialog.h"
#include "resources/resource_lookup.h"
#include "test_support.h"
#include "tests/support/dialog_test_support.h"
#include "tests/support/modal_script.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace cw {
namespace {

QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

// OK, Enter and the close box end the box, the web-site button too and then leads to the home
// page, once the box has gone. Escape does not end it: a click after it still counts.
TEST(AboutBox, OnlyTheWebSiteButtonOpensTheHomePageOnceTheBoxHasGone) {
    const auto click = [](const char* button) {
        return [button](QWidget* box) { Button(box, button)->click(); };
    };
    const std::pair<test::ModalScript::Action, bool> ways[] = {
        {click("okButton"), false},
        {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, false},
        {[](QWidget* box) { box->close(); }, false},
        {click("webSiteButton"), true},
        {[click](QWidget* box) {
             QTest::keyClick(box, Qt::Key_Escape);
             QTimer::singleShot(50, box, [box, click] { click("webSiteButton")(box); });
         },
         true},
    };
    QWidget owner;
    Random random;
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        QStringList opened;
        bool boxGoneWhenOpened = false;
        const test::ModalScript script({ways[way].first});
        RunAboutCommand(random, &owner, [&](const QString& address) {
            opened << address;
            boxGoneWhenOpened = QApplication::activeModalWidget() == nullptr &&
                                owner.findChildren<AboutDialog*>().isEmpty();
        });
        const QStringList home{QStringLiteral("http://www.cobblewell.example/indexgam.shtml")};
        EXPECT_EQ(opened, ways[way].second ? home : QStringList()) << "way " << way;
        EXPECT_EQ(boxGoneWhenOpened, ways[way].second) << "way " << way;
    }
}

TEST(AboutBox, ShowsTheVersionLineAndStartsOnOk) {
    Random random;
    AboutDialog box(random, nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Cobblewell"));
    test::ExpectLaidOutFromItsForm(box, QStringLiteral("okButton"));
    auto* version = box.findChild<QLabel*>(QStringLiteral("versionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version v1.0a, compiled: Tue Dec  8 05:00:00 2026"));
    EXPECT_EQ(box.focusWidget(), Button(&box, "okButton"));
}

TEST(AboutBox, OpensCentredOnTheScreenNotOverItsOwner) {
    QWidget owner;
    owner.setGeometry(10, 10, 200, 150);
    owner.show();
    Random random;
    AboutDialog box(random, &owner);
    box.show();
    const QRect screen = box.screen()->geometry();
    const QRect frame = box.frameGeometry();
    // Placed before it is shown, so a window frame added later may shift it a little.
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 4);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 4);
}

TEST(AboutBox, PictureButtonIsAFramedPictureThatTakesNoInput) {
    Random random;
    AboutDialog box(random, nullptr);
    box.show();
    QWidget* picture = box.findChild<QWidget*>(QStringLiteral("pictureButton"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->isEnabled());
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);

    const QImage shot = picture->grab().toImage();
    // A black outline, a raised bevel one pixel deep, the grey face.
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(shot.width() - 2, 2), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(2, 2), qRgb(192, 192, 192));

    const QImage about = LoadBitmap(QStringLiteral("ABOUT"));
    ASSERT_FALSE(about.isNull());
    const QPoint corner((shot.width() - about.width()) / 2, (shot.height() - about.height()) / 2);
    EXPECT_EQ(shot.pixel(corner + QPoint(10, 10)), about.pixel(10, 10));
}

} // namespace
} // namespace cw
