#include "OdsStyles.h"

#include "spreadsheet/Palette.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/XmlBuffer.h"

namespace spreadsheet::ods {

const char* const kNamespaces = " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
                                " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
                                " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
                                " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
                                " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
                                " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
                                " office:version=\"1.3\"";

namespace {

void hexColor(XmlBuffer& out, QRgb color) {
    static const char kHex[] = "0123456789abcdef";
    char text[7] = {'#'};
    for (int i = 0; i < 6; ++i) text[1 + i] = kHex[(color >> (20 - 4 * i)) & 0xF];
    out.raw(std::string_view(text, 7));
}

// Excel's line styles as OpenDocument borders: width, style, colour.
const char* border(int lineStyle) {
    switch (lineStyle) {
    case xl::kContinuous: return "0.75pt solid #000000";
    case xl::kDash: return "0.75pt dashed #000000";
    case xl::kDot: return "0.75pt dotted #000000";
    case xl::kDouble: return "2.25pt double #000000";
    case xl::kDashDot: return "0.75pt dash-dot #000000";
    case xl::kDashDotDot: return "0.75pt dash-dot-dot #000000";
    case xl::kSlantDashDot: return "1.5pt dash-dot #000000";
    default: return nullptr;
    }
}

const char* textAlign(int alignment) {
    switch (alignment) {
    case xl::kHAlignLeft:
    case xl::kHAlignFill: return "start";
    case xl::kHAlignCenter:
    case xl::kHAlignCenterAcrossSelection: return "center";
    case xl::kHAlignRight: return "end";
    case xl::kHAlignJustify:
    case xl::kHAlignDistributed: return "justify";
    default: return nullptr;
    }
}

void writeCellProperties(XmlBuffer& out, const CellFormat& format) {
    out.raw("<style:table-cell-properties");
    if (format.fillColorIndex != xl::kColorIndexNone) {
        out.raw(" fo:background-color=\"");
        hexColor(out, paletteColor(format.fillColorIndex, 0xFFFFFFFFu));
        out.raw("\"");
    }
    constexpr std::pair<const char*, Edge> kEdges[] = {{" fo:border-left=\"", Edge::Left},
                                                       {" fo:border-right=\"", Edge::Right},
                                                       {" fo:border-top=\"", Edge::Top},
                                                       {" fo:border-bottom=\"", Edge::Bottom}};
    for (const auto& [attribute, edge] : kEdges)
        if (const char* line = border(format.border(edge))) out.raw(attribute).raw(line).raw("\"");
    const char* align = textAlign(format.horizontalAlignment);
    if (align) out.raw(" style:text-align-source=\"fix\"");
    if (format.horizontalAlignment == xl::kHAlignFill) out.raw(" style:repeat-content=\"true\"");
    out.raw("/>");
    if (align) out.raw("<style:paragraph-properties fo:text-align=\"").raw(align).raw("\"/>");
}

void writeTextProperties(XmlBuffer& out, const Worksheet& sheet, const CellFormat& format) {
    const QString& font = sheet.fontName(format);
    out.raw("<style:text-properties style:font-name=\"").text(font).raw("\" fo:font-family=\"").text(font);
    out.raw("\" fo:font-size=\"").decimal(format.fontSize()).raw("pt\"");
    const QRgb color = paletteColor(format.fontColorIndex, 0);
    if (color) {
        out.raw(" fo:color=\"");
        hexColor(out, color);
        out.raw("\"");
    } else {
        out.raw(" style:use-window-font-color=\"true\"");
    }
    out.raw("/>");
}

// Paper sizes by Excel's XlPaperSize code, portrait, in millimetres; the
// office program's own default for any other code.
struct Paper {
    int code;
    double width;
    double height;
};
constexpr Paper kPapers[] = {{1, 215.9, 279.4}, {3, 279.4, 431.8}, {5, 215.9, 355.6}, {8, 297, 420},
                             {9, 210, 297},     {11, 148, 210},    {13, 182, 257},    {7, 184.15, 266.7}};

// A header or footer in Excel's codes ("&LTree&RPage &P of &N") as the
// three regions of an OpenDocument page; codes other than the page number
// and count are left out.
void writeRegions(XmlBuffer& out, const QString& codes) {
    struct Region {
        XmlBuffer text;
        QString plain; // not yet written
        void flush() {
            if (!plain.isEmpty()) text.text(plain);
            plain.clear();
        }
    };
    Region regions[3]; // left, centre, right
    int region = 1;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        Region& r = regions[region];
        if (codes[i] != u'&' || i + 1 == codes.size()) {
            r.plain += codes[i];
            continue;
        }
        const char16_t code = codes[++i].toUpper().unicode();
        switch (code) {
        case u'L': region = 0; break;
        case u'C': region = 1; break;
        case u'R': region = 2; break;
        case u'&': r.plain += u'&'; break;
        case u'P': r.flush(), r.text.raw("<text:page-number>1</text:page-number>"); break;
        case u'N': r.flush(), r.text.raw("<text:page-count>1</text:page-count>"); break;
        default: break;
        }
    }
    constexpr const char* kNames[] = {"style:region-left", "style:region-center", "style:region-right"};
    for (int r = 0; r < 3; ++r) {
        regions[r].flush();
        if (regions[r].text.size() == 0) continue;
        const QByteArray text = regions[r].text.take();
        out.raw("<").raw(kNames[r]).raw("><text:p>").raw(std::string_view(text.constData(), text.size()));
        out.raw("</text:p></").raw(kNames[r]).raw(">");
    }
}

void writePageLayout(XmlBuffer& out, const PrintSettings& print) {
    out.raw("<style:page-layout style:name=\"pm1\"><style:page-layout-properties");
    for (const Paper& paper : kPapers) {
        if (paper.code != print.paperSize) continue;
        const bool landscape = print.orientation == xl::kLandscape;
        out.raw(" fo:page-width=\"").decimal(landscape ? paper.height : paper.width).raw("mm\"");
        out.raw(" fo:page-height=\"").decimal(landscape ? paper.width : paper.height).raw("mm\"");
    }
    out.raw(" style:print-orientation=\"").raw(print.orientation == xl::kLandscape ? "landscape" : "portrait");
    out.raw("\" fo:margin-left=\"0.75in\" fo:margin-right=\"0.75in\" fo:margin-top=\"1in\" fo:margin-bottom=\"1in\"");
    if (print.fitToPages) {
        // 0 pages in a direction: as many as the sheet needs, which is said by leaving it out.
        if (print.fitToPagesWide > 0) out.raw(" style:scale-to-X=\"").number(print.fitToPagesWide).raw("\"");
        if (print.fitToPagesTall > 0) out.raw(" style:scale-to-Y=\"").number(print.fitToPagesTall).raw("\"");
    } else {
        out.raw(" style:scale-to=\"100%\"");
    }
    out.raw(" style:print=\"objects charts drawings zero-values").raw(print.printGridLines ? " grid" : "");
    out.raw("\"/></style:page-layout>");
}

} // namespace

void writeFontFaces(XmlBuffer& out, const Worksheet& sheet) {
    out.raw("<office:font-face-decls>");
    for (const QString& name : sheet.formats().fontNames()) {
        out.raw("<style:font-face style:name=\"").text(name).raw("\" svg:font-family=\"").text(name).raw("\"/>");
    }
    out.raw("</office:font-face-decls>");
}

void writeCellStyles(XmlBuffer& out, const Worksheet& sheet) {
    const FormatTable& table = sheet.formats();
    for (FormatId id = 0; id < table.size(); ++id) {
        out.raw("<style:style style:name=\"ce").number(id);
        out.raw("\" style:family=\"table-cell\" style:parent-style-name=\"Default\">");
        writeCellProperties(out, table.at(id));
        writeTextProperties(out, sheet, table.at(id));
        out.raw("</style:style>");
    }
}

QByteArray stylesPart(const Worksheet& sheet) {
    const PrintSettings& print = sheet.printSettings();
    XmlBuffer out(4096);
    out.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-styles").raw(kNamespaces).raw(">");
    writeFontFaces(out, sheet);
    out.raw("<office:styles><style:style style:name=\"Default\" style:family=\"table-cell\">");
    out.raw("<style:text-properties style:font-name=\"Arial\" fo:font-family=\"Arial\" fo:font-size=\"10pt\"/>");
    out.raw("</style:style></office:styles><office:automatic-styles>");
    writePageLayout(out, print);
    out.raw("</office:automatic-styles><office:master-styles>");
    out.raw("<style:master-page style:name=\"Default\" style:page-layout-name=\"pm1\">");
    if (!print.header.isEmpty()) {
        out.raw("<style:header>");
        writeRegions(out, print.header);
        out.raw("</style:header>");
    }
    if (!print.footer.isEmpty()) {
        out.raw("<style:footer>");
        writeRegions(out, print.footer);
        out.raw("</style:footer>");
    }
    out.raw("</style:master-page></office:master-styles></office:document-styles>");
    return out.take();
}

} // namespace spreadsheet::ods
