#pragma once

#include <QString>

#include <stdexcept>

namespace gedcom {

// A file that cannot be read as GEDCOM. what() names the file and, where
// there is one, the line: "tree.ged:12: level 3 follows level 1".
class GedcomError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "FILE:LINE: text", or "FILE: text" without a line.
QString located(const QString& file, qint64 line, const QString& text);

[[noreturn]] void fail(const QString& file, qint64 line, const QString& text);

// Text of the file as a message quotes it: control characters as visible
// escapes, and no more than maxLength characters of it ("…" after).
QString shown(QStringView fileText, qsizetype maxLength = 80);

} // namespace gedcom
