#!/usr/bin/python3
"""Packs each input of a part fuzzer (the XML a sheet's cells stand in) into
a whole .xlsx or .ods around it, as fuzz/ChartPartFuzzer.cpp packs it, so that
the chart reader's corpus, which the tests replay, keeps what it found.

Usage: pack-parts.py xlsx|ods PART_FOLDER WORKBOOK_FOLDER
"""
import os
import sys
import zipfile

XLSX = {
    "[Content_Types].xml": '<Types><Default Extension="xml" ContentType="spreadsheetml"/></Types>',
    "_rels/.rels": '<Relationships><Relationship Id="r1" Type="x/officeDocument" Target="xl/workbook.xml"/>'
                   '</Relationships>',
    "xl/workbook.xml": '<workbook><sheets><sheet name="Chart" r:id="r1"/></sheets></workbook>',
    "xl/_rels/workbook.xml.rels": '<Relationships><Relationship Id="r1" Type="x/worksheet" '
                                  'Target="worksheets/sheet1.xml"/><Relationship Id="r2" Type="x/sharedStrings" '
                                  'Target="sharedStrings.xml"/><Relationship Id="r3" Type="x/styles" '
                                  'Target="styles.xml"/></Relationships>',
    "xl/styles.xml": '<styleSheet><fills><fill><patternFill patternType="none"/></fill><fill><patternFill '
                     'patternType="solid"/></fill></fills><cellXfs><xf fillId="0"/><xf fillId="1"/></cellXfs>'
                     '</styleSheet>',
    "xl/sharedStrings.xml": '<sst><si><t>Family Tree for Ole</t></si><si><t>3 Generations</t></si><si><r><t>Anna '
                            '</t></r><r><t>Hansdotter (1864–1945)</t></r></si></sst>',
}
ODS = {
    "mimetype": "application/vnd.oasis.opendocument.spreadsheet",
    "META-INF/manifest.xml": '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">'
                             '<manifest:file-entry manifest:full-path="content.xml"/></manifest:manifest>',
    "styles.xml": '<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
                  'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
                  'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"><office:styles>'
                  '<style:style style:name="Lime" style:family="table-cell"><style:table-cell-properties '
                  'fo:background-color="#99cc00"/></style:style></office:styles></office:document-styles>',
}


def main():
    kind, parts, out = sys.argv[1:4]
    fixed, part_name = (XLSX, "xl/worksheets/sheet1.xml") if kind == "xlsx" else (ODS, "content.xml")
    for name in sorted(os.listdir(parts)):
        with open(os.path.join(parts, name), "rb") as f:
            part = f.read()
        with zipfile.ZipFile(os.path.join(out, "part-" + name), "w") as package:
            for entry, text in fixed.items():
                package.writestr(zipfile.ZipInfo(entry, (1980, 1, 1, 0, 0, 0)), text.encode("utf-8"))
            package.writestr(zipfile.ZipInfo(part_name, (1980, 1, 1, 0, 0, 0)), part)


if __name__ == "__main__":
    main()
