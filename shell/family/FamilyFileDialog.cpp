#include "FamilyFileDialog.h"

#include "shell/shared/RoomyFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace shell {

namespace {

FamilyFileDialogTestSeam* activeSeam = nullptr;

// An open dialog, roomy, in the folder of the file used last.
QString chooseFileToOpen(QWidget* parent, const QString& lastFile, const char* title, const char* filter) {
    if (activeSeam) return activeSeam->answer();
    const QString folder = lastFile.isEmpty() ? QDir::homePath() : QFileInfo(lastFile).absolutePath();
    QFileDialog open(parent, QCoreApplication::translate("shell::FamilyFileDialog", title), folder,
                     QCoreApplication::translate("shell::FamilyFileDialog", filter));
    open.setFileMode(QFileDialog::ExistingFile);
    return execRoomy(open) ? open.selectedFiles().value(0) : QString();
}

} // namespace

QString chooseFamilyFile(QWidget* parent, const QString& lastFile) {
    return chooseFileToOpen(
        parent, lastFile, QT_TRANSLATE_NOOP("shell::FamilyFileDialog", "Fill from a Family File"),
        QT_TRANSLATE_NOOP("shell::FamilyFileDialog", "GEDCOM Files (*.ged *.GED *.gdz *.GDZ);;All Files (*)"));
}

QString chooseFilledChart(QWidget* parent, const QString& lastFile) {
    return chooseFileToOpen(parent, lastFile,
                            QT_TRANSLATE_NOOP("shell::FamilyFileDialog", "Family File from a Filled Chart"),
                            QT_TRANSLATE_NOOP("shell::FamilyFileDialog",
                                              "Workbooks (*.xls *.xlsx *.ods *.XLS *.XLSX *.ODS);;All Files (*)"));
}

FamilyFileDialogTestSeam::FamilyFileDialogTestSeam() { activeSeam = this; }

FamilyFileDialogTestSeam::~FamilyFileDialogTestSeam() {
    if (activeSeam == this) activeSeam = nullptr;
}

QString FamilyFileDialogTestSeam::answer() {
    ++m_shown;
    if (m_answers.empty()) return QString();
    QString next = m_answers.front();
    m_answers.pop_front();
    return next;
}

} // namespace shell
