// libFuzzer target: any bytes as the XML part a sheet's cells stand in (an
// .xlsx's worksheet, or an .ods's content), in an otherwise sound package of
// Kinloom's own, read as a filled chart and its family file written. A
// mutation of a whole package rarely gets past its deflate and checksums;
// this one reaches the sheet readers' XML. Built twice: for .xlsx
// (KINLOOM_FUZZ_ODS undefined) and for .ods.
#include "chart/ChartFamily.h"
#include "core/Error.h"
#include "gedcom/GedcomWriter.h"
#include "spreadsheet/ZipPackage.h"

#include <cstddef>
#include <cstdint>

namespace {

using spreadsheet::ZipPackage;

QByteArray packageAround(const QByteArray& part) {
    ZipPackage zip;
#ifdef KINLOOM_FUZZ_ODS
    zip.add("mimetype", "application/vnd.oasis.opendocument.spreadsheet", ZipPackage::Compression::Stored);
    zip.add("META-INF/manifest.xml",
            R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">)"
            R"(<manifest:file-entry manifest:full-path="content.xml"/></manifest:manifest>)");
    zip.add("styles.xml",
            R"(<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
            R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
            R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"><office:styles>)"
            R"(<style:style style:name="Lime" style:family="table-cell"><style:table-cell-properties )"
            R"(fo:background-color="#99cc00"/></style:style></office:styles></office:document-styles>)");
    zip.add("content.xml", part, ZipPackage::Compression::Stored);
#else
    zip.add("[Content_Types].xml", R"(<Types><Default Extension="xml" ContentType="spreadsheetml"/></Types>)");
    zip.add(
        "_rels/.rels",
        R"(<Relationships><Relationship Id="r1" Type="x/officeDocument" Target="xl/workbook.xml"/></Relationships>)");
    zip.add("xl/workbook.xml", R"(<workbook><sheets><sheet name="Chart" r:id="r1"/></sheets></workbook>)");
    zip.add("xl/_rels/workbook.xml.rels",
            R"(<Relationships><Relationship Id="r1" Type="x/worksheet" Target="worksheets/sheet1.xml"/>)"
            R"(<Relationship Id="r2" Type="x/sharedStrings" Target="sharedStrings.xml"/>)"
            R"(<Relationship Id="r3" Type="x/styles" Target="styles.xml"/></Relationships>)");
    zip.add("xl/styles.xml",
            R"(<styleSheet><fills><fill><patternFill patternType="none"/></fill>)"
            R"(<fill><patternFill patternType="solid"/></fill></fills>)"
            R"(<cellXfs><xf fillId="0"/><xf fillId="1"/></cellXfs></styleSheet>)");
    zip.add("xl/sharedStrings.xml",
            R"(<sst><si><t>Family Tree for Ole</t></si><si><t>3 Generations</t></si>)"
            R"(<si><r><t>Anna </t></r><r><t>Hansdotter (1864–1945)</t></r></si></sst>)");
    zip.add("xl/worksheets/sheet1.xml", part, ZipPackage::Compression::Stored);
#endif
    return zip.finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray part(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const chart::ChartFamily family = chart::chartFamilyOf(packageAround(part), QStringLiteral("fuzz"));
        (void)gedcom::familyFileBytes(family.people);
    } catch (const core::Error&) {}
    return 0;
}
