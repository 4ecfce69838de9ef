#include "RecordStream.h"

#include "BiffRecords.h"
#include "ReadFailures.h"

#include <QtEndian>

namespace spreadsheet::xls {

namespace {
constexpr std::size_t kHeaderSize = 4;
}

void RecordStream::seek(std::size_t offset) {
    if (offset >= size())
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "a sheet starts at byte %1, past the end of the %2-byte workbook stream"),
            {offset, size()}));
    m_position = offset;
}

RecordStream::Header RecordStream::headerAt(std::size_t offset) const {
    if (size() - offset < kHeaderSize)
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "the workbook stream ends inside a record header at byte %1"), {offset}));
    const auto* p = reinterpret_cast<const uchar*>(m_stream.data()) + offset;
    const Header header{qFromLittleEndian<quint16>(p), qFromLittleEndian<quint16>(p + 2)};
    if (size() - offset - kHeaderSize < header.length)
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "the %1 record at byte %2 is cut short (%3 of its %4 bytes are there)"),
            {recordName(header.id), offset, size() - offset - kHeaderSize, header.length}));
    return header;
}

const Record& RecordStream::next() {
    const Header header = headerAt(m_position);
    m_record.id = header.id;
    m_record.offset = m_position;
    m_record.pieceEnds.clear();
    m_record.pieceEnds.push_back(header.length);
    std::size_t dataStart = m_position + kHeaderSize;
    m_position = dataStart + header.length;
    m_record.data = m_stream.sliced(static_cast<qsizetype>(dataStart), static_cast<qsizetype>(header.length));

    // Every CONTINUE takes at least its header's four bytes, so this ends
    // with the stream at the latest.
    bool joined = false;
    while (size() - m_position >= kHeaderSize) {
        const Header piece = headerAt(m_position);
        if (piece.id != record::kContinue) break;
        if (!joined) {
            m_joined = m_record.data.toByteArray();
            joined = true;
        }
        m_joined.append(
            m_stream.sliced(static_cast<qsizetype>(m_position + kHeaderSize), static_cast<qsizetype>(piece.length)));
        m_record.pieceEnds.push_back(static_cast<std::size_t>(m_joined.size()));
        m_position += kHeaderSize + piece.length;
    }
    if (joined) m_record.data = m_joined;
    return m_record;
}

QString recordName(std::uint16_t id) {
    namespace r = record;
    switch (id) {
    case r::kBof: return QStringLiteral("BOF");
    case r::kEof: return QStringLiteral("EOF");
    case r::kFont: return QStringLiteral("FONT");
    case r::kXf: return QStringLiteral("XF");
    case r::kBoundSheet: return QStringLiteral("BOUNDSHEET");
    case r::kWindow1: return QStringLiteral("WINDOW1");
    case r::kSst: return QStringLiteral("SST");
    case r::kColInfo: return QStringLiteral("COLINFO");
    case r::kBlank: return QStringLiteral("BLANK");
    case r::kMulBlank: return QStringLiteral("MULBLANK");
    case r::kLabelSst: return QStringLiteral("LABELSST");
    case r::kLabel: return QStringLiteral("LABEL");
    case r::kRString: return QStringLiteral("RSTRING");
    case r::kNumber: return QStringLiteral("NUMBER");
    case r::kRk: return QStringLiteral("RK");
    case r::kMulRk: return QStringLiteral("MULRK");
    case r::kBoolErr: return QStringLiteral("BOOLERR");
    case r::kFormula: return QStringLiteral("FORMULA");
    case r::kString: return QStringLiteral("STRING");
    case r::kMergedCells: return QStringLiteral("MERGEDCELLS");
    case r::kContinue: return QStringLiteral("CONTINUE");
    case r::kFilePass: return QStringLiteral("FILEPASS");
    default: return QStringLiteral("0x") + QString::number(id, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    }
}

} // namespace spreadsheet::xls
