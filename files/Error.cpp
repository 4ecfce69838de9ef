#include "Error.h"

namespace files {

namespace {

Error::Wording& installedWording() {
    static Error::Wording wording;
    return wording;
}

// %1 to %9 replaced in one pass, so that an argument holding "%2" (a name
// typed by the user) stays as it is.
QString filled(const QString& text, const QStringList& arguments) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == QLatin1Char('%') && n >= 1 && n <= arguments.size()) {
            result += arguments[n - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

Error::Error(ErrorKind kind, const char* text, QStringList arguments)
    : std::runtime_error(filled(QString::fromUtf8(text), arguments).toStdString()), m_kind(kind), m_text(text),
      m_arguments(std::move(arguments)) {}

Error::Error(ErrorKind kind, const QString& description)
    : std::runtime_error(description.toStdString()), m_kind(kind), m_worded(description) {}

QString Error::description() const {
    if (!m_text) return m_worded;
    const QString text = installedWording() ? installedWording()(m_text) : QString::fromUtf8(m_text);
    return filled(text, m_arguments);
}

void Error::setWording(Wording wording) { installedWording() = std::move(wording); }

} // namespace files
