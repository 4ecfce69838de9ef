#pragma once

#include "core/Error.h"

#include <QString>

namespace gedcom {

// A file that cannot be read as GEDCOM is a core::Error of kind DataDamaged that
// names the file and, where there is one, the line:
// "tree.ged:12: level 3 follows level 1".

// "FILE:LINE: text", or "FILE: text" without a line.
core::Phrase located(const QString& file, qint64 line, core::Phrase text);

[[noreturn]] void fail(const QString& file, qint64 line, core::Phrase text);

// Text of the file as a message quotes it: control characters as visible
// escapes, and no more than maxLength characters of it ("…" after).
QString shown(QStringView fileText, qsizetype maxLength = 80);

} // namespace gedcom
