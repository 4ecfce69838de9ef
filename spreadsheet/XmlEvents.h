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
