// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the version line, the About picture, a sparkle at a random place each time
// the box falls idle, and a button that leads to the home page once the box has closed.

#include "game/random.h"

#include <QByteArray>
#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class AboutDialog;
}

namespace cw {

class SparkleOverlay;

inline constexpr char kHomePageAddress[] = "http://www.cobblewell.example/indexgam.shtml";

// How the box ended.
inline constexpr int kAboutClosed = 0;
inline constexpr int kAboutOk = 1;
inline constexpr int kAboutVisitWebSite = 1019;

class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    // Sparkle positions are drawn from `random`, the game's one generator.
    AboutDialog(Random& random, QWidget* owner);
    ~AboutDialog() override;

    // Esc does not close the About box; only OK, the web-site button and the close box do.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Sparkle();

    std::unique_ptr<Ui::AboutDialog> ui_;
    Random& random_;
    QImage picture_;
    QImage sparkle_;
    SparkleOverlay* overlay_;
    bool sparkling_ = false;
};

// Shows the box modally and returns how it ended.
int RunAboutDialog(Random& random, QWidget* owner);

// The About command: when the box ended with the web-site button, the home page is opened
// with `openWebAddress` after the box has gone.
void RunAboutCommand(Random& random, QWidget* owner,
                     const std::function<void(const QString& address)>& openWebAddress);
void RunAboutCommand(Random& random, QByteArray& browserPath, QWidget* owner);

} // namespace cw
