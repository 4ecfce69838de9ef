#include "GedcomError.h"

namespace gedcom {

QString located(const QString& file, qint64 line, const QString& text) {
    if (line <= 0) return file + QStringLiteral(": ") + text;
    return file + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + text;
}

void fail(const QString& file, qint64 line, const QString& text) {
    throw GedcomError(located(file, line, text).toStdString());
}

} // namespace gedcom
