#include "FileRoutines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace shell {

int FileExists(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0'))) return 0;
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? -1 : 0;
}

// Removing a file needs only its folder to be writable here; a file the
// user may not write is left as it is, as a read-only file is elsewhere.
void DeleteFileQuietly(const QString& path) {
    // Events waiting now are delivered first, inside the caller's handler, as
    // the quiet deletion always did: a click that arrived meanwhile is not lost.
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    if (FileExists(path) != -1) return;
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0) return;
    QFile::remove(path);
}

} // namespace shell
