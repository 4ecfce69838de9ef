#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace gedcom {

// The most records of people and families read from one file: more than any
// genealogy holds, and few enough to be counted in the tree's tables.
inline constexpr qint64 kMaxRecords = 10'000'000;

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
    qint64 nameLine = 0; // the NAME line, or the record's first when there is none
};

struct Family {
    Link husband;
    Link wife;
};

// The people and families of a file, and what the reader warned about.
//
// Packed: every text of the tree lies in one buffer, each person and family
// is a place in it, and identifiers are found through a table of indexes, so
// that a tree takes less memory than four times its file, however many
// records the file holds.
class FamilyTree {
public:
    // Each answers false, and keeps the first, when the identifier is taken.
    // A family without identifier is dropped: nothing can name it.
    bool addPerson(const Person& person);
    bool addFamily(QStringView id, const Family& family);

    int personCount() const { return static_cast<int>(m_personAt.size()); }
    qsizetype familyCount() const { return m_familyAt.size(); }
    Person person(int index) const;
    QStringView nameOf(int index) const; // without building the whole person
    // The index of the person with the identifier, if any.
    std::optional<int> personIndex(QStringView id) const;
    std::optional<Family> family(QStringView id) const;

    // The family lists the person as a child (CHIL) on the link's line.
    void addChild(QStringView familyId, const Link& child);
    // The families that list the person as a child, in the file's order:
    // each link names the family and the CHIL line.
    std::vector<Link> familiesListing(QStringView personId) const;

    QString fileName; // the file it was read from, for messages
    QStringList warnings;

private:
    // An open-addressing table of indexes into a list of records, each found
    // by the identifier its packed texts begin with.
    class IdTable {
    public:
        int find(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id) const;
        // False, adding nothing, when the identifier is there already.
        bool insert(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id, int record);

    private:
        int find(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id, std::size_t hash) const;
        void place(std::size_t hash, int record);

        std::vector<quint32> m_slots;
        qsizetype m_used = 0;
        std::size_t m_seed = QHashSeed::globalSeed(); // a file cannot choose identifiers that collide
    };

    void putLength(qsizetype length);
    void putText(QStringView text);
    void putNumber(qint64 number);
    QStringView idAt(qsizetype at) const;

    QString m_texts;             // every text of the tree, each after its length
    QList<qsizetype> m_personAt; // where each person's texts begin
    QList<qsizetype> m_familyAt; // where each family's texts begin
    IdTable m_personIds;
    IdTable m_familyIds;
    QHash<QString, std::vector<Link>> m_listedIn; // by the child's identifier
};

} // namespace gedcom
