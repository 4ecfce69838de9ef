#pragma once

#include <orcus/sax_parser.hpp>

#include <QByteArray>
#include <QString>

#include <string_view>

namespace spreadsheet {

// What an XML reader of liborcus's SAX parser answers to events it has no
// use for: nothing. Readers derive from it and hide what they handle.
// Element and attribute names are compared without their prefix.
struct XmlEvents {
    void doctype(const ::orcus::sax::doctype_declaration&) {}
    void start_declaration(std::string_view) {}
    void end_declaration(std::string_view) {}
    void start_element(const ::orcus::sax::parser_element&) {}
    void end_element(const ::orcus::sax::parser_element&) {}
    void characters(std::string_view, bool) {}
    void attribute(const ::orcus::sax::parser_attribute&) {}
};

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

// Parses a part through a reader. Throws ::orcus::malformed_xml_error for XML that is not well-formed.
template <typename Reader>
void parseXml(const QByteArray& xml, Reader& reader) {
    ::orcus::sax_parser<Reader> parser(xml.constData(), static_cast<std::size_t>(xml.size()), reader);
    parser.parse();
}

} // namespace spreadsheet
