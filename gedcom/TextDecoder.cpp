#include "TextDecoder.h"

#include "AnselDecoder.h"

#include <QStringDecoder>

namespace gedcom {

QString decodeText(CharacterSet set, QByteArrayView bytes) {
    switch (set) {
    case CharacterSet::Utf8: {
        // A byte-order mark that begins a line inside the file is a character of it.
        thread_local QStringDecoder utf8(QStringConverter::Utf8,
                                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    case CharacterSet::Ansel: return AnselDecoder().decode(bytes);
    case CharacterSet::Utf16LittleEndian: return QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
    case CharacterSet::Utf16BigEndian: return QStringDecoder(QStringConverter::Utf16BE).decode(bytes);
    case CharacterSet::Windows1252: {
        // Made once a thread: records are decoded one by one.
        thread_local QStringDecoder windows("windows-1252", QStringConverter::Flag::Stateless);
        // Qt without ICU: Latin-1 differs only in 0x80 to 0x9F.
        return windows.isValid() ? windows.decode(bytes) : QString::fromLatin1(bytes);
    }
    }
    return QString::fromUtf8(bytes);
}

} // namespace gedcom
