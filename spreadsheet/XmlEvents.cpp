#include "XmlEvents.h"

#include <libxml/parser.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

namespace spreadsheet {

namespace {

// A piece at a time: libxml2 refuses to look ahead further than it must,
// and a sheet's rows may stand on one line of megabytes.
constexpr qsizetype kPiece = 1 << 16;

std::string_view view(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

struct Parse {
    XmlEvents& events;
    xmlParserCtxtPtr context = nullptr;
    std::exception_ptr failure; // what a reader threw: carried past libxml2's C frames

    template <typename Event>
    void deliver(Event&& event) {
        if (failure) return;
        try {
            event();
        } catch (...) {
            failure = std::current_exception();
            xmlStopParser(context);
        }
    }
};

void startElement(void* parse, const xmlChar* name, const xmlChar*, const xmlChar* uri, int, const xmlChar**,
                  int attributeCount, int, const xmlChar** attributes) {
    auto* p = static_cast<Parse*>(parse);
    p->deliver([&] {
        // Each attribute is its local name, prefix, namespace, and the start and end of its value.
        for (int i = 0; i < attributeCount; ++i) {
            const xmlChar* const* a = attributes + 5 * i;
            p->events.attribute({view(a[1]), view(a[2]), view(a[0]),
                                 std::string_view(reinterpret_cast<const char*>(a[3]), std::size_t(a[4] - a[3]))});
        }
        p->events.startElement({view(uri), view(name)});
    });
}

void endElement(void* parse, const xmlChar* name, const xmlChar*, const xmlChar* uri) {
    auto* p = static_cast<Parse*>(parse);
    p->deliver([&] { p->events.endElement({view(uri), view(name)}); });
}

void characters(void* parse, const xmlChar* text, int length) {
    auto* p = static_cast<Parse*>(parse);
    p->deliver(
        [&] { p->events.characters(std::string_view(reinterpret_cast<const char*>(text), std::size_t(length))); });
}

} // namespace

void parseXml(const QByteArray& xml, XmlEvents& events) {
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = startElement;
    sax.endElementNs = endElement;
    sax.characters = characters;
    sax.cdataBlock = characters;
    Parse parse{events, nullptr, nullptr};
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> context(
        xmlCreatePushParserCtxt(&sax, &parse, nullptr, 0, nullptr), xmlFreeParserCtxt);
    if (!context) throw std::bad_alloc();
    parse.context = context.get();
    xmlCtxtUseOptions(context.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    for (qsizetype at = 0; at < xml.size() && !parse.failure && context->wellFormed; at += kPiece)
        xmlParseChunk(context.get(), xml.constData() + at, int(std::min(kPiece, xml.size() - at)), 0);
    if (!parse.failure && context->wellFormed) xmlParseChunk(context.get(), nullptr, 0, 1);
    if (parse.failure) std::rethrow_exception(parse.failure);
    if (!context->wellFormed) {
        const xmlError* error = xmlCtxtGetLastError(context.get());
        std::string why = error && error->message ? error->message : "not well-formed";
        while (!why.empty() && why.back() == '\n') why.pop_back();
        throw std::runtime_error("its XML is not well-formed at line " + std::to_string(error ? error->line : 0) + ": "
                                 + why);
    }
}

} // namespace spreadsheet
