#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace gedcom {

// A reference from one record to another, with the line it stands on, so
// that one pointing nowhere can be named.
struct Link {
    QString target; // the identifier without its @ signs; empty for none
    qint64 lineNumber = 0;
};

// A person's family as a child (FAMC), and whether it is marked as the
// birth family (PEDI birth).
struct ChildOf {
    Link family;
    bool birth = false;
};

struct Person {
    QString id;   // without its @ signs
    QString name; // "Given Surname", slashes taken out
    QString birthDate;
    QString deathDate;
    std::vector<ChildOf> childOf;
};

struct Family {
    Link husband;
    Link wife;
};

// The people and families of a file, and what the reader warned about.
class FamilyTree {
public:
    // Each answers false, and keeps the first, when the identifier is taken.
    bool addPerson(Person person);
    bool addFamily(const QString& id, Family family);

    const std::vector<Person>& people() const { return m_people; }
    const Person& person(int index) const { return m_people[static_cast<std::size_t>(index)]; }
    // The index of the person with the identifier, if any.
    std::optional<int> personIndex(const QString& id) const;
    const Family* family(const QString& id) const;

    QString fileName; // the file it was read from, for messages
    QStringList warnings;

private:
    std::vector<Person> m_people;
    QHash<QString, int> m_personIndex;
    QHash<QString, Family> m_families;
};

} // namespace gedcom
