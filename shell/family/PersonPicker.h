#pragma once

#include "PeopleIndex.h"
#include "PeopleModel.h"

#include "gedcom/FamilyTree.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace shell {

// Lists every person of a family file and filters the list as the user
// types (words in any order, case and accents ignored). Enter takes the
// selected person, Esc cancels. The selection starts on the given person.
// Controls by name: "Filter", "People", "Count", "Buttons".
class PersonPicker : public QDialog {
    Q_OBJECT

public:
    PersonPicker(const gedcom::FamilyTree& tree, int startPerson, const QString& fileName, QWidget* parent = nullptr);

    // The selected person, if any.
    std::optional<int> selectedPerson() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter();
    void select(int row);
    void showCount();

    PeopleIndex m_index;
    PeopleModel m_model;
    QLineEdit* m_filter;
    QTableView* m_people;
    QLabel* m_count;
    QDialogButtonBox* m_buttons;
};

// Shows the picker, modal; the chosen person, or nothing when cancelled.
std::optional<int> choosePerson(QWidget* parent, const gedcom::FamilyTree& tree, int startPerson,
                                const QString& fileName);

} // namespace shell
