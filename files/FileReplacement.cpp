#include "FileReplacement.h"

#include "FileKind.h"
#include "core/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
// The hidden names beside a target: a point, the target's name cut to this
// many bytes (so the whole stays a valid name), a point and six letters.
constexpr qsizetype kHiddenNameStem = 200;
constexpr int kHiddenNameLetters = 6;

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

// A rename is durable once the folder holding it is; a folder that cannot
// be flushed has taken the rename all the same.
void syncFolderOf(const QByteArray& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Only a folder that refuses new files makes a writable file worth writing in place.
bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// A fresh hidden name beside the file, held before the file is made so that
// no clean-up of another Kinloom takes it meanwhile.
QByteArray hiddenNameBeside(const QByteArray& file, std::optional<FileHold>& hold) {
    const QFileInfo info(QFile::decodeName(file));
    QString stem = info.fileName();
    while (QFile::encodeName(stem).size() > kHiddenNameStem) stem.chop(1);
    QString suffix;
    for (int i = 0; i < kHiddenNameLetters; ++i) suffix += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    const QString name = info.absolutePath() + QStringLiteral("/.") + stem + QLatin1Char('.') + suffix;
    hold.emplace(name);
    return QFile::encodeName(name);
}

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
    m_resolved = QFile::encodeName(m_target);
    struct stat status {};
    bool exists = ::lstat(m_resolved.constData(), &status) == 0;
    if (exists && S_ISLNK(status.st_mode)) {
        // The file the link leads to is the one written, as an editor does.
        char* real = ::realpath(m_resolved.constData(), nullptr);
        if (!real)
            fail(m_target,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is a link that leads to no file (%1)"),
                              {core::systemReason(errno)}));
        m_resolved = real;
        std::free(real);
        exists = ::stat(m_resolved.constData(), &status) == 0;
    }
    if (exists && !S_ISREG(status.st_mode))
        fail(m_target,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is %1, not a file that can be saved over"),
                          {fileKind(status.st_mode)}));
    // A file the user may not write is never replaced, whatever its folder allows.
    if (exists && ::faccessat(AT_FDCWD, m_resolved.constData(), W_OK, AT_EACCESS) != 0) failWithErrno(m_target);
    m_existed = exists;

    const int fd = createHidden(0666, m_beside, m_besideHold);
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
    // The new file takes the old one's permissions, and its group where the user may.
    if (old && (seamFails(FileOperation::Permissions) || ::fchmod(fd, old->st_mode & 07777) != 0)) error = errno;
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0) {} // another group is a wish, not a need
    if (!error && !(writeAll(fd, m_bytes) && syncFile(fd))) error = errno;
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
    place(false);
    release();
}

void FileReplacement::place(bool keepOld) {
    if (m_state != State::Prepared) return;
    if (m_inPlace >= 0) {
        writeInPlace();
    } else {
        if (keepOld && m_existed) keepOldVersion();
        if (seamFails(FileOperation::Rename) || ::rename(m_beside.constData(), m_resolved.constData()) != 0) {
            const int error = errno;
            release();
            errno = error;
            failWithErrno(m_target);
        }
        m_beside.clear();
        m_besideHold.reset();
        syncFolderOf(m_resolved);
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
        syncFolderOf(m_resolved);
    } else if (!m_existed) {
        ::unlink(m_resolved.constData());
        syncFolderOf(m_resolved);
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
    std::vector<FileReplacement*> placed;
    try {
        for (FileReplacement* replacement : order) {
            replacement->place(true);
            placed.push_back(replacement);
        }
    } catch (...) {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) (*it)->undo();
        throw;
    }
    for (FileReplacement* replacement : placed) replacement->release();
}

void replaceFile(const QString& target, const QByteArray& bytes) { FileReplacement(target, bytes).commit(); }

QString besideNamePattern(const QString& targetNamePattern) {
    return QStringLiteral("^\\.(?:%1)\\.[a-z]{%2}$").arg(targetNamePattern).arg(kHiddenNameLetters);
}

ScopedFileOperationFailure::ScopedFileOperationFailure(std::function<int(int)> errorFor) {
    plan = {std::move(errorFor), {}, false};
}

ScopedFileOperationFailure::ScopedFileOperationFailure(int nth, int errorNumber)
    : ScopedFileOperationFailure([nth, errorNumber](int operation) { return operation == nth ? errorNumber : 0; }) {}

ScopedFileOperationFailure::~ScopedFileOperationFailure() { plan = {}; }

int ScopedFileOperationFailure::operationsSeen() const { return static_cast<int>(plan.kinds.size()); }

const std::vector<FileOperation>& ScopedFileOperationFailure::operationKinds() const { return plan.kinds; }

} // namespace files
