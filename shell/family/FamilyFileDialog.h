#pragma once

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace shell {

// The open dialog of "Fill from a Family File…": GEDCOM files first, in the
// folder of the file used last. The chosen path, or the empty text when the
// user cancelled.
QString chooseFamilyFile(QWidget* parent, const QString& lastFile);

// The open dialog of "Family File from a Filled Chart…": workbooks (.xls,
// .xlsx, .ods), in the folder of the family file used last. The test seam
// below answers it too.
QString chooseFilledChart(QWidget* parent, const QString& lastFile);

// Tests: while an object lives no open dialog is shown; each one is counted and
// answered with the next queued path, or cancelled when none is queued.
class FamilyFileDialogTestSeam {
public:
    FamilyFileDialogTestSeam();
    ~FamilyFileDialogTestSeam();
    FamilyFileDialogTestSeam(const FamilyFileDialogTestSeam&) = delete;
    FamilyFileDialogTestSeam& operator=(const FamilyFileDialogTestSeam&) = delete;

    void setNextAnswer(const QString& path) { m_answers.push_back(path); }
    int shown() const { return m_shown; }

    QString answer();

private:
    std::deque<QString> m_answers;
    int m_shown = 0;
};

} // namespace shell
