#include "WholeFile.h"

#include "FileKind.h"
#include "core/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

[[noreturn]] void cannotOpen(const QString& path, core::Phrase why) {
    throw core::Error(core::ErrorKind::FileFailed, QT_TRANSLATE_NOOP("core::Error", "'%1' cannot be opened: %2."),
                      {path, std::move(why)});
}

[[noreturn]] void cannotRead(const QString& path, const QString& why) {
    throw core::Error(core::ErrorKind::FileFailed, QT_TRANSLATE_NOOP("core::Error", "'%1' cannot be read: %2."),
                      {path, why});
}

} // namespace

std::unique_ptr<QFile> openRegularFile(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        cannotOpen(path, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the name is not valid")));
    // Opened without waiting, so that a FIFO without a writer cannot hold the
    // open up; the kind is then read from the descriptor itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) cannotOpen(path, core::systemReason(errno));
    struct stat status {};
    const bool known = ::fstat(fd, &status) == 0;
    if (!known || !S_ISREG(status.st_mode)) {
        const core::Phrase why = known
            ? core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it is %1"), {fileKind(status.st_mode)})
            : core::Phrase(core::systemReason(errno));
        ::close(fd);
        cannotOpen(path, why);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cannotOpen(path, file->errorString());
    }
    return file;
}

QByteArray readRest(QFile& file) {
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) cannotRead(file.fileName(), file.errorString());
    return bytes;
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    const std::unique_ptr<QFile> file = openRegularFile(path);
    if (maxBytes < 0) return readRest(*file);
    const auto tooLarge = [&](qint64 size) {
        return core::Error(core::ErrorKind::FileFailed,
                           QT_TRANSLATE_NOOP("core::Error", "'%1' is too large: %2 bytes, where at most %3 are read."),
                           {path, QString::number(size), QString::number(maxBytes)});
    };
    if (file->size() > maxBytes) throw tooLarge(file->size());
    // A file that grows meanwhile is still read no further than the bound.
    const QByteArray bytes = file->read(maxBytes + 1);
    if (file->error() != QFileDevice::NoError) cannotRead(path, file->errorString());
    if (bytes.size() > maxBytes) throw tooLarge(bytes.size());
    return bytes;
}

} // namespace files
