#include "GedcomLine.h"

#include "GedcomError.h"

namespace gedcom {

namespace {

// Levels in real files stay below 100; more digits are not a level.
constexpr qsizetype kMaxLevelDigits = 2;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

qsizetype skipBlanks(QStringView text, qsizetype i) {
    while (i < text.size() && isBlank(text[i])) ++i;
    return i;
}

qsizetype wordEnd(QStringView text, qsizetype i) {
    while (i < text.size() && !isBlank(text[i])) ++i;
    return i;
}

} // namespace

GedcomLine parseLine(QStringView text, const QString& fileName, qint64 lineNumber) {
    GedcomLine line;
    qsizetype i = skipBlanks(text, 0);
    qsizetype end = wordEnd(text, i);
    const QStringView level = text.sliced(i, end - i);
    bool digits = !level.isEmpty() && level.size() <= kMaxLevelDigits;
    for (const QChar c : level) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits)
        fail(fileName, lineNumber,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the line does not begin with a level number: \"%1\""),
                          {shown(text, 40)}));
    line.level = level.toInt();

    i = skipBlanks(text, end);
    end = wordEnd(text, i);
    QStringView word = text.sliced(i, end - i);
    if (word.size() >= 2 && word.startsWith(QLatin1Char('@')) && word.endsWith(QLatin1Char('@'))) {
        line.xref = word.sliced(1, word.size() - 2);
        i = skipBlanks(text, end);
        end = wordEnd(text, i);
        word = text.sliced(i, end - i);
    }
    if (word.isEmpty())
        fail(fileName, lineNumber, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the line has no tag")));
    line.tag = word;
    // One blank separates tag and value; further blanks belong to the value.
    if (end < text.size()) line.value = text.sliced(end + 1);
    return line;
}

QStringView pointerTarget(QStringView value) {
    value = value.trimmed();
    if (value.size() < 3 || !value.startsWith(QLatin1Char('@')) || !value.endsWith(QLatin1Char('@'))) return {};
    const QStringView target = value.sliced(1, value.size() - 2);
    if (target.startsWith(QLatin1Char('#')) || target.contains(QLatin1Char('@')) || target == u"VOID") return {};
    return target;
}

} // namespace gedcom
