#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace spreadsheet {

// An XML document being written as UTF-8, fast enough for half a million
// cells: markup goes in as it is, numbers without a locale, and texts
// escaped so that no value can end an element or an attribute early.
class XmlBuffer {
public:
    explicit XmlBuffer(qsizetype expectedSize = 0) { m_bytes.reserve(expectedSize); }

    // Markup the caller wrote itself.
    XmlBuffer& raw(std::string_view markup) {
        m_bytes.append(markup.data(), static_cast<qsizetype>(markup.size()));
        return *this;
    }
    XmlBuffer& number(long long value);
    // The shortest decimal form, without an exponent, that reads back as the
    // same double ("24.7109375", "12.75").
    XmlBuffer& decimal(double value);
    // Text for an element or a double-quoted attribute: & < > " escaped.
    // Control characters (below U+0020) and the two non-characters U+FFFE
    // and U+FFFF go the way the format says, through `control`, which writes
    // its own markup. Without one, tab, line feed and carriage return are
    // written as character references (an attribute keeps them so) and the
    // others, which XML 1.0 cannot hold at all, are left out.
    using ControlWriter = void (*)(XmlBuffer& out, char16_t character);
    XmlBuffer& text(const QString& value, ControlWriter control = nullptr);

    qsizetype size() const { return m_bytes.size(); }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

} // namespace spreadsheet
