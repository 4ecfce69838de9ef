#pragma once

#include <QByteArray>

#include <sys/stat.h>

#include <vector>

namespace files {

// Which file a path holds: a file that another took the place of, or that
// was written since, is another file.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileIdentity of(const struct stat& status);
    bool operator==(const FileIdentity& other) const;
};

// What a save of several files records of one of them before the first is
// put in place: the target, the old file kept under a hidden name (none for
// a file that was not there), and the new file that takes its place.
struct CommittedFile {
    QByteArray target;
    QByteArray oldKept;
    FileIdentity newFile;
};

// A small record beside each target of a save of several files, made and
// flushed before the first file goes in place and removed once all are in
// place or all back. A run killed in between (SIGKILL, a lost machine)
// leaves it behind, and the next save to any of the files puts back the old
// files of all, unless all new ones were in place already (the run was
// killed while it removed its records): the files of one save are never
// left half old, half new.
// While its save runs, each record is locked, so that no other save takes a
// live one for one left behind.
class CommitRecord {
public:
    CommitRecord() = default;
    ~CommitRecord();
    CommitRecord(const CommitRecord&) = delete;
    CommitRecord& operator=(const CommitRecord&) = delete;

    // Writes and flushes the record beside every target; false, with errno,
    // when one cannot be made (those made are removed with the object).
    bool write(const std::vector<CommittedFile>& files);

private:
    std::vector<QByteArray> m_paths;
    std::vector<int> m_locks;
};

// Puts back what a save killed part-way left beside the target (see
// CommitRecord); nothing when no such save is there. Never throws.
void finishInterruptedCommit(const QByteArray& target);

} // namespace files
