#include "WorkbookReader.h"

#include "CompoundFile.h"
#include "ReadFailure.h"
#include "RecordStream.h"
#include "SheetReader.h"
#include "WorkbookGlobals.h"

#include "files/WholeFile.h"
#include "spreadsheet/SpreadsheetError.h"

namespace spreadsheet::xls {

namespace {

// The tab WINDOW1 shows if it is a worksheet, else the first worksheet.
const SheetEntry& activeWorksheet(const WorkbookGlobals& globals) {
    const auto& sheets = globals.sheets;
    if (globals.activeTab < static_cast<int>(sheets.size()) && sheets[globals.activeTab].type == kWorksheetType)
        return sheets[globals.activeTab];
    for (const SheetEntry& sheet : sheets)
        if (sheet.type == kWorksheetType) return sheet;
    throwDamaged(QStringLiteral("it holds no worksheet"));
}

std::unique_ptr<Worksheet> readStream(const QByteArray& streamBytes) {
    RecordStream stream(streamBytes);
    const WorkbookGlobals globals = readWorkbookGlobals(stream);
    return readWorksheet(stream, globals, activeWorksheet(globals));
}

QString describe(const ReadFailure& failure, const QString& name) {
    switch (failure.kind()) {
    case ReadFailure::Kind::NotAWorkbook:
        return failure.detail().isEmpty()
            ? QStringLiteral("'%1' is not an Excel 97-2003 workbook.").arg(name)
            : QStringLiteral("'%1' is not an Excel 97-2003 workbook: %2.").arg(name, failure.detail());
    case ReadFailure::Kind::OlderExcel:
        return QStringLiteral(
                   "'%1' is not an Excel 97-2003 workbook: it is an Excel 5.0/95 workbook, which cannot be opened.")
            .arg(name);
    case ReadFailure::Kind::Encrypted:
        return QStringLiteral("'%1' is password-protected: encrypted workbooks cannot be opened.").arg(name);
    case ReadFailure::Kind::Damaged: break;
    }
    return QStringLiteral("'%1' is damaged: %2.").arg(name, failure.detail());
}

template <typename Read>
std::unique_ptr<Worksheet> describingFailures(const QString& name, Read read) {
    try {
        return read();
    } catch (const ReadFailure& failure) {
        throw SpreadsheetError(describe(failure, name));
    } catch (const SpreadsheetError& refused) {
        // The model refused what the file holds, such as too many formats.
        throw SpreadsheetError(QStringLiteral("'%1' cannot be opened: %2").arg(name, refused.description()));
    }
}

} // namespace

std::unique_ptr<Worksheet> readWorkbookBytes(const QByteArray& bytes, const QString& nameForMessages) {
    return describingFailures(nameForMessages, [&] { return readStream(workbookStream(bytes)); });
}

std::unique_ptr<Worksheet> readWorkbookStream(const QByteArray& stream, const QString& nameForMessages) {
    return describingFailures(nameForMessages, [&] { return readStream(stream); });
}

std::unique_ptr<Worksheet> readWorkbookFile(const QString& path) {
    const std::unique_ptr<QFile> file = files::openRegularFile(path);
    // Whatever file is picked, only a compound file is read in full; the
    // start of any other is refused as the whole would be.
    const QByteArray start = file->peek(8);
    if (!hasCompoundFileSignature(start)) return readWorkbookBytes(start, path);
    const QByteArray bytes = files::readRest(*file);
    return readWorkbookBytes(bytes, path);
}

} // namespace spreadsheet::xls
