#include "Warnings.h"

#include "GedcomError.h"

namespace gedcom {

namespace {

// What "and N more ..." counts, by kind.
const char* const kLeftOut[] = {
    "unknown character sets",
    "people under an identifier another person has",
    "families under an identifier another family has",
    "links to families the file does not hold",
    "links to people the file does not hold",
    "people who would be their own ancestor",
};

} // namespace

void Warnings::add(WarningKind kind, qint64 line, const QString& text) {
    if (++m_counts[static_cast<std::size_t>(kind)] > kShownOfOneKind) return;
    m_shown.append(located(m_fileName, line, QStringLiteral("warning: ") + text));
}

QStringList Warnings::lines() const {
    QStringList all = m_shown;
    for (std::size_t kind = 0; kind < kKinds; ++kind)
        if (m_counts[kind] > kShownOfOneKind)
            all.append(located(m_fileName, 0,
                               QStringLiteral("warning: and %1 more %2")
                                   .arg(m_counts[kind] - kShownOfOneKind)
                                   .arg(QLatin1String(kLeftOut[kind]))));
    return all;
}

} // namespace gedcom
