#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace spreadsheet {

// An XML document being written as UTF-8, fast enough for half a million
// cells: markup goes in as it is, numbers without a locale, and texts
// escaped so that no value can end an element or an attribute early.
class XmlBuffer {
public:
    // Room for expectedSize bytes is taken at once; memory is touched only as it is written.
    explicit XmlBuffer(qsizetype expectedSize = 0) { grow(std::max<qsizetype>(expectedSize, 256)); }

    // Markup the caller wrote itself.
    XmlBuffer& raw(std::string_view markup) {
        std::memcpy(room(static_cast<qsizetype>(markup.size())), markup.data(), markup.size());
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

    qsizetype size() const { return m_size; }
    QByteArray take() {
        m_bytes.resize(m_size);
        m_data = nullptr;
        m_size = 0;
        return std::move(m_bytes);
    }

private:
    // Appending through QByteArray costs more than the markup itself: the
    // bytes are written through a pointer into room taken ahead.
    char* room(qsizetype n) {
        if (m_size + n > m_bytes.size()) grow(n);
        char* at = m_data + m_size;
        m_size += n;
        return at;
    }
    void grow(qsizetype n);

    QByteArray m_bytes;
    char* m_data = nullptr;
    qsizetype m_size = 0;
};

} // namespace spreadsheet
