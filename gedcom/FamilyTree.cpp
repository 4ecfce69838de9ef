#include "FamilyTree.h"

namespace gedcom {

bool FamilyTree::addPerson(Person person) {
    if (!person.id.isEmpty()) {
        if (m_personIndex.contains(person.id)) return false;
        m_personIndex.insert(person.id, static_cast<int>(m_people.size()));
    }
    m_people.push_back(std::move(person));
    return true;
}

bool FamilyTree::addFamily(const QString& id, Family family) {
    if (m_families.contains(id)) return false;
    m_families.insert(id, std::move(family));
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
