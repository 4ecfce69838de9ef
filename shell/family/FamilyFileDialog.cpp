#include "FamilyFileDialog.h"

#include "shell/shared/RoomyFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace shell {

namespace {

FamilyFileDialogTestSeam* activeSeam = nullptr;

} // namespace

QString chooseFamilyFile(QWidget* parent, const QString& lastFile) {
    if (activeSeam) return activeSeam->answer();
    const QString folder = lastFile.isEmpty() ? QDir::homePath() : QFileInfo(lastFile).absolutePath();
    QFileDialog open(parent, QCoreApplication::translate("shell::FamilyFileDialog", "Fill from a Family File"), folder,
                     QCoreApplication::translate("shell::FamilyFileDialog",
                                                 "GEDCOM Files (*.ged *.GED *.gdz *.GDZ);;All Files (*)"));
    open.setFileMode(QFileDialog::ExistingFile);
    return execRoomy(open) ? open.selectedFiles().value(0) : QString();
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
