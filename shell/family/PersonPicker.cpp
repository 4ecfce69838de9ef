#include "PersonPicker.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace shell {

namespace {

// The keys that move through the list while the typing goes on in the filter.
bool movesThroughList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

} // namespace

PersonPicker::PersonPicker(const gedcom::FamilyTree& tree, int startPerson, const QString& fileName, QWidget* parent)
    : QDialog(parent), m_index(tree), m_model(tree), m_filter(new QLineEdit(this)), m_people(new QTableView(this)),
      m_count(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Choose the Person – %1").arg(fileName));
    auto* prompt = new QLabel(tr("Whose ancestors fill the chart? Type a name, a year or an identifier:"));
    prompt->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("Filter"));
    m_filter->setClearButtonEnabled(true);
    // Its button is named by its action, for screen readers.
    if (auto* clear = m_filter->findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction")))
        clear->setText(tr("Clear"));
    m_filter->installEventFilter(this);
    m_people->setObjectName(QStringLiteral("People"));
    m_people->setAccessibleName(tr("People"));
    m_count->setObjectName(QStringLiteral("Count"));
    m_buttons->setObjectName(QStringLiteral("Buttons"));

    m_model.setPeople(m_index.matching(QString()));
    m_people->setModel(&m_model);
    m_people->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_people->setSelectionMode(QAbstractItemView::SingleSelection);
    m_people->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_people->setTabKeyNavigation(false);
    m_people->setWordWrap(false);
    m_people->setShowGrid(false);
    // Rows of one height, counted rather than measured: a file of 100,000
    // people lists at once.
    m_people->verticalHeader()->setVisible(false);
    m_people->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_people->verticalHeader()->setDefaultSectionSize(m_people->fontMetrics().height() + 6);
    m_people->horizontalHeader()->setSectionResizeMode(PeopleModel::Name, QHeaderView::Stretch);
    m_people->horizontalHeader()->resizeSection(PeopleModel::Years, 150);
    m_people->horizontalHeader()->resizeSection(PeopleModel::Identifier, 100);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_filter);
    layout->addWidget(m_people, 1);
    layout->addWidget(m_count);
    layout->addWidget(m_buttons);
    resize(620, 460);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_filter, &QLineEdit::textChanged, this, &PersonPicker::filter);
    connect(m_people, &QAbstractItemView::doubleClicked, this, &QDialog::accept);

    select(m_model.rowOf(startPerson));
    showCount();
    m_filter->setFocus();
}

std::optional<int> PersonPicker::selectedPerson() const {
    const QModelIndex current = m_people->selectionModel()->currentIndex();
    if (!current.isValid() || !m_people->selectionModel()->isRowSelected(current.row())) return std::nullopt;
    return m_model.personAt(current.row());
}

void PersonPicker::filter() {
    const std::optional<int> before = selectedPerson();
    m_model.setPeople(m_index.matching(m_filter->text()));
    // The person chosen before stays chosen while they still match.
    const int kept = before ? m_model.rowOf(*before) : -1;
    select(kept >= 0 ? kept : 0);
    showCount();
}

void PersonPicker::select(int row) {
    const bool any = row >= 0 && row < m_model.rowCount();
    if (any) {
        const QModelIndex index = m_model.index(row, PeopleModel::Name);
        m_people->selectionModel()->setCurrentIndex(index,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_people->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(any);
}

void PersonPicker::showCount() {
    const int all = m_index.size();
    const int shown = m_model.rowCount();
    m_count->setText(shown == all ? tr("%Ln people", nullptr, all) : tr("%L1 of %Ln people", nullptr, all).arg(shown));
}

bool PersonPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress
        && movesThroughList(static_cast<QKeyEvent*>(event)->key())) {
        QCoreApplication::sendEvent(m_people, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<int> choosePerson(QWidget* parent, const gedcom::FamilyTree& tree, int startPerson,
                                const QString& fileName) {
    PersonPicker picker(tree, startPerson, fileName, parent);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.selectedPerson();
}

} // namespace shell
