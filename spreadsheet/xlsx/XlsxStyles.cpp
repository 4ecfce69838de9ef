#include "XlsxStyles.h"

#include "spreadsheet/Palette.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/XmlBuffer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace spreadsheet::xlsx {

namespace {

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

struct Font {
    QString name;
    std::uint16_t height;
    std::int16_t color;
    bool operator==(const Font&) const = default;
};

using Borders = std::array<std::int16_t, kEdgeCount>;

// The distinct values in the order first met; index() adds a new one.
template <typename T>
struct Distinct {
    std::vector<T> values;
    std::size_t index(const T& value) {
        const auto it = std::find(values.begin(), values.end(), value);
        if (it != values.end()) return static_cast<std::size_t>(it - values.begin());
        values.push_back(value);
        return values.size() - 1;
    }
};

const char* borderStyle(int lineStyle) {
    switch (lineStyle) {
    case xl::kContinuous: return "thin";
    case xl::kDash: return "dashed";
    case xl::kDot: return "dotted";
    case xl::kDouble: return "double";
    case xl::kDashDot: return "dashDot";
    case xl::kDashDotDot: return "dashDotDot";
    case xl::kSlantDashDot: return "slantDashDot";
    default: return nullptr;
    }
}

const char* horizontal(int alignment) {
    switch (alignment) {
    case xl::kHAlignLeft: return "left";
    case xl::kHAlignCenter: return "center";
    case xl::kHAlignRight: return "right";
    case xl::kHAlignFill: return "fill";
    case xl::kHAlignJustify: return "justify";
    case xl::kHAlignCenterAcrossSelection: return "centerContinuous";
    case xl::kHAlignDistributed: return "distributed";
    default: return nullptr;
    }
}

void rgb(XmlBuffer& out, QRgb color) {
    static const char kHex[] = "0123456789ABCDEF";
    char text[8];
    for (int i = 0; i < 8; ++i) text[i] = kHex[(color >> (28 - 4 * i)) & 0xF];
    out.raw(" rgb=\"").raw(std::string_view(text, 8)).raw("\"");
}

void writeFonts(XmlBuffer& out, const std::vector<Font>& fonts) {
    out.raw("<fonts count=\"").number(static_cast<long long>(fonts.size())).raw("\">");
    for (const Font& font : fonts) {
        out.raw("<font><sz val=\"").decimal(font.height / 20.0).raw("\"/>");
        const QRgb color = paletteColor(font.color, 0);
        if (color) out.raw("<color"), rgb(out, color), out.raw("/>");
        out.raw("<name val=\"").text(font.name).raw("\"/></font>");
    }
    out.raw("</fonts>");
}

// Fills 0 and 1 are reserved (none, and the grey pattern Excel keeps second).
void writeFills(XmlBuffer& out, const std::vector<std::int16_t>& fills) {
    out.raw("<fills count=\"").number(static_cast<long long>(fills.size()) + 2).raw("\">");
    out.raw("<fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill>");
    for (const std::int16_t colorIndex : fills) {
        out.raw("<fill><patternFill patternType=\"solid\"><fgColor");
        rgb(out, paletteColor(colorIndex, 0xFFFFFFFFu));
        out.raw("/><bgColor indexed=\"64\"/></patternFill></fill>");
    }
    out.raw("</fills>");
}

void writeBorders(XmlBuffer& out, const std::vector<Borders>& borders) {
    out.raw("<borders count=\"").number(static_cast<long long>(borders.size())).raw("\">");
    // The file's order of the edges, and where each is in the model's.
    constexpr std::pair<const char*, Edge> kEdges[] = {{"left", Edge::Left},
                                                       {"right", Edge::Right},
                                                       {"top", Edge::Top},
                                                       {"bottom", Edge::Bottom}};
    for (const Borders& border : borders) {
        out.raw("<border>");
        for (const auto& [name, edge] : kEdges) {
            out.raw("<").raw(name);
            if (const char* style = borderStyle(border[static_cast<int>(edge)]))
                out.raw(" style=\"").raw(style).raw("\"><color auto=\"1\"/></").raw(name).raw(">");
            else
                out.raw("/>");
        }
        out.raw("<diagonal/></border>");
    }
    out.raw("</borders>");
}

} // namespace

QByteArray stylesPart(const Worksheet& sheet) {
    const FormatTable& table = sheet.formats();
    Distinct<Font> fonts;
    Distinct<std::int16_t> fills;
    Distinct<Borders> borders;
    borders.index(Borders{xl::kLineStyleNone, xl::kLineStyleNone, xl::kLineStyleNone, xl::kLineStyleNone});
    struct Xf {
        std::size_t font, fill, border;
    };
    std::vector<Xf> xfs;
    xfs.reserve(table.size());
    for (FormatId id = 0; id < table.size(); ++id) {
        const CellFormat& f = table.at(id);
        const std::size_t fill = f.fillColorIndex == xl::kColorIndexNone ? 0 : fills.index(f.fillColorIndex) + 2;
        xfs.push_back({fonts.index({table.fontName(f.fontName), f.fontHeight, f.fontColorIndex}), fill,
                       borders.index(f.borders)});
    }

    XmlBuffer out(4096 + 256 * static_cast<qsizetype>(table.size()));
    out.raw(kHeader).raw("<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">");
    writeFonts(out, fonts.values);
    writeFills(out, fills.values);
    writeBorders(out, borders.values);
    out.raw("<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>");
    out.raw("<cellXfs count=\"").number(static_cast<long long>(xfs.size())).raw("\">");
    for (FormatId id = 0; id < table.size(); ++id) {
        const Xf& xf = xfs[id];
        out.raw("<xf numFmtId=\"0\" fontId=\"").number(static_cast<long long>(xf.font));
        out.raw("\" fillId=\"").number(static_cast<long long>(xf.fill));
        out.raw("\" borderId=\"").number(static_cast<long long>(xf.border));
        out.raw("\" xfId=\"0\" applyFont=\"1\" applyFill=\"1\" applyBorder=\"1\"");
        if (const char* alignment = horizontal(table.at(id).horizontalAlignment))
            out.raw(" applyAlignment=\"1\"><alignment horizontal=\"").raw(alignment).raw("\"/></xf>");
        else
            out.raw("/>");
    }
    out.raw("</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>");
    out.raw("</styleSheet>");
    return out.take();
}

} // namespace spreadsheet::xlsx
