#include "Error.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {

Error::Wording& installedWording() {
    static Error::Wording wording;
    return wording;
}

} // namespace

Phrase::Phrase(const char* text, std::vector<Phrase> arguments) : m_text(text), m_arguments(std::move(arguments)) {}

Phrase Phrase::counted(const char* text, qint64 count, std::vector<Phrase> arguments) {
    Phrase phrase(text, std::move(arguments));
    phrase.m_count = std::max<qint64>(count, 0);
    return phrase;
}
// Out of line: a phrase nests phrases, and GCC's inlining of that misreads it.
Phrase::Phrase(const Phrase&) = default;
Phrase::Phrase(Phrase&&) noexcept = default;
Phrase& Phrase::operator=(const Phrase&) = default;
Phrase& Phrase::operator=(Phrase&&) noexcept = default;
Phrase::~Phrase() = default;

// %1 to %9 replaced in one pass, so that an argument holding "%2" (a name
// typed by the user) stays as it is.
template <typename Word>
QString Phrase::filledIn(const Word& word) const {
    if (!m_text) return m_asGiven;
    const QString text = word(m_text, m_count);
    QString result;
    result.reserve(text.size());
    const auto count = static_cast<int>(m_arguments.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == QLatin1Char('%') && n >= 1 && n <= count) {
            const Phrase& argument = m_arguments[static_cast<std::size_t>(n - 1)];
            result += argument.filledIn(word);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

QString Phrase::english() const {
    return filledIn([](const char* text, qint64 count) {
        QString english = QString::fromUtf8(text);
        return count < 0 ? english : english.replace(QLatin1String("%n"), QString::number(count));
    });
}

QString Phrase::worded() const {
    const Error::Wording& wording = installedWording();
    if (!wording) return english();
    return filledIn(wording);
}

Error::Error(ErrorKind kind, Phrase phrase)
    : std::runtime_error(phrase.english().toStdString()), m_kind(kind), m_phrase(std::move(phrase)) {}

void Error::setWording(Wording wording) { installedWording() = std::move(wording); }

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace core
