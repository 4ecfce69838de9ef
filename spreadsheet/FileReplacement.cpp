#include "FileReplacement.h"

#include "SpreadsheetError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {

namespace {

// The test seam: the error each operation is to fail with, and how many
// operations have run.
struct FailurePlan {
    std::function<int(int)> errorFor;
    int seen = 0;
};
FailurePlan plan;

// Counts one file operation; true when the seam makes it fail.
bool seamFails() {
    ++plan.seen;
    if (!plan.errorFor) return false;
    const int error = plan.errorFor(plan.seen);
    if (error == 0) return false;
    errno = error;
    return true;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

[[noreturn]] void fail(const QString& target, const QString& why) {
    throw SpreadsheetError(QStringLiteral("Cannot save '%1': %2").arg(target, why));
}

[[noreturn]] void failWithErrno(const QString& target) { fail(target, systemReason(errno)); }

// Large files go in pieces, so that a disk running out part-way shows.
constexpr qsizetype kPiece = 64 * 1024;

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        if (seamFails()) return false;
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
        if (seamFails()) return false;
        const ssize_t got = ::pread(fd, into.data() + done, static_cast<size_t>(size - done), done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = EIO; // shorter than it said
            return false;
        }
        done += got;
    }
    return true;
}

bool syncFile(int fd) { return !seamFails() && ::fsync(fd) == 0; }

bool closeFile(int& fd) {
    const bool injected = seamFails();
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

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("a device");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

// Only a folder that refuses new files makes a writable file worth writing in place.
bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

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

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard() noexcept {
    if (!m_beside.isEmpty()) ::unlink(m_beside.constData());
    m_beside.clear();
    if (m_inPlace >= 0) ::close(m_inPlace);
    m_inPlace = -1;
}

void FileReplacement::prepare() {
    if (m_target.isEmpty() || m_target.contains(QChar(u'\0')))
        fail(m_target, QStringLiteral("the name is not a valid file name"));
    m_resolved = QFile::encodeName(m_target);
    struct stat status {};
    bool exists = ::lstat(m_resolved.constData(), &status) == 0;
    if (exists && S_ISLNK(status.st_mode)) {
        // The file the link leads to is the one written, as an editor does.
        char* real = ::realpath(m_resolved.constData(), nullptr);
        if (!real) fail(m_target, QStringLiteral("it is a link that leads to no file (%1)").arg(systemReason(errno)));
        m_resolved = real;
        std::free(real);
        exists = ::stat(m_resolved.constData(), &status) == 0;
    }
    if (exists && !S_ISREG(status.st_mode))
        fail(m_target, QStringLiteral("it is %1, not a file that can be saved over").arg(kindOf(status.st_mode)));
    // A file the user may not write is never replaced, whatever its folder allows.
    if (exists && ::faccessat(AT_FDCWD, m_resolved.constData(), W_OK, AT_EACCESS) != 0) failWithErrno(m_target);

    const int fd = createBeside();
    if (fd < 0) {
        if (exists && folderRefusesNewFiles(errno)) return prepareInPlace();
        failWithErrno(m_target);
    }
    writeBeside(fd, exists ? &status : nullptr);
}

int FileReplacement::createBeside() {
    const QFileInfo resolved(QFile::decodeName(m_resolved));
    for (int tries = 0; tries < 100; ++tries) {
        QString suffix;
        for (int i = 0; i < 6; ++i) suffix += QChar(u'a' + QRandomGenerator::global()->bounded(26));
        const QByteArray beside = QFile::encodeName(resolved.absolutePath() + QStringLiteral("/.")
                                                    + resolved.fileName().left(200) + QLatin1Char('.') + suffix);
        const int fd = seamFails() ? -1 : ::open(beside.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) m_beside = beside;
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void FileReplacement::writeBeside(int fd, const struct stat* old) {
    int error = 0;
    // The new file takes the old one's permissions, and its group where the user may.
    if (old && (seamFails() || ::fchmod(fd, old->st_mode & 07777) != 0)) error = errno;
    if (old) (void)::fchown(fd, old->st_uid, old->st_gid);
    if (!error && !(writeAll(fd, m_bytes) && syncFile(fd))) error = errno;
    if (!closeFile(fd) && !error) error = errno;
    if (error) {
        errno = error;
        failWithErrno(m_target);
    }
}

void FileReplacement::prepareInPlace() {
    m_inPlace = seamFails() ? -1 : ::open(m_resolved.constData(), O_RDWR | O_CLOEXEC);
    if (m_inPlace < 0) failWithErrno(m_target);
    struct stat status {};
    if (::fstat(m_inPlace, &status) != 0) failWithErrno(m_target);
    if (!S_ISREG(status.st_mode)) fail(m_target, kindOf(status.st_mode));
    if (!readAll(m_inPlace, static_cast<qsizetype>(status.st_size), m_oldBytes)) failWithErrno(m_target);
    // Reserved now, the room cannot run out while the old content is overwritten.
    if (!m_bytes.isEmpty()) {
        const bool reserved = !seamFails() && ::fallocate(m_inPlace, FALLOC_FL_KEEP_SIZE, 0, m_bytes.size()) == 0;
        if (!reserved && errno != EOPNOTSUPP && errno != ENOSYS) failWithErrno(m_target);
    }
}

void FileReplacement::commit() {
    if (m_committed) return;
    if (m_inPlace >= 0) {
        commitInPlace();
    } else {
        if (seamFails() || ::rename(m_beside.constData(), m_resolved.constData()) != 0) failWithErrno(m_target);
        m_beside.clear();
        syncFolderOf(m_resolved);
    }
    m_committed = true;
}

void FileReplacement::commitInPlace() {
    const auto putInPlace = [this](const QByteArray& bytes) {
        if (!writeAll(m_inPlace, bytes)) return false;
        if (seamFails() || ::ftruncate(m_inPlace, bytes.size()) != 0) return false;
        return syncFile(m_inPlace);
    };
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
    // Flushed and read back, the content is on the device; closing cannot
    // change that.
    ::close(m_inPlace);
    m_inPlace = -1;
}

void replaceFile(const QString& target, const QByteArray& bytes) { FileReplacement(target, bytes).commit(); }

ScopedFileOperationFailure::ScopedFileOperationFailure(std::function<int(int)> errorFor) {
    plan = {std::move(errorFor), 0};
}

ScopedFileOperationFailure::ScopedFileOperationFailure(int nth, int errorNumber)
    : ScopedFileOperationFailure([nth, errorNumber](int operation) { return operation == nth ? errorNumber : 0; }) {}

ScopedFileOperationFailure::~ScopedFileOperationFailure() { plan = {}; }

int ScopedFileOperationFailure::operationsSeen() const { return plan.seen; }

} // namespace spreadsheet
