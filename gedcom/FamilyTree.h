#pragma once

#include "CharacterSet.h"
#include "Identifiers.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace gedcom {

class RecordStore;
struct Record;

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
    QString id;
    Link husband;
    Link wife;
    std::vector<Link> children; // CHIL
};

// Where a record stands in the file's text.
struct RecordPlace {
    qint64 offset = 0; // of its first byte
    qint64 line = 0;   // its first line's number
    qint64 size = 0;   // in bytes, to the next record's first
};

// Where each record of a kind stands, in 16 bytes a record: a line number or
// size beyond 32 bits, which only files of more than 4 GB hold, is kept apart.
class RecordPlaces {
public:
    void add(const RecordPlace& place);
    RecordPlace operator[](int index) const;

private:
    static constexpr quint32 kApart = 0xFFFFFFFF;
    struct Packed {
        qint64 offset;
        quint32 size;
        quint32 line;
    };
    std::vector<Packed> m_places;
    std::vector<std::pair<int, RecordPlace>> m_apart; // by index
};

// The people and families of a file, and what the reader warned about.
//
// The tree holds what finds a record, where each stands in the file and who
// is whose child, not the records themselves: a person or family is read
// from the file when it is asked for. So a tree takes a small part of its
// file's size, and a chart reads the records of its own people only. Asking
// for the people in the file's order reads the file front to back once.
class FamilyTree {
public:
    FamilyTree();
    ~FamilyTree();
    FamilyTree(FamilyTree&&) noexcept;
    FamilyTree& operator=(FamilyTree&&) noexcept;

    int personCount() const { return m_personIds.size(); }
    qsizetype familyCount() const { return m_familyIds.size(); }
    // Each reads the record from the file; throws a core::Error (DataDamaged)
    // naming the file when it can no longer be read as it was.
    Person person(int index) const;
    QString nameOf(int index) const;
    Family family(int index) const;
    std::optional<Family> family(QStringView id) const;
    // The index of the person or family with the identifier, if any.
    std::optional<int> personIndex(QStringView id) const;
    std::optional<int> familyIndex(QStringView id) const;
    QString familyId(int index) const;
    // The families that list the person as a child (CHIL), in the file's order.
    std::span<const qint32> familiesListing(int person) const;

    QString fileName; // the file it was read from, for messages
    QStringList warnings;

    // How the reader builds the tree. Each add answers false, and keeps the
    // first, when the identifier is taken; a family without identifier is
    // dropped: nothing can name it.
    bool addPerson(QByteArrayView id, const RecordPlace& place);
    bool addFamily(QByteArrayView id, const RecordPlace& place, std::span<const QByteArrayView> children);
    // Once every record is added: the records are read from the store, in the
    // given character set, GEDCOM 7's escapes read as such. Throws
    // ReadingStopped when a stop is asked for meanwhile.
    void finish(std::shared_ptr<RecordStore> store, CharacterSet set, bool gedcom7,
                const std::atomic<bool>& stopRequested);

private:
    Record recordAt(const RecordPlace& place) const;

    Identifiers m_personIds;
    Identifiers m_familyIds;
    RecordPlaces m_personPlaces;
    RecordPlaces m_familyPlaces;
    // Each family's children as the reader found them: the person's index,
    // or -1 - the index of their identifier among the children not come yet;
    // turned into m_listedAt and m_listing by finish().
    std::vector<std::pair<qint32, qint32>> m_childLinks;
    QByteArray m_laterChildren;            // their identifiers, one after another
    std::vector<qsizetype> m_laterChildAt; // where each begins; the last closes them
    std::vector<quint32> m_listedAt;       // where each person's families begin in m_listing; the last closes them
    std::vector<qint32> m_listing;
    std::shared_ptr<RecordStore> m_store;
    CharacterSet m_set = CharacterSet::Utf8;
    bool m_gedcom7 = false;
};

} // namespace gedcom
