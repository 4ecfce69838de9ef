#include "Warnings.h"

#include "GedcomError.h"

namespace gedcom {

namespace {

// What "and N more ..." counts, by kind.
const char* const kLeftOut[] = {
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more unknown character sets"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more people under an identifier another person has"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more families under an identifier another family has"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more links to families the file does not hold"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more links to people the file does not hold"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more people who would be their own ancestor"),
    QT_TRANSLATE_N_NOOP("core::Error", "and %n more children whose family is not the one that lists them"),
    nullptr, // a file has one end
};

core::Phrase warning(core::Phrase text) {
    return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "warning: %1"), {std::move(text)});
}

} // namespace

void Warnings::add(WarningKind kind, qint64 line, core::Phrase text) {
    if (++m_counts[static_cast<std::size_t>(kind)] > kShownOfOneKind) return;
    m_shown.append(located(m_fileName, line, warning(std::move(text))).worded());
}

QStringList Warnings::lines() const {
    QStringList all = m_shown;
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        if (m_counts[kind] <= kShownOfOneKind) continue;
        const qint64 leftOut = m_counts[kind] - kShownOfOneKind;
        all.append(located(m_fileName, 0, warning(core::Phrase::counted(kLeftOut[kind], leftOut, {leftOut}))).worded());
    }
    return all;
}

} // namespace gedcom
