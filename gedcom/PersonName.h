#pragma once

#include <QString>
#include <QStringList>

namespace gedcom {

// A NAME value as people read it: "Anna /Hansdotter/" -> "Anna Hansdotter",
// slashes taken out, blanks simplified, composed (NFC).
QString readableName(QStringView nameValue);

// The words of a name folded for comparing without regard to case.
QStringList foldedNameWords(const QString& name);

} // namespace gedcom
