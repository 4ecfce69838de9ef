#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace files {

class RunningObjectEntry;

// While the object lives, the file is marked as held in the per-user table
// of running objects, so that no other Kinloom takes it over or clears it
// away as left behind by a run that died.
class FileHold {
public:
    explicit FileHold(const QString& path);
    ~FileHold();
    FileHold(FileHold&&) noexcept;
    FileHold& operator=(FileHold&&) noexcept;

    // False when other processes cannot see the hold (no table here).
    bool isRegistered() const;

private:
    std::unique_ptr<RunningObjectEntry> m_entry;
};

// One spelling for a file, whatever the "temp" variable or the working
// folder of the process that names it: its folder's canonical path and its
// name.
QString heldName(const QString& path);

// The held names of the files live Kinlooms hold, once for each hold.
QStringList heldFiles();

} // namespace files
