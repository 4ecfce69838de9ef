#include "LabelReading.h"

#include "ChartWords.h"

#include <QRegularExpression>
#include <QStringList>

namespace chart {

namespace {

// A year as a label writes it: up to four digits, a dual year as "1750/51".
const QString kYear = QStringLiteral("(\\d{1,4}(?:/\\d{1,2})?)");
// Hyphen, the dashes and the minus sign.
const QString kDashes = QStringLiteral("-\u2010-\u2015\u2212");

// Any of the words, in any case, with or without a point after it.
QString oneOf(const QStringList& words) {
    QStringList escaped;
    for (const QString& word : words) escaped << QRegularExpression::escape(word) + QStringLiteral("\\.?");
    return QStringLiteral("(%1)").arg(escaped.join(QLatin1Char('|')));
}

// Years at a label's end, in parentheses or after a blank, behind the name.
// Group 1 is the name; the groups of the years follow, first for the form
// in parentheses, then for the one without.
QRegularExpression atEnd(const QString& years) {
    return QRegularExpression(QStringLiteral("^(.*?)\\s*(?:\\(\\s*%1\\s*\\)|(?:^|(?<=\\s))%1)$").arg(years),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::UseUnicodePropertiesOption);
}

QString qualifiedYear() { return QStringLiteral("(?:%1\\s*)?%2").arg(oneOf(ChartWords::spoken().yearWords()), kYear); }

// "1820–1891", "c. 1820 - bef. 1891": word, year, word, year.
const QRegularExpression& rangePattern() {
    static const QRegularExpression p =
        atEnd(qualifiedYear() + QStringLiteral("\\s*[%1]\\s*").arg(kDashes) + qualifiedYear());
    return p;
}

// "b. 1820", "f. ca. 1820", "† 1891": event word, word, year.
const QRegularExpression& eventPattern() {
    const ChartWords& words = ChartWords::spoken();
    static const QRegularExpression p =
        atEnd(QStringLiteral("%1\\s*%2").arg(oneOf(words.bornWords() + words.diedWords()), qualifiedYear()));
    return p;
}

// A year as GEDCOM dates it, with the word before it; empty when the word is none of ours.
std::optional<QString> dated(QStringView word, const QString& year) {
    if (word.isEmpty()) return year;
    const std::optional<YearKind> kind = ChartWords::spoken().yearKind(word);
    if (!kind) return std::nullopt;
    switch (*kind) {
    case YearKind::About: return QStringLiteral("ABT ") + year;
    case YearKind::Before: return QStringLiteral("BEF ") + year;
    case YearKind::After: return QStringLiteral("AFT ") + year;
    case YearKind::Exact: break;
    }
    return year;
}

// The years at the label's end, taken off it; false when it ends in none.
bool takeYears(QString& text, BoxLabel& label) {
    if (const QRegularExpressionMatch m = rangePattern().match(text); m.hasMatch()) {
        const bool inParentheses = m.hasCaptured(2) || m.hasCaptured(3);
        const int at = inParentheses ? 2 : 6;
        const auto birth = dated(m.captured(at), m.captured(at + 1));
        const auto death = dated(m.captured(at + 2), m.captured(at + 3));
        if (!birth || !death) return false;
        label.birthDate = *birth;
        label.deathDate = *death;
        text = m.captured(1);
        return true;
    }
    if (const QRegularExpressionMatch m = eventPattern().match(text); m.hasMatch()) {
        const bool inParentheses = m.hasCaptured(2) || m.hasCaptured(4);
        const int at = inParentheses ? 2 : 5;
        const QString event = m.captured(at);
        const auto date = dated(m.captured(at + 1), m.captured(at + 2));
        if (!date) return false;
        (ChartWords::spoken().isBornWord(event) ? label.birthDate : label.deathDate) = *date;
        text = m.captured(1);
        return true;
    }
    return false;
}

bool readsWhole(const QString& name) {
    static const QRegularExpression odd(QStringLiteral("[()\\d]"));
    const qsizetype slashes = name.count(QLatin1Char('/'));
    return !name.contains(odd) && (slashes == 0 || slashes == 2);
}

// Words that belong to the surname after them: "van", "von", "de", "af", ...
bool isParticle(const QString& word) {
    static const QStringList particles = {
        QStringLiteral("af"),  QStringLiteral("av"),  QStringLiteral("da"),    QStringLiteral("das"),
        QStringLiteral("de"),  QStringLiteral("del"), QStringLiteral("della"), QStringLiteral("den"),
        QStringLiteral("der"), QStringLiteral("des"), QStringLiteral("di"),    QStringLiteral("do"),
        QStringLiteral("dos"), QStringLiteral("du"),  QStringLiteral("la"),    QStringLiteral("le"),
        QStringLiteral("'t"),  QStringLiteral("te"),  QStringLiteral("ten"),   QStringLiteral("ter"),
        QStringLiteral("van"), QStringLiteral("von"), QStringLiteral("zu"),    QStringLiteral("zum"),
        QStringLiteral("zur"),
    };
    return particles.contains(word.toCaseFolded());
}

} // namespace

BoxLabel readBoxLabel(const QString& text, std::uint32_t boxNumber) {
    BoxLabel label;
    QString rest = text.normalized(QString::NormalizationForm_C).simplified();
    static const QRegularExpression leadingNumber(QStringLiteral("^(\\d+)(?:\\s+(?![%1])|$)").arg(kDashes));
    if (const QRegularExpressionMatch m = leadingNumber.match(rest); m.hasMatch()) {
        bool ok = false;
        if (m.captured(1).toUInt(&ok) == boxNumber && ok)
            rest = rest.mid(m.capturedLength());
        else
            label.reading = LabelReading::OtherNumber;
    }
    const QString withYears = rest;
    takeYears(rest, label);
    label.name = rest.trimmed();
    if (label.reading == LabelReading::Whole && !readsWhole(label.name)) {
        label = BoxLabel{withYears, {}, {}, LabelReading::NotWhole};
    }
    return label;
}

QString gedcomName(const QString& name) {
    if (name.count(QLatin1Char('/')) == 2) return name;
    QStringList words = QString(name).remove(QLatin1Char('/')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) return words.join(QLatin1Char(' '));
    qsizetype surname = words.size() - 1;
    while (surname > 0 && isParticle(words[surname - 1])) --surname;
    const QString given = words.mid(0, surname).join(QLatin1Char(' '));
    const QString family = QLatin1Char('/') + words.mid(surname).join(QLatin1Char(' ')) + QLatin1Char('/');
    return given.isEmpty() ? family : given + QLatin1Char(' ') + family;
}

} // namespace chart
