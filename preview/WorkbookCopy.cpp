#include "WorkbookCopy.h"

#include "shell/shared/Failure.h"
#include "spreadsheet/FileReplacement.h"

#include <QFile>
#include <QFileInfo>

namespace preview {

bool isSameFile(const QString& first, const QString& second) {
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

void copyFileReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw shell::Failure(QStringLiteral("Cannot read '%1': %2").arg(source, in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw shell::Failure(QStringLiteral("Cannot read '%1': %2").arg(source, in.errorString()));
    spreadsheet::replaceFile(target, bytes);
}

} // namespace preview
