#include "RecordReader.h"

#include "ReadFailures.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace spreadsheet::xls {

QByteArrayView RecordReader::bytes(std::size_t count) {
    if (count > remaining())
        fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is %1 bytes long, too short for its content"),
                          {m_record.data.size()}));
    const QByteArrayView view = m_record.data.sliced(static_cast<qsizetype>(m_position), static_cast<qsizetype>(count));
    m_position += count;
    return view;
}

QByteArrayView RecordReader::peekLast(std::size_t count) const {
    if (count > remaining())
        fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is %1 bytes long, too short for its content"),
                          {m_record.data.size()}));
    return m_record.data.last(static_cast<qsizetype>(count));
}

std::uint8_t RecordReader::u8() { return static_cast<std::uint8_t>(bytes(1)[0]); }

std::uint16_t RecordReader::u16() { return qFromLittleEndian<quint16>(bytes(2).data()); }

std::uint32_t RecordReader::u32() { return qFromLittleEndian<quint32>(bytes(4).data()); }

double RecordReader::f64() {
    const quint64 bits = qFromLittleEndian<quint64>(bytes(8).data());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::size_t RecordReader::bytesToPieceEnd() const {
    const auto& ends = m_record.pieceEnds;
    const auto it = std::lower_bound(ends.begin(), ends.end(), m_position);
    return it == ends.end() ? 0 : *it - m_position;
}

void RecordReader::fail(core::Phrase what) const {
    throwDamaged(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the %1 record at byte %2 is not valid: %3"),
                              {recordName(m_record.id), m_record.offset, std::move(what)}));
}

} // namespace spreadsheet::xls
