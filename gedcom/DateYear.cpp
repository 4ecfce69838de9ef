#include "DateYear.h"

#include <QCoreApplication>
#include <QStringList>

namespace gedcom {

namespace {

bool isYear(QStringView word) {
    if (word.isEmpty() || word.size() > 4) return false;
    for (const QChar c : word)
        if (!c.isDigit()) return false;
    return true;
}

// The year of a single date: its last number, dual years cut at the slash.
QString yearOf(const QStringList& words) {
    for (auto it = words.crbegin(); it != words.crend(); ++it) {
        const QStringView word = QStringView(*it).left(it->indexOf(QLatin1Char('/')));
        if (isYear(word)) return word.toString();
    }
    return {};
}

} // namespace

QString displayYear(QStringView date) {
    QString text = date.toString().toUpper();
    // An interpreted date's phrase, and a date phrase alone, hold no year we
    // can trust.
    const qsizetype phrase = text.indexOf(QLatin1Char('('));
    if (phrase >= 0) text.truncate(phrase);
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Calendar escapes of GEDCOM 5 ("@#DJULIAN@") and names of GEDCOM 7.
    words.removeIf([](const QString& w) {
        return w.startsWith(u"@#") || w == u"GREGORIAN" || w == u"JULIAN" || w == u"HEBREW" || w == u"FRENCH_R";
    });
    if (words.isEmpty()) return {};

    const QString first = words.first();
    const char* approximate = nullptr;
    if (first == u"ABT" || first == u"EST" || first == u"CAL" || first == u"BET" || first == u"FROM")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "c. %1");
    else if (first == u"BEF" || first == u"TO")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "bef. %1");
    else if (first == u"AFT")
        approximate = QT_TRANSLATE_NOOP("gedcom::LifeYears", "aft. %1");
    // A range keeps its first date's year.
    const qsizetype rangeEnd = words.indexOf(first == u"BET" ? QStringLiteral("AND") : QStringLiteral("TO"), 1);
    if (rangeEnd > 0) words = words.mid(0, rangeEnd);
    const QString year = yearOf(words);
    if (year.isEmpty() || !approximate) return year;
    return QCoreApplication::translate("gedcom::LifeYears", approximate).arg(year);
}

} // namespace gedcom
