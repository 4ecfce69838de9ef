#pragma once

#include <QByteArrayView>
#include <QString>

namespace gedcom {

// ANSEL (ANSI/NISO Z39.47) as GEDCOM 5.5 uses it: ASCII below 0x80, letters
// and signs from 0xA1, and combining diacritics from 0xE0 that come before
// the letter they belong to. The decoder moves each diacritic after its
// letter and hands back the text in Unicode's composed form (NFC). It keeps
// diacritics that end one chunk for the letter that begins the next.
class AnselDecoder {
public:
    QString decode(QByteArrayView bytes);

private:
    QString m_pendingMarks;
};

} // namespace gedcom
