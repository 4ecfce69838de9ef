#include "FileRoutines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace shell {

int FileExists(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0'))) return 0;
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? -1 : 0;
}

void DeleteFileQuietly(const QString& path) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    if (FileExists(path) == -1) QFile::remove(path);
}

} // namespace shell
