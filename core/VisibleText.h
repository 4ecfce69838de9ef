#pragma once

#include <QString>
#include <QStringView>

namespace core {

// Text from outside (a file, a clipboard, a command line) as it may be shown
// in a terminal or a message: control characters, which a terminal obeys
// (ESC starts a command, BEL rings, CR overwrites the line), and the Unicode
// marks that reorder or break what follows, become visible escapes: "\x1b",
// "\x07", "\u202e". Everything else, backslashes included, stays as it is, so
// that escaping text twice changes nothing. The characters in kept (line
// breaks of a message of several lines) stay too.
QString visible(QStringView text, QStringView kept = {});

// Text as every file a chart is saved in can hold it, the same in each: the
// characters that XML cannot carry at all (the C0 controls other than tab,
// line feed and carriage return, and the non-characters U+FFFE and U+FFFF)
// and halves of a surrogate pair that stand alone become U+FFFD, the mark of
// a character that could not be kept. The workbooks, the SVG and PDF files
// and the bitmaps all show that mark where the text held one of these.
QString storableText(const QString& text);

} // namespace core
