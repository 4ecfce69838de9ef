#pragma once

#include "CommitRecord.h"
#include "FileHold.h"
#include "SaveSignals.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

struct stat;

namespace files {

// Puts new bytes in the place of a file so that a failure never costs the
// file that was there. Every write, flush and close is checked before the
// new bytes take its place; a failure is thrown as a core::Error that
// names the file and the system's reason ("No space left on device").
//
// Where the folder can be written, the bytes go to a new hidden file beside
// the target, which is renamed over it once complete: the target is replaced
// whole or not at all. Where only the target itself can be written, it is
// written in place, its room reserved beforehand, its content read back
// before success is reported, and its old content put back on a failure.
// A target that exists and is not a regular file (or a link to one) is
// refused before anything is written; a link to a regular file writes the
// file it points to, unless another user made it in a folder everyone may
// write (see followLinksProtected). The hidden files are held (FileHold)
// while they exist; those an earlier save to the target left, and the old
// files of a save of several files cut short, are put right first
// (repairInterruptedSave). The new file is never readable by more users
// than the old one, from its first byte.
class FileReplacement {
public:
    // Checks the target and makes the new bytes ready: written and flushed
    // beside it, or, for a file written in place, its room reserved.
    FileReplacement(const QString& target, QByteArray bytes);
    // Removes the new file beside the target unless it was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Puts the new bytes in the target's place.
    void commit();

private:
    friend void commitTogether(std::initializer_list<FileReplacement*> replacements);
    enum class State {
        Prepared,
        Placed, // the new bytes are in place, the old ones can still come back
        Done
    };

    void prepare();
    int underHiddenName(const std::function<int(const QByteArray&)>& make, QByteArray& name,
                        std::optional<FileHold>& hold);
    int createHidden(mode_t mode, QByteArray& name, std::optional<FileHold>& hold);
    void writeBeside(int fd, const struct stat* old);
    void prepareInPlace();
    void place();
    void keepOldVersion();
    bool copyOldVersion();
    bool putInPlace(const QByteArray& bytes);
    void writeInPlace();
    void undo() noexcept;
    void release() noexcept;
    void discard() noexcept;

    SaveUnderWay m_underWay; // first made, last gone
    QString m_target;        // as the caller named it, for messages
    QByteArray m_resolved;   // the file actually written, links followed
    QByteArray m_bytes;
    bool m_existed = false;
    QByteArray m_beside; // the new file beside it, while one exists
    FileIdentity m_newFile;
    std::optional<FileHold> m_besideHold;
    QByteArray m_backup; // the old file under a hidden name, while it may come back
    std::optional<FileHold> m_backupHold;
    QByteArray m_oldBytes; // a file written in place: what it held
    int m_inPlace = -1;    // a file written in place: its descriptor
    State m_state = State::Prepared;
};

// Puts the new bytes of every replacement in place as one: when one of them
// cannot be put in place, those already in place get their old content
// back, and the failure is thrown. Files written in place go last, since a
// rename is undone more surely than a write.
void commitTogether(std::initializer_list<FileReplacement*> replacements);

// Replaces the file with the bytes at once (see FileReplacement).
void replaceFile(const QString& target, const QByteArray& bytes);

// What earlier saves to the target (a resolved path) left beside it: the
// old files of a save of several files that was killed part-way come back
// (see CommitRecord), and hidden files no live Kinloom holds go. Every save
// does this first.
void repairInterruptedSave(const QByteArray& target);

// The file operations of a replacement, as the test seam sees them.
enum class FileOperation {
    Create,
    Open,
    Permissions,
    Write,
    Read,
    Flush,
    Close,
    Reserve,
    Truncate,
    Link,
    Rename
};

// Tests: decides, for each file operation of replacements from now on
// (counted from 1), the error it fails with, as a full disk or a failing
// device would; 0 lets it run, and kReadsOtherBytes lets a read succeed with
// bytes other than those written, as a device that loses data does.
class ScopedFileOperationFailure {
public:
    static constexpr int kReadsOtherBytes = -1;

    explicit ScopedFileOperationFailure(std::function<int(int operation)> errorFor);
    // The nth operation fails with the error.
    ScopedFileOperationFailure(int nth, int errorNumber);
    ~ScopedFileOperationFailure();
    ScopedFileOperationFailure(const ScopedFileOperationFailure&) = delete;
    ScopedFileOperationFailure& operator=(const ScopedFileOperationFailure&) = delete;

    // How many operations have run (or failed) since the seam was set.
    int operationsSeen() const;
    // Which they were, in order.
    const std::vector<FileOperation>& operationKinds() const;
};

} // namespace files
