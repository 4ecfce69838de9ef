#include "TextDecoder.h"

namespace gedcom {

namespace {

QStringDecoder decoderFor(CharacterSet set) {
    switch (set) {
    case CharacterSet::Utf16LittleEndian: return QStringDecoder(QStringConverter::Utf16LE);
    case CharacterSet::Utf16BigEndian: return QStringDecoder(QStringConverter::Utf16BE);
    case CharacterSet::Windows1252: {
        QStringDecoder windows("windows-1252");
        // Qt without ICU: Latin-1 differs only in 0x80 to 0x9F.
        return windows.isValid() ? std::move(windows) : QStringDecoder(QStringConverter::Latin1);
    }
    case CharacterSet::Utf8:
    case CharacterSet::Ansel: break;
    }
    return QStringDecoder(QStringConverter::Utf8);
}

} // namespace

TextDecoder::TextDecoder(CharacterSet set) : m_set(set), m_unicode(decoderFor(set)) {}

QString TextDecoder::decode(QByteArrayView bytes) {
    if (m_set == CharacterSet::Ansel) return m_ansel.decode(bytes);
    return m_unicode.decode(bytes);
}

} // namespace gedcom
