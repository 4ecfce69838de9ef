#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace spreadsheet {

// An element's name: its namespace and its local name.
struct XmlName {
    std::string_view uri;
    std::string_view name;
};

struct XmlAttribute {
    std::string_view prefix;
    std::string_view uri;
    std::string_view name; // local
    std::string_view value;
};

// What a reader of an XML part answers to its events, read through
// libxml2: an element's attributes each before the element starts, its text
// in one piece or several. Readers answer what they have a use for.
class XmlEvents {
public:
    virtual ~XmlEvents() = default;
    virtual void attribute(const XmlAttribute&) {}
    virtual void startElement(const XmlName&) {}
    virtual void endElement(const XmlName&) {}
    virtual void characters(std::string_view) {}
};

// Parses a part, a piece at a time, through a reader; no external entity or
// DTD is loaded. Throws std::runtime_error for XML that is not well-formed,
// and what the reader throws.
void parseXml(const QByteArray& xml, XmlEvents& events);

// The sheet size of current spreadsheet programs: what a workbook's cell
// positions and repeats are read up to.
inline constexpr long long kSheetRows = 1'048'576;
inline constexpr long long kSheetColumns = 16'384;

// An attribute's whole number (a row, a count, an index); -1 for what is
// none, or larger than any sheet holds cells.
inline long long xmlNumber(std::string_view digits) {
    long long value = 0;
    for (const char d : digits) {
        if (d < '0' || d > '9' || value > kSheetRows * kSheetColumns) return -1;
        value = value * 10 + (d - '0');
    }
    return digits.empty() ? -1 : value;
}

inline QString xmlText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace spreadsheet
