#include "WorkbookCopy.h"

#include "shell/shared/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace preview {

bool IsSameFile(const QString& first, const QString& second) {
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

void CopyFileReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) throw shell::Failure(QStringLiteral("File not found"));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) throw shell::Failure(QStringLiteral("Path/File access error"));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0) throw shell::Failure(QStringLiteral("Device I/O error"));
        if (got == 0) break;
        if (out.write(buffer, got) != got) throw shell::Failure(QStringLiteral("Device I/O error"));
    }
    if (!out.commit()) throw shell::Failure(QStringLiteral("Path/File access error"));
}

} // namespace preview
