#include "SaveFileDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace shell {
namespace {

SaveFileDialogTestSeam* activeSeam = nullptr;

} // namespace

QString QtFilterFrom(const QString& barSeparatedFilter) {
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt reads the patterns from the parentheses; add them when the
        // description does not show them.
        entries << (description.contains(QLatin1Char('(')) ? description
                                                           : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

void SaveFileDialog::showSave(QWidget* parent) {
    const ShownSaveDialog dialog{dialogTitle, QtFilterFrom(filter), fileName};
    if (activeSeam) {
        fileName = activeSeam->answer(dialog);
        return;
    }
    fileName = QFileDialog::getSaveFileName(parent, dialog.title, dialog.fileName, dialog.filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
}

SaveFileDialogTestSeam::SaveFileDialogTestSeam() { activeSeam = this; }

SaveFileDialogTestSeam::~SaveFileDialogTestSeam() {
    if (activeSeam == this) activeSeam = nullptr;
}

QString SaveFileDialogTestSeam::answer(const ShownSaveDialog& dialog) {
    m_shown.push_back(dialog);
    if (m_answers.empty()) return QString();
    QString next = m_answers.front();
    m_answers.pop_front();
    return next;
}

} // namespace shell
