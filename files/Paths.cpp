#include "Paths.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace files {

QString resolvedPath(const QString& path) {
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty()) return canonical;
    return inCanonicalFolder(path);
}

QString inCanonicalFolder(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool isSameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) return false;
    if (resolvedPath(first) == resolvedPath(second)) return true;
    struct stat a {
    }, b{};
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace files
