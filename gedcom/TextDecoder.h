#pragma once

#include "AnselDecoder.h"
#include "CharacterSet.h"

#include <QStringDecoder>

namespace gedcom {

// Turns a file's bytes into text chunk by chunk; a character split between
// two chunks comes out whole with the second.
class TextDecoder {
public:
    explicit TextDecoder(CharacterSet set);
    QString decode(QByteArrayView bytes);

private:
    CharacterSet m_set;
    QStringDecoder m_unicode; // UTF-8, UTF-16 and, through Qt's ICU, Windows-1252
    AnselDecoder m_ansel;
};

} // namespace gedcom
