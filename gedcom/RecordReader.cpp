#include "RecordReader.h"

#include "GedcomError.h"
#include "GedcomLine.h"

namespace gedcom {

namespace {

// Bounds that no genealogy reaches and that keep a hostile file's record
// from taking memory without end.
constexpr std::size_t kMaxRecordLines = 1'000'000;

bool beginsWithHeader(QStringView text) {
    const QStringView trimmed = text.trimmed();
    return trimmed.startsWith(u"0 HEAD") && (trimmed.size() == 6 || trimmed[6].isSpace());
}

} // namespace

RecordReader::RecordReader(LineSource& lines, QString fileName) : m_lines(lines), m_fileName(std::move(fileName)) {}

bool RecordReader::next(Record& record) {
    record.xref.clear();
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
                fail(m_fileName, number, QStringLiteral("not a GEDCOM file: it does not begin with \"0 HEAD\""));
            m_started = true;
        }
        const QStringView trimmed = text.trimmed();
        if (!record.lines.empty() && trimmed.startsWith(QLatin1Char('0')) && trimmed.size() > 1 &&
            trimmed[1].isSpace()) {
            m_pendingText = text.toString();
            m_pendingNumber = number;
            return true;
        }
        addLine(record, text, number);
    }
    if (!m_started) fail(m_fileName, 0, QStringLiteral("not a GEDCOM file: it is empty"));
    m_ended = true;
    return !record.lines.empty();
}

void RecordReader::addLine(Record& record, QStringView text, qint64 number) {
    const GedcomLine line = parseLine(text, m_fileName, number);
    if (record.lines.empty()) {
        if (line.level != 0)
            fail(m_fileName, number, QStringLiteral("a record begins at level %1, not 0").arg(line.level));
        if (line.tag == u"TRLR") m_ended = true;
        m_openLines.assign(1, 0);
        record.xref = line.xref.toString();
        record.lines.push_back({0, line.tag.toString(), line.value.toString(), number, -1});
        return;
    }
    const int deepest = static_cast<int>(m_openLines.size()) - 1;
    if (line.level > deepest + 1)
        fail(m_fileName, number, QStringLiteral("level %1 follows level %2").arg(line.level).arg(deepest));
    if (line.level == 0) fail(m_fileName, number, QStringLiteral("a second record begins inside a record"));
    const int parent = m_openLines[line.level - 1];

    const bool continuation = line.tag == u"CONC" || line.tag == u"CONT";
    if (continuation) {
        QString& value = record.lines[parent].value;
        if (value.size() + line.value.size() + 1 > kMaxLineLength)
            fail(m_fileName, number, QStringLiteral("a text longer than %1 characters").arg(kMaxLineLength));
        if (line.tag == u"CONT") value.append(QLatin1Char('\n'));
        value.append(line.value);
        return;
    }
    if (record.lines.size() >= kMaxRecordLines)
        fail(m_fileName, number, QStringLiteral("a record of more than %1 lines").arg(kMaxRecordLines));
    m_openLines.resize(line.level + 1);
    m_openLines[line.level] = static_cast<int>(record.lines.size());
    record.lines.push_back({line.level, line.tag.toString(), line.value.toString(), number, parent});
}

} // namespace gedcom
