// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pause.h"

#include <QThread>

namespace cw {

void PauseFor(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace cw
