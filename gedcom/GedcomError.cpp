#include "GedcomError.h"

#include "files/VisibleText.h"

namespace gedcom {

QString located(const QString& file, qint64 line, const QString& text) {
    if (line <= 0) return file + QStringLiteral(": ") + text;
    return file + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + text;
}

void fail(const QString& file, qint64 line, const QString& text) {
    throw GedcomError(located(file, line, text).toStdString());
}

QString shown(QStringView fileText, qsizetype maxLength) {
    if (fileText.size() <= maxLength) return files::visible(fileText);
    if (fileText[maxLength - 1].isHighSurrogate()) --maxLength; // never half a character
    return files::visible(fileText.first(maxLength)) + QChar(0x2026);
}

} // namespace gedcom
