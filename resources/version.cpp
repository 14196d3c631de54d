// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/version.h"

#include <QGuiApplication>

namespace cw {

void ApplyVersionInformation(QCoreApplication& application) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    if (qobject_cast<QGuiApplication*>(&application) != nullptr)
        QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

} // namespace cw
