#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace files {

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

    // False when the table could not take the entry (no folder of the
    // user's own): then no other process can find the object.
    bool isRegistered() const { return m_fd >= 0; }

private:
    QString m_path;
    int m_fd = -1;
};

// The default member of a live object registered under the class name, or
// nothing when none lives. Never throws.
std::optional<QString> runningObjectDefaultMember(const QString& className);

// The default members of every live object registered under the class
// name, in the order of their entries. Never throws.
QStringList runningObjectDefaultMembers(const QString& className);

// Whether the table can be kept and trusted here: a folder of the user's
// own, made when missing.
bool runningObjectTableIsUsable();

// Where entries are kept; tests point it at a folder of their own.
QString runningObjectFolder();
void setRunningObjectFolder(const QString& folder);

} // namespace files
