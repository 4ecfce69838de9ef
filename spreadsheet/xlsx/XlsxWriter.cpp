#include "XlsxWriter.h"

#include "XlsxSheet.h"
#include "XlsxStyles.h"

#include "spreadsheet/Worksheet.h"
#include "spreadsheet/XmlBuffer.h"
#include "spreadsheet/ZipPackage.h"

namespace spreadsheet::xlsx {

namespace {

constexpr char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "<Override PartName=\"/xl/sharedStrings.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
    "</Types>";

constexpr char kPackageRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\""
    " Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\""
    " Target=\"xl/workbook.xml\"/>"
    "</Relationships>";

constexpr char kWorkbookRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\""
    " Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\""
    " Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId3\""
    " Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\""
    " Target=\"sharedStrings.xml\"/>"
    "</Relationships>";

QByteArray workbookPart(const Worksheet& sheet) {
    XmlBuffer out(1024);
    out.raw("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
    out.raw("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
            " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">");
    out.raw("<bookViews><workbookView activeTab=\"0\"/></bookViews><sheets><sheet name=\"").text(sheet.name());
    out.raw("\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    return out.take();
}

} // namespace

QByteArray workbookFileBytes(const Worksheet& sheet) {
    SheetParts parts = sheetParts(sheet);
    ZipPackage package;
    package.add("[Content_Types].xml", QByteArray(kContentTypes));
    package.add("_rels/.rels", QByteArray(kPackageRelationships));
    package.add("xl/workbook.xml", workbookPart(sheet));
    package.add("xl/_rels/workbook.xml.rels", QByteArray(kWorkbookRelationships));
    package.add("xl/styles.xml", stylesPart(sheet));
    package.add("xl/sharedStrings.xml", std::move(parts.sharedStrings));
    package.add("xl/worksheets/sheet1.xml", std::move(parts.sheet));
    return package.finish();
}

} // namespace spreadsheet::xlsx
