#include "PeopleModel.h"

#include "gedcom/LifeYears.h"

#include <algorithm>

namespace shell {

PeopleModel::PeopleModel(const gedcom::FamilyTree& tree, QObject* parent) : QAbstractTableModel(parent), m_tree(tree) {}

void PeopleModel::setPeople(std::vector<int> people) {
    beginResetModel();
    m_people = std::move(people);
    endResetModel();
}

int PeopleModel::rowOf(int person) const {
    // Rows keep the file's order.
    const auto at = std::lower_bound(m_people.begin(), m_people.end(), person);
    return at != m_people.end() && *at == person ? static_cast<int>(at - m_people.begin()) : -1;
}

int PeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_people.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PeopleModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const int at = personAt(index.row());
    if (index.column() == Name) return m_tree.nameOf(at);
    const gedcom::Person person = m_tree.person(at);
    switch (index.column()) {
    case Years: {
        // The years without their parentheses: "1820–1891", "b. 1820".
        const QString years = gedcom::lifeYears(person);
        return years.size() >= 2 ? years.mid(1, years.size() - 2) : years;
    }
    case Identifier: return QStringLiteral("@%1@").arg(person.id);
    default: return {};
    }
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Name: return tr("Name");
    case Years: return tr("Years");
    case Identifier: return tr("Identifier");
    default: return {};
    }
}

} // namespace shell
