#include "WorkbookGlobals.h"

#include "BiffRecords.h"
#include "ReadFailures.h"
#include "RecordReader.h"
#include "UnicodeStringReader.h"

#include "spreadsheet/CellFormat.h"

namespace spreadsheet::xls {

namespace {

constexpr std::uint16_t kBiff5Version = 0x0500;

void checkWorkbookBof(const Record& bof) {
    if (bof.id != record::kBof)
        throwNotAWorkbook(
            core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its workbook stream does not start with a BOF record")));
    RecordReader in(bof);
    const std::uint16_t version = in.u16();
    const std::uint16_t type = in.u16();
    if (version == kBiff5Version) throwOlderExcel();
    if (version != record::kBiff8Version)
        throwNotAWorkbook(
            core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its BOF record gives the unknown version 0x%1"),
                         {QString::number(version, 16)}));
    if (type != record::kBofWorkbookGlobals)
        throwNotAWorkbook(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its first part is not the workbook globals")));
}

FontRecord readFont(const Record& r) {
    RecordReader in(r);
    FontRecord font;
    font.height = in.u16();
    in.u16(); // attributes: italic, strike-out...
    font.color = in.u16();
    in.skip(2 + 2 + 1 + 1 + 1 + 1); // weight, escapement, underline, family, character set, reserved
    font.name = readUnicodeString(in, CountSize::OneByte);
    return font;
}

XfRecord readXf(const Record& r) {
    RecordReader in(r);
    XfRecord xf;
    xf.font = in.u16();
    in.u16(); // number format
    in.u16(); // protection, style flag, parent
    xf.horizontalAlignment = in.u8() & 0x07;
    in.skip(3); // rotation, indent, attributes used
    const std::uint32_t sides = in.u32();
    const std::uint32_t topBottomFill = in.u32();
    const std::uint16_t colors = in.u16();
    xf.borders[static_cast<int>(Edge::Left)] = sides & 0x0F;
    xf.borders[static_cast<int>(Edge::Right)] = (sides >> 4) & 0x0F;
    xf.borders[static_cast<int>(Edge::Top)] = (sides >> 8) & 0x0F;
    xf.borders[static_cast<int>(Edge::Bottom)] = (sides >> 12) & 0x0F;
    xf.pattern = static_cast<std::uint8_t>(topBottomFill >> 26);
    xf.patternColor = colors & 0x7F;
    return xf;
}

SheetEntry readBoundSheet(const Record& r) {
    RecordReader in(r);
    SheetEntry sheet;
    sheet.offset = in.u32();
    in.u8(); // visibility
    sheet.type = in.u8();
    sheet.name = readUnicodeString(in, CountSize::OneByte);
    return sheet;
}

int readActiveTab(const Record& r) {
    RecordReader in(r);
    in.skip(10); // window position, size and options
    return in.u16();
}

} // namespace

WorkbookGlobals readWorkbookGlobals(RecordStream& stream) {
    if (stream.atEnd())
        throwNotAWorkbook(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its workbook stream is empty")));
    checkWorkbookBof(stream.next());
    WorkbookGlobals globals;
    bool sawWindow = false;
    for (;;) {
        if (stream.atEnd())
            throwDamaged(core::Phrase(
                QT_TRANSLATE_NOOP("core::Error", "the workbook stream ends before the end of its globals")));
        const Record& r = stream.next();
        switch (r.id) {
        case record::kEof: return globals;
        case record::kFilePass: throwEncrypted();
        case record::kFont: globals.fonts.push_back(readFont(r)); break;
        case record::kXf: globals.xfs.push_back(readXf(r)); break;
        case record::kBoundSheet: globals.sheets.push_back(readBoundSheet(r)); break;
        case record::kSst: globals.sharedStrings = readSharedStrings(r); break;
        case record::kWindow1:
            // A workbook keeps one WINDOW1 per window; the first is the one shown.
            if (!sawWindow) globals.activeTab = readActiveTab(r);
            sawWindow = true;
            break;
        case record::kBof:
            throwDamaged(core::Phrase(
                QT_TRANSLATE_NOOP("core::Error", "a BOF record at byte %1 comes before the end of the globals"),
                {r.offset}));
        default: break;
        }
    }
}

} // namespace spreadsheet::xls
