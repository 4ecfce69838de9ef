#include "FamilyTree.h"

#include <QHash>

namespace gedcom {

// The packed texts: a length, then as many UTF-16 units. A length below
// 0x8000 takes one unit, a longer one two, the first with its top bit set.
// Numbers (line numbers) take four units, a flag one.

namespace {

class PackedReader {
public:
    PackedReader(const QString& texts, qsizetype at) : m_data(texts.constData()), m_at(at) {}

    qsizetype length() {
        const qsizetype first = m_data[m_at++].unicode();
        if (!(first & 0x8000)) return first;
        return ((first & 0x7FFF) << 16) | m_data[m_at++].unicode();
    }
    bool flag() { return m_data[m_at++] == u'1'; }
    QStringView text() {
        const qsizetype size = length();
        const QStringView view(m_data + m_at, size);
        m_at += size;
        return view;
    }
    qint64 number() {
        quint64 value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 16) | m_data[m_at++].unicode();
        return static_cast<qint64>(value);
    }
    Link link() {
        Link link;
        link.target = text().toString();
        link.lineNumber = number();
        return link;
    }

private:
    const QChar* m_data;
    qsizetype m_at;
};

constexpr qint32 kFree = -1;

} // namespace

void FamilyTree::putLength(qsizetype length) {
    if (length < 0x8000) {
        m_texts.append(QChar(static_cast<char16_t>(length)));
    } else {
        m_texts.append(QChar(static_cast<char16_t>(0x8000 | (length >> 16))));
        m_texts.append(QChar(static_cast<char16_t>(length & 0xFFFF)));
    }
}

void FamilyTree::putText(QStringView text) {
    putLength(text.size());
    m_texts.append(text);
}

void FamilyTree::putNumber(qint64 number) {
    for (int shift = 48; shift >= 0; shift -= 16)
        m_texts.append(QChar(static_cast<char16_t>((static_cast<quint64>(number) >> shift) & 0xFFFF)));
}

QStringView FamilyTree::idAt(qsizetype at) const { return PackedReader(m_texts, at).text(); }

bool FamilyTree::addPerson(const Person& person) {
    const qsizetype at = m_texts.size();
    if (!person.id.isEmpty() && !m_personIds.insert(*this, m_personAt, person.id, personCount())) return false;
    putText(person.id);
    putText(person.name);
    putText(person.birthDate);
    putText(person.deathDate);
    putNumber(person.nameLine);
    putLength(static_cast<qsizetype>(person.childOf.size()));
    for (const ChildOf& link : person.childOf) {
        putText(link.family.target);
        putNumber(link.family.lineNumber);
        m_texts.append(QChar(link.birth ? u'1' : u'0'));
    }
    m_personAt.append(at);
    return true;
}

bool FamilyTree::addFamily(QStringView id, const Family& family) {
    if (id.isEmpty()) return true;
    const qsizetype at = m_texts.size();
    if (!m_familyIds.insert(*this, m_familyAt, id, static_cast<int>(m_familyAt.size()))) return false;
    putText(id);
    for (const Link* link : {&family.husband, &family.wife}) {
        putText(link->target);
        putNumber(link->lineNumber);
    }
    m_familyAt.append(at);
    return true;
}

Person FamilyTree::person(int index) const {
    PackedReader in(m_texts, m_personAt[index]);
    Person person;
    person.id = in.text().toString();
    person.name = in.text().toString();
    person.birthDate = in.text().toString();
    person.deathDate = in.text().toString();
    person.nameLine = in.number();
    const qsizetype links = in.length();
    person.childOf.reserve(static_cast<std::size_t>(links));
    for (qsizetype i = 0; i < links; ++i) {
        ChildOf link;
        link.family = in.link();
        link.birth = in.flag();
        person.childOf.push_back(std::move(link));
    }
    return person;
}

QStringView FamilyTree::nameOf(int index) const {
    PackedReader in(m_texts, m_personAt[index]);
    in.text();
    return in.text();
}

std::optional<int> FamilyTree::personIndex(QStringView id) const {
    if (id.isEmpty()) return std::nullopt;
    const int index = m_personIds.find(*this, m_personAt, id);
    if (index == kFree) return std::nullopt;
    return index;
}

std::optional<Family> FamilyTree::family(QStringView id) const {
    if (id.isEmpty()) return std::nullopt;
    const int index = m_familyIds.find(*this, m_familyAt, id);
    if (index == kFree) return std::nullopt;
    PackedReader in(m_texts, m_familyAt[index]);
    in.text();
    Family family;
    family.husband = in.link();
    family.wife = in.link();
    return family;
}

void FamilyTree::addChild(QStringView familyId, const Link& child) {
    if (!familyId.isEmpty() && !child.target.isEmpty())
        m_listedIn[child.target].push_back({familyId.toString(), child.lineNumber});
}

std::vector<Link> FamilyTree::familiesListing(QStringView personId) const {
    const auto found = m_listedIn.constFind(personId.toString());
    return found == m_listedIn.cend() ? std::vector<Link>() : *found;
}

// A slot holds a record's index in its low 24 bits and 8 bits of its
// identifier's hash above them, so that most slots of other identifiers are
// passed over without reading their texts.
namespace {

constexpr quint32 kFreeSlot = 0xFFFFFFFF;
constexpr quint32 kIndexBits = 0xFFFFFF;
static_assert(kMaxRecords <= kIndexBits);

quint32 tagOf(std::size_t hash) { return static_cast<quint32>(hash >> (8 * sizeof(std::size_t) - 8)) << 24; }

} // namespace

int FamilyTree::IdTable::find(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id) const {
    return find(tree, records, id, qHash(id, m_seed));
}

int FamilyTree::IdTable::find(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id,
                              std::size_t hash) const {
    if (m_slots.empty()) return kFree;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 entry = m_slots[slot];
        if (entry == kFreeSlot) return kFree;
        const int record = static_cast<int>(entry & kIndexBits);
        if ((entry & ~kIndexBits) == tagOf(hash) && tree.idAt(records[record]) == id) return record;
    }
}

void FamilyTree::IdTable::place(std::size_t hash, int record) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot] != kFreeSlot) slot = (slot + 1) & mask;
    m_slots[slot] = tagOf(hash) | static_cast<quint32>(record);
}

bool FamilyTree::IdTable::insert(const FamilyTree& tree, const QList<qsizetype>& records, QStringView id, int record) {
    const std::size_t hash = qHash(id, m_seed);
    if (find(tree, records, id, hash) != kFree) return false;
    // At most half full, so that a search ends soon. Growing, the records
    // are placed again in their order, reading the texts front to back.
    if (2 * (m_used + 1) > static_cast<qsizetype>(m_slots.size())) {
        m_slots.assign(std::max<std::size_t>(64, 2 * m_slots.size()), kFreeSlot);
        for (int kept = 0; kept < static_cast<int>(records.size()); ++kept) {
            const QStringView keptId = tree.idAt(records[kept]);
            if (!keptId.isEmpty()) place(qHash(keptId, m_seed), kept);
        }
    }
    place(hash, record);
    ++m_used;
    return true;
}

} // namespace gedcom
