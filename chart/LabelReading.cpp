#include "LabelReading.h"

#include "ChartWords.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

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

QRegularExpression whole(const QString& pattern) {
    return QRegularExpression(QStringLiteral("\\A%1\\z").arg(pattern),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::UseUnicodePropertiesOption);
}

// Era words keep their dot and may be written with or without their blanks ("v. Chr.").
QString eraOf(const QStringList& words) {
    QStringList escaped;
    for (const QString& word : words)
        escaped << QRegularExpression::escape(word).replace(QStringLiteral("\\ "), QStringLiteral("\\s*"));
    return QStringLiteral("(%1)").arg(escaped.join(QLatin1Char('|')));
}

// A year with its words: before it ("c."), after it ("B.C."). Three groups.
QString qualifiedYear() {
    const ChartWords& words = ChartWords::spoken();
    return QStringLiteral("(?:%1\\s*)?%2(?:\\s*%3)?").arg(oneOf(words.yearWords()), kYear, eraOf(words.eraWords()));
}

// "1820–1891", "c. 1820 - bef. 1891", "44 B.C.–12": word, year, era, word, year, era.
const QRegularExpression& rangePattern() {
    static const QRegularExpression p =
        whole(qualifiedYear() + QStringLiteral("\\s*[%1]\\s*").arg(kDashes) + qualifiedYear());
    return p;
}

// "b. 1820", "f. ca. 1820", "† 1891": event word, word, year, era.
const QRegularExpression& eventPattern() {
    const ChartWords& words = ChartWords::spoken();
    static const QRegularExpression p =
        whole(QStringLiteral("%1\\s*%2").arg(oneOf(words.bornWords() + words.diedWords()), qualifiedYear()));
    return p;
}

// A year as GEDCOM dates it, with the word before it and the era after it;
// nothing when the word is none of ours.
std::optional<QString> dated(QStringView word, const QString& year, bool beforeChrist) {
    const QString date = beforeChrist ? year + QStringLiteral(" B.C.") : year;
    if (word.isEmpty()) return date;
    const std::optional<YearKind> kind = ChartWords::spoken().yearKind(word);
    if (!kind) return std::nullopt;
    switch (*kind) {
    case YearKind::About: return QStringLiteral("ABT ") + date;
    case YearKind::Before: return QStringLiteral("BEF ") + date;
    case YearKind::After: return QStringLiteral("AFT ") + date;
    case YearKind::Exact: break;
    }
    return date;
}

// The dates of years written alone ("c. 1820–1891", "b. 1820"), if they are.
bool readYears(const QString& years, BoxLabel& label) {
    if (const QRegularExpressionMatch m = rangePattern().match(years); m.hasMatch()) {
        const auto birth = dated(m.captured(1), m.captured(2), m.hasCaptured(3));
        const auto death = dated(m.captured(4), m.captured(5), m.hasCaptured(6));
        if (!birth || !death) return false;
        label.birthDate = *birth;
        label.deathDate = *death;
        return true;
    }
    if (const QRegularExpressionMatch m = eventPattern().match(years); m.hasMatch()) {
        const auto date = dated(m.captured(2), m.captured(3), m.hasCaptured(4));
        if (!date) return false;
        (ChartWords::spoken().isBornWord(m.captured(1)) ? label.birthDate : label.deathDate) = *date;
        return true;
    }
    return false;
}

// The years at the label's end, taken off it: in parentheses, or after a
// blank, where they begin at one of the last few blanks; false when it ends
// in none.
bool takeYears(QString& text, BoxLabel& label) {
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        if (open < 0 || !readYears(text.mid(open + 1, text.size() - open - 2).trimmed(), label)) return false;
        text.truncate(open);
        return true;
    }
    if (text.isEmpty() || !text.back().isDigit()) return false;
    constexpr int kMostWords = 6; // "c. 1820 – bef. 1891" and a little room
    std::vector<qsizetype> starts;
    for (qsizetype at = text.size() - 1; at > 0 && starts.size() < kMostWords; --at)
        if (text[at - 1] == QLatin1Char(' ')) starts.push_back(at);
    if (starts.size() < kMostWords) starts.push_back(0);
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (!readYears(text.mid(*start), label)) continue;
        text.truncate(*start);
        return true;
    }
    return false;
}

// A name holds no digits, its parentheses come in pairs (a nickname's), and
// its surname's slashes too.
bool readsWhole(const QString& name) {
    int slashes = 0, open = 0;
    for (const QChar c : name) {
        if (c.isDigit() || (c == QLatin1Char(')') && --open < 0)) return false;
        open += c == QLatin1Char('(');
        slashes += c == QLatin1Char('/');
    }
    return open == 0 && (slashes == 0 || slashes == 2);
}

// Words that belong to the surname after them: "van", "von", "de", "af", ...
// All are short and in ASCII; a word is compared in lower case.
bool isParticle(QStringView word) {
    static constexpr std::string_view particles[] = {"af",  "av",  "da",  "das", "de", "del", "della", "den", "der",
                                                     "des", "di",  "do",  "dos", "du", "la",  "le",    "'t",  "te",
                                                     "ten", "ter", "van", "von", "zu", "zum", "zur"};
    if (word.size() > 5) return false;
    char lower[5];
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c > 0x7F) return false;
        lower[i] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    const std::string_view folded(lower, std::size_t(word.size()));
    return std::find(std::begin(particles), std::end(particles), folded) != std::end(particles);
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

QString BoxLabel::nameForGedcom() const { return reading == LabelReading::NotWhole ? name : gedcomName(name); }

QString gedcomName(const QString& name) {
    if (name.count(QLatin1Char('/')) == 2) return name;
    const QString plain = name.contains(QLatin1Char('/')) ? QString(name).remove(QLatin1Char('/')).simplified() : name;
    qsizetype surname = plain.lastIndexOf(QLatin1Char(' ')) + 1;
    if (surname == 0) return plain; // one word: a given name
    while (surname > 1) {
        const qsizetype previous = plain.lastIndexOf(QLatin1Char(' '), surname - 2) + 1;
        if (!isParticle(QStringView(plain).mid(previous, surname - 1 - previous))) break;
        surname = previous;
    }
    QString written;
    written.reserve(plain.size() + 2);
    written.append(QStringView(plain).first(surname)).append(QLatin1Char('/'));
    return written.append(QStringView(plain).sliced(surname)).append(QLatin1Char('/'));
}

} // namespace chart
