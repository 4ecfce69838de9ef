#pragma once

#include "TextDecoder.h"

#include <QIODevice>
#include <QString>

namespace gedcom {

// The longest line read. The standard allows 255 characters, files written
// by hand or by careless programs hold longer ones; a line of megabytes is
// not text but a broken or hostile file.
inline constexpr qsizetype kMaxLineLength = 1 << 20;

// The lines of a GEDCOM file, decoded, read in chunks so that memory stays
// small whatever the file's size. A line ends at CR, LF or CRLF; empty lines
// are skipped but counted.
class LineSource {
public:
    // Reads from the device in the file's encoding, its byte-order mark
    // skipped; fileName names the file in messages.
    LineSource(QIODevice& device, const Encoding& encoding, QString fileName);

    // The next line and its number (from 1); false at the end. The text
    // stays valid until the next call. Throws core::Error (DataDamaged) for a line over
    // kMaxLineLength, and for a device that fails, naming the line it stopped at.
    bool next(QStringView& line, qint64& number);
    // The number of the last line read (0 before the first).
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool fill();

    QIODevice& m_device;
    TextDecoder m_decoder;
    QString m_fileName;
    QString m_buffer;
    qsizetype m_position = 0;
    qint64 m_lineNumber = 0;
    bool m_skipLineFeed = false; // the last line ended at a CR
    bool m_atEnd = false;
};

} // namespace gedcom
