#include "BiffTestFiles.h"

#include "core/Error.h"
#include "spreadsheet/SheetContent.h"
#include "spreadsheet/ZipPackage.h"
#include "spreadsheet/xls/BiffRecords.h"

#include <gtest/gtest.h>

#include <string>

using namespace spreadsheet;

namespace {

const char* const kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/first.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/worksheets/second.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";
const char* const kRootRelationships =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";
// Sheet parts named so that the second in the workbook comes first in the package.
const char* const kWorkbook =
    R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
    R"(<sheet name="Chart" sheetId="1" r:id="rId7"/><sheet name="Notes" sheetId="2" r:id="rId3"/></sheets></workbook>)";
const char* const kWorkbookRelationships =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/second.xml"/>)"
    R"(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/first.xml"/>)"
    R"(<Relationship Id="rId8" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";
// Format 1 fills its cells; format 2 has a pattern but no fill of its own.
const char* const kStyles =
    R"(<?xml version="1.0" encoding="UTF-8"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="10"/><name val="Tahoma"/></font></fonts>)"
    R"(<fills count="3"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill>)"
    R"(<fill><patternFill patternType="solid"><fgColor rgb="FF99CC00"/></patternFill></fill></fills>)"
    R"(<borders count="1"><border/></borders><cellStyleXfs count="1"><xf fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="3"><xf fontId="0" fillId="0" borderId="0"/><xf fontId="0" fillId="2" borderId="0" applyFill="1"/>)"
    R"(<xf fontId="0" fillId="0" borderId="0"/></cellXfs></styleSheet>)";
const char* const kSharedStrings =
    R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<si><t>Family Tree for Ole</t></si>)"
    R"(<si><r><rPr><b/></rPr><t xml:space="preserve">Anna </t></r><r><t>Hansdotter (1864–1945)</t></r>)"
    R"(<rPh sb="0" eb="1"><t>ignored</t></rPh></si></sst>)";
const char* const kFirstSheet =
    R"(<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
    R"(<row r="2"><c r="B2" t="s"><v>0</v></c></row>)"
    R"(<row r="5"><c r="B5" s="1" t="s"><v>1</v></c><c r="C5" s="1" t="inlineStr"><is><r><t>Ole </t></r><r><t>Hansen</t></r></is></c></row>)"
    R"(<row r="6"><c r="B6" s="1"/><c s="2" t="inlineStr"><is><t>next to B6</t></is></c></row>)"
    R"(<row r="7"><c r="B7" t="str"><f>"Per"&amp;" Vik"</f><v>Per Vik</v></c><c r="C7"><v>12</v></c><c r="D7" t="b"><v>1</v></c></row>)"
    R"(</sheetData></worksheet>)";
const char* const kSecondSheet =
    R"(<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
    R"(<row r="2"><c r="B2" t="inlineStr"><is><t>Notes</t></is></c></row></sheetData></worksheet>)";

QByteArray xlsxPackage() {
    ZipPackage zip;
    zip.add("[Content_Types].xml", kContentTypes);
    zip.add("_rels/.rels", kRootRelationships);
    zip.add("xl/worksheets/second.xml", kSecondSheet);
    zip.add("xl/workbook.xml", kWorkbook);
    zip.add("xl/_rels/workbook.xml.rels", kWorkbookRelationships);
    zip.add("xl/styles.xml", kStyles);
    zip.add("xl/sharedStrings.xml", kSharedStrings);
    zip.add("xl/worksheets/first.xml", kFirstSheet);
    return zip.finish();
}

const char* const kOdsManifest =
    R"(<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">)"
    R"(<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
    R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>%1</manifest:manifest>)";
const char* const kOdsStyles =
    R"(<?xml version="1.0" encoding="UTF-8"?><office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0">)"
    R"(<office:styles><style:style style:name="Default" style:family="table-cell"/>)"
    R"(<style:style style:name="Lime" style:family="table-cell" style:parent-style-name="Default"><style:table-cell-properties fo:background-color="#99cc00"/></style:style>)"
    R"(</office:styles></office:document-styles>)";
const char* const kOdsContent =
    R"(<?xml version="1.0" encoding="UTF-8"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.2">)"
    R"(<office:automatic-styles><style:style style:name="box" style:family="table-cell" style:parent-style-name="Lime"/>)"
    R"(<style:style style:name="plain" style:family="table-cell"><style:table-cell-properties fo:background-color="transparent"/></style:style>)"
    R"(</office:automatic-styles><office:body><office:spreadsheet><table:table table:name="Chart">)"
    R"(<table:table-column table:default-cell-style-name="Default"/><table:table-column table:default-cell-style-name="Default"/>)"
    R"(<table:table-column table:number-columns-repeated="2" table:default-cell-style-name="Default"/>)"
    R"(<table:table-column table:default-cell-style-name="box"/>)"
    R"(<table:table-row><table:table-cell table:number-columns-repeated="4"/><table:table-cell table:style-name="plain"/></table:table-row>)"
    R"(<table:table-row><table:table-cell/><table:table-cell office:value-type="string"><text:p>Family Tree for <text:span>Ole</text:span></text:p>)"
    R"(<office:annotation><text:p>a comment</text:p></office:annotation></table:table-cell></table:table-row>)"
    R"(<table:table-row table:number-rows-repeated="2"><table:table-cell/><table:table-cell table:style-name="box" table:number-columns-repeated="2" office:value-type="string"><text:p><text:s text:c="2"/>Kari<text:s/>Nilsdatter</text:p></table:table-cell></table:table-row>)"
    R"(<table:table-row><table:table-cell/><table:table-cell table:style-name="box" office:value-type="string"><text:p>Ole</text:p><text:p>Hansen<text:tab/>(1820–1891)</text:p></table:table-cell>)"
    R"(<table:covered-table-cell/><table:table-cell office:value-type="float" office:value="12"><text:p>12</text:p></table:table-cell></table:table-row>)"
    R"(<table:table-row><table:table-cell table:number-columns-repeated="3"/><table:table-cell office:value-type="string" table:formula="of:=&quot;Per&quot;&amp;&quot; Vik&quot;"><text:p>Per Vik</text:p></table:table-cell></table:table-row>)"
    R"(</table:table><table:table table:name="Notes"><table:table-row><table:table-cell office:value-type="string"><text:p>Notes</text:p></table:table-cell></table:table-row></table:table>)"
    R"(</office:spreadsheet></office:body></office:document-content>)";

QByteArray odsPackage(const QString& manifestExtra = {}) {
    ZipPackage zip;
    zip.add("mimetype", "application/vnd.oasis.opendocument.spreadsheet", ZipPackage::Compression::Stored);
    zip.add("META-INF/manifest.xml", QString::fromUtf8(kOdsManifest).arg(manifestExtra).toUtf8());
    zip.add("styles.xml", kOdsStyles);
    zip.add("content.xml", kOdsContent);
    return zip.finish();
}

// "B5 'text' filled", one line a cell that holds a text or a fill.
std::string listing(const SheetContent& sheet) {
    QString out = QStringLiteral("[%1]\n").arg(sheet.sheetName);
    for (const ContentCell& cell : sheet.cells()) {
        const bool filled = sheet.isFilled(cell.row, cell.column);
        if (cell.text.isEmpty() && !filled) continue;
        out += QStringLiteral("%1%2 '%3'%4\n")
                   .arg(columnName(cell.column))
                   .arg(cell.row)
                   .arg(cell.text, filled ? QStringLiteral(" filled") : QString());
    }
    return out.toStdString();
}

} // namespace

// Shared strings with rich text runs, strings in the cells themselves,
// formula results, numbers and booleans, fills; the first sheet in the
// workbook's order, wherever its part lies.
TEST(SheetContent, ReadsTheFirstSheetOfAnXlsxAsLibreOfficeShowsIt) {
    EXPECT_EQ(listing(sheetContentOf(xlsxPackage(), QStringLiteral("chart.xlsx"))),
              "[Chart]\n"
              "B2 'Family Tree for Ole'\n"
              "B5 'Anna Hansdotter (1864–1945)' filled\n"
              "C5 'Ole Hansen' filled\n"
              "B6 '' filled\n"
              "C6 'next to B6'\n"
              "B7 'Per Vik'\n"
              "C7 '12'\n"
              "D7 'TRUE'\n");
}

// Repeated rows and cells, paragraphs with their spans, spaces, tabs; no
// comment; fills of styles and their named parents, and of a column's
// default style, unless a cell's own style has none.
TEST(SheetContent, ReadsTheFirstSheetOfAnOdsAsLibreOfficeShowsIt) {
    const SheetContent sheet = sheetContentOf(odsPackage(), QStringLiteral("chart.ods"));
    EXPECT_EQ(listing(sheet),
              "[Chart]\n"
              "B2 'Family Tree for Ole'\n"
              "B3 '  Kari Nilsdatter' filled\n"
              "C3 '  Kari Nilsdatter' filled\n"
              "B4 '  Kari Nilsdatter' filled\n"
              "C4 '  Kari Nilsdatter' filled\n"
              "B5 'Ole\nHansen\t(1820–1891)' filled\n"
              "D5 '12'\n"
              "D6 'Per Vik'\n");
    EXPECT_FALSE(sheet.isFilled(1, 5));
    EXPECT_TRUE(sheet.isFilled(2, 5));
    EXPECT_TRUE(sheet.isFilled(1000, 5));
}

TEST(SheetContent, RefusesWhatIsNoWorkbookOrCannotBeOpened) {
    using namespace biff_test;
    namespace r = xls::record;
    const QByteArray xlsx = xlsxPackage();
    ZipPackage otherZip;
    otherZip.add("readme.txt", "not a workbook");
    const struct {
        const char* what;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty file", {}, "'chart.xlsx' is not a workbook: Kinloom reads .xls, .xlsx and .ods files."},
        {"text", "Name;Born\nOle;1820\n", "'chart.xlsx' is not a workbook: Kinloom reads .xls, .xlsx and .ods files."},
        {"zip of something else", otherZip.finish(),
         "'chart.xlsx' is not a workbook: the zip file holds no .xlsx or .ods workbook."},
        {"damaged zip", xlsx.left(xlsx.size() / 2), "'chart.xlsx' is damaged: its zip package cannot be read"},
        {"encrypted .xlsx", compoundFile("encrypted bytes", "EncryptedPackage"),
         "'chart.xlsx' is password-protected: encrypted workbooks cannot be opened."},
        {"encrypted .ods",
         odsPackage(QStringLiteral(
             R"(<manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data/></manifest:file-entry>)")),
         "'chart.xlsx' is password-protected: encrypted workbooks cannot be opened."},
        {"password-protected .xls",
         compoundFile(workbookStream({}, {record(r::kFilePass, le16(1) + QByteArray(52, '\0'))})),
         "'chart.xlsx' is password-protected: encrypted workbooks cannot be opened."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            sheetContentOf(c.bytes, QStringLiteral("chart.xlsx"));
            ADD_FAILURE() << "read";
        } catch (const core::Error& e) {
            EXPECT_EQ(e.kind(), core::ErrorKind::DataDamaged);
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QString::fromUtf8(c.message))) << e.what();
        }
    }
}
