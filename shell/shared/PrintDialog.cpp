#include "PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace shell {

namespace {

PrintDialogTestSeam* activeSeam = nullptr;

} // namespace

bool showPrintDialog(QPrinter& printer, QWidget* parent) {
    if (activeSeam) return activeSeam->answer(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogTestSeam::PrintDialogTestSeam() { activeSeam = this; }

PrintDialogTestSeam::~PrintDialogTestSeam() {
    if (activeSeam == this) activeSeam = nullptr;
}

bool PrintDialogTestSeam::answer(QPrinter& printer) {
    m_shown.push_back({printer.pageLayout(), printer.docName()});
    if (m_answers.empty()) return false;
    const Answer next = std::move(m_answers.front());
    m_answers.pop_front();
    return next(printer);
}

} // namespace shell
