// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/help_viewer.h"

#include "resources/translations.h"
#include "widgets/center_dialog.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextTable>
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

// Marks a table already turned: a jump to an anchor of the same page keeps its document.
constexpr int kMirroredProperty = QTextFormat::UserProperty;

// Qt lays out a table's columns from the left whatever the page's direction: in a page
// written right to left each row is turned round here, its first cell moved to the right,
// and the table set against the right margin.
void MirrorTables(QTextDocument& page) {
    for (QTextFrame* frame : page.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr || table->format().layoutDirection() != Qt::RightToLeft ||
            table->format().boolProperty(kMirroredProperty))
            continue;
        const int columns = table->columns();
        // The last column moves in front of the first, then in front of the second, ...
        for (int column = 0; column + 1 < columns; ++column) {
            table->insertColumns(column, 1);
            for (int row = 0; row < table->rows(); ++row) {
                const QTextTableCell last = table->cellAt(row, columns);
                QTextCursor content = last.firstCursorPosition();
                content.setPosition(last.lastPosition(), QTextCursor::KeepAnchor);
                QTextTableCell moved = table->cellAt(row, column);
                moved.setFormat(last.format());
                QTextCursor into = moved.firstCursorPosition();
                into.setBlockFormat(last.firstCursorPosition().blockFormat());
                into.insertFragment(content.selection());
            }
            table->removeColumns(columns, 1);
        }
        QTextTableFormat format = table->format();
        format.setAlignment(Qt::AlignRight);
        format.setProperty(kMirroredProperty, true);
        table->setFormat(format);
    }
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
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { MirrorTables(*browser_->document()); });
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
