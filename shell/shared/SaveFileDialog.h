#pragma once

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace shell {

// The save dialog, set up like a common file dialog: file name, title and a
// filter in the form "Excel Files (*.xls)|*.xls|" (description and pattern
// pairs separated by bars). showSave() leaves the chosen path in fileName,
// or the empty text when the user cancelled, and the filter chosen in
// filterIndex; a name typed without an extension gets that filter's, as save
// dialogs here do. It asks nothing about an existing file; the caller asks
// its own question.
class SaveFileDialog {
public:
    QString fileName;
    QString dialogTitle;
    QString filter;
    // The filter selected when the dialog shows, counted from 1; after it, the one chosen.
    int filterIndex = 1;

    void showSave(QWidget* parent = nullptr);
};

// The filter in Qt's form: "Excel Files (*.xls)".
QString qtFilterFrom(const QString& barSeparatedFilter);

// The chosen path with the extension of the first pattern ("*.xls") of the
// filter chosen (counted from 1) added unless its file name ends in an
// extension one of the filter's patterns names: "ingrid", "Weaver Jr." and
// "ingrid.old" become "ingrid.xls", "Weaver Jr..xls" and "ingrid.old.xls",
// while "ingrid.ods" (where the filter offers it) and an empty (cancelled)
// path stay as they are.
QString withFilterExtension(const QString& chosen, const QString& barSeparatedFilter, int filterIndex = 1);

// What the program showed.
struct ShownSaveDialog {
    QString title;
    QString filter; // in Qt's form
    QString fileName;
    int filterIndex = 1; // the filter shown selected
};

// Tests: while an object lives no dialog is shown; each one is recorded and
// answered with the next queued path, or cancelled when none is queued.
class SaveFileDialogTestSeam {
public:
    SaveFileDialogTestSeam();
    ~SaveFileDialogTestSeam();
    SaveFileDialogTestSeam(const SaveFileDialogTestSeam&) = delete;
    SaveFileDialogTestSeam& operator=(const SaveFileDialogTestSeam&) = delete;

    // An empty path answers as a cancelled dialog; the filter is the one
    // the user chose, counted from 1.
    void setNextAnswer(const QString& path, int filterIndex = 1) { m_answers.push_back({path, filterIndex}); }
    const std::vector<ShownSaveDialog>& shown() const { return m_shown; }

    struct Answer {
        QString path;
        int filterIndex = 1;
    };
    Answer answer(const ShownSaveDialog& dialog);

private:
    std::deque<Answer> m_answers;
    std::vector<ShownSaveDialog> m_shown;
};

} // namespace shell
