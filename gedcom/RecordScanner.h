#pragma once

#include "CharacterSet.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace gedcom {

class FamilyTree;
class Warnings;

// Reads a file's text once, line by line, as bytes: it checks every line
// as the standard's grammar asks, and hands the tree where each record of a
// person or family begins, its identifier and the children each family
// lists; names and dates are read from the records later, for the people
// they are wanted for. The text is fed in chunks of any size; lines end at
// CR, LF or CRLF, and empty lines are counted but not read. A line that does
// not begin as most do (with a level after blanks) is decoded and read as
// text, so that every message is the same as for one read so.
//
// Throws a core::Error (DataDamaged) naming the file and line for a file that
// does not begin with a header, a line that is not GEDCOM, a level that jumps
// by more than one, a line, record or text too large to be a genealogy's, and
// more people and families than maxRecords.
class RecordScanner {
public:
    // The text is ASCII where GEDCOM's structure is (UTF-8, ANSEL or
    // Windows-1252, as set says).
    RecordScanner(FamilyTree& tree, CharacterSet set, qint64 maxRecords, Warnings& warnings);

    // The file's next bytes. False once the records have ended, at the
    // trailer or a Ctrl-Z: what follows is not read.
    bool feed(QByteArrayView bytes);
    // The end of the file.
    void finish();

    bool sawTrailer() const { return m_sawTrailer; }
    // The number of the last line read.
    qint64 lineNumber() const { return m_lineNumber; }
    // The header named GEDCOM 7, whose text escapes "@" otherwise.
    bool isGedcom7() const { return m_gedcom7; }

private:
    // One line of the record being read, as its checks need it; sizes in
    // characters (in bytes where the text is ASCII, as nearly all is).
    struct Line {
        int level = 0;
        QByteArrayView xref; // UTF-8
        QByteArrayView tag;
        qsizetype tagSize = 0;
        qsizetype valueSize = 0;
        qsizetype size = 0;
        QByteArrayView raw; // the line as the file holds it
    };
    struct OpenLine {
        std::size_t index = 0;
        qsizetype valueSize = 0; // with its CONC and CONT lines
    };
    enum class Kind {
        Header,
        Person,
        Family,
        Other
    };

    void takeLine(QByteArrayView bytes, qint64 offset);
    void takeDecodedLine(QByteArrayView bytes, qint64 offset);
    void startRecord(const Line& line, qint64 offset);
    void addToRecord(const Line& line, QByteArrayView value, const QString* decodedValue);
    void finishRecord(qint64 end);
    void keepChild(QByteArrayView value, const QString* decodedValue);
    QByteArrayView identifier(QByteArrayView xref);
    [[noreturn]] void failLineTooLong(qint64 line) const;

    FamilyTree& m_tree;
    CharacterSet m_set;
    qint64 m_maxRecords;
    Warnings& m_warnings;
    qint64 m_offset = 0;   // of the next byte fed
    QByteArray m_partLine; // a line the last chunk ended within
    bool m_inPartLine = false;
    qint64 m_partLineAt = 0; // where it begins
    qint64 m_endAt = 0;      // where a Ctrl-Z ended the text
    bool m_skipLineFeed = false;
    qint64 m_lineNumber = 0;
    bool m_started = false;
    bool m_ended = false;
    bool m_sawTrailer = false;
    bool m_gedcom7 = false;

    // The record being read.
    bool m_inRecord = false;
    Kind m_kind = Kind::Other;
    QByteArray m_xref;
    qint64 m_recordAt = 0;
    qint64 m_recordLine = 0;
    std::vector<OpenLine> m_open;
    std::size_t m_lineCount = 0;
    std::size_t m_lastJoined = 0; // the line whose value ends the record's text
    qsizetype m_textSize = 0;
    QByteArray m_decodedId;             // an identifier in another script, as UTF-8
    QByteArray m_children;              // the identifiers of the family's children, one after another
    std::vector<qsizetype> m_childEnds; // where each ends
    std::vector<QByteArrayView> m_childList;
    QByteArray m_header; // the header's lines, read once it ends
};

} // namespace gedcom
