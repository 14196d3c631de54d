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

int RunAboutWith(const test::ModalScript::Action& act) {
    QWidget owner;
    Random random;
    const test::ModalScript script({act});
    return RunAboutDialog(random, &owner);
}

// OK, Enter, the web-site button and the close box end the box; Escape does not, so OK
// still ends it after Escape.
TEST(AboutBox, EndsWithTheWayItWasLeft) {
    const std::pair<test::ModalScript::Action, int> ways[] = {
        {[](QWidget* box) { Button(box, "okButton")->click(); }, kAboutOk},
        {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, kAboutOk},
        {[](QWidget* box) { Button(box, "webSiteButton")->click(); }, kAboutVisitWebSite},
        {[](QWidget* box) { box->close(); }, kAboutClosed},
        {[](QWidget* box) {
             QTest::keyClick(box, Qt::Key_Escape);
             QTimer::singleShot(50, box, [box] { Button(box, "okButton")->click(); });
         },
         kAboutOk},
    };
    for (std::size_t way = 0; way < std::size(ways); ++way)
        EXPECT_EQ(RunAboutWith(ways[way].first), ways[way].second) << "way " << way;
}

TEST(AboutBox, HomePageOpensOnlyAfterTheWebSiteButtonAndTheBoxHasGone) {
    QWidget owner;
    Random random;
    QStringList opened;
    bool boxGoneWhenOpened = false;
    const auto open = [&](const QString& address) {
        opened << address;
        boxGoneWhenOpened = QApplication::activeModalWidget() == nullptr &&
                            owner.findChildren<AboutDialog*>().isEmpty();
    };
    const test::ModalScript script({[](QWidget* box) { Button(box, "okButton")->click(); },
                                    [](QWidget* box) { Button(box, "webSiteButton")->click(); }});
    RunAboutCommand(random, &owner, open);
    EXPECT_TRUE(opened.isEmpty());
    RunAboutCommand(random, &owner, open);
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://www.cobblewell.example/indexgam.shtml")});
    EXPECT_TRUE(boxGoneWhenOpened);
}

TEST(AboutBox, ShowsTheVersionLineAndStartsOnOk) {
    Random random;
    AboutDialog box(random, nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Cobblewell"));
    test::ExpectLaidOutFromItsForm(box, QStringLiteral("okButton"));
    auto* version = box.findChild<QLabel*>(QStringLiteral("versionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version v1.0a, compiled: Sat May  9 14:49:16 1998"));
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
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(right, bottom), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(right - 1, 2), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(1, bottom - 1), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(2, 2), qRgb(192, 192, 192));

    const QImage about = LoadBitmap(QStringLiteral("ABOUT"));
    ASSERT_FALSE(about.isNull());
    const QPoint corner((shot.width() - about.width()) / 2, (shot.height() - about.height()) / 2);
    EXPECT_EQ(shot.pixel(corner + QPoint(10, 10)), about.pixel(10, 10));
}

} // namespace
} // namespace cw
