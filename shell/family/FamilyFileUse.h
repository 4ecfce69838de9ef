#pragma once

#include "FamilyFileReading.h"

#include "chart/BoxTexts.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace shell {

// A person of a family file whose ancestors fill the chart, with the labels
// of their boxes as far back as a chart reaches.
struct FamilyChoice {
    QString filePath;
    QString personId;
    QString personName;
    int knownGenerations = 1; // down to the oldest known ancestor, at most a chart's 15
    std::vector<QString> labelByNumber;
};

// The family file the main window's charts are filled from, and whether the
// boxes show ancestor numbers. Both are remembered in the settings store
// beside the inputs ("FamilyFile", "FamilyPerson", "AncestorNumbers"), and
// written only when they change, so that a store of someone who never used
// them keeps its two keys.
class FamilyFileUse : public QObject {
    Q_OBJECT

public:
    // Dialogs and messages show over the window.
    explicit FamilyFileUse(QWidget* window);
    ~FamilyFileUse() override;

    // Takes up the file and person of the last run again, the file read on a
    // thread meanwhile. A file that has gone away, or no longer holds the
    // person, is forgotten quietly; one that cannot be read is reported.
    void restore();

    // Reads the file, showing how far it has come when that takes a while,
    // and lets the user choose the person, starting on the one rootName
    // names, else on the file's first; or takes the person of the identifier
    // given, where the file holds one, without asking. The choice is used
    // from then on and remembered. A file that cannot be read is reported,
    // naming file and line; then, and when the user cancels, nothing changes
    // and the answer is null.
    const FamilyChoice* open(const QString& path, const QString& rootName, const QString& personId = {});

    // Back to blank charts: the file and person are forgotten.
    void forget();

    // Waits for a restore under way, showing its progress when it is slow.
    // False when the user stopped it; the file is forgotten then.
    bool waitForRestore();

    const FamilyChoice* choice() const { return m_choice ? &*m_choice : nullptr; }
    // The file in use or remembered, for the open dialog's folder.
    QString lastFile() const;

    bool ancestorNumbers() const { return m_numbers; }
    void setAncestorNumbers(bool shown);

    chart::BoxLabels boxLabels() const;

signals:
    // A file and person came into use, or were forgotten.
    void changed();

private:
    void finishRestore();
    void remember();

    QWidget* m_window;
    std::optional<FamilyChoice> m_choice;
    std::unique_ptr<FamilyFileReading> m_restoring;
    QString m_restoringPerson;
    QString m_lastFile;
    bool m_remembered = false; // the store holds a file and person
    bool m_numbers = false;
};

} // namespace shell
