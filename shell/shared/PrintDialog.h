#pragma once

#include <QPageLayout>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace shell {

// The system's print dialog (Qt Print Support) for the printer: true when
// the user chose to print, the printer then set as they chose.
bool showPrintDialog(QPrinter& printer, QWidget* parent = nullptr);

// What the program showed: the page the printer was set to when the dialog opened.
struct ShownPrintDialog {
    QPageLayout pageLayout;
    QString documentName;
};

// Tests: while an object lives no dialog is shown; each one is recorded and
// answered by the next queued answer, which sets the printer up as a user
// would (a queue, a file) and says whether to print; cancelled when none
// is queued.
class PrintDialogTestSeam {
public:
    using Answer = std::function<bool(QPrinter& printer)>;

    PrintDialogTestSeam();
    ~PrintDialogTestSeam();
    PrintDialogTestSeam(const PrintDialogTestSeam&) = delete;
    PrintDialogTestSeam& operator=(const PrintDialogTestSeam&) = delete;

    void setNextAnswer(Answer answer) { m_answers.push_back(std::move(answer)); }
    const std::vector<ShownPrintDialog>& shown() const { return m_shown; }

    bool answer(QPrinter& printer);

private:
    std::deque<Answer> m_answers;
    std::vector<ShownPrintDialog> m_shown;
};

} // namespace shell
