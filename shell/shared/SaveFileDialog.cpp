#include "SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace shell {
namespace {

SaveFileDialogTestSeam* activeSeam = nullptr;

} // namespace

QString qtFilterFrom(const QString& barSeparatedFilter) {
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // Qt reads the patterns from the parentheses; add them when the
        // description does not show them.
        entries << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString withFilterExtension(const QString& chosen, const QString& barSeparatedFilter) {
    const QString firstPattern = barSeparatedFilter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    if (!firstPattern.startsWith(QStringLiteral("*."))) return chosen;
    const QString extension = firstPattern.mid(1);
    if (extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?'))) return chosen;
    if (chosen.isEmpty() || chosen.endsWith(QLatin1Char('/'))
        || QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + extension;
}

void SaveFileDialog::showSave(QWidget* parent) {
    const ShownSaveDialog dialog{dialogTitle, qtFilterFrom(filter), fileName};
    const QString chosen = activeSeam
        ? activeSeam->answer(dialog)
        : QFileDialog::getSaveFileName(parent, dialog.title, dialog.fileName, dialog.filter, nullptr,
                                       QFileDialog::DontConfirmOverwrite);
    fileName = withFilterExtension(chosen, filter);
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
