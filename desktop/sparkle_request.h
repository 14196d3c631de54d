// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While a modal dialog waits for input, each moment its event loop runs dry after handling
// something becomes one SparkleRequest to that dialog. Only the About box acts on it; every
// other dialog and message box lets it pass.

#include <QEvent>
#include <QObject>

class QWidget;

namespace cw {

QEvent::Type SparkleRequestType();

class IdleSparkleSource final : public QObject {
    Q_OBJECT

public:
    // Listens to the event dispatcher of the parent's thread (the GUI thread).
    explicit IdleSparkleSource(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAboutToBlock();
    void Deliver(QWidget* dialog);

    bool delivering_ = false;
    bool handled_ = false;
};

} // namespace cw
