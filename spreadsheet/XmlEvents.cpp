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

// libxml2 reports what it meets in converting a part's encoding through its
// global handler, which writes to standard error whatever the parser's
// options say; while a part is read, that handler keeps quiet, and the
// reader's own message says what was wrong.
class QuietLibxml2 {
public:
    QuietLibxml2()
        : m_handler(xmlStructuredError), m_context(xmlStructuredErrorContext), m_generic(xmlGenericError),
          m_genericContext(xmlGenericErrorContext) {
        xmlSetStructuredErrorFunc(nullptr, ignore);
        xmlSetGenericErrorFunc(nullptr, ignoreText);
    }
    ~QuietLibxml2() {
        xmlSetStructuredErrorFunc(m_context, m_handler);
        xmlSetGenericErrorFunc(m_genericContext, m_generic);
    }
    QuietLibxml2(const QuietLibxml2&) = delete;
    QuietLibxml2& operator=(const QuietLibxml2&) = delete;

private:
    static void ignore(void*, xmlErrorPtr) {}
    static void ignoreText(void*, const char*, ...) {}

    xmlStructuredErrorFunc m_handler;
    void* m_context;
    xmlGenericErrorFunc m_generic;
    void* m_genericContext;
};

} // namespace

void parseXml(const QByteArray& xml, XmlEvents& events) {
    const QuietLibxml2 quiet;
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
    // Text that cannot be converted from the encoding the part names stops
    // the parser without marking the part malformed: only the result says so.
    int result = 0;
    const auto reading = [&] { return !parse.failure && context->wellFormed && result != XML_ERR_INVALID_ENCODING; };
    for (qsizetype at = 0; at < xml.size() && reading(); at += kPiece)
        result = xmlParseChunk(context.get(), xml.constData() + at, int(std::min(kPiece, xml.size() - at)), 0);
    if (reading()) result = xmlParseChunk(context.get(), nullptr, 0, 1);
    if (parse.failure) std::rethrow_exception(parse.failure);
    if (result == XML_ERR_INVALID_ENCODING)
        throw std::runtime_error("its XML holds text that cannot be read in the encoding it names");
    if (!context->wellFormed) {
        // The place, not libxml2's own wording: that stays in English whatever
        // language the rest of the message is in.
        const xmlError* error = xmlCtxtGetLastError(context.get());
        throw std::runtime_error("its XML is not well-formed at line " + std::to_string(error ? error->line : 0)
                                 + ", column " + std::to_string(error ? error->int2 : 0));
    }
}

} // namespace spreadsheet
