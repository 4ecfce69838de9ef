#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct stat;

namespace spreadsheet {

// Puts new bytes in the place of a file so that a failure never costs the
// file that was there. Every write, flush and close is checked before the
// new bytes take its place; a failure is thrown as a SpreadsheetError that
// names the file and the system's reason ("No space left on device").
//
// Where the folder can be written, the bytes go to a new file beside the
// target, which is renamed over it once complete: the target is replaced
// whole or not at all. Where only the target itself can be written, it is
// written in place, its room reserved beforehand, its content read back
// before success is reported, and its old content put back on a failure.
// A target that exists and is not a regular file (or a link to one) is
// refused before anything is written; a link to a regular file writes the
// file it points to.
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
    void prepare();
    int createBeside();
    void writeBeside(int fd, const struct stat* old);
    void prepareInPlace();
    void commitInPlace();
    void discard() noexcept;

    QString m_target;      // as the caller named it, for messages
    QByteArray m_resolved; // the file actually written, links followed
    QByteArray m_bytes;
    QByteArray m_beside;   // the new file beside it, while one exists
    QByteArray m_oldBytes; // a file written in place: what it held
    int m_inPlace = -1;    // a file written in place: its descriptor
    bool m_committed = false;
};

// Replaces the file with the bytes at once (see FileReplacement).
void replaceFile(const QString& target, const QByteArray& bytes);

// Tests: decides, for each file operation of replacements from now on
// (opening, writing a piece, flushing, closing, renaming, reserving, reading
// back; counted from 1), the error it fails with, as a full disk or a
// failing device would; 0 lets it run.
class ScopedFileOperationFailure {
public:
    explicit ScopedFileOperationFailure(std::function<int(int operation)> errorFor);
    // The nth operation fails with the error.
    ScopedFileOperationFailure(int nth, int errorNumber);
    ~ScopedFileOperationFailure();
    ScopedFileOperationFailure(const ScopedFileOperationFailure&) = delete;
    ScopedFileOperationFailure& operator=(const ScopedFileOperationFailure&) = delete;

    // How many operations have run (or failed) since the seam was set.
    int operationsSeen() const;
};

} // namespace spreadsheet
