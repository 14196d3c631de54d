// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/help_viewer.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace cw {
namespace {

const QStringList kPages{QStringLiteral("index.html"), QStringLiteral("rules.html"),
                         QStringLiteral("using_help.html")};

HelpViewer* OnlyViewer(const QWidget& owner) {
    const auto viewers = owner.findChildren<HelpViewer*>();
    return viewers.size() == 1 ? viewers.front() : nullptr;
}

QString PageText(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpViewerWindow, TopicsOpenTheirPagesInOneWindow) {
    QWidget owner;
    const std::pair<HelpTopic, QString> expected[] = {
        {HelpTopic::Rules, QStringLiteral("qrc:/help/rules.html")},
        {HelpTopic::Contents, QStringLiteral("qrc:/help/index.html")},
        {HelpTopic::UsingHelp, QStringLiteral("qrc:/help/using_help.html")},
    };
    for (const auto& [topic, page] : expected) {
        ShowHelp(topic, &owner);
        HelpViewer* viewer = OnlyViewer(owner);
        ASSERT_NE(viewer, nullptr) << page.toStdString();
        EXPECT_TRUE(viewer->isVisible());
        // CTest runs this at a scale factor of 2 too, on a 400 x 400 screen.
        EXPECT_EQ(viewer->size(),
                  QSize(600, 520).boundedTo(owner.screen()->availableGeometry().size()));
        EXPECT_EQ(viewer->currentPage(), QUrl(page));
        EXPECT_FALSE(viewer->findChild<QTextBrowser*>()->toPlainText().isEmpty());
    }
}

TEST(HelpViewerWindow, BackForwardAndContentsButtons) {
    QWidget owner;
    ShowHelp(HelpTopic::Contents, &owner);
    ShowHelp(HelpTopic::Rules, &owner);
    HelpViewer* viewer = OnlyViewer(owner);
    ASSERT_NE(viewer, nullptr);
    auto* back = viewer->findChild<QPushButton*>(QStringLiteral("backButton"));
    auto* forward = viewer->findChild<QPushButton*>(QStringLiteral("forwardButton"));
    auto* contents = viewer->findChild<QPushButton*>(QStringLiteral("contentsButton"));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    back->click();
    EXPECT_EQ(viewer->currentPage(), HelpPageUrl(HelpTopic::Contents));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(viewer->currentPage(), HelpPageUrl(HelpTopic::Rules));
    contents->click();
    EXPECT_EQ(viewer->currentPage(), HelpPageUrl(HelpTopic::Contents));
    EXPECT_TRUE(viewer->windowTitle().startsWith(QStringLiteral("Cobblewell Help")));
}

TEST(HelpPages, EveryLinkBetweenPagesLeadsToAPage) {
    const QRegularExpression link(QStringLiteral(R"(href="([^"#]*)(#[^"]*)?")"));
    for (const QString& page : kPages) {
        const QString text = PageText(page);
        ASSERT_FALSE(text.isEmpty()) << page.toStdString();
        for (const auto& match : link.globalMatch(text)) {
            const QString target = match.captured(1).isEmpty() ? page : match.captured(1);
            const QString anchor = match.captured(2).mid(1);
            ASSERT_TRUE(kPages.contains(target))
                << page.toStdString() << " -> " << target.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(PageText(target).contains(QStringLiteral("name=\"%1\"").arg(anchor)))
                    << target.toStdString() << "#" << anchor.toStdString();
            }
        }
    }
}

TEST(HelpPages, ContentsLeadsToTheRulesAndToUsingHelp) {
    const QString contents = PageText(QStringLiteral("index.html"));
    EXPECT_TRUE(contents.contains(QStringLiteral("href=\"rules.html")));
    EXPECT_TRUE(contents.contains(QStringLiteral("href=\"using_help.html")));
}

} // namespace
} // namespace cw
