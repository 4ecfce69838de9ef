#include "GedcomWriter.h"

#include "files/FileReplacement.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace gedcom {

namespace {

// A line holds at most 255 characters, the level, the tag and the line end
// included; counted here in bytes, which no reader can count as more.
constexpr qsizetype kMaxLine = 255;
// A NAME value holds at most 120 characters.
constexpr qsizetype kMaxName = 120;

bool breaksLine(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0) || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator;
}

// A text value as a line may hold it: line breaks and other control
// characters, which would begin a line of their own, read as blanks, and an
// '@', which would begin a pointer, is doubled.
QString lineValue(const QString& text) {
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return breaksLine(c) || c == QLatin1Char('@'); }))
        return text;
    QString value;
    value.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (breaksLine(c))
            value += QLatin1Char(' ');
        else if (c == QLatin1Char('@'))
            value += QStringLiteral("@@");
        else
            value += c;
    }
    return value;
}

// Whether the '@'s just before `at` end with one of a doubled pair.
bool halfOfDoubledAt(const QString& value, qsizetype at) {
    qsizetype run = 0;
    while (at - run > 0 && value[at - run - 1] == QLatin1Char('@')) ++run;
    return run % 2 == 1;
}

// Where a value may be cut so that each part fits `room` bytes: never in a
// character, before a mark that belongs to it, beside a blank, which a
// reader may drop, or between the two '@'s that stand for one.
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
            || value[at - 1] == QLatin1Char(' ') || halfOfDoubledAt(value, at);
    };
    while (cut > 1 && bad(cut)) --cut;
    return cut > 1 ? cut : end;
}

class GedcomText {
public:
    // Room for about as many people as there are places for.
    explicit GedcomText(std::size_t people) {
        m_bytes.reserve(qsizetype(std::min<std::size_t>(people, 1 << 20)) * 120);
    }

    void line(int level, const char* tag, const QString& value = {}) {
        m_bytes += char('0' + level);
        m_bytes += ' ';
        m_bytes += tag;
        if (!value.isEmpty()) {
            m_bytes += ' ';
            appendUtf8(value);
        }
        m_bytes += '\n';
    }
    void pointer(int level, const char* tag, char kind, std::size_t number) {
        m_bytes += char('0' + level);
        m_bytes += ' ';
        m_bytes += tag;
        m_bytes += " @";
        m_bytes += kind;
        m_bytes += QByteArray::number(qulonglong(number));
        m_bytes += "@\n";
    }
    void record(char kind, std::size_t number, const char* tag) {
        m_bytes += "0 @";
        m_bytes += kind;
        m_bytes += QByteArray::number(qulonglong(number));
        m_bytes += "@ ";
        m_bytes += tag;
        m_bytes += '\n';
    }

    // A text of any length and lines: its lines continued by CONT, each cut
    // into lines that fit by CONC.
    void text(int level, const char* tag, const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString rest = lineValue(lines[i]);
            const char* lineTag = i == 0 ? tag : "CONT";
            int lineLevel = i == 0 ? level : level + 1;
            do {
                const qsizetype room = kMaxLine - qsizetype(std::strlen(lineTag)) - 4; // "1 TAG value\n"
                const qsizetype cut = cutPoint(rest, room);
                line(lineLevel, lineTag, rest.left(cut));
                rest = rest.mid(cut);
                lineTag = "CONC";
                lineLevel = level + 1;
            } while (!rest.isEmpty());
        }
    }

    QByteArray bytes() const { return m_bytes; }

private:
    // Most values are ASCII: those go in as they are, without a converted copy.
    void appendUtf8(const QString& value) {
        const bool ascii = std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (!ascii) {
            m_bytes += value.toUtf8();
            return;
        }
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + value.size());
        char* out = m_bytes.data() + at;
        for (const QChar c : value) *out++ = char(c.unicode());
    }

    QByteArray m_bytes;
};

bool has(const PedigreePeople& people, std::size_t number) { return number < people.size() && people[number]; }
bool hasParents(const PedigreePeople& people, std::size_t number) {
    return has(people, 2 * number) || has(people, 2 * number + 1);
}

void writeHeader(GedcomText& out) {
    out.line(0, "HEAD");
    out.line(1, "SOUR", QStringLiteral("KINLOOM"));
    out.line(2, "NAME", QStringLiteral("Kinloom"));
    out.pointer(1, "SUBM", 'U', 1);
    out.line(1, "GEDC");
    out.line(2, "VERS", QStringLiteral("5.5.1"));
    out.line(2, "FORM", QStringLiteral("LINEAGE-LINKED"));
    out.line(1, "CHAR", QStringLiteral("UTF-8"));
    out.record('U', 1, "SUBM");
    out.line(1, "NAME", QStringLiteral("Kinloom"));
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
    out.record('I', number, "INDI");
    const QString name = lineValue(person.name);
    if (name.size() > kMaxName) {
        out.line(1, "NAME", lineValue(shortenedName(person.name)));
        out.text(1, "NOTE", person.name);
    } else if (!name.isEmpty()) {
        out.line(1, "NAME", name);
    }
    if (person.sex != Sex::Unknown)
        out.line(1, "SEX", person.sex == Sex::Male ? QStringLiteral("M") : QStringLiteral("F"));
    for (const auto& [tag, date] : {std::pair{"BIRT", &person.birthDate}, std::pair{"DEAT", &person.deathDate}}) {
        if (date->isEmpty()) continue;
        out.line(1, tag);
        out.line(2, "DATE", lineValue(*date));
    }
    if (hasParents(people, number)) out.pointer(1, "FAMC", 'F', number);
    if (number >= 2 && has(people, number / 2)) out.pointer(1, "FAMS", 'F', number / 2);
}

void writeFamily(GedcomText& out, const PedigreePeople& people, std::size_t child) {
    out.record('F', child, "FAM");
    if (has(people, 2 * child)) out.pointer(1, "HUSB", 'I', 2 * child);
    if (has(people, 2 * child + 1)) out.pointer(1, "WIFE", 'I', 2 * child + 1);
    out.pointer(1, "CHIL", 'I', child);
}

} // namespace

QByteArray familyFileBytes(const PedigreePeople& people) {
    GedcomText out(people.size());
    writeHeader(out);
    for (std::size_t number = 1; number < people.size(); ++number)
        if (people[number]) writePerson(out, people, number);
    for (std::size_t child = 1; child < people.size(); ++child)
        if (people[child] && hasParents(people, child)) writeFamily(out, people, child);
    out.line(0, "TRLR");
    return out.bytes();
}

void writeFamilyFile(const QString& path, const PedigreePeople& people) {
    files::replaceFile(path, familyFileBytes(people));
}

} // namespace gedcom
