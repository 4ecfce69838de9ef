#pragma once

// What a chart build touches beyond the shell: the temporary folder (through
// the "TEMP" variable) and the table of running instances, both pointed at
// folders of the test's own for as long as the object lives.
#include "files/RunningObjects.h"

#include <QFile>
#include <QTemporaryDir>

class BuildSandbox {
public:
    BuildSandbox() : m_oldTemp(qgetenv("TEMP")) {
        files::setRunningObjectFolder(m_objects.path());
        qputenv("TEMP", QFile::encodeName(m_temp.path()));
    }
    ~BuildSandbox() {
        qputenv("TEMP", m_oldTemp);
        files::setRunningObjectFolder(QString());
    }
    BuildSandbox(const BuildSandbox&) = delete;
    BuildSandbox& operator=(const BuildSandbox&) = delete;

    QString tempFolder() const { return m_temp.path(); }
    void setTempFolder(const QString& path) const { qputenv("TEMP", QFile::encodeName(path)); }

private:
    QByteArray m_oldTemp;
    QTemporaryDir m_objects;
    QTemporaryDir m_temp;
};
