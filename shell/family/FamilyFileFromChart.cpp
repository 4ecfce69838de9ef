#include "FamilyFileFromChart.h"

#include "chart/ChartFamily.h"
#include "core/Error.h"
#include "gedcom/GedcomWriter.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SaveFileDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

namespace {

// At most this many warnings are shown in the message; the rest are counted.
constexpr int kWarningsShown = 8;

QString descriptionOf(const std::exception& failure) {
    const auto* worded = dynamic_cast<const core::Error*>(&failure);
    return worded ? worded->description() : QString::fromUtf8(failure.what());
}

// The wait cursor while a chart is read or its file written.
class Waiting {
public:
    Waiting() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Waiting() { QApplication::restoreOverrideCursor(); }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;
};

std::optional<chart::ChartFamily> readChart(const QString& workbook) {
    try {
        const Waiting waiting;
        return chart::readChartFamily(workbook);
    } catch (const std::exception& failure) {
        MsgBox(QCoreApplication::translate("shell::FamilyFileFromChart", "The chart cannot be read:")
                   + QLatin1Char('\n') + descriptionOf(failure),
               vbExclamation);
        return std::nullopt;
    }
}

// The path the user chose, after the question about a file already there; empty when cancelled.
QString chooseFamilyFile(QWidget* parent, const QString& workbook, const QString& rootName) {
    SaveFileDialog dialog;
    dialog.dialogTitle = QCoreApplication::translate("shell::FamilyFileFromChart", "Family File from a Filled Chart");
    dialog.fileName = suggestedFamilyFileName(workbook, rootName);
    dialog.filter = QCoreApplication::translate("shell::FamilyFileFromChart", "Family Files (*.ged)|*.ged|");
    dialog.showSave(parent);
    const QString chosen = dialog.fileName;
    if (chosen.isEmpty()) return {};
    if (FileExists(chosen) == -1
        && MsgBox(QCoreApplication::translate("shell::FamilyFileFromChart", "Are you sure you wish to overwrite %1 ?")
                      .arg(chosen),
                  vbYesNo)
            != vbYes)
        return {};
    return chosen;
}

QString doneMessage(const QString& path, const chart::ChartFamily& family) {
    QString message = QCoreApplication::translate("shell::FamilyFileFromChart", "%n people written to %1.", nullptr,
                                                  family.personCount())
                          .arg(QDir::toNativeSeparators(path));
    if (family.warnings.isEmpty()) return message;
    message += QStringLiteral("\n\n") + family.warnings.mid(0, kWarningsShown).join(QLatin1Char('\n'));
    if (family.warnings.size() > kWarningsShown)
        message += QLatin1Char('\n')
            + QCoreApplication::translate("shell::FamilyFileFromChart", "and %n more warnings", nullptr,
                                          int(family.warnings.size() - kWarningsShown));
    return message;
}

} // namespace

QString suggestedFamilyFileName(const QString& workbook, const QString& rootName) {
    const QFileInfo info(workbook);
    QString name = rootName.simplified();
    if (name.isEmpty()) name = info.completeBaseName();
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    name = name.simplified();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name.prepend(QStringLiteral("family"));
    return QDir(info.absolutePath()).filePath(name + QStringLiteral(".ged"));
}

std::optional<WrittenFamilyFile> writeFamilyFileFromChart(QWidget* parent, const QString& workbook) {
    const std::optional<chart::ChartFamily> family = readChart(workbook);
    if (!family) return std::nullopt;
    const QString path = chooseFamilyFile(parent, workbook, family->rootName);
    if (path.isEmpty()) return std::nullopt;
    try {
        const Waiting waiting;
        gedcom::writeFamilyFile(path, family->people);
    } catch (const std::exception& failure) {
        MsgBox(QCoreApplication::translate("shell::FamilyFileFromChart", "The family file cannot be saved:")
                   + QLatin1Char('\n') + descriptionOf(failure),
               vbExclamation);
        return std::nullopt;
    }
    MsgBox(doneMessage(path, *family));
    return WrittenFamilyFile{path, family->rootName, family->personCount()};
}

} // namespace shell
