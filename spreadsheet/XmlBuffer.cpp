#include "XmlBuffer.h"

#include <charconv>

namespace spreadsheet {

namespace {

bool isControl(char16_t unit) { return unit < 0x20 || unit == 0xFFFE || unit == 0xFFFF; }

void referenceOrDrop(XmlBuffer& out, char16_t unit) {
    switch (unit) {
    case u'\t': out.raw("&#9;"); break;
    case u'\n': out.raw("&#10;"); break;
    case u'\r': out.raw("&#13;"); break;
    default: break;
    }
}

} // namespace

void XmlBuffer::grow(qsizetype n) {
    m_bytes.resize(std::max(m_size + n, 2 * m_bytes.size())); // the new bytes are left as they are
    m_data = m_bytes.data();
}

XmlBuffer& XmlBuffer::number(long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

XmlBuffer& XmlBuffer::decimal(double value) {
    // Lengths, sizes and widths: a few digits each way, far below what the buffer holds.
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (error != std::errc()) return raw("0");
    return raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

XmlBuffer& XmlBuffer::text(const QString& value, ControlWriter control) {
    if (!control) control = referenceOrDrop;
    qsizetype plainFrom = 0;
    const auto flush = [&](qsizetype to) {
        if (to > plainFrom) {
            const QByteArray utf8 = QStringView(value).mid(plainFrom, to - plainFrom).toUtf8();
            raw(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        }
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t unit = value[i].unicode();
        const char* entity = nullptr;
        switch (unit) {
        case u'&': entity = "&amp;"; break;
        case u'<': entity = "&lt;"; break;
        case u'>': entity = "&gt;"; break;
        case u'"': entity = "&quot;"; break;
        default:
            if (!isControl(unit)) continue;
        }
        flush(i);
        plainFrom = i + 1;
        if (entity)
            raw(entity);
        else
            control(*this, unit);
    }
    flush(value.size());
    return *this;
}

} // namespace spreadsheet
