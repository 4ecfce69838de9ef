#include "ChartWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <memory>

namespace chart {

namespace {

// The texts a chart holds, as the layout and the years of a label write them.
constexpr const char* kLayout = "chart::ChartLayout";
constexpr const char* kYears = "gedcom::LifeYears";
constexpr const char* kTitle = "Family Tree for %1";
constexpr const char* kGenerationLine = "%1 Generations";
constexpr const char* kBorn = "(b. %1)";
constexpr const char* kDied = "(d. %1)";
constexpr const char* kAbout = "c. %1";
constexpr const char* kBefore = "bef. %1";
constexpr const char* kAfter = "aft. %1";
constexpr const char* kBeforeChrist = "%1 B.C.";

// "(b. %1)" -> "b.": the word a year stands beside.
QString wordOf(const QString& pattern) {
    QString word = pattern;
    word.remove(QStringLiteral("%1")).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    return word.trimmed();
}

QString folded(QStringView word) {
    QString text = word.toString().toCaseFolded();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

// The text between a pattern's prefix and suffix, if the text has both.
std::optional<QString> filledIn(const QString& pattern, const QString& text) {
    const qsizetype at = pattern.indexOf(QStringLiteral("%1"));
    if (at < 0) return std::nullopt;
    const QString prefix = pattern.left(at);
    const QString suffix = pattern.mid(at + 2);
    const QString simplified = text.simplified();
    if (simplified.size() < prefix.trimmed().size() + suffix.trimmed().size()) return std::nullopt;
    if (!simplified.startsWith(prefix.trimmed(), Qt::CaseInsensitive)
        || !simplified.endsWith(suffix.trimmed(), Qt::CaseInsensitive))
        return std::nullopt;
    return simplified
        .mid(prefix.trimmed().size(), simplified.size() - prefix.trimmed().size() - suffix.trimmed().size())
        .trimmed();
}

} // namespace

const ChartWords& ChartWords::spoken() {
    static const ChartWords words = [] {
        ChartWords w;
        w.addLanguage(QLocale::c(), [](const char*, const char* source) { return QString::fromUtf8(source); });
        const QDir folder(QStringLiteral(":/translations"));
        for (const QString& file : folder.entryList({QStringLiteral("kinloom_*.qm")}, QDir::Files, QDir::Name)) {
            auto translator = std::make_shared<QTranslator>();
            if (!translator->load(folder.filePath(file))) continue;
            w.addLanguage(QLocale(translator->language()), [translator](const char* context, const char* source) {
                const QString translated = translator->translate(context, source);
                return translated.isEmpty() ? QString::fromUtf8(source) : translated;
            });
        }
        return w;
    }();
    return words;
}

void ChartWords::addLanguage(const QLocale& locale, const std::function<QString(const char*, const char*)>& translate) {
    m_wordings.append({locale, translate(kLayout, kTitle), translate(kLayout, kGenerationLine)});
    const auto add = [&](QStringList& words, const char* pattern) {
        const QString word = folded(wordOf(translate(kYears, pattern)));
        if (!word.isEmpty() && !words.contains(word)) words.append(word);
    };
    add(m_born, kBorn);
    add(m_died, kDied);
    add(m_about, kAbout);
    add(m_before, kBefore);
    add(m_after, kAfter);
    const QString era = translate(kYears, kBeforeChrist).remove(QStringLiteral("%1")).trimmed().toCaseFolded();
    if (!era.isEmpty() && !m_era.contains(era)) m_era.append(era);
}

bool ChartWords::contains(const QStringList& words, QStringView word) { return words.contains(folded(word)); }

std::optional<QString> ChartWords::titleName(const QString& title) const {
    // The longest prefix first: one language's title may begin another's.
    std::optional<QString> name;
    qsizetype longest = -1;
    for (const Wording& wording : m_wordings) {
        const std::optional<QString> found = filledIn(wording.title, title);
        if (found && wording.title.size() > longest) {
            name = found;
            longest = wording.title.size();
        }
    }
    return name;
}

std::optional<ChartWords::StatedCount> ChartWords::generationCount(const QString& line) const {
    for (const Wording& wording : m_wordings) {
        const std::optional<QString> count = filledIn(wording.generationLine, line);
        if (!count) continue;
        // The count as typed: in the chart's language's form, or in the C form.
        bool ok = false;
        const double value = QLocale::c().toDouble(*count, &ok);
        if (ok) return StatedCount{*count, value};
        for (const Wording& other : m_wordings) {
            const double inLanguage = other.locale.toDouble(*count, &ok);
            if (ok) return StatedCount{*count, inLanguage};
        }
    }
    return std::nullopt;
}

std::optional<YearKind> ChartWords::yearKind(QStringView word) const {
    if (contains(m_about, word)) return YearKind::About;
    if (contains(m_before, word)) return YearKind::Before;
    if (contains(m_after, word)) return YearKind::After;
    return std::nullopt;
}

QString ChartWords::titleExample() { return QCoreApplication::translate(kLayout, kTitle).arg(QChar(0x2026)); }

QString ChartWords::generationLineExample() { return QCoreApplication::translate(kLayout, kGenerationLine).arg(5); }

} // namespace chart
