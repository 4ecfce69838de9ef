#include "FileReplacement.h"

#include "CommitRecord.h"
#include "FileKind.h"
#include "HiddenNames.h"
#include "Paths.h"
#include "core/Error.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace files {

namespace {

// The test seam: the error each operation is to fail with, and how many
// operations have run.
struct FailurePlan {
    std::function<int(int)> errorFor;
    std::vector<FileOperation> kinds;
    bool readsOtherBytes = false;
};
FailurePlan plan;

// Counts one file operation; true when the seam makes it fail.
bool seamFails(FileOperation kind) {
    if (!plan.errorFor) return false;
    plan.kinds.push_back(kind);
    const int error = plan.errorFor(static_cast<int>(plan.kinds.size()));
    plan.readsOtherBytes = error == ScopedFileOperationFailure::kReadsOtherBytes;
    if (error <= 0) return false;
    errno = error;
    return true;
}

[[noreturn]] void fail(const QString& target, core::Phrase why) {
    throw core::Error(core::ErrorKind::FileFailed, QT_TRANSLATE_NOOP("core::Error", "Cannot save '%1': %2."),
                      {target, std::move(why)});
}

[[noreturn]] void failWithErrno(const QString& target) { fail(target, core::systemReason(errno)); }

// Large files go in pieces, so that a disk running out part-way shows.
constexpr qsizetype kPiece = 64 * 1024;

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        if (seamFails(FileOperation::Write)) return false;
        const ssize_t wrote = ::pwrite(fd, bytes.constData() + done, std::min(kPiece, bytes.size() - done), done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            if (wrote == 0) errno = ENOSPC;
            return false;
        }
        done += wrote;
    }
    return true;
}

bool readAll(int fd, qsizetype size, QByteArray& into) {
    into.resize(size);
    for (qsizetype done = 0; done < size;) {
        if (seamFails(FileOperation::Read)) return false;
        const ssize_t got = ::pread(fd, into.data() + done, static_cast<size_t>(size - done), done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = EIO; // shorter than it said
            return false;
        }
        if (plan.readsOtherBytes) into[done] = static_cast<char>(~into[done]);
        done += got;
    }
    return true;
}

bool syncFile(int fd) { return !seamFails(FileOperation::Flush) && ::fsync(fd) == 0; }

bool closeFile(int& fd) {
    const bool injected = seamFails(FileOperation::Close);
    const int saved = errno;
    const bool closed = ::close(fd) == 0;
    fd = -1;
    if (injected) errno = saved;
    return closed && !injected;
}

// Only a folder that refuses new files makes a writable file worth writing in place.
bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Without a way to tell how much room is left for certain, a file that may
// need more room than the file system has free is refused before it is
// touched.
bool roomFor(int fd, qsizetype size) {
    struct stat status {};
    struct statvfs volume {};
    if (::fstat(fd, &status) != 0 || ::fstatvfs(fd, &volume) != 0) return true; // nothing to go by
    const unsigned long long block = volume.f_frsize ? volume.f_frsize : 512;
    const unsigned long long needed = (static_cast<unsigned long long>(size) + block - 1) / block * block;
    const unsigned long long held = static_cast<unsigned long long>(status.st_blocks) * 512;
    const unsigned long long free = (::geteuid() == 0 ? volume.f_bfree : volume.f_bavail) * block;
    return needed <= held || needed - held <= free;
}

} // namespace

FileReplacement::FileReplacement(const QString& target, QByteArray bytes)
    : m_target(target), m_bytes(std::move(bytes)) {
    try {
        prepare();
    } catch (...) {
        discard();
        throw;
    }
}

FileReplacement::~FileReplacement() {
    release();
    discard();
}

void FileReplacement::discard() noexcept {
    if (!m_beside.isEmpty()) ::unlink(m_beside.constData());
    m_beside.clear();
    m_besideHold.reset();
    if (m_inPlace >= 0) ::close(m_inPlace);
    m_inPlace = -1;
}

void FileReplacement::prepare() {
    if (m_target.isEmpty() || m_target.contains(QChar(u'\0')))
        fail(m_target, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the name is not a valid file name")));
    failWritesBeyondTheSizeLimit();
    const FollowedPath followed = followLinksProtected(QFile::encodeName(m_target));
    if (!followed.refused.isEmpty())
        fail(m_target,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error",
                                            "it leads through %1, a link that another user made in a folder "
                                            "everyone may write"),
                          {QFile::decodeName(followed.refused)}));
    struct stat status {};
    const bool exists = !followed.error && ::lstat(followed.path.constData(), &status) == 0;
    if (followed.lastWasLink && !exists)
        fail(m_target,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is a link that leads to no file (%1)"),
                          {core::systemReason(followed.error ? followed.error : errno)}));
    if (followed.error) {
        errno = followed.error;
        failWithErrno(m_target);
    }
    m_resolved = followed.path;
    if (exists && !S_ISREG(status.st_mode))
        fail(m_target,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is %1, not a file that can be saved over"),
                          {fileKind(status.st_mode)}));
    // A file the user may not write is never replaced, whatever its folder allows.
    if (exists && ::faccessat(AT_FDCWD, m_resolved.constData(), W_OK, AT_EACCESS) != 0) failWithErrno(m_target);
    m_existed = exists;
    repairInterruptedSave(m_resolved);

    // Never readable by more users than the old file, from the first byte on.
    const int fd = createHidden(exists ? status.st_mode & 0777 : 0666, m_beside, m_besideHold);
    if (fd < 0) {
        if (exists && folderRefusesNewFiles(errno)) return prepareInPlace();
        failWithErrno(m_target);
    }
    writeBeside(fd, exists ? &status : nullptr);
}

// A fresh hidden name beside the file, taken by make (which answers as
// open() or link() do), tried again while the name happens to be taken. On
// success the name and its hold go into name and hold.
int FileReplacement::underHiddenName(const std::function<int(const QByteArray&)>& make, QByteArray& name,
                                     std::optional<FileHold>& hold) {
    for (int tries = 0; tries < 100; ++tries) {
        std::optional<FileHold> held;
        const QByteArray candidate = hiddenNameBeside(m_resolved, held);
        const int made = make(candidate);
        if (made >= 0) {
            name = candidate;
            hold = std::move(held);
        }
        if (made >= 0 || errno != EEXIST) return made;
    }
    return -1;
}

int FileReplacement::createHidden(mode_t mode, QByteArray& name, std::optional<FileHold>& hold) {
    return underHiddenName(
        [mode](const QByteArray& candidate) {
            return seamFails(FileOperation::Create)
                ? -1
                : ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        },
        name, hold);
}

void FileReplacement::writeBeside(int fd, const struct stat* old) {
    int error = 0;
    // The new file takes the old one's owner and group where the user may
    // (another group is a wish, not a need), then its permissions: in this
    // order, since a change of owner clears the set-id bits.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0) {}
    if (old && (seamFails(FileOperation::Permissions) || ::fchmod(fd, old->st_mode & 07777) != 0)) error = errno;
    if (!error && !(writeAll(fd, m_bytes) && syncFile(fd))) error = errno;
    struct stat written {};
    if (!error && ::fstat(fd, &written) != 0) error = errno;
    m_newFile = FileIdentity::of(written);
    if (!closeFile(fd) && !error) error = errno;
    if (error) {
        errno = error;
        failWithErrno(m_target);
    }
}

void FileReplacement::prepareInPlace() {
    m_inPlace = seamFails(FileOperation::Open) ? -1 : ::open(m_resolved.constData(), O_RDWR | O_CLOEXEC);
    if (m_inPlace < 0) failWithErrno(m_target);
    struct stat status {};
    if (::fstat(m_inPlace, &status) != 0) failWithErrno(m_target);
    if (!S_ISREG(status.st_mode)) fail(m_target, fileKind(status.st_mode));
    if (!readAll(m_inPlace, static_cast<qsizetype>(status.st_size), m_oldBytes)) failWithErrno(m_target);
    // A file-size limit the new bytes exceed would stop the write part-way.
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && static_cast<rlim_t>(m_bytes.size()) > limit.rlim_cur) {
        errno = EFBIG;
        failWithErrno(m_target);
    }
    // Reserved now, the room cannot run out while the old content is
    // overwritten; where the file system cannot reserve it, the free room
    // is counted instead.
    if (!m_bytes.isEmpty()) {
        const bool reserved = !seamFails(FileOperation::Reserve)
            && ::fallocate(m_inPlace, FALLOC_FL_KEEP_SIZE, 0, m_bytes.size()) == 0;
        if (!reserved && errno != EOPNOTSUPP && errno != ENOSYS) failWithErrno(m_target);
        if (!reserved && !roomFor(m_inPlace, m_bytes.size())) {
            errno = ENOSPC;
            failWithErrno(m_target);
        }
    }
}

void FileReplacement::commit() {
    place();
    release();
}

void FileReplacement::place() {
    if (m_state != State::Prepared) return;
    if (m_inPlace >= 0) {
        writeInPlace();
    } else {
        if (seamFails(FileOperation::Rename) || ::rename(m_beside.constData(), m_resolved.constData()) != 0) {
            const int error = errno;
            release();
            errno = error;
            failWithErrno(m_target);
        }
        m_beside.clear();
        m_besideHold.reset();
        syncFolder(folderOf(m_resolved));
    }
    m_state = State::Placed;
}

// The old file stays under a hidden name until the replacement is done: a
// second name for it where the file system allows, else a flushed copy.
void FileReplacement::keepOldVersion() {
    const auto link = [this](const QByteArray& name) {
        return seamFails(FileOperation::Link) ? -1 : ::link(m_resolved.constData(), name.constData());
    };
    if (underHiddenName(link, m_backup, m_backupHold) < 0 && !copyOldVersion()) failWithErrno(m_target);
}

bool FileReplacement::copyOldVersion() {
    QByteArray old;
    const int in = ::open(m_resolved.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat status {};
    const bool read = ::fstat(in, &status) == 0 && readAll(in, static_cast<qsizetype>(status.st_size), old);
    const int readError = errno;
    ::close(in);
    if (!read) {
        errno = readError;
        return false;
    }
    int fd = createHidden(0600, m_backup, m_backupHold); // from here on, release() removes it
    if (fd < 0) return false;
    int error = 0;
    if (!(writeAll(fd, old) && syncFile(fd))) error = errno;
    if (!closeFile(fd) && !error) error = errno;
    errno = error;
    return error == 0;
}

bool FileReplacement::putInPlace(const QByteArray& bytes) {
    if (!writeAll(m_inPlace, bytes)) return false;
    if (seamFails(FileOperation::Truncate) || ::ftruncate(m_inPlace, bytes.size()) != 0) return false;
    return syncFile(m_inPlace);
}

void FileReplacement::writeInPlace() {
    QByteArray readBack;
    bool written = putInPlace(m_bytes) && readAll(m_inPlace, m_bytes.size(), readBack);
    if (written && readBack != m_bytes) {
        errno = EIO;
        written = false;
    }
    if (!written) {
        const int error = errno;
        putInPlace(m_oldBytes); // as good as the device allows
        errno = error;
        failWithErrno(m_target);
    }
}

void FileReplacement::undo() noexcept {
    if (m_state != State::Placed) return;
    if (m_inPlace >= 0) {
        putInPlace(m_oldBytes); // as the failure path of a write in place does
    } else if (!m_backup.isEmpty()) {
        // Should even this fail, the old file stays under its hidden name
        // rather than go.
        ::rename(m_backup.constData(), m_resolved.constData());
        m_backup.clear();
        m_backupHold.reset();
        syncFolder(folderOf(m_resolved));
    } else if (!m_existed) {
        ::unlink(m_resolved.constData());
        syncFolder(folderOf(m_resolved));
    }
    m_state = State::Done;
}

void FileReplacement::release() noexcept {
    if (!m_backup.isEmpty()) ::unlink(m_backup.constData());
    m_backup.clear();
    m_backupHold.reset();
    // Flushed and read back, content written in place is on the device;
    // closing cannot change that.
    if (m_state == State::Placed && m_inPlace >= 0) {
        ::close(m_inPlace);
        m_inPlace = -1;
    }
    if (m_state == State::Placed) m_state = State::Done;
}

void commitTogether(std::initializer_list<FileReplacement*> replacements) {
    std::vector<FileReplacement*> order(replacements);
    std::stable_partition(order.begin(), order.end(), [](const FileReplacement* r) { return r->m_inPlace < 0; });
    // Before the first goes in place, every old file is kept under a hidden
    // name and the whole save is recorded beside each file, so that a kill
    // part-way can be put right by the next save.
    std::vector<CommittedFile> recorded;
    for (FileReplacement* replacement : order) {
        if (replacement->m_inPlace >= 0 || replacement->m_state != FileReplacement::State::Prepared) continue;
        if (replacement->m_existed) replacement->keepOldVersion();
        recorded.push_back({replacement->m_resolved, replacement->m_backup, replacement->m_newFile});
    }
    std::optional<CommitRecord> record;
    if (order.size() > 1 && !record.emplace().write(recorded)) failWithErrno(order.front()->m_target);
    std::vector<FileReplacement*> placed;
    try {
        for (FileReplacement* replacement : order) {
            replacement->place();
            placed.push_back(replacement);
        }
    } catch (...) {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) (*it)->undo();
        throw;
    }
    record.reset();
    for (FileReplacement* replacement : placed) replacement->release();
}

void repairInterruptedSave(const QByteArray& target) {
    finishInterruptedCommit(target);
    removeLeftoverHiddenFiles(target);
}

void replaceFile(const QString& target, const QByteArray& bytes) { FileReplacement(target, bytes).commit(); }

ScopedFileOperationFailure::ScopedFileOperationFailure(std::function<int(int)> errorFor) {
    plan = {std::move(errorFor), {}, false};
}

ScopedFileOperationFailure::ScopedFileOperationFailure(int nth, int errorNumber)
    : ScopedFileOperationFailure([nth, errorNumber](int operation) { return operation == nth ? errorNumber : 0; }) {}

ScopedFileOperationFailure::~ScopedFileOperationFailure() { plan = {}; }

int ScopedFileOperationFailure::operationsSeen() const { return static_cast<int>(plan.kinds.size()); }

const std::vector<FileOperation>& ScopedFileOperationFailure::operationKinds() const { return plan.kinds; }

} // namespace files
