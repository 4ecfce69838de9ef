#pragma once

#include <QString>

#include <vector>

namespace gedcom {

// Bounds that no genealogy reaches and that keep a hostile file from taking
// memory without end. The standard allows lines of 255 characters; files
// written by hand or by careless programs hold longer ones, but a line of
// megabytes is not text.
inline constexpr qsizetype kMaxLineLength = 1 << 20;
inline constexpr std::size_t kMaxRecordLines = 1'000'000;
inline constexpr qsizetype kMaxRecordText = 16 * kMaxLineLength;

// A DOS end-of-file mark (Ctrl-Z) that older programs put after the text.
inline constexpr char kEndOfFileMark = 0x1A;

// One line of a record, with its CONC and CONT lines joined into its value.
// Its tag and value are held in the record's text, so that reading a line
// allocates nothing.
struct RecordLine {
    int level = 0;
    qsizetype tagAt = 0;
    qsizetype tagSize = 0;
    qsizetype valueAt = 0;
    qsizetype valueSize = 0;
    qint64 lineNumber = 0;
    int parent = -1; // index of the line it belongs to; -1 for the record's first
};

// A level-0 record and everything under it; lines[0] is its first line.
struct Record {
    QString xref;
    QString text;
    std::vector<RecordLine> lines;

    QStringView tag(const RecordLine& line) const { return QStringView(text).sliced(line.tagAt, line.tagSize); }
    QStringView value(const RecordLine& line) const { return QStringView(text).sliced(line.valueAt, line.valueSize); }
    QStringView tag() const { return tag(lines.front()); }
};

// Whether a line begins a record ("0 TAG"), as a record's lines are told
// from the next record's.
bool beginsRecord(QStringView line);
// Whether a line ends the file's text (a Ctrl-Z).
bool endsText(QStringView line);
// Whether the tag is the trailer's, which ends a file's records.
bool isTrailerTag(QStringView tag);

// The checks each line of a record passes, alike when a file is scanned and
// when a record is read again; each throws core::Error (DataDamaged) naming the
// file and line. textSoFar: the characters of the record's tags and values.
void checkRecordRoom(const QString& fileName, qint64 number, qsizetype textSoFar, qsizetype lineSize);
void checkLevel(const QString& fileName, qint64 number, int level, int deepest);
void checkJoinedText(const QString& fileName, qint64 number, qsizetype joinedSize);
void checkLineCount(const QString& fileName, qint64 number, std::size_t linesSoFar);

// Puts a record together line by line, checking each: throws core::Error
// (DataDamaged) naming the file and line for a level that jumps by more than one,
// and for a record or text too large to be a genealogy's.
class RecordBuilder {
public:
    explicit RecordBuilder(QString fileName) : m_fileName(std::move(fileName)) {}
    // A record's next line; its first starts it.
    void addLine(Record& record, QStringView text, qint64 number);

private:
    QString m_fileName;
    std::vector<int> m_openLines; // the record's last line at each level
};

// The record whose text begins with the given one, its first line numbered
// firstLine; the text ends with the record's last line, or holds more
// records after it. Blank lines are counted, not read.
Record parseRecord(QStringView text, qint64 firstLine, const QString& fileName);

} // namespace gedcom
