#include "RecordReader.h"

#include "GedcomError.h"
#include "GedcomLine.h"

namespace gedcom {

namespace {

// Bounds that no genealogy reaches and that keep a hostile file's record
// from taking memory without end.
constexpr std::size_t kMaxRecordLines = 1'000'000;
constexpr qsizetype kMaxRecordText = 16 * kMaxLineLength;

bool beginsWithHeader(QStringView text) {
    const QStringView trimmed = text.trimmed();
    return trimmed.startsWith(u"0 HEAD") && (trimmed.size() == 6 || trimmed[6].isSpace());
}

} // namespace

RecordReader::RecordReader(LineSource& lines, QString fileName) : m_lines(lines), m_fileName(std::move(fileName)) {}

bool RecordReader::next(Record& record) {
    record.xref.clear();
    record.text.resize(0); // keeps its memory for the next record
    record.lines.clear();
    if (m_ended) return false;
    if (!m_pendingText.isEmpty()) {
        addLine(record, m_pendingText, m_pendingNumber);
        m_pendingText.clear();
    }
    QStringView text;
    qint64 number = 0;
    while (m_lines.next(text, number)) {
        if (!m_started) {
            if (!beginsWithHeader(text))
                fail(m_fileName, number,
                     core::Phrase(
                         QT_TRANSLATE_NOOP("core::Error", "not a GEDCOM file: it does not begin with \"0 HEAD\"")));
            m_started = true;
        }
        const QStringView trimmed = text.trimmed();
        if (!record.lines.empty() && trimmed.startsWith(QLatin1Char('0')) && trimmed.size() > 1
            && trimmed[1].isSpace()) {
            m_pendingText = text.toString();
            m_pendingNumber = number;
            return true;
        }
        addLine(record, text, number);
    }
    if (!m_started)
        fail(m_fileName, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a GEDCOM file: it is empty")));
    m_ended = true;
    return !record.lines.empty();
}

void RecordReader::addLine(Record& record, QStringView text, qint64 number) {
    const GedcomLine line = parseLine(text, m_fileName, number);
    if (record.text.size() + text.size() > kMaxRecordText)
        fail(m_fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record of more than %1 characters"), {kMaxRecordText}));
    const auto keep = [&record](QStringView part) {
        const qsizetype at = record.text.size();
        record.text.append(part);
        return at;
    };
    if (record.lines.empty()) {
        if (line.level != 0)
            fail(m_fileName, number,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record begins at level %1, not 0"), {line.level}));
        if (line.tag == u"TRLR") m_ended = true;
        m_openLines.assign(1, 0);
        record.xref = line.xref.toString();
        const qsizetype tagAt = keep(line.tag);
        record.lines.push_back({0, tagAt, line.tag.size(), keep(line.value), line.value.size(), number, -1});
        return;
    }
    const int deepest = static_cast<int>(m_openLines.size()) - 1;
    if (line.level > deepest + 1)
        fail(m_fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "level %1 follows level %2"), {line.level, deepest}));
    if (line.level == 0)
        fail(m_fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second record begins inside a record")));
    const int parent = m_openLines[line.level - 1];

    const bool continuation = line.tag == u"CONC" || line.tag == u"CONT";
    if (continuation) {
        RecordLine& joined = record.lines[parent];
        if (joined.valueSize + line.value.size() + 1 > kMaxLineLength)
            fail(m_fileName, number,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a text longer than %1 characters"), {kMaxLineLength}));
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
    if (record.lines.size() >= kMaxRecordLines)
        fail(m_fileName, number,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record of more than %1 lines"), {kMaxRecordLines}));
    m_openLines.resize(line.level + 1);
    m_openLines[line.level] = static_cast<int>(record.lines.size());
    const qsizetype tagAt = keep(line.tag);
    record.lines.push_back({line.level, tagAt, line.tag.size(), keep(line.value), line.value.size(), number, parent});
}

} // namespace gedcom
