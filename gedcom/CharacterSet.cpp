#include "CharacterSet.h"

#include <QByteArray>
#include <QList>

namespace gedcom {

namespace {

// The value of the first "1 CHAR" line of the header, read as ASCII.
QByteArray headerCharName(QByteArrayView head) {
    qsizetype start = 0;
    bool first = true;
    while (start < head.size()) {
        qsizetype end = start;
        while (end < head.size() && head[end] != '\n' && head[end] != '\r') ++end;
        const QByteArray line = head.sliced(start, end - start).toByteArray().trimmed();
        start = end + 1;
        if (line.isEmpty()) continue;
        // The header ends at the next record.
        if (!first && line.startsWith('0')) break;
        first = false;
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 3 && words[0] == "1" && words[1] == "CHAR") return words[2].toUpper();
    }
    return {};
}

} // namespace

Encoding detectEncoding(QByteArrayView head) {
    if (head.startsWith("\xEF\xBB\xBF")) return {CharacterSet::Utf8, 3, {}};
    if (head.startsWith("\xFF\xFE")) return {CharacterSet::Utf16LittleEndian, 2, {}};
    if (head.startsWith("\xFE\xFF")) return {CharacterSet::Utf16BigEndian, 2, {}};
    // Without a mark, UTF-16 shows as a zero byte beside the first character.
    if (head.size() >= 2 && head[0] != '\0' && head[1] == '\0') return {CharacterSet::Utf16LittleEndian, 0, {}};
    if (head.size() >= 2 && head[0] == '\0' && head[1] != '\0') return {CharacterSet::Utf16BigEndian, 0, {}};

    const QByteArray name = headerCharName(head);
    if (name.isEmpty() || name == "UTF-8" || name == "UTF8") return {};
    if (name == "ANSEL") return {CharacterSet::Ansel, 0, {}};
    // ASCII files often hold a stray accented letter; Windows-1252 reads
    // ASCII unchanged and those as their writers meant them.
    if (name == "ANSI" || name == "ASCII" || name == "WINDOWS-1252" || name == "CP1252" || name == "ISO-8859-1"
        || name == "LATIN1")
        return {CharacterSet::Windows1252, 0, {}};
    return {CharacterSet::Utf8, 0, QString::fromLatin1(name)};
}

} // namespace gedcom
