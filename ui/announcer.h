// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace cw {

// What a screen reader hears of the game beyond the cell under the cursor. A label of no size
// in the client area, so it is never drawn and takes no room from the fixed layout; it reads
// as a notification, which Orca speaks each time the label is shown again, and the only way
// Qt 6.4 has to make it speak text that is not the focused object's.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // A screen reader keeps only the last of several messages sent in one pass of the event
    // loop, so each action sends one, composed for the whole action. An empty text says nothing.
    void Announce(const QString& text);
};

} // namespace cw
