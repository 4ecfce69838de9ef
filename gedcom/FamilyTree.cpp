#include "FamilyTree.h"

namespace gedcom {

bool FamilyTree::addPerson(Person person) {
    if (!person.id.isEmpty()) {
        // One look-up: operator[] adds the identifier when it is new.
        const qsizetype known = m_personIndex.size();
        int& index = m_personIndex[person.id];
        if (m_personIndex.size() == known) return false;
        index = static_cast<int>(m_people.size());
    }
    m_people.push_back(std::move(person));
    return true;
}

bool FamilyTree::addFamily(const QString& id, Family family) {
    const qsizetype known = m_families.size();
    Family& slot = m_families[id];
    if (m_families.size() == known) return false;
    slot = std::move(family);
    return true;
}

std::optional<int> FamilyTree::personIndex(const QString& id) const {
    const auto it = m_personIndex.constFind(id);
    if (it == m_personIndex.constEnd()) return std::nullopt;
    return it.value();
}

const Family* FamilyTree::family(const QString& id) const {
    const auto it = m_families.constFind(id);
    return it == m_families.constEnd() ? nullptr : &it.value();
}

} // namespace gedcom
