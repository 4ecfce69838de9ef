#include "core/Error.h"
#include "spreadsheet/WorkbookFormat.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/WorkbookReader.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zip.h>

using namespace spreadsheet;

namespace {

// One part of a zip file, read with libzip; empty when it is not there.
QByteArray partOf(const QByteArray& zipBytes, const char* name) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zipBytes.constData(), zipBytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    QByteArray bytes;
    if (zip_file_t* file = archive ? zip_fopen(archive, name, 0) : nullptr) {
        char buffer[65536];
        zip_int64_t n;
        while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<qsizetype>(n));
        zip_fclose(file);
    }
    if (archive)
        zip_close(archive);
    else if (source)
        zip_source_free(source);
    zip_error_fini(&error);
    return bytes;
}

// The texts of the shared strings, with the _xHHHH_ escapes read back.
QStringList xlsxTexts(const QByteArray& sharedStrings) {
    QStringList texts;
    QXmlStreamReader xml(sharedStrings);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("t")) {
            QString text = xml.readElementText();
            static const QRegularExpression escape(QStringLiteral("_x([0-9A-F]{4})_"));
            QString decoded;
            qsizetype from = 0;
            for (auto it = escape.globalMatch(text); it.hasNext();) {
                const auto match = it.next();
                decoded += text.mid(from, match.capturedStart() - from)
                    + QChar(match.captured(1).toUShort(nullptr, 16));
                from = match.capturedEnd();
            }
            texts << decoded + text.mid(from);
        }
        if (xml.hasError()) return {QStringLiteral("XML error: ") + xml.errorString()};
    }
    return texts;
}

// The texts of the string cells as an OpenDocument reader sees them:
// paragraphs joined by line feeds, white space in the character data
// collapsed to one space and dropped at a paragraph's start, counted spaces
// and tabs written out.
QStringList odsTexts(const QByteArray& content) {
    QStringList texts;
    QXmlStreamReader xml(content);
    QString text;
    int paragraphs = 0;
    bool collapsing = true; // at a paragraph's start, or after a space of the character data
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("table-cell")) {
            text.clear();
            paragraphs = 0;
        } else if (xml.isStartElement() && name == QLatin1String("p")) {
            if (paragraphs++ > 0) text += QLatin1Char('\n');
            collapsing = true;
        } else if (xml.isStartElement() && name == QLatin1String("s")) {
            text += QString(xml.attributes().value(QLatin1String("text:c")).toInt(), QLatin1Char(' '));
            collapsing = false;
        } else if (xml.isStartElement() && name == QLatin1String("tab")) {
            text += QLatin1Char('\t');
            collapsing = false;
        } else if (xml.isCharacters()) {
            for (const QChar ch : xml.text()) {
                const bool space = ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r';
                if (space && collapsing) continue;
                text += space ? QChar(u' ') : ch;
                collapsing = space;
            }
        } else if (xml.isEndElement() && name == QLatin1String("table-cell") && paragraphs > 0) {
            texts << text;
        }
    }
    if (xml.hasError()) return {QStringLiteral("XML error: ") + xml.errorString()};
    return texts;
}

} // namespace

// Names and GEDCOM labels go into every format as they are: markup
// characters, runs of spaces, tabs, line breaks and text that looks like an
// escape all come back. What no format can hold (most control characters,
// U+FFFE and U+FFFF, a lone half of a surrogate pair) comes back the same in
// each, as U+FFFD.
TEST(WorkbookFormats, EveryTextComesBackAsTyped) {
    struct Case {
        QString text;
        QString held;    // what the workbooks hold of it
        QString odsHeld = {}; // ... where OpenDocument differs
    };
    const QString lone = QStringLiteral("lone ") + QChar(0xD800) + QStringLiteral(" and ") + QChar(0xDC00);
    const Case cases[] = {
        {QStringLiteral("Ærø & <Sons> \"Ltd\" 'x'"), QStringLiteral("Ærø & <Sons> \"Ltd\" 'x'")},
        {QStringLiteral("  two  spaces  "), QStringLiteral("  two  spaces  ")},
        {QStringLiteral("a\tb\nc \n d"), QStringLiteral("a\tb\nc \n d")},
        {QStringLiteral("cr\r\nlf\rend"), QStringLiteral("cr\r\nlf\rend"), QStringLiteral("cr\nlf\nend")},
        {QStringLiteral("bell\x01\x1F"
                        "end\uFFFE\uFFFF"),
         QStringLiteral("bell\uFFFD\uFFFDend\uFFFD\uFFFD")},
        {lone, QStringLiteral("lone \uFFFD and \uFFFD")},
        {QStringLiteral("_x0041_ and _X0042_"), QStringLiteral("_x0041_ and _X0042_")},
        {QString::fromUtf8("漢字 \xF0\x9F\x8C\xB3"), QString::fromUtf8("漢字 \xF0\x9F\x8C\xB3")},
    };
    Worksheet sheet;
    int row = 1;
    for (const Case& c : cases) sheet.setValue(CellRange::cell(row++, 2), c.text);
    QStringList held, odsHeld, xlsHeld;
    for (const Case& c : cases) held << c.held, odsHeld << (c.odsHeld.isNull() ? c.held : c.odsHeld);

    EXPECT_EQ(xlsxTexts(partOf(workbookFileBytes(sheet, WorkbookFormat::OpenXmlWorkbook), "xl/sharedStrings.xml")),
              held);
    EXPECT_EQ(odsTexts(partOf(workbookFileBytes(sheet, WorkbookFormat::OpenDocumentSpreadsheet), "content.xml")),
              odsHeld);
    const auto xls = xls::readWorkbookBytes(workbookFileBytes(sheet, WorkbookFormat::Excel8), QStringLiteral("t.xls"));
    for (int r = 1; r < row; ++r) xlsHeld << xls->value(r, 2);
    EXPECT_EQ(xlsHeld, held);
}

// An OpenDocument reader knows the file by its first part, "mimetype",
// stored uncompressed at the very start.
TEST(WorkbookFormats, OpenDocumentBeginsWithItsMediaTypeStoredAsItIs) {
    const QByteArray ods = workbookFileBytes(Worksheet(), WorkbookFormat::OpenDocumentSpreadsheet);
    EXPECT_EQ(ods.mid(30, 8), QByteArray("mimetype"));
    EXPECT_EQ(ods[8], '\0'); // compression method 0: stored
    EXPECT_EQ(ods.mid(38, 46), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    EXPECT_TRUE(partOf(ods, "content.xml").contains("<table:table-row")); // a table holds a row, even empty
}

// How a sheet prints goes into both formats: paper, orientation, fitting,
// grid lines, and Excel's header and footer codes.
TEST(WorkbookFormats, PrintSettingsGoIntoBothFormats) {
    Worksheet sheet;
    PrintSettings print;
    print.orientation = xl::kPortrait;
    print.paperSize = 1; // Letter
    print.printGridLines = true;
    print.header = QStringLiteral("&LTree && Co&RPage &P of &N");
    print.footer = QStringLiteral("&C&&Halvarsen");
    sheet.setPrintSettings(print);
    const QByteArray xlsx =
        partOf(workbookFileBytes(sheet, WorkbookFormat::OpenXmlWorkbook), "xl/worksheets/sheet1.xml");
    for (const char* expected :
         {"<printOptions gridLines=\"1\"/>", "<pageSetup paperSize=\"1\" orientation=\"portrait\"/>",
          "<oddHeader>&amp;LTree &amp;&amp; Co&amp;RPage &amp;P of &amp;N</oddHeader>",
          "<oddFooter>&amp;C&amp;&amp;Halvarsen</oddFooter>"})
        EXPECT_TRUE(xlsx.contains(expected)) << expected;
    EXPECT_FALSE(xlsx.contains("fitToPage"));

    const QByteArray ods = partOf(workbookFileBytes(sheet, WorkbookFormat::OpenDocumentSpreadsheet), "styles.xml");
    for (const char* expected :
         {"fo:page-width=\"215.9mm\" fo:page-height=\"279.4mm\" style:print-orientation=\"portrait\"",
          "style:scale-to=\"100%\"", "zero-values grid\"",
          "<style:region-left><text:p>Tree &amp; Co</text:p></style:region-left>",
          "<style:region-right><text:p>Page <text:page-number>1</text:page-number> of "
          "<text:page-count>1</text:page-count></text:p></style:region-right>",
          "<style:footer><style:region-center><text:p>&amp;Halvarsen</text:p></style:region-center></style:footer>"})
        EXPECT_TRUE(ods.contains(expected)) << expected;
}

// A column is listed in .xlsx when it has a width or a format of its own,
// the first format made included; the others go by the sheet's defaults.
TEST(WorkbookFormats, XlsxListsTheColumnsWithAWidthOrAFormatOfTheirOwn) {
    static const QRegularExpression width(QStringLiteral(" width=\"[0-9.]+\""));
    for (const auto& [widthOwn, expected] :
         {std::pair{false, "<cols><col min=\"3\" max=\"3\" style=\"1\"/></cols>"},
          std::pair{true, "<cols><col min=\"2\" max=\"2\" customWidth=\"1\"/><col min=\"3\" max=\"3\" style=\"1\"/>"
                          "</cols>"}}) {
        Worksheet sheet;
        sheet.setInteriorColorIndex({1, 3, kMaxRows, 3}, 6); // the first format after the default
        if (widthOwn) sheet.setColumnWidth({1, 2, kMaxRows, 2}, 20);
        QString xml = QString::fromUtf8(
            partOf(workbookFileBytes(sheet, WorkbookFormat::OpenXmlWorkbook), "xl/worksheets/sheet1.xml"));
        xml.remove(width);
        const qsizetype cols = xml.indexOf(QStringLiteral("<cols>"));
        EXPECT_EQ(xml.mid(cols, xml.indexOf(QStringLiteral("</cols>")) + 7 - cols), QString::fromLatin1(expected));
    }
}

// Every part of a .xlsx or .ods is a plain file to an unzip program: no
// folder, volume label, hidden or system file among its attributes.
TEST(WorkbookFormats, EveryPartUnzipsAsAPlainFile) {
    for (const WorkbookFormat format : {WorkbookFormat::OpenXmlWorkbook, WorkbookFormat::OpenDocumentSpreadsheet}) {
        const QByteArray bytes = workbookFileBytes(Worksheet(), format);
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &error);
        zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
        ASSERT_NE(archive, nullptr);
        const zip_int64_t parts = zip_get_num_entries(archive, 0);
        EXPECT_GT(parts, 1);
        for (zip_int64_t i = 0; i < parts; ++i) {
            zip_uint8_t system = 0;
            zip_uint32_t attributes = 0;
            ASSERT_EQ(zip_file_get_external_attributes(archive, static_cast<zip_uint64_t>(i), 0, &system, &attributes), 0);
            EXPECT_EQ(system, ZIP_OPSYS_DOS) << zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
            EXPECT_EQ(attributes & 0x1E, 0u) << zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        }
        zip_close(archive);
        zip_error_fini(&error);
    }
}
