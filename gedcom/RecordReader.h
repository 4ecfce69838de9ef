#pragma once

#include "LineSource.h"

#include <QString>

#include <vector>

namespace gedcom {

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

// The records of a file in order, from HEAD to TRLR. Throws core::Error (DataDamaged) for
// a file that does not begin with a header, for a level that jumps by more
// than one, and for a record or text too large to be a genealogy's.
class RecordReader {
public:
    RecordReader(LineSource& lines, QString fileName);
    bool next(Record& record);

private:
    void addLine(Record& record, QStringView text, qint64 number);

    LineSource& m_lines;
    QString m_fileName;
    std::vector<int> m_openLines; // the record's last line at each level
    bool m_started = false;
    bool m_ended = false;
    QString m_pendingText; // the first line of the next record
    qint64 m_pendingNumber = 0;
};

} // namespace gedcom
