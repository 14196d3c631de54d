// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/help_viewer.h"

#include "resources/menu_table.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cw {

namespace {

const QString kHelpTitle = QStringLiteral("Cobblewell Help");
constexpr QSize kInitialSize(600, 520);

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

std::optional<HelpTopic> HelpTopicForCommand(int command) {
    switch (command) {
    case CmdHelpIndex:
        return HelpTopic::Contents;
    case CmdHelpRules:
        return HelpTopic::Rules;
    case CmdHelpUsing:
        return HelpTopic::UsingHelp;
    default:
        return std::nullopt;
    }
}

// The rules page is the game help's topic number 200.
QUrl HelpPageUrl(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Rules:
        return QUrl(QStringLiteral("qrc:/help/rules.html"));
    case HelpTopic::UsingHelp:
        return QUrl(QStringLiteral("qrc:/help/using_help.html"));
    case HelpTopic::Contents:
        break;
    }
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(kHelpTitle);
    auto* buttons = new QHBoxLayout;
    contentsButton_ = AddButton(buttons, tr("&Contents"), QStringLiteral("contentsButton"));
    backButton_ = AddButton(buttons, tr("&Back"), QStringLiteral("backButton"));
    forwardButton_ = AddButton(buttons, tr("&Forward"), QStringLiteral("forwardButton"));
    buttons->addStretch();
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(false);
    // Pages wrap to the window's width; a table border can still overhang by a pixel or two,
    // which is not worth a scroll bar.
    browser_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(kInitialSize);

    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);
    connect(contentsButton_, &QPushButton::clicked, this,
            [this] { ShowTopic(HelpTopic::Contents); });
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::UpdateTitle);
}

void HelpViewer::ShowTopic(HelpTopic topic) {
    browser_->setSource(HelpPageUrl(topic));
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}

void HelpViewer::UpdateTitle() {
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? kHelpTitle : kHelpTitle + QStringLiteral(" - ") + page);
}

void ShowHelp(HelpTopic topic, QWidget* owner) {
    static QPointer<HelpViewer> viewer;
    if (viewer == nullptr)
        viewer = new HelpViewer(owner);
    viewer->ShowTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace cw
