#include "RecordFields.h"

#include "GedcomLine.h"
#include "PersonName.h"

namespace gedcom {

namespace {

// "@@" stands for one "@" in text: everywhere in GEDCOM 5, only at the
// start in GEDCOM 7.
QString unescapeAt(QStringView value, bool gedcom7) {
    QString text = value.toString();
    if (gedcom7) {
        if (text.startsWith(u"@@")) text.remove(0, 1);
    } else {
        text.replace(QStringLiteral("@@"), QStringLiteral("@"));
    }
    return text;
}

Link linkOf(const Record& record, const RecordLine& line) {
    return {pointerTarget(record.value(line)).toString(), line.lineNumber};
}

} // namespace

bool isGedcom7Header(const Record& header) {
    bool gedcom7 = false;
    for (const RecordLine& line : header.lines)
        if (header.tag(line) == u"VERS" && line.parent >= 0 && header.tag(header.lines[line.parent]) == u"GEDC")
            gedcom7 = header.value(line).trimmed().startsWith(QLatin1Char('7'));
    return gedcom7;
}

Person personOf(const Record& record, bool gedcom7) {
    Person person;
    person.id = record.xref;
    person.nameLine = record.lines.front().lineNumber;
    bool named = false;
    int birth = -1, death = -1;
    for (int i = 1; i < static_cast<int>(record.lines.size()); ++i) {
        const RecordLine& line = record.lines[i];
        const QStringView tag = record.tag(line);
        if (line.parent == 0) {
            if (tag == u"NAME" && !named) {
                person.name = readableName(unescapeAt(record.value(line), gedcom7));
                person.nameLine = line.lineNumber;
                named = true;
            } else if (tag == u"BIRT" && birth < 0) {
                birth = i;
            } else if (tag == u"DEAT" && death < 0) {
                death = i;
            } else if (tag == u"FAMC") {
                person.childOf.push_back({linkOf(record, line), false});
            }
        } else if (tag == u"DATE" && (line.parent == birth || line.parent == death)) {
            QString& date = line.parent == birth ? person.birthDate : person.deathDate;
            if (date.isEmpty()) date = record.value(line).trimmed().toString();
        } else if (tag == u"PEDI" && record.tag(record.lines[line.parent]) == u"FAMC"
                   && record.lines[line.parent].parent == 0 && !person.childOf.empty()) {
            person.childOf.back().birth = record.value(line).trimmed().compare(u"birth", Qt::CaseInsensitive) == 0;
        }
    }
    return person;
}

Family familyOf(const Record& record) {
    Family family;
    family.id = record.xref;
    for (const RecordLine& line : record.lines) {
        if (line.parent != 0) continue;
        const QStringView tag = record.tag(line);
        if (tag == u"HUSB" && family.husband.lineNumber == 0)
            family.husband = linkOf(record, line);
        else if (tag == u"WIFE" && family.wife.lineNumber == 0)
            family.wife = linkOf(record, line);
        else if (tag == u"CHIL")
            family.children.push_back(linkOf(record, line));
    }
    return family;
}

} // namespace gedcom
