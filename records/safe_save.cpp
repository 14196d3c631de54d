#include "records/safe_save.h"

#include <QSaveFile>

namespace cw {

bool SaveFileAtomically(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace cw
