#include "PersonName.h"

namespace gedcom {

QString readableName(QStringView nameValue) {
    QString name = nameValue.toString();
    name.replace(QLatin1Char('/'), QLatin1Char(' '));
    return name.simplified().normalized(QString::NormalizationForm_C);
}

QStringList foldedNameWords(const QString& name) {
    return readableName(name).toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace gedcom
