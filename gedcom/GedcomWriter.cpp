#include "GedcomWriter.h"

#include "files/FileReplacement.h"

#include <QStringList>

namespace gedcom {

namespace {

// A line holds at most 255 characters, the level, the tag and the line end
// included; counted here in bytes, which no reader can count as more.
constexpr qsizetype kMaxLine = 255;
// A NAME value holds at most 120 characters.
constexpr qsizetype kMaxName = 120;

// A text value as a line may hold it: line breaks and other control
// characters, which would begin a line of their own, read as blanks, and an
// '@', which would begin a pointer, is doubled.
QString lineValue(const QString& text) {
    QString value;
    value.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            value += QLatin1Char(' ');
        else if (c == QLatin1Char('@'))
            value += QStringLiteral("@@");
        else
            value += c;
    }
    return value;
}

// Where a value may be cut so that each part fits `room` bytes: never in a
// character, before a mark that belongs to it, or beside a blank, which a
// reader may drop.
qsizetype cutPoint(const QString& value, qsizetype room) {
    qsizetype end = 0;
    qsizetype bytes = 0;
    while (end < value.size()) {
        const qsizetype width = value[end].isHighSurrogate() && end + 1 < value.size() ? 2 : 1;
        const qsizetype size = value.mid(end, width).toUtf8().size();
        if (bytes + size > room) break;
        bytes += size;
        end += width;
    }
    if (end >= value.size()) return value.size();
    qsizetype cut = end;
    const auto bad = [&](qsizetype at) {
        return value[at].isLowSurrogate() || value[at].isMark() || value[at] == QLatin1Char(' ')
            || value[at - 1] == QLatin1Char(' ');
    };
    while (cut > 1 && bad(cut)) --cut;
    return cut > 1 ? cut : end;
}

class GedcomText {
public:
    void line(int level, QStringView tag, const QString& value = {}) {
        m_text += QString::number(level);
        m_text += QLatin1Char(' ');
        m_text += tag;
        if (!value.isEmpty()) {
            m_text += QLatin1Char(' ');
            m_text += value;
        }
        m_text += QLatin1Char('\n');
    }
    void record(const QString& id, QStringView tag) { m_text += QStringLiteral("0 @%1@ %2\n").arg(id, tag.toString()); }

    // A text of any length and lines: its lines continued by CONT, each cut
    // into lines that fit by CONC.
    void text(int level, QStringView tag, const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString rest = lineValue(lines[i]);
            QStringView lineTag = i == 0 ? tag : QStringView(u"CONT");
            int lineLevel = i == 0 ? level : level + 1;
            do {
                const qsizetype room = kMaxLine
                    - QStringLiteral("%1 %2 \n").arg(lineLevel).arg(lineTag).toUtf8().size();
                const qsizetype cut = cutPoint(rest, room);
                line(lineLevel, lineTag, rest.left(cut));
                rest = rest.mid(cut);
                lineTag = u"CONC";
                lineLevel = level + 1;
            } while (!rest.isEmpty());
        }
    }

    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QString m_text;
};

QString personId(std::size_t number) { return QStringLiteral("I%1").arg(number); }
QString familyId(std::size_t childNumber) { return QStringLiteral("F%1").arg(childNumber); }

bool has(const PedigreePeople& people, std::size_t number) { return number < people.size() && people[number]; }
bool hasParents(const PedigreePeople& people, std::size_t number) {
    return has(people, 2 * number) || has(people, 2 * number + 1);
}

void writeHeader(GedcomText& out) {
    out.line(0, u"HEAD");
    out.line(1, u"SOUR", QStringLiteral("KINLOOM"));
    out.line(2, u"NAME", QStringLiteral("Kinloom"));
    out.line(1, u"SUBM", QStringLiteral("@U1@"));
    out.line(1, u"GEDC");
    out.line(2, u"VERS", QStringLiteral("5.5.1"));
    out.line(2, u"FORM", QStringLiteral("LINEAGE-LINKED"));
    out.line(1, u"CHAR", QStringLiteral("UTF-8"));
    out.record(QStringLiteral("U1"), u"SUBM");
    out.line(1, u"NAME", QStringLiteral("Kinloom"));
}

// A name too long for its line: as much of it as fits, cut between words,
// its slashes taken out so that no surname is left open.
QString shortenedName(const QString& name) {
    QString readable = QString(name).remove(QLatin1Char('/')).simplified();
    const qsizetype blank = readable.lastIndexOf(QLatin1Char(' '), kMaxName);
    return readable.left(blank > 0 ? blank : kMaxName).trimmed();
}

void writePerson(GedcomText& out, const PedigreePeople& people, std::size_t number) {
    const PedigreePerson& person = *people[number];
    out.record(personId(number), u"INDI");
    const QString name = lineValue(person.name);
    if (name.size() > kMaxName) {
        out.line(1, u"NAME", lineValue(shortenedName(person.name)));
        out.text(1, u"NOTE", person.name);
    } else if (!name.isEmpty()) {
        out.line(1, u"NAME", name);
    }
    if (person.sex != Sex::Unknown)
        out.line(1, u"SEX", person.sex == Sex::Male ? QStringLiteral("M") : QStringLiteral("F"));
    for (const auto& [tag, date] : {std::pair{u"BIRT", &person.birthDate}, std::pair{u"DEAT", &person.deathDate}}) {
        if (date->isEmpty()) continue;
        out.line(1, tag);
        out.line(2, u"DATE", lineValue(*date));
    }
    if (hasParents(people, number)) out.line(1, u"FAMC", QLatin1Char('@') + familyId(number) + QLatin1Char('@'));
    if (number >= 2 && has(people, number / 2))
        out.line(1, u"FAMS", QLatin1Char('@') + familyId(number / 2) + QLatin1Char('@'));
}

void writeFamily(GedcomText& out, const PedigreePeople& people, std::size_t child) {
    out.record(familyId(child), u"FAM");
    const auto link = [&](QStringView tag, std::size_t number) {
        if (has(people, number)) out.line(1, tag, QLatin1Char('@') + personId(number) + QLatin1Char('@'));
    };
    link(u"HUSB", 2 * child);
    link(u"WIFE", 2 * child + 1);
    link(u"CHIL", child);
}

} // namespace

QByteArray familyFileBytes(const PedigreePeople& people) {
    GedcomText out;
    writeHeader(out);
    for (std::size_t number = 1; number < people.size(); ++number)
        if (people[number]) writePerson(out, people, number);
    for (std::size_t child = 1; child < people.size(); ++child)
        if (people[child] && hasParents(people, child)) writeFamily(out, people, child);
    out.line(0, u"TRLR");
    return out.bytes();
}

void writeFamilyFile(const QString& path, const PedigreePeople& people) {
    files::replaceFile(path, familyFileBytes(people));
}

} // namespace gedcom
