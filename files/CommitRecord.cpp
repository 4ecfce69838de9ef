#include "CommitRecord.h"

#include "HiddenNames.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace files {

namespace {

const QByteArray kFirstLine = "kinloom-commit 1";
const QByteArray kLastLine = "end";
// A record names a few files; anything larger is no record of ours.
constexpr qsizetype kMaxRecordBytes = 64 * 1024;

QByteArray recordPathFor(const QByteArray& target) {
    return folderOf(target) + "/." + hiddenStem(nameOf(target)) + ".kinloom-commit";
}

QByteArray identityText(const FileIdentity& identity) {
    return QByteArray::number(quint64(identity.device)) + ' ' + QByteArray::number(quint64(identity.inode)) + ' '
        + QByteArray::number(qint64(identity.size)) + ' ' + QByteArray::number(qint64(identity.modified.tv_sec)) + ' '
        + QByteArray::number(qint64(identity.modified.tv_nsec));
}

FileIdentity identityFrom(const QByteArray& text) {
    const QList<QByteArray> numbers = text.split(' ');
    FileIdentity identity;
    if (numbers.size() != 5) return identity;
    identity.device = static_cast<dev_t>(numbers[0].toULongLong());
    identity.inode = static_cast<ino_t>(numbers[1].toULongLong());
    identity.size = static_cast<off_t>(numbers[2].toLongLong());
    identity.modified = {static_cast<time_t>(numbers[3].toLongLong()), static_cast<long>(numbers[4].toLongLong())};
    return identity;
}

// Fields end with a NUL byte: a path may hold any other byte.
QByteArray recordOf(const std::vector<CommittedFile>& files) {
    QByteArray record = kFirstLine + '\0';
    for (const CommittedFile& file : files)
        record += file.target + '\0' + file.oldKept + '\0' + identityText(file.newFile) + '\0';
    return record + kLastLine;
}

// The files of a whole record; none of one cut short (its save never began).
std::vector<CommittedFile> filesOf(const QByteArray& record) {
    const QList<QByteArray> fields = record.split('\0');
    std::vector<CommittedFile> files;
    if (fields.size() < 2 || fields.first() != kFirstLine || fields.last() != kLastLine || (fields.size() - 2) % 3)
        return files;
    for (qsizetype i = 1; i + 2 < fields.size(); i += 3)
        files.push_back({fields[i], fields[i + 1], identityFrom(fields[i + 2])});
    return files;
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += wrote;
    }
    return true;
}

QByteArray readRecord(int fd) {
    QByteArray bytes(kMaxRecordBytes + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (ssize_t got = 1; got > 0 && done < bytes.size(); done += got) {
        got = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0) return {};
    }
    bytes.truncate(done);
    return bytes;
}

bool isOwnRegularFile(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

bool isPlaced(const CommittedFile& file) {
    struct stat status {};
    return ::lstat(file.target.constData(), &status) == 0 && S_ISREG(status.st_mode)
        && FileIdentity::of(status) == file.newFile;
}

// The file the save put in place goes, and its old one comes back; only the
// old one kept goes where the save is whole (killed while its records went).
// A target that holds another file by now (the save never reached it, or it
// was written since) is left as it is.
void putBack(const CommittedFile& file, bool saveIsWhole) {
    const bool keptIsOurs = !file.oldKept.isEmpty() && folderOf(file.oldKept) == folderOf(file.target)
        && isHiddenNameOf(nameOf(file.oldKept), file.target) && isOwnRegularFile(file.oldKept);
    const bool placed = !saveIsWhole && isPlaced(file);
    if (placed && keptIsOurs)
        ::rename(file.oldKept.constData(), file.target.constData());
    else if (placed && file.oldKept.isEmpty())
        ::unlink(file.target.constData());
    else if (keptIsOurs)
        ::unlink(file.oldKept.constData());
    syncFolder(folderOf(file.target));
}

// A record of the same save beside another of its files goes too.
void removeTwin(const QByteArray& path, const QByteArray& record) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    if (readRecord(fd) == record && isOwnRegularFile(path)) ::unlink(path.constData());
    ::close(fd);
}

} // namespace

FileIdentity FileIdentity::of(const struct stat& status) {
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size
        && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

CommitRecord::~CommitRecord() {
    for (const QByteArray& path : m_paths) {
        ::unlink(path.constData());
        syncFolder(folderOf(path));
    }
    for (const int fd : m_locks) ::close(fd);
}

// Each record is written, locked and flushed under a hidden name first and
// then linked under its own: a record found under that name is whole.
bool CommitRecord::write(const std::vector<CommittedFile>& files) {
    const QByteArray record = recordOf(files);
    for (const CommittedFile& file : files) {
        std::optional<FileHold> hold;
        QByteArray draft;
        int fd = -1;
        for (int tries = 0; fd < 0 && tries < 100; ++tries) {
            draft = hiddenNameBeside(file.target, hold);
            fd = ::open(draft.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EEXIST) return false;
        }
        if (fd < 0) return false;
        m_locks.push_back(fd);
        const QByteArray path = recordPathFor(file.target);
        bool linked = ::flock(fd, LOCK_EX) == 0 && writeAll(fd, record) && ::fsync(fd) == 0;
        if (linked && ::link(draft.constData(), path.constData()) != 0) {
            if (errno == EEXIST) finishInterruptedCommit(file.target); // left by a killed save
            linked = ::link(draft.constData(), path.constData()) == 0;
        }
        const int error = errno;
        ::unlink(draft.constData());
        if (!linked) {
            errno = error;
            return false;
        }
        m_paths.push_back(path);
        syncFolder(folderOf(path));
    }
    return true;
}

void finishInterruptedCommit(const QByteArray& target) {
    const QByteArray path = recordPathFor(target);
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    struct stat status {};
    // Only a record of the user's own, whose save is over (its lock is free), is followed.
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const QByteArray record = readRecord(fd);
        const std::vector<CommittedFile> files = filesOf(record);
        const bool whole = std::all_of(files.begin(), files.end(), isPlaced);
        for (const CommittedFile& file : files) putBack(file, whole);
        for (const CommittedFile& file : files)
            if (recordPathFor(file.target) != path) removeTwin(recordPathFor(file.target), record);
        ::unlink(path.constData());
        syncFolder(folderOf(path));
    }
    ::close(fd);
}

} // namespace files
