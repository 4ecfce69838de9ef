#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// One record of the workbook stream with the data of the CONTINUE records
// that follow it appended. Strings split across those records start each
// continued piece with a fresh option byte, so the piece ends are kept.
struct Record {
    std::uint16_t id = 0;
    std::size_t offset = 0; // of the record's header in the stream
    QByteArrayView data;
    std::vector<std::size_t> pieceEnds; // ascending, the last one is data.size()
};

// Walks the records of a workbook stream. A Record returned by next() stays
// valid until the following call.
class RecordStream {
public:
    explicit RecordStream(QByteArrayView stream) : m_stream(stream) {}

    std::size_t size() const { return static_cast<std::size_t>(m_stream.size()); }
    bool atEnd() const { return m_position >= size(); }
    // Moves to a record header, as BOUNDSHEET offsets point to one.
    void seek(std::size_t offset);
    // Throws a damaged-file failure when the stream ends inside a record.
    const Record& next();

private:
    struct Header {
        std::uint16_t id;
        std::size_t length;
    };
    Header headerAt(std::size_t offset) const;

    QByteArrayView m_stream;
    std::size_t m_position = 0;
    Record m_record;
    QByteArray m_joined;
};

// "SST", "MULBLANK", ... or the hexadecimal id, for messages.
QString recordName(std::uint16_t id);

} // namespace spreadsheet::xls
