#pragma once

#include <QStringView>

namespace gedcom {

// One line: "level [@XREF@] TAG [value]". The views point into the text
// the line was parsed from.
struct GedcomLine {
    int level = 0;
    QStringView xref; // without its @ signs; empty when there is none
    QStringView tag;
    QStringView value;
};

// Parses one line, leading blanks allowed. Throws core::Error (DataDamaged) naming the
// file and line when the level is not a number or the tag is missing.
GedcomLine parseLine(QStringView text, const QString& fileName, qint64 lineNumber);

// The record a value points to ("@F1@" -> "F1"); empty when the value is no
// pointer or is GEDCOM 7's @VOID@.
QStringView pointerTarget(QStringView value);

} // namespace gedcom
