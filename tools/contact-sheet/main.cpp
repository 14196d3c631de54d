// SPDX-License-Identifier: GPL-3.0-or-later
// cobblewell-contact-sheet ART_DIR OUT.png
#include "contact_sheet.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: cobblewell-contact-sheet ART_DIR OUT.png\n";
        return 2;
    }
    const QImage sheet = RenderContactSheet(QDir(arguments[1]));
    if (!sheet.save(arguments[2], "PNG")) {
        QTextStream(stderr) << "cannot write " << arguments[2] << '\n';
        return 1;
    }
    return 0;
}
