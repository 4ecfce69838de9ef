#include "FamilyTree.h"

#include "GedcomError.h"
#include "ReadingProgress.h"
#include "RecordFields.h"
#include "RecordStore.h"
#include "RecordText.h"
#include "TextDecoder.h"

#include <algorithm>

namespace gedcom {

static_assert(kMaxRecords < (1 << 24), "record indexes fit the identifier tables' slots");

namespace {

// How many entries a long step of finish() takes between looks at a stop request.
constexpr std::size_t kStepsBetweenLooks = 1 << 16;

void stopWhenAsked(std::size_t step, const std::atomic<bool>& stopRequested) {
    if (step % kStepsBetweenLooks == 0 && stopRequested) throw ReadingStopped();
}

} // namespace

void RecordPlaces::add(const RecordPlace& place) {
    const bool apart = place.size >= kApart || place.line >= kApart;
    if (apart) m_apart.emplace_back(static_cast<int>(m_places.size()), place);
    m_places.push_back({place.offset, apart ? kApart : static_cast<quint32>(place.size),
                        apart ? kApart : static_cast<quint32>(place.line)});
}

RecordPlace RecordPlaces::operator[](int index) const {
    const Packed& packed = m_places[static_cast<std::size_t>(index)];
    if (packed.size != kApart) return {packed.offset, packed.line, packed.size};
    return std::lower_bound(m_apart.begin(), m_apart.end(), index,
                            [](const std::pair<int, RecordPlace>& kept, int wanted) { return kept.first < wanted; })
        ->second;
}

FamilyTree::FamilyTree() = default;
FamilyTree::~FamilyTree() = default;
FamilyTree::FamilyTree(FamilyTree&&) noexcept = default;
FamilyTree& FamilyTree::operator=(FamilyTree&&) noexcept = default;

bool FamilyTree::addPerson(QByteArrayView id, const RecordPlace& place) {
    if (m_personIds.add(id) < 0) return false;
    m_personPlaces.add(place);
    return true;
}

bool FamilyTree::addFamily(QByteArrayView id, const RecordPlace& place, std::span<const QByteArrayView> children) {
    if (id.isEmpty()) return true;
    const int family = m_familyIds.add(id);
    if (family < 0) return false;
    m_familyPlaces.add(place);
    for (const QByteArrayView child : children) {
        const int person = m_personIds.find(child);
        if (person >= 0) {
            m_childLinks.emplace_back(family, person);
            continue;
        }
        // A person who has not come yet is looked for once everyone has.
        if (m_laterChildAt.empty()) m_laterChildAt.push_back(0);
        m_childLinks.emplace_back(family, -static_cast<qint32>(m_laterChildAt.size()));
        m_laterChildren.append(child);
        m_laterChildAt.push_back(m_laterChildren.size());
    }
    return true;
}

void FamilyTree::finish(std::shared_ptr<RecordStore> store, CharacterSet set, bool gedcom7,
                        const std::atomic<bool>& stopRequested) {
    m_store = std::move(store);
    m_set = set;
    m_gedcom7 = gedcom7;
    // Who is whose child, counted by person, then laid out by person in the
    // families' order.
    m_listedAt.assign(static_cast<std::size_t>(personCount()) + 1, 0);
    std::size_t step = 0;
    for (auto& [family, person] : m_childLinks) {
        stopWhenAsked(++step, stopRequested);
        if (person < 0) {
            const auto later = static_cast<std::size_t>(-person);
            const QByteArrayView id =
                QByteArrayView(m_laterChildren)
                    .sliced(m_laterChildAt[later - 1], m_laterChildAt[later] - m_laterChildAt[later - 1]);
            person = m_personIds.find(id);
        }
        if (person >= 0) ++m_listedAt[static_cast<std::size_t>(person) + 1];
    }
    m_laterChildren = QByteArray();
    m_laterChildAt = {};
    for (std::size_t i = 1; i < m_listedAt.size(); ++i) m_listedAt[i] += m_listedAt[i - 1];
    m_listing.resize(m_listedAt.back());
    std::vector<quint32> filled(m_listedAt.begin(), m_listedAt.end() - 1);
    for (const auto& [family, person] : m_childLinks) {
        stopWhenAsked(++step, stopRequested);
        if (person >= 0) m_listing[filled[static_cast<std::size_t>(person)]++] = family;
    }
    m_childLinks = {};
}

Record FamilyTree::recordAt(const RecordPlace& place) const {
    const QByteArrayView bytes = m_store->read(place.offset, place.size);
    Record record = parseRecord(decodeText(m_set, bytes), place.line, fileName);
    if (record.lines.empty())
        fail(fileName, place.line,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the file has changed since it was read; open it again")));
    return record;
}

Person FamilyTree::person(int index) const {
    Person person = personOf(recordAt(m_personPlaces[index]), m_gedcom7);
    // The identifier as the tree holds it, whatever the record at that place says now.
    person.id = QString::fromUtf8(m_personIds.at(index));
    return person;
}

QString FamilyTree::nameOf(int index) const { return person(index).name; }

Family FamilyTree::family(int index) const {
    Family family = familyOf(recordAt(m_familyPlaces[index]));
    family.id = familyId(index);
    return family;
}

std::optional<Family> FamilyTree::family(QStringView id) const {
    const std::optional<int> index = familyIndex(id);
    if (!index) return std::nullopt;
    return family(*index);
}

std::optional<int> FamilyTree::personIndex(QStringView id) const {
    const int index = m_personIds.find(id.toUtf8());
    return index < 0 ? std::nullopt : std::optional(index);
}

std::optional<int> FamilyTree::familyIndex(QStringView id) const {
    const int index = m_familyIds.find(id.toUtf8());
    return index < 0 ? std::nullopt : std::optional(index);
}

QString FamilyTree::familyId(int index) const { return QString::fromUtf8(m_familyIds.at(index)); }

std::span<const qint32> FamilyTree::familiesListing(int person) const {
    if (m_listedAt.empty()) return {};
    const auto at = static_cast<std::size_t>(person);
    return std::span<const qint32>(m_listing).subspan(m_listedAt[at], m_listedAt[at + 1] - m_listedAt[at]);
}

} // namespace gedcom
