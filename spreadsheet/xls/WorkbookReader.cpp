#include "WorkbookReader.h"

#include "CompoundFile.h"
#include "ReadFailures.h"
#include "RecordStream.h"
#include "SheetReader.h"
#include "WorkbookGlobals.h"

#include "core/Error.h"
#include "files/WholeFile.h"

namespace spreadsheet::xls {

namespace {

// The tab WINDOW1 shows if it is a worksheet, else the first worksheet.
const SheetEntry& activeWorksheet(const WorkbookGlobals& globals) {
    const auto& sheets = globals.sheets;
    if (globals.activeTab < static_cast<int>(sheets.size()) && sheets[globals.activeTab].type == kWorksheetType)
        return sheets[globals.activeTab];
    for (const SheetEntry& sheet : sheets)
        if (sheet.type == kWorksheetType) return sheet;
    throwDamaged(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it holds no worksheet")));
}

std::unique_ptr<Worksheet> readStream(const QByteArray& streamBytes) {
    RecordStream stream(streamBytes);
    const WorkbookGlobals globals = readWorkbookGlobals(stream);
    return readWorksheet(stream, globals, activeWorksheet(globals));
}

template <typename Read>
std::unique_ptr<Worksheet> describingFailures(const QString& name, Read read) {
    try {
        return read();
    } catch (const core::Error& failure) {
        if (failure.kind() == core::ErrorKind::DataDamaged) throw named(failure, name);
        // The model refused what the file holds, such as too many formats.
        throw core::Error(core::ErrorKind::DataDamaged, QT_TRANSLATE_NOOP("core::Error", "'%1' cannot be opened: %2"),
                          {name, failure.phrase()});
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
