#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace gedcom {

// Where a tree reads its records again once the file has been scanned: the
// file itself, or a copy of the text the reader made (of a GEDZIP file's
// dataset, of UTF-16 text as UTF-8, of a device). Reads near one another
// are served from one block read ahead, so that reading the records in the
// file's order reads the file once.
class RecordStore {
public:
    // Reads the file open at the descriptor, which it takes and closes; the
    // text begins at base (after a byte-order mark).
    RecordStore(int descriptor, QString fileName, qint64 base = 0);
    // Holds the bytes themselves.
    explicit RecordStore(QByteArray bytes);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // The bytes at offset, up to size of them (fewer at the end). Throws a
    // core::Error (DataDamaged) naming the file when it cannot be read, or when
    // it has changed since the reader took it.
    QByteArrayView read(qint64 offset, qint64 size) const;
    // Appends to a copy the reader makes; throws as read() does.
    void append(QByteArrayView bytes);
    // What is stored now is what later reads are checked against.
    void seal();

private:
    int m_descriptor = -1;
    QString m_fileName;
    qint64 m_base = 0;
    QByteArray m_bytes; // the bytes held, when there is no descriptor
    mutable QByteArray m_block;
    mutable qint64 m_blockAt = -1;
    struct stat m_sealed {};
};

} // namespace gedcom
