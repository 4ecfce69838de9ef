#include "FamilyFileUse.h"

#include "PersonPicker.h"

#include "chart/ChartLayout.h"
#include "chart/GedcomPedigree.h"
#include "core/Error.h"
#include "gedcom/PersonLookup.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SettingsStore.h"

#include <QFileInfo>

namespace shell {

namespace {

const QString application = QString::fromLatin1(kSettingsApplication);
const QString section = QString::fromLatin1(kSettingsSection);
const QString fileKey = QStringLiteral("FamilyFile");
const QString personKey = QStringLiteral("FamilyPerson");
const QString numbersKey = QStringLiteral("AncestorNumbers");

FamilyChoice choiceOf(const QString& path, const gedcom::FamilyTree& tree, int person) {
    chart::FilledPedigree filled = chart::filledPedigreeOf(tree, person, chart::kMaxGenerations);
    return {path, tree.person(person).id, std::move(filled.personName), filled.knownGenerations,
            std::move(filled.labelByNumber)};
}

void reportUnreadable(const std::exception& failure) {
    const auto* worded = dynamic_cast<const core::Error*>(&failure);
    MsgBox(FamilyFileUse::tr("The family file cannot be read:") + QLatin1Char('\n')
               + (worded ? worded->description() : QString::fromUtf8(failure.what())),
           vbExclamation);
}

} // namespace

FamilyFileUse::FamilyFileUse(QWidget* window) : m_window(window) {}

FamilyFileUse::~FamilyFileUse() = default;

void FamilyFileUse::restore() {
    QString path;
    try {
        m_numbers = getSetting(application, section, numbersKey, QStringLiteral("0")) == QLatin1String("1");
        path = getSetting(application, section, fileKey, QString());
        m_restoringPerson = getSetting(application, section, personKey, QString());
    } catch (const std::exception&) {
        return; // the start-up reports a store it cannot read
    }
    if (path.isEmpty()) return;
    m_remembered = true;
    m_lastFile = path;
    if (m_restoringPerson.isEmpty() || !QFileInfo(path).isFile()) {
        forget();
        return;
    }
    m_restoring = std::make_unique<FamilyFileReading>(path);
    connect(m_restoring.get(), &FamilyFileReading::finished, this, &FamilyFileUse::finishRestore);
    m_restoring->start();
}

void FamilyFileUse::finishRestore() {
    if (!m_restoring) return;
    const std::unique_ptr<FamilyFileReading> reading = std::move(m_restoring);
    try {
        const gedcom::FamilyTree tree = reading->takeTree();
        const std::optional<int> person = tree.personIndex(m_restoringPerson);
        if (!person) {
            forget();
            return;
        }
        m_choice = choiceOf(reading->path(), tree, *person);
        emit changed();
    } catch (const gedcom::ReadingStopped&) {
        forget();
    } catch (const std::exception& failure) {
        forget();
        reportUnreadable(failure);
    }
}

bool FamilyFileUse::waitForRestore() {
    if (!m_restoring) return true;
    // Taken up here rather than by the signal, which the wait lets through.
    disconnect(m_restoring.get(), &FamilyFileReading::finished, this, &FamilyFileUse::finishRestore);
    const bool whole = m_restoring->waitShowingProgress(m_window);
    finishRestore();
    return whole;
}

const FamilyChoice* FamilyFileUse::open(const QString& path, const QString& rootName) {
    if (!waitForRestore()) return nullptr;
    FamilyFileReading reading(QFileInfo(path).absoluteFilePath());
    reading.start();
    if (!reading.waitShowingProgress(m_window)) return nullptr;
    std::optional<gedcom::FamilyTree> tree;
    try {
        tree = reading.takeTree();
    } catch (const gedcom::ReadingStopped&) {
        return nullptr;
    } catch (const std::exception& failure) {
        reportUnreadable(failure);
        return nullptr;
    }
    if (tree->personCount() == 0) {
        MsgBox(tr("%1 holds no person.").arg(reading.path()), vbExclamation);
        return nullptr;
    }
    const std::vector<int> named = gedcom::findPeople(*tree, rootName);
    const std::optional<int> person =
        choosePerson(m_window, *tree, named.empty() ? 0 : named.front(), QFileInfo(path).fileName());
    if (!person) return nullptr;
    try {
        m_choice = choiceOf(reading.path(), *tree, *person);
    } catch (const core::Error& failure) { // a label too long for its box
        reportUnreadable(failure);
        return nullptr;
    }
    m_lastFile = reading.path();
    remember();
    emit changed();
    return &*m_choice;
}

void FamilyFileUse::forget() {
    const bool inUse = m_choice || m_restoring;
    m_restoring.reset();
    m_choice.reset();
    if (m_remembered) {
        saveSettingLater(application, section, fileKey, QString());
        saveSettingLater(application, section, personKey, QString());
        m_remembered = false;
    }
    if (inUse) emit changed();
}

void FamilyFileUse::remember() {
    saveSettingLater(application, section, fileKey, m_choice->filePath);
    saveSettingLater(application, section, personKey, m_choice->personId);
    m_remembered = true;
}

QString FamilyFileUse::lastFile() const { return m_lastFile; }

void FamilyFileUse::setAncestorNumbers(bool shown) {
    m_numbers = shown;
    saveSettingLater(application, section, numbersKey, shown ? QStringLiteral("1") : QStringLiteral("0"));
}

chart::BoxLabels FamilyFileUse::boxLabels() const {
    return {m_numbers, m_choice ? m_choice->labelByNumber : std::vector<QString>()};
}

} // namespace shell
