#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace spreadsheet {

// A per-user table of live objects that other processes can find by class
// name ("Excel.Application"), each answering with its default member. An
// entry is a small file in the user's runtime folder, locked by its owner
// for as long as the object lives; an entry whose owner died is ignored and
// cleared away.
class RunningObjectEntry {
public:
    RunningObjectEntry(const QString& className, const QString& defaultMember);
    ~RunningObjectEntry();
    RunningObjectEntry(const RunningObjectEntry&) = delete;
    RunningObjectEntry& operator=(const RunningObjectEntry&) = delete;

private:
    QString m_path;
    int m_fd = -1;
};

// The default member of a live object registered under the class name, or
// nothing when none lives. Never throws.
std::optional<QString> runningObjectDefaultMember(const QString& className);

// Where entries are kept; tests point it at a folder of their own.
QString runningObjectFolder();
void setRunningObjectFolder(const QString& folder);

} // namespace spreadsheet
