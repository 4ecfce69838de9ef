#pragma once

#include <QByteArrayView>
#include <QString>

namespace gedcom {

enum class CharacterSet {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    Ansel,
    Windows1252
};

// How a file's bytes are to be read: the character set and how many bytes of
// byte-order mark to skip.
struct Encoding {
    CharacterSet set = CharacterSet::Utf8;
    qsizetype byteOrderMarkLength = 0;
    QString unknownCharName; // a CHAR value we do not know, read as UTF-8
};

// From the first bytes of a file: a byte-order mark or the zero bytes of
// UTF-16 decide; otherwise the header's CHAR line (UTF-8, ANSEL, ANSI, ASCII),
// UTF-8 when there is none, as GEDCOM 7 files have.
Encoding detectEncoding(QByteArrayView head);

} // namespace gedcom
