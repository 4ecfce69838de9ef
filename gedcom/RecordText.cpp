#include "RecordText.h"

#include "GedcomError.h"
#include "GedcomLine.h"

namespace gedcom {

bool beginsRecord(QStringView line) {
    const QStringView trimmed = line.trimmed();
    return trimmed.size() > 1 && trimmed[0] == u'0' && trimmed[1].isSpace();
}

bool endsText(QStringView line) { return line.trimmed().startsWith(QLatin1Char(kEndOfFileMark)); }

bool isTrailerTag(QStringView tag) {
    return tag == u"TRLR" || (tag.size() == 5 && tag.startsWith(u"TRLR") && tag[4] == QLatin1Char(kEndOfFileMark));
}

void checkRecordRoom(const QString& fileName, qint64 number, qsizetype textSoFar, qsizetype lineSize) {
    if (textSoFar + lineSize > kMaxRecordText)
        fail(fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record of more than %1 characters"), {kMaxRecordText}));
}

void checkLevel(const QString& fileName, qint64 number, int level, int deepest) {
    if (level > deepest + 1)
        fail(fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "level %1 follows level %2"), {level, deepest}));
    if (level == 0)
        fail(fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second record begins inside a record")));
}

void checkJoinedText(const QString& fileName, qint64 number, qsizetype joinedSize) {
    if (joinedSize > kMaxLineLength)
        fail(fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a text longer than %1 characters"), {kMaxLineLength}));
}

void checkLineCount(const QString& fileName, qint64 number, std::size_t linesSoFar) {
    if (linesSoFar >= kMaxRecordLines)
        fail(fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record of more than %1 lines"), {kMaxRecordLines}));
}

void RecordBuilder::addLine(Record& record, QStringView text, qint64 number) {
    const GedcomLine line = parseLine(text, m_fileName, number);
    checkRecordRoom(m_fileName, number, record.text.size(), text.size());
    const auto keep = [&record](QStringView part) {
        const qsizetype at = record.text.size();
        record.text.append(part);
        return at;
    };
    if (record.lines.empty()) {
        if (line.level != 0)
            fail(m_fileName, number,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record begins at level %1, not 0"), {line.level}));
        m_openLines.assign(1, 0);
        record.xref = line.xref.toString();
        const qsizetype tagAt = keep(line.tag);
        record.lines.push_back({0, tagAt, line.tag.size(), keep(line.value), line.value.size(), number, -1});
        return;
    }
    checkLevel(m_fileName, number, line.level, static_cast<int>(m_openLines.size()) - 1);
    const int parent = m_openLines[line.level - 1];

    const bool continuation = line.tag == u"CONC" || line.tag == u"CONT";
    if (continuation) {
        RecordLine& joined = record.lines[parent];
        checkJoinedText(m_fileName, number, joined.valueSize + line.value.size() + 1);
        // The joined value moves to the end of the text, unless it is there already.
        if (joined.valueAt + joined.valueSize != record.text.size()) {
            const QString before = record.value(joined).toString();
            joined.valueAt = keep(before);
        }
        if (line.tag == u"CONT") record.text.append(QLatin1Char('\n'));
        record.text.append(line.value);
        joined.valueSize = record.text.size() - joined.valueAt;
        return;
    }
    checkLineCount(m_fileName, number, record.lines.size());
    m_openLines.resize(line.level + 1);
    m_openLines[line.level] = static_cast<int>(record.lines.size());
    const qsizetype tagAt = keep(line.tag);
    record.lines.push_back({line.level, tagAt, line.tag.size(), keep(line.value), line.value.size(), number, parent});
}

Record parseRecord(QStringView text, qint64 firstLine, const QString& fileName) {
    Record record;
    RecordBuilder builder(fileName);
    qint64 number = firstLine;
    for (qsizetype at = 0; at < text.size(); ++number) {
        qsizetype end = at;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
        const QStringView line = text.sliced(at, end - at);
        at = end + 1;
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ++at;
        if (line.trimmed().isEmpty()) continue;
        if (endsText(line) || (!record.lines.empty() && beginsRecord(line))) break;
        builder.addLine(record, line, number);
    }
    return record;
}

} // namespace gedcom
