#include "BiffTestFiles.h"

#include "core/Error.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/WorkbookReader.h"
#include "spreadsheet/xls/XlsWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace spreadsheet;
using namespace biff_test;
namespace r = spreadsheet::xls::record;

namespace {

QByteArray utf16(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) bytes += le16(c.unicode());
    return bytes;
}

QString readError(const QByteArray& bytes, const QString& name = QStringLiteral("chart.xls")) {
    try {
        xls::readWorkbookBytes(bytes, name);
    } catch (const core::Error& error) {
        return error.description();
    }
    return QStringLiteral("(read without error)");
}

// Where the stream's BOUNDSHEET record says its sheet starts.
qsizetype boundSheetOffset(const QByteArray& stream) {
    const auto u16 = [&](qsizetype at) { return quint16(uchar(stream[at]) | uchar(stream[at + 1]) << 8); };
    for (qsizetype at = 0; at + 4 <= stream.size(); at += 4 + u16(at + 2))
        if (u16(at) == r::kBoundSheet) return u16(at + 4) | qsizetype(u16(at + 6)) << 16;
    return stream.size();
}

std::unique_ptr<Worksheet> readStream(const QByteArray& stream) {
    return xls::readWorkbookBytes(compoundFile(stream), QStringLiteral("test.xls"));
}

// Workbooks written by other programs, committed under data/.
class XlsReaderSamples : public ::testing::Test {
protected:
    static QString path(const char* file) {
        return QStringLiteral(KINLOOM_XLS_SAMPLES "/") + QString::fromLatin1(file);
    }
    static QByteArray bytes(const char* file) {
        QFile f(path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const QString kLongLatin = QStringLiteral("Ahnentafel ").repeated(1200);
const QString kLongMixed = QStringLiteral("Stammbaum Ωμέγα 家系図 ").repeated(500);

TEST_F(XlsReaderSamples, ReadsTheActiveSheetsTextsWhateverTheirScriptAndLength) {
    const auto sheet = xls::readWorkbookFile(path("formatted.xls"));
    EXPECT_EQ(sheet->name(), QStringLiteral("Stammbaum"));
    EXPECT_EQ(sheet->value(2, 2), QStringLiteral("Family Tree for Halvarsen – 家系図"));
    EXPECT_EQ(sheet->value(3, 2), kLongLatin);
    EXPECT_EQ(sheet->value(4, 2), kLongMixed);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(sheet->value(11 + i, 3), QStringLiteral("Vorfahr %1 – Ærø Ødegård Śląsk").arg(i));
    EXPECT_EQ(sheet->value(8, 2), QStringLiteral("42"));
    EXPECT_EQ(sheet->value(8, 3), QStringLiteral("2.5"));
    EXPECT_EQ(sheet->value(8, 4), QStringLiteral("TRUE"));
    EXPECT_EQ(sheet->value(9, 2), QStringLiteral("rich text"));
    EXPECT_EQ(sheet->usedRange(), (CellRange{2, 2, 310, 6}));
}

TEST_F(XlsReaderSamples, ReadsFontsFillsBordersAlignmentMergesAndWidths) {
    const auto sheet = xls::readWorkbookFile(path("formatted.xls"));
    const CellFormat& title = sheet->format(2, 2);
    EXPECT_EQ(sheet->fontName(title), QStringLiteral("Tahoma"));
    EXPECT_EQ(title.fontHeight, 400);
    EXPECT_EQ(title.fontColorIndex, 16); // palette 23 in the file
    EXPECT_EQ(sheet->mergedRanges(), std::vector<CellRange>{parseAddress(u"B2:F2")});
    EXPECT_EQ(sheet->formatId(2, 6), sheet->formatId(2, 2));

    for (int column = 3; column <= 6; ++column) {
        ASSERT_TRUE(sheet->isStored(6, column));
        const CellFormat& box = sheet->format(6, column);
        EXPECT_EQ(box.fillColorIndex, xl::kPaletteLime); // palette 50 in the file
        EXPECT_EQ(box.fontHeight, 220);
        EXPECT_EQ(box.borders, (std::array<std::int16_t, 4>{1, 1, 1, 1}));
        EXPECT_EQ(box.horizontalAlignment, xl::kHAlignLeft);
    }
    const CellFormat& line = sheet->format(7, 4);
    EXPECT_EQ(line.border(Edge::Left), xl::kContinuous);
    EXPECT_EQ(line.border(Edge::Top), xl::kLineStyleNone);
    EXPECT_EQ(line.fillColorIndex, xl::kColorIndexNone);
    EXPECT_EQ(sheet->format(11, 3), CellFormat{});
    EXPECT_FALSE(sheet->isStored(7, 3));

    EXPECT_DOUBLE_EQ(sheet->columnWidth(1), 2);
    EXPECT_DOUBLE_EQ(sheet->columnWidth(2), 24);
    EXPECT_FALSE(sheet->hasCustomWidth(3));
    EXPECT_EQ(sheet->sheetFormatId(), 0u);
    EXPECT_FALSE(sheet->columnFormatId(1).has_value());
}

TEST_F(XlsReaderSamples, AFormatOnEveryColumnIsTheSheetFormat) {
    const auto sheet = xls::readWorkbookFile(path("sheetwide.xls"));
    const CellFormat& sheetFormat = sheet->formats().at(sheet->sheetFormatId());
    EXPECT_EQ(sheet->fontName(sheetFormat), QStringLiteral("Tahoma"));
    EXPECT_EQ(sheet->format(9, 200).fontColorIndex, xl::kColorIndexAutomatic);
    EXPECT_FALSE(sheet->columnFormatId(1).has_value());
    EXPECT_FALSE(sheet->columnFormatId(256).has_value());
    ASSERT_TRUE(sheet->columnFormatId(3).has_value());
    EXPECT_EQ(sheet->format(9, 3).fontColorIndex, 16);
    EXPECT_DOUBLE_EQ(sheet->columnWidth(1), 2);
    EXPECT_FALSE(sheet->hasCustomWidth(2)); // the stored width is the standard one
}

TEST_F(XlsReaderSamples, OpenedWorkbookComesLastNamedAfterItsFile) {
    Application app;
    app.workbooks().add();
    const auto opened = app.workbooks().open(path("formatted.xls"));
    EXPECT_EQ(app.workbooks().count(), 2);
    EXPECT_EQ(app.workbooks().item(2), opened);
    EXPECT_EQ(opened->name(), QStringLiteral("formatted.xls"));
    EXPECT_EQ(opened->activeSheet().value(2, 2), QStringLiteral("Family Tree for Halvarsen – 家系図"));
    EXPECT_THROW(app.workbooks().open(path("missing.xls")), core::Error);
    EXPECT_EQ(app.workbooks().count(), 2);
}

TEST_F(XlsReaderSamples, ReadsAWorkbookLibreOfficeSaved) {
    const auto sheet = xls::readWorkbookFile(path("libreoffice.xls"));
    EXPECT_EQ(sheet->name(), QStringLiteral("Ahnen"));
    EXPECT_EQ(sheet->value(1, 2), QStringLiteral("Family Tree for Lindqvist"));
    EXPECT_EQ(sheet->value(2, 2), QStringLiteral("Ærø Ωμέγα 家系図"));
    EXPECT_EQ(sheet->value(3, 2), QStringLiteral("42"));
    EXPECT_EQ(sheet->value(3, 3), QStringLiteral("2.5"));
    EXPECT_EQ(sheet->value(3, 4), QStringLiteral("-1234567.125"));
    EXPECT_EQ(sheet->mergedRanges(), std::vector<CellRange>{parseAddress(u"B1:D1")});
    const CellFormat& title = sheet->format(1, 2);
    EXPECT_EQ(title.fontHeight, 400);
    EXPECT_EQ(title.fontColorIndex, 16);
    const CellFormat& box = sheet->format(4, 2);
    EXPECT_EQ(box.fillColorIndex, xl::kPaletteLime);
    EXPECT_EQ(box.borders, (std::array<std::int16_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(sheet->usedRange(), parseAddress(u"B1:D4"));
    EXPECT_EQ(sheet->printSettings(),
              (PrintSettings{xl::kLandscape, xl::kPaperA4, true, 1, 0, QStringLiteral("&CAhnentafel"), {}, true}));
}

TEST(XlsReader, PrintSettingsComeBackAsWritten) {
    const PrintSettings chart{xl::kLandscape, xl::kPaperA4, true, 1, 0, {}, {}, false};
    const PrintSettings letter{xl::kPortrait, 1, true, 2, 3, u"&LStammbaum&RSeite &P"_qs, u"Ærø 家系図"_qs, true};
    const PrintSettings largest{xl::kLandscape,     0xFFFF, false, 32767, 32767, QString(255, u'漢'),
                                QString(255, u'a'), false};
    for (const PrintSettings& settings : {PrintSettings{}, chart, letter, largest}) {
        Worksheet sheet;
        sheet.setPrintSettings(settings);
        EXPECT_EQ(xls::readWorkbookBytes(xls::workbookFileBytes(sheet), QStringLiteral("t.xls"))->printSettings(),
                  settings);
    }
}

TEST(XlsReader, PrintSettingsAFileCannotHoldKeepTheirDefaults) {
    const auto pageSetup = [](std::uint16_t paper, std::uint16_t wide, std::uint16_t options) {
        return record(r::kPageSetup,
                      le16(paper) + le16(100) + le16(1) + le16(wide) + le16(1) + le16(options) + le16(600) + le16(600)
                          + QByteArray(16, '\0') + le16(1));
    };
    const auto header = [](int length) { return record(r::kHeader, le16(length) + '\0' + QByteArray(length, 'h')); };
    struct Case {
        const char* what;
        QByteArray records;
        PrintSettings expected;
    };
    const auto with = [](auto change) {
        PrintSettings settings;
        change(settings);
        return settings;
    };
    const Case cases[] = {
        {"paper and orientation not initialised", pageSetup(8, 2, 0x0004), with([](auto& p) { p.fitToPagesWide = 2; })},
        {"no orientation", pageSetup(8, 1, 0x0040), with([](auto& p) { p.paperSize = 8; })},
        {"paper 0", pageSetup(0, 1, 0x0000), with([](auto& p) { p.orientation = xl::kLandscape; })},
        {"more pages than Excel prints", pageSetup(9, 40000, 0x0002), with([](auto& p) { p.fitToPagesWide = 32767; })},
        {"cut short", record(r::kPageSetup, le16(8) + le16(100)), PrintSettings{}},
        {"header too long", header(256), PrintSettings{}},
        {"header cut short", record(r::kHeader, le16(10) + '\0' + "abc"), PrintSettings{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto sheet = readStream(workbookStream({c.records, record(r::kBlank, le16(0) + le16(0) + le16(0))}));
        EXPECT_EQ(sheet->printSettings(), c.expected);
        EXPECT_TRUE(sheet->isStored(1, 1));
    }
}

TEST(XlsReader, StringsSplitAcrossContinueRecordsSwitchCompression) {
    // "ABC" compressed, then "ΩΔ" uncompressed in the next piece; a rich
    // string with phonetic data whose formatting runs straddle a piece end;
    // "Ω" uncompressed, then "xyz" compressed.
    const QByteArray sst = le32(3) + le32(3) + le16(5) + '\0' + "ABC";
    const QByteArray piece1 = '\x01' + utf16(u"ΩΔ"_qs) + le16(4) + '\x0D' + le16(2) + le32(10) + utf16(u"KinΩ"_qs)
        + le16(0) + le16(1) + le16(2);
    const QByteArray piece2 = le16(0) + QByteArray(10, '\x07') + le16(4) + '\x01' + utf16(u"Ω"_qs);
    const QByteArray piece3 = QByteArray(1, '\0') + "xyz";
    const QByteArray sharedStrings = record(r::kSst, sst) + record(r::kContinue, piece1) + record(r::kContinue, piece2)
        + record(r::kContinue, piece3) + record(r::kExtSst, le16(8));
    std::vector<QByteArray> cells;
    for (std::uint16_t i = 0; i < 3; ++i) cells.push_back(record(r::kLabelSst, le16(0) + le16(i) + le16(0) + le32(i)));
    const auto sheet = readStream(workbookStream(cells, {sharedStrings}));
    EXPECT_EQ(sheet->value(1, 1), u"ABCΩΔ"_qs);
    EXPECT_EQ(sheet->value(1, 2), u"KinΩ"_qs);
    EXPECT_EQ(sheet->value(1, 3), u"Ωxyz"_qs);
}

TEST(XlsReader, UnknownRecordsAndEmbeddedSubstreamsAreSkipped) {
    const QByteArray chartBof = record(r::kBof, le16(r::kBiff8Version) + le16(0x0020) + QByteArray(12, '\0'));
    const auto sheet = readStream(workbookStream({
        record(0x0866, QByteArray(30, '\x55')),
        chartBof + record(r::kLabel, le16(0) + le16(0) + le16(0) + le16(1) + '\0' + "x") + record(r::kEof, {}),
        record(r::kLabel, le16(1) + le16(1) + le16(0) + le16(2) + '\0' + "ok"),
        record(r::kMulRk, le16(2) + le16(0) + le16(0) + le32(0x00000642) + le16(0) + le32(0x3FF00000) + le16(1)),
        record(r::kFormula,
               le16(3) + le16(0) + le16(0) + le16(0) + le16(0) + le16(0) + le16(0xFFFF) + le16(0) + le32(0) + le16(0)),
        record(r::kString, le16(3) + '\0' + "sum"),
    }));
    EXPECT_EQ(sheet->value(1, 1), QString());
    EXPECT_EQ(sheet->value(2, 2), QStringLiteral("ok"));
    EXPECT_EQ(sheet->value(3, 1), QStringLiteral("400"));
    EXPECT_EQ(sheet->value(3, 2), QStringLiteral("1"));
    EXPECT_EQ(sheet->value(4, 1), QStringLiteral("sum"));
}

TEST(XlsReader, ColumnsNotAllCoveredKeepFormatsOfTheirOwn) {
    const auto colInfo = [](std::uint16_t first, std::uint16_t last, std::uint16_t width, std::uint16_t xf,
                            std::uint16_t options) {
        return record(r::kColInfo, le16(first) + le16(last) + le16(width) + le16(xf) + le16(options) + le16(0));
    };
    const auto sheet =
        readStream(workbookStream({colInfo(2, 2, 6326, 1, 0), colInfo(3, 3, 2340, 0, 1), colInfo(250, 256, 2340, 0, 0)},
                                  {}, {xfRecord(), xfRecord(0, 1, 50, 1)}));
    EXPECT_EQ(sheet->sheetFormatId(), 0u);
    ASSERT_TRUE(sheet->columnFormatId(3).has_value());
    EXPECT_EQ(sheet->format(100, 3).fillColorIndex, xl::kPaletteLime);
    EXPECT_EQ(sheet->format(100, 3).horizontalAlignment, xl::kHAlignLeft);
    EXPECT_DOUBLE_EQ(sheet->columnWidth(3), 24);
    EXPECT_DOUBLE_EQ(sheet->columnWidth(4), 0); // hidden
    EXPECT_FALSE(sheet->columnFormatId(4).has_value());
    EXPECT_FALSE(sheet->hasCustomWidth(256));
}

TEST(XlsReader, OverlappingMergedAreasKeepTheFirst) {
    const QByteArray merges = le16(3) + le16(0) + le16(1) + le16(0) + le16(1) + // A1:B2
        le16(1) + le16(2) + le16(1) + le16(2) +                                 // B2:C3 overlaps
        le16(4) + le16(4) + le16(0) + le16(3);                                  // A5:D5
    const auto sheet = readStream(workbookStream({record(r::kMergedCells, merges)}));
    EXPECT_EQ(sheet->mergedRanges(), (std::vector<CellRange>{parseAddress(u"A1:B2"), parseAddress(u"A5:D5")}));
}

struct DamagedCase {
    const char* what;
    QByteArray bytes;
    const char* expectedStart;
};

TEST_F(XlsReaderSamples, FilesThatCannotBeReadGiveAClearError) {
    const QByteArray stream = bytes("formatted.stream");
    const QByteArray file = bytes("formatted.xls");
    ASSERT_FALSE(stream.isEmpty());
    std::mt19937 random(7);
    QByteArray noise(5000, '\0');
    for (char& c : noise) c = char(random());
    const QByteArray plainSheet = workbookStream({record(r::kLabelSst, le16(0) + le16(0) + le16(0) + le32(0))},
                                                 {record(r::kSst, le32(1) + le32(1) + le16(1) + '\0' + "a")});
    // One merged area more than the reader takes, in records of 1,000.
    std::vector<QByteArray> manyMerges;
    for (int first = 0; first <= 16384; first += 1000) {
        const int count = std::min(1000, 16385 - first);
        QByteArray areas = le16(static_cast<std::uint16_t>(count));
        for (int i = first; i < first + count; ++i)
            areas += le16(i / 128) + le16(i / 128) + le16(i % 128 * 2) + le16(i % 128 * 2 + 1);
        manyMerges.push_back(record(r::kMergedCells, areas));
    }
    const QByteArray biff5Bof = record(r::kBof, le16(0x0500) + le16(r::kBofWorkbookGlobals) + le32(0));
    // The one font is font 0: a format naming font 1 names one past the end.
    const QByteArray fontOnePastTheEnd = le16(1) + xfRecord().mid(6);
    // A stream that ends where its sheet is to start.
    const QByteArray globals = workbookStream({});
    const QByteArray endsBeforeItsSheet = globals.left(boundSheetOffset(globals));

    const DamagedCase cases[] = {
        {"empty file", {}, "'chart.xls' is not an Excel 97-2003 workbook."},
        {"random bytes", noise, "'chart.xls' is not an Excel 97-2003 workbook."},
        {"text file", "Name;Generations\nHalvarsen;5\n", "'chart.xls' is not an Excel 97-2003 workbook."},
        {"compound file without workbook", compoundFile(stream, "WordDocument"),
         "'chart.xls' is not an Excel 97-2003 workbook: it holds no workbook stream."},
        {"Excel 95 Book stream", compoundFile(biff5Bof, "Book"),
         "'chart.xls' is not an Excel 97-2003 workbook: it is an Excel 5.0/95"},
        {"BIFF5 workbook stream", compoundFile(biff5Bof),
         "'chart.xls' is not an Excel 97-2003 workbook: it is an Excel 5.0/95"},
        {"encrypted", compoundFile(workbookStream({}, {record(r::kFilePass, le16(1) + QByteArray(52, '\0'))})),
         "'chart.xls' is password-protected"},
        {"truncated file", file.left(file.size() / 2), "'chart.xls' is damaged: "},
        {"stream cut mid-record", compoundFile(stream.left(stream.size() / 2 + 1)), "'chart.xls' is damaged: "},
        {"stream cut in a header", compoundFile(plainSheet.left(plainSheet.size() - 2)),
         "'chart.xls' is damaged: the workbook stream ends inside a record header"},
        {"bogus string count",
         compoundFile(workbookStream({}, {record(r::kSst, le32(1) + le32(0x80000000u) + le16(1) + '\0' + "a")})),
         "'chart.xls' is damaged: the SST record at byte "},
        {"MULBLANK past column 256",
         compoundFile(workbookStream({record(r::kMulBlank, le16(0) + le16(250) + QByteArray(20, '\0') + le16(259))})),
         "'chart.xls' is damaged: the MULBLANK record at byte "},
        {"MULBLANK count mismatch",
         compoundFile(workbookStream({record(r::kMulBlank, le16(0) + le16(2) + QByteArray(6, '\0') + le16(9))})),
         "'chart.xls' is damaged: the MULBLANK record at byte "},
        {"shared string out of range",
         compoundFile(workbookStream({record(r::kLabelSst, le16(0) + le16(0) + le16(0) + le32(1))},
                                     {record(r::kSst, le32(1) + le32(1) + le16(1) + '\0' + "a")})),
         "'chart.xls' is damaged: the LABELSST record at byte "},
        {"format out of range", compoundFile(workbookStream({record(r::kBlank, le16(3) + le16(1) + le16(9))})),
         "'chart.xls' is damaged: cell B4 refers to cell format 9, but the workbook has only 1."},
        {"too many merged areas", compoundFile(workbookStream(manyMerges)),
         "'chart.xls' is damaged: the MERGEDCELLS record at byte "},
        {"font one past the end",
         compoundFile(
             workbookStream({record(r::kBlank, le16(3) + le16(1) + le16(0))}, {}, {record(r::kXf, fontOnePastTheEnd)})),
         "'chart.xls' is damaged: the cell format of cell B4 refers to font 1, but the workbook has 1 fonts."},
        {"sheet offset at the stream's end", compoundFile(endsBeforeItsSheet),
         "'chart.xls' is damaged: a sheet starts at byte"},
        {"no worksheet",
         compoundFile(record(r::kBof, le16(r::kBiff8Version) + le16(r::kBofWorkbookGlobals) + QByteArray(12, '\0'))
                      + record(r::kEof, {})),
         "'chart.xls' is damaged: it holds no worksheet."},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THAT(readError(c.bytes).toStdString(), ::testing::StartsWith(c.expectedStart));
    }
    EXPECT_THAT(readError(stream.left(stream.size() / 2 + 1)).toStdString(),
                ::testing::StartsWith("'chart.xls' is not an Excel 97-2003 workbook."));
}

// Inputs the fuzzers found breaking the reader: each must now give a sheet
// or a core::Error, nothing else. "file-*" are whole files, "stream-*"
// bare workbook streams.
TEST(XlsReader, InputsThatOnceBrokeTheReaderAreReadOrRefused) {
    const QDir folder(QStringLiteral(KINLOOM_XLS_REGRESSIONS));
    const QStringList inputs = folder.entryList(QDir::Files);
    for (const QString& input : inputs) {
        SCOPED_TRACE(input.toStdString());
        QFile file(folder.filePath(input));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        try {
            if (input.startsWith(QLatin1String("stream-")))
                xls::readWorkbookStream(bytes, input);
            else
                xls::readWorkbookBytes(bytes, input);
        } catch (const core::Error& error) {
            EXPECT_THAT(error.description().toStdString(), ::testing::StartsWith("'" + input.toStdString() + "' "));
        }
    }
}

TEST(XlsReader, FilesAreNamedInTheirErrors) {
    const auto fileError = [](const QString& path) {
        try {
            xls::readWorkbookFile(path);
        } catch (const core::Error& error) {
            return error.description().toStdString();
        }
        return std::string("(read without error)");
    };
    EXPECT_THAT(fileError(QStringLiteral("/nonexistent/tree.xls")),
                ::testing::StartsWith("'/nonexistent/tree.xls' cannot be opened: "));
    QTemporaryDir folder;
    QFile text(folder.filePath(QStringLiteral("tree.xls")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(100000, 'x'));
    text.close();
    EXPECT_EQ(fileError(text.fileName()), "'" + text.fileName().toStdString() + "' is not an Excel 97-2003 workbook.");
}

} // namespace
