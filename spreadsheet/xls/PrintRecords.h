#pragma once

#include "ByteBuffer.h"
#include "RecordStream.h"

#include "spreadsheet/PrintSettings.h"

namespace spreadsheet::xls {

// Writes a sheet's print settings: the records from PRINTHEADERS to
// PAGESETUP in Excel's order, GUTS and DEFAULTROWHEIGHT among them.
void writePrintRecords(RecordWriter& stream, const PrintSettings& print);

// Gathers a sheet's print settings from its PRINTGRIDLINES, WSBOOL, HEADER,
// FOOTER and PAGESETUP records. A setting that a record holds damaged, or
// beyond what Excel allows, keeps its default: the cells read all the same.
class PrintSettingsReader {
public:
    // Reads the record when it is one of those; tells whether it was.
    bool read(const Record& r);
    const PrintSettings& settings() const { return m_settings; }

private:
    void readRecord(const Record& r);

    PrintSettings m_settings;
};

} // namespace spreadsheet::xls
