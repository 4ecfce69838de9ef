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

} // namespace core
