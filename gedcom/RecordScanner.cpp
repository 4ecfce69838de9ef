#include "RecordScanner.h"

#include "FamilyTree.h"
#include "GedcomError.h"
#include "GedcomLine.h"
#include "RecordFields.h"
#include "RecordText.h"
#include "TextDecoder.h"
#include "Warnings.h"

#include <cstring>

namespace gedcom {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

qsizetype skipBlanks(QByteArrayView line, qsizetype i) {
    while (i < line.size() && isBlank(line[i])) ++i;
    return i;
}

qsizetype wordEnd(QByteArrayView line, qsizetype i) {
    while (i < line.size() && !isBlank(line[i])) ++i;
    return i;
}

// The ASCII blanks that QChar::isSpace() counts inside a line.
bool isSpaceByte(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// The record a pointer value names, as pointerTarget() reads it, for ASCII.
QByteArrayView pointerTargetOf(QByteArrayView value) {
    while (!value.isEmpty() && (isSpaceByte(value.front()) || value.front() == '\r' || value.front() == '\n'))
        value = value.sliced(1);
    while (!value.isEmpty() && (isSpaceByte(value.back()) || value.back() == '\r' || value.back() == '\n'))
        value.chop(1);
    if (value.size() < 3 || value.front() != '@' || value.back() != '@') return {};
    const QByteArrayView target = value.sliced(1, value.size() - 2);
    if (target.startsWith('#') || target.contains('@') || target == "VOID") return {};
    return target;
}

// Tags are compared millions of times: inline, against a literal's length.
template <std::size_t N>
bool isTag(QByteArrayView tag, const char (&name)[N]) {
    return tag.size() == static_cast<qsizetype>(N - 1) && std::memcmp(tag.data(), name, N - 1) == 0;
}

bool isTrailer(QByteArrayView tag) { return isTag(tag, "TRLR") || isTag(tag, "TRLR\x1A"); }

} // namespace

RecordScanner::RecordScanner(FamilyTree& tree, CharacterSet set, qint64 maxRecords, Warnings& warnings)
    : m_tree(tree), m_set(set), m_maxRecords(maxRecords), m_warnings(warnings) {}

void RecordScanner::failLineTooLong(qint64 line) const {
    fail(m_tree.fileName, line,
         core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a line longer than %1 characters; this is not a GEDCOM file"),
                       {kMaxLineLength}));
}

bool RecordScanner::feed(QByteArrayView bytes) {
    if (m_ended) return false;
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    if (m_skipLineFeed && size > 0) {
        if (data[0] == '\n') at = 1;
        m_skipLineFeed = false;
    }
    // The next LF and CR, each looked for once however many lines pass before it.
    qsizetype nextLineFeed = -1, nextReturn = -1;
    const auto lineEnd = [&](qsizetype from) {
        if (nextLineFeed < from) {
            const void* found = std::memchr(data + from, '\n', static_cast<std::size_t>(size - from));
            nextLineFeed = found ? static_cast<const char*>(found) - data : size;
        }
        if (nextReturn < from) {
            const void* found = std::memchr(data + from, '\r', static_cast<std::size_t>(size - from));
            nextReturn = found ? static_cast<const char*>(found) - data : size;
        }
        return std::min(nextLineFeed, nextReturn);
    };
    // A line whose bytes could hold more characters than a line may is not waited for.
    const qsizetype longestLine = 3 * kMaxLineLength;
    while (at < size) {
        const qsizetype end = lineEnd(at);
        if (end == size) {
            if (!m_inPartLine) m_partLineAt = m_offset + at;
            m_partLine.append(data + at, size - at);
            m_inPartLine = true;
            if (m_partLine.size() > longestLine) failLineTooLong(m_lineNumber + 1);
            break;
        }
        ++m_lineNumber;
        if (m_inPartLine) {
            m_partLine.append(data + at, end - at);
            takeLine(m_partLine, m_partLineAt);
            m_partLine.clear();
            m_inPartLine = false;
        } else {
            takeLine(QByteArrayView(data + at, end - at), m_offset + at);
        }
        if (m_ended) return false;
        at = end + 1;
        if (data[end] == '\r') {
            if (at == size)
                m_skipLineFeed = true;
            else if (data[at] == '\n')
                ++at;
        }
    }
    m_offset += size;
    return true;
}

namespace {

// The bytes at the end of UTF-8 text that begin a character without ending
// it: nothing of them is read, as a decoder waiting for the rest reads nothing.
qsizetype unfinishedCharacter(QByteArrayView text) {
    qsizetype following = 0;
    while (following < 3 && following < text.size()
           && (static_cast<unsigned char>(text[text.size() - 1 - following]) & 0xC0) == 0x80)
        ++following;
    if (following == text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[text.size() - 1 - following]);
    const qsizetype length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 1;
    return length > following + 1 && lead < 0xF5 ? following + 1 : 0;
}

} // namespace

void RecordScanner::finish() {
    if (m_set == CharacterSet::Utf8 && m_inPartLine) {
        const qsizetype unfinished = unfinishedCharacter(m_partLine);
        m_partLine.chop(unfinished);
        m_offset -= unfinished;
        m_inPartLine = !m_partLine.isEmpty();
    }
    if (!m_ended && m_inPartLine) {
        ++m_lineNumber;
        takeLine(m_partLine, m_partLineAt);
        m_partLine.clear();
        m_inPartLine = false;
    }
    if (!m_started)
        fail(m_tree.fileName, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a GEDCOM file: it is empty")));
    if (m_inRecord) finishRecord(m_ended ? m_endAt : m_offset);
}

QByteArrayView RecordScanner::identifier(QByteArrayView xref) {
    if (isAscii(xref)) return xref;
    m_decodedId = decodeText(m_set, xref).toUtf8();
    return m_decodedId;
}

// Nearly every line is "level [@xref@] TAG [value]" in ASCII after blanks:
// read here as bytes. Any other is read as text by takeDecodedLine().
void RecordScanner::takeLine(QByteArrayView bytes, qint64 offset) {
    if (bytes.size() > kMaxLineLength && decodeText(m_set, bytes).size() > kMaxLineLength)
        failLineTooLong(m_lineNumber);
    const qsizetype first = skipBlanks(bytes, 0);
    if (first == bytes.size()) return;
    const auto lead = static_cast<unsigned char>(bytes[first]);
    if (!m_started || !isDigit(static_cast<char>(lead))) return takeDecodedLine(bytes, offset);
    const qsizetype levelEnd = wordEnd(bytes, first);
    const qsizetype levelSize = levelEnd - first;
    if (levelSize > 2 || (levelSize == 2 && !isDigit(bytes[first + 1]))) return takeDecodedLine(bytes, offset);
    const bool startsRecord = levelSize == 1 && lead == '0';
    if (startsRecord) {
        // A record's first line whose last character may be a blank of
        // another script is read as text, which knows those blanks.
        qsizetype last = bytes.size() - 1;
        while (isSpaceByte(bytes[last])) --last;
        if (static_cast<unsigned char>(bytes[last]) >= 0x80) return takeDecodedLine(bytes, offset);
    }
    qsizetype wordAt = skipBlanks(bytes, levelEnd);
    qsizetype end = wordEnd(bytes, wordAt);
    Line line;
    line.raw = bytes;
    line.size = bytes.size();
    line.level = levelSize == 1 ? bytes[first] - '0' : 10 * (bytes[first] - '0') + (bytes[first + 1] - '0');
    if (end - wordAt >= 2 && bytes[wordAt] == '@' && bytes[end - 1] == '@') {
        line.xref = identifier(bytes.sliced(wordAt + 1, end - wordAt - 2));
        wordAt = skipBlanks(bytes, end);
        end = wordEnd(bytes, wordAt);
    }
    if (end == wordAt) return takeDecodedLine(bytes, offset); // no tag
    line.tag = bytes.sliced(wordAt, end - wordAt);
    line.tagSize = line.tag.size();
    const QByteArrayView value = end < bytes.size() ? bytes.sliced(end + 1) : QByteArrayView();
    line.valueSize = value.size();
    if (startsRecord) {
        if (m_inRecord) finishRecord(offset);
        startRecord(line, offset);
    } else {
        addToRecord(line, value, nullptr);
    }
}

void RecordScanner::takeDecodedLine(QByteArrayView bytes, qint64 offset) {
    const QString text = decodeText(m_set, bytes);
    if (text.trimmed().isEmpty()) return;
    if (endsText(text)) {
        m_ended = true;
        m_endAt = offset;
        return;
    }
    if (!m_started) {
        const QStringView trimmed = QStringView(text).trimmed();
        if (!trimmed.startsWith(u"0 HEAD") || (trimmed.size() > 6 && !trimmed[6].isSpace()))
            fail(m_tree.fileName, m_lineNumber,
                 core::Phrase(
                     QT_TRANSLATE_NOOP("core::Error", "not a GEDCOM file: it does not begin with \"0 HEAD\"")));
        m_started = true;
    }
    const bool beginsNext = m_inRecord && beginsRecord(text);
    if (beginsNext) finishRecord(offset);
    const GedcomLine parsed = parseLine(text, m_tree.fileName, m_lineNumber);
    const QByteArray tag = parsed.tag.toUtf8();
    const QByteArray xref = parsed.xref.toUtf8();
    const QString value = parsed.value.toString();
    Line line;
    line.raw = bytes;
    line.size = text.size();
    line.level = parsed.level;
    line.xref = xref;
    line.tag = tag;
    line.tagSize = parsed.tag.size();
    line.valueSize = parsed.value.size();
    if (!m_inRecord)
        startRecord(line, offset);
    else
        addToRecord(line, {}, &value);
}

void RecordScanner::startRecord(const Line& line, qint64 offset) {
    if (line.level != 0)
        fail(m_tree.fileName, m_lineNumber,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a record begins at level %1, not 0"), {line.level}));
    m_inRecord = true;
    m_recordAt = offset;
    m_recordLine = m_lineNumber;
    m_xref.resize(0); // keeps its room for the next record's
    m_xref.append(line.xref);
    m_kind = isTag(line.tag, "INDI") ? Kind::Person
        : isTag(line.tag, "FAM")     ? Kind::Family
        : isTag(line.tag, "HEAD")    ? Kind::Header
                                     : Kind::Other;
    m_open.assign(1, {0, line.valueSize});
    m_lineCount = 1;
    m_lastJoined = 0;
    m_textSize = line.tagSize + line.valueSize;
    m_children.resize(0);
    m_childEnds.clear();
    if (m_kind == Kind::Header) m_header = line.raw.toByteArray() + '\n';
    // What follows the trailer is no part of the file's records.
    if (isTrailer(line.tag)) {
        m_sawTrailer = true;
        m_ended = true;
    }
}

void RecordScanner::addToRecord(const Line& line, QByteArrayView value, const QString* decodedValue) {
    const QString& fileName = m_tree.fileName;
    checkRecordRoom(fileName, m_lineNumber, m_textSize, line.size);
    checkLevel(fileName, m_lineNumber, line.level, static_cast<int>(m_open.size()) - 1);
    if (m_kind == Kind::Header) m_header.append(line.raw).append('\n');

    const bool continued = isTag(line.tag, "CONT");
    if (continued || isTag(line.tag, "CONC")) {
        OpenLine& joined = m_open[static_cast<std::size_t>(line.level - 1)];
        checkJoinedText(fileName, m_lineNumber, joined.valueSize + line.valueSize + 1);
        // The joined value is counted again where it moves to the end of the record's text.
        if (m_lastJoined != joined.index) m_textSize += joined.valueSize;
        const qsizetype added = (continued ? 1 : 0) + line.valueSize;
        m_textSize += added;
        joined.valueSize += added;
        m_lastJoined = joined.index;
        return;
    }
    checkLineCount(fileName, m_lineNumber, m_lineCount);
    m_open.resize(static_cast<std::size_t>(line.level) + 1);
    m_open.back() = {m_lineCount, line.valueSize};
    m_lastJoined = m_lineCount++;
    m_textSize += line.tagSize + line.valueSize;
    if (m_kind == Kind::Family && line.level == 1 && isTag(line.tag, "CHIL")) keepChild(value, decodedValue);
}

void RecordScanner::keepChild(QByteArrayView value, const QString* decodedValue) {
    const qsizetype before = m_children.size();
    if (decodedValue)
        m_children.append(pointerTarget(*decodedValue).toUtf8());
    else if (isAscii(value))
        m_children.append(pointerTargetOf(value));
    else
        m_children.append(pointerTarget(decodeText(m_set, value)).toUtf8());
    if (m_children.size() > before) m_childEnds.push_back(m_children.size());
}

void RecordScanner::finishRecord(qint64 end) {
    m_inRecord = false;
    if (m_kind == Kind::Header) {
        m_gedcom7 = isGedcom7Header(parseRecord(decodeText(m_set, m_header), m_recordLine, m_tree.fileName));
        m_header.clear();
        return;
    }
    if (m_kind != Kind::Person && m_kind != Kind::Family) return;
    if (m_tree.personCount() + m_tree.familyCount() >= m_maxRecords)
        fail(m_tree.fileName, m_recordLine,
             core::Phrase(QT_TRANSLATE_NOOP(
                               "core::Error",
                               "the file holds more than %1 records of people and families; no larger file is read"),
                           {m_maxRecords}));
    const RecordPlace place{m_recordAt, m_recordLine, end - m_recordAt};
    const QString shownId = shown(QString::fromUtf8(m_xref));
    if (m_kind == Kind::Person) {
        if (!m_tree.addPerson(m_xref, place))
            m_warnings.add(
                WarningKind::SecondPerson, m_recordLine,
                core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second person @%1@; the first one is used"),
                              {shownId}));
        return;
    }
    m_childList.clear();
    for (qsizetype start = 0; const qsizetype end : m_childEnds) {
        m_childList.push_back(QByteArrayView(m_children).sliced(start, end - start));
        start = end;
    }
    if (!m_tree.addFamily(m_xref, place, m_childList))
        m_warnings.add(
            WarningKind::SecondFamily, m_recordLine,
            core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second family @%1@; the first one is used"), {shownId}));
}

} // namespace gedcom
