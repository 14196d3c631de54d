// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/help_viewer.h"

#include "resources/translations.h"
#include "widgets/center_dialog.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cw {

namespace {

constexpr QSize kInitialSize(600, 520);

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

// Each language has its pages in a folder of its own; English, the pages' own language, at
// the top.
QUrl HelpPageUrl(HelpTopic topic) {
    constexpr const char* kPages[] = {"index.html", "rules.html", "using_help.html"};
    const QString page = QString::fromLatin1(kPages[static_cast<int>(topic)]);
    const QString translated = QStringLiteral("/help/%1/%2").arg(GameLanguage(), page);
    return QUrl(QFile::exists(u':' + translated) ? QStringLiteral("qrc:") + translated
                                                 : QStringLiteral("qrc:/help/") + page);
}

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(tr("Cobblewell Help"));
    auto* buttons = new QHBoxLayout;
    QPushButton* contents = AddButton(buttons, tr("&Contents"), QStringLiteral("contentsButton"));
    QPushButton* back = AddButton(buttons, tr("&Back"), QStringLiteral("backButton"));
    QPushButton* forward = AddButton(buttons, tr("&Forward"), QStringLiteral("forwardButton"));
    buttons->addStretch();
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Pages wrap to the window's width; a table border can still overhang by a pixel or two,
    // which is not worth a scroll bar.
    browser_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    // Large screens with a high scale factor, and small ones, have less room than that.
    resize(kInitialSize);
    FitToScreen(this, owner);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(HelpTopic::Contents); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
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
    //: The help window's title while it shows a page; %1 is "Cobblewell Help", %2 the page's
    //: title.
    setWindowTitle(page.isEmpty() ? tr("Cobblewell Help")
                                  : tr("%1 - %2").arg(tr("Cobblewell Help"), page));
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
