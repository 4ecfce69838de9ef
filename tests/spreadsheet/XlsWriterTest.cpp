#include "spreadsheet/xls/XlsWriter.h"
#include "core/Error.h"
#include "files/FileReplacement.h"
#include "spreadsheet/RowHeight.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/BiffMapping.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/ByteBuffer.h"
#include "spreadsheet/xls/StringTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>

using namespace spreadsheet;
using namespace spreadsheet::xls;

namespace {

struct Record {
    std::uint16_t id;
    std::vector<std::uint8_t> data;
};

std::vector<Record> recordsOf(const std::uint8_t* p, std::size_t size) {
    std::vector<Record> records;
    std::size_t at = 0;
    while (at + 4 <= size) {
        const std::uint16_t id = p[at] | p[at + 1] << 8;
        const std::uint16_t length = p[at + 2] | p[at + 3] << 8;
        if (id == 0 && length == 0) break; // padding after the last EOF
        EXPECT_LE(length, record::kMaxRecordData);
        EXPECT_LE(at + 4 + length, size);
        records.push_back({id, std::vector<std::uint8_t>(p + at + 4, p + at + 4 + length)});
        at += 4 + length;
    }
    return records;
}

std::uint16_t u16At(const std::vector<std::uint8_t>& d, std::size_t at) { return d[at] | d[at + 1] << 8; }

// Reads an SST and its CONTINUE records back the way the format defines it:
// a string may go on in the next record, which starts with a new size flag.
std::vector<QString> readSst(const std::vector<Record>& records, std::size_t first) {
    std::vector<QString> strings;
    std::size_t r = first, at = 8;
    const auto& head = records[first].data;
    const std::uint32_t unique = head[4] | head[5] << 8 | head[6] << 16 | std::uint32_t(head[7]) << 24;
    while (strings.size() < unique) {
        if (at == records[r].data.size()) ++r, at = 0;
        const auto* d = &records[r].data;
        EXPECT_LE(at + 3, d->size()) << "a string header was split";
        std::uint16_t length = u16At(*d, at);
        bool wide = (*d)[at + 2] & 1;
        at += 3;
        QString text;
        while (text.size() < length) {
            if (at == d->size()) {
                ++r;
                EXPECT_EQ(records[r].id, record::kContinue);
                d = &records[r].data;
                wide = (*d)[0] & 1;
                at = 1;
            }
            text.append(QChar(wide ? u16At(*d, at) : (*d)[at]));
            at += wide ? 2 : 1;
        }
        strings.push_back(text);
    }
    return strings;
}

} // namespace

TEST(XlsWriter, StringTableSplitsLongTextsAcrossContinueRecords) {
    // Texts that end near a record's end in every way: narrow and wide,
    // headers that no longer fit, a wide character that would straddle.
    std::vector<QString> texts;
    for (int n : {8214, 8215, 8216, 8217, 8218, 1, 0, 4107}) texts.push_back(QString(n, QChar(u'a' + n % 26)));
    texts.push_back(QString(32767, QChar(u'漢')));
    texts.push_back(QStringLiteral("Family Tree for Ærø"));
    texts.push_back(QString(16000, QChar(u'é')));
    StringTable table;
    for (const QString& t : texts) table.add(t);
    table.add(texts[0]); // a repeat counts as a reference, not a new string
    EXPECT_EQ(table.referenceCount(), texts.size() + 1);
    EXPECT_EQ(table.uniqueCount(), texts.size());

    RecordWriter stream;
    table.write(stream);
    const auto records = recordsOf(stream.bytes().data(), stream.bytes().size());
    ASSERT_EQ(records.front().id, record::kSst);
    EXPECT_EQ(readSst(records, 0), texts);
    EXPECT_EQ(records.back().id, record::kExtSst);
    EXPECT_GT(records.size(), 10u);
}

TEST(XlsWriter, StoresWidthsHeightsAndColoursAsExcelDoes) {
    EXPECT_EQ(fileColumnWidth(2), 694);
    EXPECT_EQ(fileColumnWidth(24), 6326);
    EXPECT_EQ(columnWidthPixels(694), 19);
    EXPECT_EQ(columnWidthPixels(6326), 173);
    for (double w : {2.0, 24.0, 8.43, 0.0, 255.0}) EXPECT_DOUBLE_EQ(modelColumnWidth(fileColumnWidth(w)), w);
    EXPECT_EQ(autoFitRowHeightPixels(20), 34); // 25.5 pt
    EXPECT_EQ(autoFitRowHeightPixels(11), 19);
    EXPECT_EQ(autoFitRowHeightPixels(10), 17); // the default row
    EXPECT_EQ(fileFontColor(16), 23);
    EXPECT_EQ(filePatternColor(xl::kPaletteLime), 50);
    EXPECT_EQ(modelFontColor(23), 16);
    EXPECT_EQ(modelFillColor(1, 50), xl::kPaletteLime);
    EXPECT_EQ(modelFillColor(0, 50), xl::kColorIndexNone);
    EXPECT_EQ(fileFontColor(xl::kColorIndexAutomatic), kFileAutomaticFontColor);
}

TEST(XlsWriter, WritesCompactRowsAndSharedFormats) {
    Worksheet sheet;
    sheet.setFontName(CellRange::wholeSheet(), QStringLiteral("Tahoma"));
    sheet.setFontSize(CellRange::cell(2, 2), 20);
    sheet.setValue(CellRange::cell(2, 2), QStringLiteral("Title"));
    for (int r = 5; r <= 300; ++r) sheet.setInteriorColorIndex({r, 2, r, 9}, xl::kPaletteLime);
    const QByteArray bytes = workbookStream(sheet);
    const auto records = recordsOf(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
    std::map<std::uint16_t, int> count;
    for (const auto& r : records) ++count[r.id];
    EXPECT_EQ(count[record::kMulBlank], 296); // one per row of eight filled cells
    EXPECT_EQ(count[record::kBlank], 0);
    EXPECT_EQ(count[record::kLabelSst], 1);
    EXPECT_EQ(count[record::kXf], 16 + static_cast<int>(sheet.formats().size()));
    EXPECT_EQ(count[record::kBof], 2);
    EXPECT_EQ(count[record::kEof], 2);
    // The title row is as tall as its text; the others keep the default.
    // No height is set by hand: a spreadsheet fits every row again.
    for (const auto& r : records) {
        if (r.id != record::kRow) continue;
        const int row = u16At(r.data, 0) + 1;
        EXPECT_EQ(u16At(r.data, 6), row == 2 ? 510 : 255) << row;
        EXPECT_EQ(u16At(r.data, 12) & 0x40, 0) << row;
    }
    EXPECT_GE(bytes.size(), 4096);
}

TEST(XlsWriter, AFailedSaveLeavesNoFileAndKeepsTheOldOne) {
    QTemporaryDir dir;
    Worksheet sheet;
    sheet.setValue(CellRange::cell(1, 1), QStringLiteral("new"));

    const QString blocked = dir.filePath(QStringLiteral("plain-file"));
    QFile plain(blocked);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("keep me");
    plain.close();
    try {
        files::replaceFile(blocked + QStringLiteral("/chart.xls"), workbookFileBytes(sheet));
        ADD_FAILURE() << "saved under a plain file";
    } catch (const core::Error& e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Cannot save '") + blocked)) << e.what();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain-file")});

    const QString target = dir.filePath(QStringLiteral("chart.xls"));
    files::replaceFile(target, workbookFileBytes(sheet));
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(8), QByteArray::fromHex("D0CF11E0A1B11AE1")); // a compound file
}
