#include "PrintRecords.h"

#include "BiffRecords.h"
#include "ReadFailures.h"
#include "RecordReader.h"
#include "UnicodeStringReader.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

// Automatic page breaks shown, outline summaries below and right, outline symbols shown.
constexpr std::uint16_t kWsBoolDefaults = 0x04C1;

// An empty HEADER or FOOTER record stands for none.
void writeHeaderFooter(RecordWriter& stream, std::uint16_t id, const QString& text) {
    ByteBuffer data;
    if (!text.isEmpty()) data.string(text);
    stream.write(id, data);
}

QString readHeaderFooter(const Record& r, const QString& kept) {
    if (r.data.isEmpty()) return {};
    RecordReader in(r);
    const QString text = readUnicodeString(in, CountSize::TwoBytes);
    return text.size() <= xl::kMaxHeaderFooterLength ? text : kept;
}

int fitPages(std::uint16_t stored) { return std::min<int>(stored, xl::kMaxFitToPages); }

} // namespace

void writePrintRecords(RecordWriter& stream, const PrintSettings& print) {
    stream.writeU16(record::kPrintHeaders, 0);
    stream.writeU16(record::kPrintGridLines, print.printGridLines ? 1 : 0);
    stream.writeU16(record::kGridSet, 1);
    ByteBuffer guts;
    for (int i = 0; i < 4; ++i) guts.u16(0);
    stream.write(record::kGuts, guts);
    ByteBuffer defaultHeight;
    defaultHeight.u16(0);
    defaultHeight.u16(255); // 12.75 pt
    stream.write(record::kDefaultRowHeight, defaultHeight);
    stream.writeU16(record::kWsBool, kWsBoolDefaults | (print.fitToPages ? record::kWsBoolFitToPage : 0));
    writeHeaderFooter(stream, record::kHeader, print.header);
    writeHeaderFooter(stream, record::kFooter, print.footer);
    stream.writeU16(record::kHCenter, 0);
    stream.writeU16(record::kVCenter, 0);
    ByteBuffer setup;
    setup.u16(static_cast<std::uint16_t>(print.paperSize));
    setup.u16(100); // per cent, when not fitting
    setup.u16(1);   // first page number
    setup.u16(static_cast<std::uint16_t>(print.fitToPagesWide));
    setup.u16(static_cast<std::uint16_t>(print.fitToPagesTall));
    // Paper, scale and orientation are set: no "not initialised" bit.
    setup.u16(print.orientation == xl::kPortrait ? record::kPageSetupPortrait : 0);
    setup.u16(600);
    setup.u16(600);
    setup.f64(0.5); // header margin, inches
    setup.f64(0.5); // footer margin
    setup.u16(1);   // copies
    stream.write(record::kPageSetup, setup);
}

bool PrintSettingsReader::read(const Record& r) {
    switch (r.id) {
    case record::kPrintGridLines:
    case record::kWsBool:
    case record::kHeader:
    case record::kFooter:
    case record::kPageSetup: break;
    default: return false;
    }
    try {
        readRecord(r);
    } catch (const core::Error&) {
        // Too short for its fields: what it would have set keeps its default.
    }
    return true;
}

void PrintSettingsReader::readRecord(const Record& r) {
    RecordReader in(r);
    switch (r.id) {
    case record::kPrintGridLines: m_settings.printGridLines = in.u16() != 0; break;
    case record::kWsBool: m_settings.fitToPages = (in.u16() & record::kWsBoolFitToPage) != 0; break;
    case record::kHeader: m_settings.header = readHeaderFooter(r, m_settings.header); break;
    case record::kFooter: m_settings.footer = readHeaderFooter(r, m_settings.footer); break;
    case record::kPageSetup: {
        const std::uint16_t paper = in.u16();
        in.skip(4); // scale and first page number
        const int wide = fitPages(in.u16());
        const int tall = fitPages(in.u16());
        const std::uint16_t options = in.u16();
        m_settings.fitToPagesWide = wide;
        m_settings.fitToPagesTall = tall;
        if (options & record::kPageSetupNotInitialised) break;
        if (paper != 0) m_settings.paperSize = paper;
        if (!(options & record::kPageSetupNoOrientation))
            m_settings.orientation = (options & record::kPageSetupPortrait) ? xl::kPortrait : xl::kLandscape;
        break;
    }
    default: break;
    }
}

} // namespace spreadsheet::xls
