#include "RecordStore.h"

#include "GedcomError.h"

#include "core/Error.h"

#include <cerrno>
#include <unistd.h>

namespace gedcom {

namespace {

// Records read in the file's order are read ahead in large blocks; one read
// on its own (a chart's ancestors lie anywhere) takes a page or two.
constexpr qint64 kAheadBytes = 64 * 1024;
constexpr qint64 kPageBytes = 4 * 1024;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

RecordStore::RecordStore(int descriptor, QString fileName, qint64 base)
    : m_descriptor(descriptor), m_fileName(std::move(fileName)), m_base(base) {}

RecordStore::RecordStore(QByteArray bytes) : m_bytes(std::move(bytes)) {}

RecordStore::~RecordStore() {
    if (m_descriptor >= 0) ::close(m_descriptor);
}

void RecordStore::seal() {
    if (m_descriptor >= 0) ::fstat(m_descriptor, &m_sealed);
}

void RecordStore::append(QByteArrayView bytes) {
    if (m_descriptor < 0) {
        m_bytes.append(bytes);
        return;
    }
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n =
            ::write(m_descriptor, bytes.data() + written, static_cast<std::size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            fail(m_fileName, 0,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be unpacked into the temporary folder: %1"),
                               {core::systemReason(errno)}));
        written += n;
    }
}

QByteArrayView RecordStore::read(qint64 offset, qint64 size) const {
    if (m_descriptor < 0) {
        const qint64 start = std::min<qint64>(offset, m_bytes.size());
        return QByteArrayView(m_bytes).sliced(start, std::min(size, m_bytes.size() - start));
    }
    if (m_blockAt < 0 || offset < m_blockAt || offset + size > m_blockAt + m_block.size()) {
        struct stat now {};
        if (::fstat(m_descriptor, &now) != 0 || !sameFile(now, m_sealed))
            fail(m_fileName, 0,
                 core::Phrase(
                     QT_TRANSLATE_NOOP("core::Error", "the file has changed since it was read; open it again")));
        const bool onward = m_blockAt >= 0 && offset >= m_blockAt && offset <= m_blockAt + m_block.size() + kAheadBytes;
        m_block.resize(std::max(size, onward ? kAheadBytes : kPageBytes));
        qint64 filled = 0;
        while (filled < m_block.size()) {
            const ssize_t n = ::pread(m_descriptor, m_block.data() + filled,
                                      static_cast<std::size_t>(m_block.size() - filled), m_base + offset + filled);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0)
                fail(m_fileName, 0,
                     core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"),
                                   {core::systemReason(errno)}));
            if (n == 0) break;
            filled += n;
        }
        m_block.truncate(filled);
        m_blockAt = offset;
    }
    const qint64 start = offset - m_blockAt;
    return QByteArrayView(m_block).sliced(start, std::min(size, m_block.size() - start));
}

} // namespace gedcom
