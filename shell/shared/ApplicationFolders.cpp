#include "ApplicationFolders.h"

#include "files/FolderOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>

namespace shell {
namespace {

files::FolderOverride& folderOverride() {
    static files::FolderOverride folder;
    return folder;
}

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))) path.chop(1);
    return path;
}

} // namespace

QString applicationFolder() {
    return folderOverride().folderOr(withoutTrailingSeparator(QCoreApplication::applicationDirPath()));
}

QString applicationFilePath(const QString& relativePath) {
    return QDir::toNativeSeparators(applicationFolder() + QLatin1Char('/') + relativePath);
}

void setApplicationFolder(const QString& folder) { folderOverride().set(withoutTrailingSeparator(folder)); }

QString tempFolder() {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString value = environment.value(QStringLiteral("temp"));
    if (value.isEmpty()) {
        const QStringList names = environment.keys();
        for (const QString& name : names) {
            if (name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0 && !environment.value(name).isEmpty()) {
                value = environment.value(name);
                break;
            }
        }
    }
    // A missing variable would give the root of the drive; no ordinary user
    // can write there, so the platform's own temporary folder serves.
    if (value.isEmpty()) return withoutTrailingSeparator(QDir::tempPath());
    return withoutTrailingSeparator(value);
}

} // namespace shell
