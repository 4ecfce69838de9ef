#pragma once

#include "gedcom/FamilyTree.h"

#include <QAbstractTableModel>

#include <vector>

namespace shell {

// The people a picker lists, one a row: name, life years and identifier.
// Which people, and in what order, is set from outside (a filter's matches);
// a row's texts are made only when a view shows it.
class PeopleModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Name,
        Years,
        Identifier,
        ColumnCount
    };

    explicit PeopleModel(const gedcom::FamilyTree& tree, QObject* parent = nullptr);

    void setPeople(std::vector<int> people);
    int personAt(int row) const { return m_people[static_cast<std::size_t>(row)]; }
    // The row of a person, or -1 where the person is not listed.
    int rowOf(int person) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const gedcom::FamilyTree& m_tree;
    std::vector<int> m_people;
};

} // namespace shell
