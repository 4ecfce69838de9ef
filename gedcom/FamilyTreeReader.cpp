#include "FamilyTreeReader.h"

#include "CharacterSet.h"
#include "GedcomError.h"
#include "GedzipDataset.h"
#include "RecordScanner.h"
#include "RecordStore.h"
#include "Warnings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace gedcom {

namespace {

// Bytes looked at for a byte-order mark and the header's CHAR line.
constexpr qint64 kHeaderBytes = 64 * 1024;
// Bytes read at a time: few enough that a stop is seen at once.
constexpr qint64 kChunkBytes = 1024 * 1024;

// The file as the reader sees it: every read counted, and none once a stop
// is asked for, so that the reader ends at once as at the file's end.
class WatchedDevice : public QIODevice {
public:
    WatchedDevice(QIODevice& file, ReadingProgress& progress) : m_file(file), m_progress(progress) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_progress.stopRequested) return -1;
        const qint64 read = m_file.read(data, maxSize);
        if (read > 0) m_progress.bytesRead += read;
        if (read < 0) setErrorString(m_file.errorString());
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_file;
    ReadingProgress& m_progress;
};

[[noreturn]] void failUnreadable(const QString& path, int error) {
    fail(path, 0,
         error == ENOENT
             ? core::Phrase(QT_TRANSLATE_NOOP("core::Error", "no such file"))
             : core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {core::systemReason(error)}));
}

// Opens the file once, without waiting for a writer, and judges it by what
// was opened: a path swapped for a FIFO after a look at it can never block
// the read. Answers the descriptor.
int openRegularFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) failUnreadable(path, errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        // A FIFO or a device would never end, or block.
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a regular file")));
    }
    return fd;
}

int duplicate(int fd, const QString& path) {
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) failUnreadable(path, errno);
    return copy;
}

// A file in the temporary folder for this reading alone: it has no name, so
// nothing is left of it however the reading ends, and no one else can open it.
int unnamedTemporaryFile(const QString& path) {
    const QByteArray folder = QFile::encodeName(QDir::tempPath());
    int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // A file system without unnamed files: named for the moment it takes to remove the name.
        QByteArray pattern = folder + "/.kinloom-gedcom-XXXXXX";
        fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd >= 0) ::unlink(pattern.constData());
    }
    if (fd < 0)
        fail(path, 0,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be unpacked into the temporary folder: %1"),
                           {core::systemReason(errno)}));
    return fd;
}

bool isUtf16(CharacterSet set) { return set == CharacterSet::Utf16LittleEndian || set == CharacterSet::Utf16BigEndian; }

// Reads the device's text into the tree: scanned once, chunk by chunk, UTF-16
// as UTF-8; copied into the store unless the store is the file itself.
FamilyTree scanInto(QIODevice& device, const QString& fileName, qint64 maxRecords,
                    const std::shared_ptr<RecordStore>& store, bool copy, const std::atomic<bool>& stopRequested) {
    const Encoding encoding = detectEncoding(device.peek(kHeaderBytes));
    device.read(encoding.byteOrderMarkLength);
    FamilyTree tree;
    tree.fileName = fileName;
    Warnings warnings(fileName);
    if (!encoding.unknownCharName.isEmpty())
        warnings.add(WarningKind::UnknownCharacterSet, 0,
                     core::Phrase(QT_TRANSLATE_NOOP("core::Error", "unknown character set %1; read as UTF-8"),
                                   {shown(encoding.unknownCharName)}));
    const bool utf16 = isUtf16(encoding.set);
    const CharacterSet textSet = utf16 ? CharacterSet::Utf8 : encoding.set;
    RecordScanner scanner(tree, textSet, maxRecords, warnings);
    try {
        QStringDecoder fromUtf16(encoding.set == CharacterSet::Utf16BigEndian ? QStringConverter::Utf16BE
                                                                              : QStringConverter::Utf16LE);
        QByteArray chunk(kChunkBytes, Qt::Uninitialized);
        QByteArray converted;
        for (;;) {
            const qint64 read = device.read(chunk.data(), kChunkBytes);
            if (read < 0)
                fail(fileName, scanner.lineNumber() + 1,
                     core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {device.errorString()}));
            if (read == 0) break;
            QByteArrayView text(chunk.constData(), read);
            if (utf16) text = converted = QString(fromUtf16.decode(text)).toUtf8();
            if (copy) store->append(text);
            if (!scanner.feed(text)) break;
        }
        scanner.finish();
        if (!scanner.sawTrailer())
            warnings.add(
                WarningKind::NoTrailer, scanner.lineNumber(),
                core::Phrase(QT_TRANSLATE_NOOP(
                    "core::Error", "the file ends without its trailer line \"0 TRLR\": the file may be cut short")));
        if (copy) store->seal();
        tree.finish(store, textSet, scanner.isGedcom7(), stopRequested);
    } catch (const std::bad_alloc&) {
        // What was read is given back by now.
        fail(fileName, scanner.lineNumber(),
             core::Phrase(
                 QT_TRANSLATE_NOOP("core::Error", "there is not enough memory to read the file beyond this line")));
    }
    tree.warnings = warnings.lines();
    return tree;
}

} // namespace

bool isFamilyFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(u"ged", Qt::CaseInsensitive) == 0 || suffix.compare(u"gdz", Qt::CaseInsensitive) == 0;
}

FamilyTree readFamilyTree(QIODevice& device, const QString& fileName, qint64 maxRecords) {
    const std::atomic<bool> never{false};
    return scanInto(device, fileName, maxRecords, std::make_shared<RecordStore>(QByteArray()), true, never);
}

FamilyTree readFamilyTree(const QString& path) {
    ReadingProgress unwatched;
    return readFamilyTree(path, unwatched);
}

FamilyTree readFamilyTree(const QString& path, ReadingProgress& progress) {
    QFile file;
    if (!file.open(openRegularFile(path), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));
    std::unique_ptr<GedzipDataset> archived;
    if (isZipArchive(file.peek(4))) archived = std::make_unique<GedzipDataset>(duplicate(file.handle(), path), path);
    QIODevice& data = archived ? static_cast<QIODevice&>(*archived) : file;
    progress.fileSize = archived ? archived->datasetSize() : file.size();

    // The records are read again from the file itself where its bytes are
    // the text's; from a copy of the text where they are not.
    std::shared_ptr<RecordStore> store;
    const Encoding encoding = detectEncoding(data.peek(kHeaderBytes));
    const bool copy = archived || isUtf16(encoding.set);
    if (copy) {
        store = std::make_shared<RecordStore>(unnamedTemporaryFile(path), path);
    } else {
        store = std::make_shared<RecordStore>(duplicate(file.handle(), path), path, encoding.byteOrderMarkLength);
        store->seal();
    }
    WatchedDevice watched(data, progress);
    watched.open(QIODevice::ReadOnly);
    std::optional<FamilyTree> tree;
    try {
        tree = scanInto(watched, path, kMaxRecords, store, copy, progress.stopRequested);
    } catch (const core::Error&) {
        // A file cut short by the stop may look broken: it is not.
        if (progress.stopRequested) throw ReadingStopped();
        throw;
    }
    if (progress.stopRequested) throw ReadingStopped();
    if (file.error() != QFileDevice::NoError)
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));
    return std::move(*tree);
}

} // namespace gedcom
