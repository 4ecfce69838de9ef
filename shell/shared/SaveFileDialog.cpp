#include "SaveFileDialog.h"

#include "RoomyFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace shell {
namespace {

SaveFileDialogTestSeam* activeSeam = nullptr;

// The filter's entries in Qt's form, one for each description and pattern pair.
QStringList qtFilterEntries(const QString& barSeparatedFilter) {
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
    return entries;
}

// Every pattern of every entry of the filter: "*.xls", "*.ods", ...
QStringList offeredPatterns(const QString& barSeparatedFilter) {
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList patterns;
    for (qsizetype i = 1; i < parts.size(); i += 2) patterns += parts[i].split(QLatin1Char(';'));
    return patterns;
}

} // namespace

QString qtFilterFrom(const QString& barSeparatedFilter) {
    return qtFilterEntries(barSeparatedFilter).join(QStringLiteral(";;"));
}

QString withFilterExtension(const QString& chosen, const QString& barSeparatedFilter, int filterIndex) {
    const int patternAt = 2 * std::max(filterIndex, 1) - 1;
    const QString firstPattern =
        barSeparatedFilter.section(QLatin1Char('|'), patternAt, patternAt).section(QLatin1Char(';'), 0, 0);
    if (!firstPattern.startsWith(QStringLiteral("*."))) return chosen;
    const QString extension = firstPattern.mid(1);
    if (extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?'))) return chosen;
    if (chosen.isEmpty() || chosen.endsWith(QLatin1Char('/'))) return chosen;
    // Only an extension the filter offers is one: "Weaver Jr." and "tree.old" still get the chosen one.
    const QString typed = QFileInfo(chosen).suffix();
    if (!typed.isEmpty()
        && offeredPatterns(barSeparatedFilter).contains(QStringLiteral("*.") + typed, Qt::CaseInsensitive))
        return chosen;
    return chosen + extension;
}

void SaveFileDialog::showSave(QWidget* parent) {
    const QStringList entries = qtFilterEntries(filter);
    const ShownSaveDialog dialog{dialogTitle, entries.join(QStringLiteral(";;")), fileName, filterIndex};
    QString chosen;
    if (activeSeam) {
        const SaveFileDialogTestSeam::Answer answer = activeSeam->answer(dialog);
        chosen = answer.path;
        filterIndex = answer.filterIndex;
    } else {
        QFileDialog save(parent, dialog.title, dialog.fileName, dialog.filter);
        save.setAcceptMode(QFileDialog::AcceptSave);
        save.setOption(QFileDialog::DontConfirmOverwrite);
        save.selectNameFilter(entries.value(filterIndex - 1));
        if (execRoomy(save)) {
            chosen = save.selectedFiles().value(0);
            if (const qsizetype at = entries.indexOf(save.selectedNameFilter()); at >= 0)
                filterIndex = static_cast<int>(at) + 1;
        }
    }
    fileName = withFilterExtension(chosen, filter, filterIndex);
}

SaveFileDialogTestSeam::SaveFileDialogTestSeam() { activeSeam = this; }

SaveFileDialogTestSeam::~SaveFileDialogTestSeam() {
    if (activeSeam == this) activeSeam = nullptr;
}

SaveFileDialogTestSeam::Answer SaveFileDialogTestSeam::answer(const ShownSaveDialog& dialog) {
    m_shown.push_back(dialog);
    if (m_answers.empty()) return {QString(), dialog.filterIndex};
    Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

} // namespace shell
