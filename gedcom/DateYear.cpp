#include "DateYear.h"

#include "CalendarDays.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace gedcom {

namespace {

enum class Calendar {
    Gregorian,
    Julian,
    Hebrew,
    FrenchRepublican,
    Unknown
};

constexpr std::array<const char16_t*, 12> kMonths = {u"JAN", u"FEB", u"MAR", u"APR", u"MAY", u"JUN",
                                                     u"JUL", u"AUG", u"SEP", u"OCT", u"NOV", u"DEC"};
constexpr std::array<const char16_t*, 13> kHebrewMonths = {u"TSH", u"CSH", u"KSL", u"TVT", u"SHV", u"ADR", u"ADS",
                                                           u"NSN", u"IYR", u"SVN", u"TMZ", u"AAV", u"ELL"};
constexpr std::array<const char16_t*, 13> kRepublicanMonths = {u"VEND", u"BRUM", u"FRIM", u"NIVO", u"PLUV",
                                                               u"VENT", u"GERM", u"FLOR", u"PRAI", u"MESS",
                                                               u"THER", u"FRUC", u"COMP"};

// The month's number (from 1) in the calendar's list; 0 when it is not one.
template <std::size_t N>
int monthIn(const std::array<const char16_t*, N>& months, QStringView word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == QStringView(months[i])) return static_cast<int>(i) + 1;
    return 0;
}

int monthOf(Calendar calendar, QStringView word) {
    switch (calendar) {
    case Calendar::Hebrew: return monthIn(kHebrewMonths, word);
    case Calendar::FrenchRepublican: return monthIn(kRepublicanMonths, word);
    default: return monthIn(kMonths, word);
    }
}

// Calendar escapes of GEDCOM 5 ("@#DJULIAN@", "@#DFRENCH R@", with its blank)
// and the calendar names of GEDCOM 7, each as one word.
QString withCalendarWords(QString text) {
    text.replace(QStringLiteral("@#DFRENCH R@"), QStringLiteral(" FRENCH_R "));
    for (const char* name : {"GREGORIAN", "JULIAN", "HEBREW", "ROMAN", "UNKNOWN"})
        text.replace(QStringLiteral("@#D%1@").arg(QLatin1String(name)),
                     QStringLiteral(" %1 ").arg(QLatin1String(name)));
    return text;
}

Calendar calendarNamed(QStringView word) {
    if (word == u"GREGORIAN") return Calendar::Gregorian;
    if (word == u"JULIAN") return Calendar::Julian;
    if (word == u"HEBREW") return Calendar::Hebrew;
    if (word == u"FRENCH_R") return Calendar::FrenchRepublican;
    return Calendar::Unknown;
}

bool isCalendarWord(QStringView word) {
    return word == u"GREGORIAN" || word == u"JULIAN" || word == u"HEBREW" || word == u"FRENCH_R" || word == u"ROMAN"
        || word == u"UNKNOWN" || word.startsWith(u"@#") || (word.startsWith(u'_') && word.size() > 1);
}

bool isEra(QStringView word) { return word == u"B.C." || word == u"BC" || word == u"BCE" || word == u"B.C.E."; }

bool isNumber(QStringView word, qsizetype maxDigits) {
    if (word.isEmpty() || word.size() > maxDigits) return false;
    for (const QChar c : word)
        if (c < u'0' || c > u'9') return false;
    return true;
}

constexpr int kUnknownMonth = -1;

// One date of a value: [calendar] [[day] month] year [era].
struct SingleDate {
    Calendar calendar = Calendar::Gregorian;
    int day = 0;
    int month = 0;        // kUnknownMonth for a word that is no month of the calendar
    QStringView yearText; // as written, a dual year's "/51" included
    bool beforeChrist = false;
};

std::optional<SingleDate> parseDate(QList<QStringView> words) {
    SingleDate date;
    if (!words.isEmpty() && isCalendarWord(words.first())) date.calendar = calendarNamed(words.takeFirst());
    if (!words.isEmpty() && isEra(words.last())) {
        date.beforeChrist = true;
        words.removeLast();
    }
    if (words.isEmpty() || words.size() > 3) return std::nullopt;
    const QStringView year = words.last();
    const qsizetype slash = year.indexOf(u'/');
    if (!isNumber(year.left(slash), 4) || (slash >= 0 && !isNumber(year.sliced(slash + 1), 4))) return std::nullopt;
    date.yearText = year;
    if (words.size() >= 2) {
        // A year follows a month; a number before it is no year ("12 1820").
        if (isNumber(words[words.size() - 2], 4)) return std::nullopt;
        date.month = monthOf(date.calendar, words[words.size() - 2]);
        if (date.month == 0) date.month = kUnknownMonth;
        if (words.size() == 3) {
            if (!isNumber(words[0], 2)) return std::nullopt;
            date.day = words[0].toInt();
        }
    }
    return date;
}

QString shownYear(qint64 year) {
    if (year > 0) return QString::number(year);
    return QCoreApplication::translate("gedcom::LifeYears", "%1 B.C.").arg(-year);
}

// The year as a chart shows it; empty when the date cannot be placed.
QString yearOf(const SingleDate& date) {
    const qsizetype slash = date.yearText.indexOf(u'/');
    const int year = date.yearText.left(slash).toInt();
    if (date.calendar == Calendar::Gregorian) {
        // Any word may name the month: the year stands as written.
        if (!date.beforeChrist) return date.yearText.toString();
        return QCoreApplication::translate("gedcom::LifeYears", "%1 B.C.").arg(date.yearText);
    }
    if (date.calendar == Calendar::Unknown || (slash >= 0 && date.calendar != Calendar::Julian)) return {};
    if (date.month == kUnknownMonth) return {};
    std::optional<DaySpan> days;
    if (date.calendar == Calendar::Julian) {
        // A dual year counts the year from 1 January, as the Gregorian calendar does.
        int counted = year;
        if (slash >= 0) {
            const QStringView later = date.yearText.sliced(slash + 1);
            const int modulus = later.size() >= 4 ? 10000 : later.size() == 3 ? 1000 : later.size() == 2 ? 100 : 10;
            counted = year - year % modulus + later.toInt();
            if (counted < year) counted += modulus;
        }
        days = julianDays(date.beforeChrist ? -counted : counted, date.month, date.day);
    } else if (!date.beforeChrist) {
        days = date.calendar == Calendar::Hebrew ? hebrewDays(year, date.month, date.day)
                                                 : frenchRepublicanDays(year, date.month, date.day);
    }
    return days ? shownYear(gregorianYearOf(*days)) : QString();
}

} // namespace

QString displayYear(QStringView date) {
    QString text = date.toString().toUpper();
    // An interpreted date's phrase, and a date phrase alone, hold no year we
    // can trust.
    const qsizetype phrase = text.indexOf(QLatin1Char('('));
    if (phrase >= 0) text.truncate(phrase);
    text = withCalendarWords(std::move(text));
    QList<QStringView> words = QStringView(text).split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};

    const QStringView first = words.first();
    const char* approximate = nullptr;
    if (first == u"ABT" || first == u"EST" || first == u"CAL" || first == u"BET" || first == u"FROM")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "c. %1");
    else if (first == u"BEF" || first == u"TO")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "bef. %1");
    else if (first == u"AFT")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "aft. %1");
    if (approximate || first == u"INT") words.removeFirst();
    // A range keeps its first date's year.
    const qsizetype rangeEnd = words.indexOf(QStringView(first == u"BET" ? u"AND" : u"TO"));
    if (rangeEnd >= 0) words.resize(rangeEnd);
    const std::optional<SingleDate> single = parseDate(words);
    const QString year = single ? yearOf(*single) : QString();
    if (year.isEmpty() || !approximate) return year;
    return QCoreApplication::translate("gedcom::LifeYears", approximate).arg(year);
}

} // namespace gedcom
