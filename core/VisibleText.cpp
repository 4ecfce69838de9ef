#include "VisibleText.h"

namespace core {

namespace {

// C0 and C1 controls and DEL; the bidirectional embeddings, overrides and
// isolates; the line and paragraph separators.
bool needsEscape(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)
        || c == 0x2028 || c == 0x2029;
}

} // namespace

QString visible(QStringView text, QStringView kept) {
    qsizetype first = 0;
    while (first < text.size() && (!needsEscape(text[first].unicode()) || kept.contains(text[first]))) ++first;
    if (first == text.size()) return text.toString();
    QString shown = text.first(first).toString();
    shown.reserve(text.size() + 16);
    for (const QChar c : text.sliced(first)) {
        if (!needsEscape(c.unicode()) || kept.contains(c))
            shown += c;
        else if (c.unicode() < 0x100)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

QString storableText(const QString& text) {
    const auto storable = [&](qsizetype i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20) return c == u'\t' || c == u'\n' || c == u'\r';
        if (c == 0xFFFE || c == 0xFFFF) return false;
        if (QChar::isHighSurrogate(c)) return i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (QChar::isLowSurrogate(c)) return i > 0 && text[i - 1].isHighSurrogate();
        return true;
    };
    qsizetype first = 0;
    while (first < text.size() && storable(first)) ++first;
    if (first == text.size()) return text;
    QString stored = text;
    for (qsizetype i = first; i < text.size(); ++i)
        if (!storable(i)) stored[i] = QChar::ReplacementCharacter;
    return stored;
}

} // namespace core
