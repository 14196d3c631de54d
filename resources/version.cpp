#include "resources/version.h"

#include <QGuiApplication>

namespace cw {

void ApplyVersionInformation(QCoreApplication& application) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    if (qobject_cast<QGuiApplication*>(&application) != nullptr)
        QGuiApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationName));
}

} // namespace cw
