// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's help: HTML pages compiled into the program, shown in one help window with
// contents, back and forward buttons. The window is reused by every help command.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace cw {

enum class HelpTopic { Contents, Rules, UsingHelp };

QUrl HelpPageUrl(HelpTopic topic);

class HelpViewer final : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* owner);

    void ShowTopic(HelpTopic topic);
    QUrl currentPage() const;

private:
    void UpdateTitle();

    QTextBrowser* browser_;
};

// Opens the topic in the help window, creating the window on first use, and brings the
// window to the front.
void ShowHelp(HelpTopic topic, QWidget* owner);

} // namespace cw
