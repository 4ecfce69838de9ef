#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace files {

inline constexpr qint64 kNoSizeLimit = -1;

// Opens a regular file for reading, once: its kind is checked on the open
// descriptor, so that a FIFO or a device put in its place between a look and
// the open is refused and never blocks. Throws core::Error ("'PATH' cannot
// be opened: REASON.").
std::unique_ptr<QFile> openRegularFile(const QString& path);

// The rest of an open file, every read checked. Throws core::Error ("'PATH'
// cannot be read: REASON.").
QByteArray readRest(QFile& file);

// A regular file whole. One larger than maxBytes is refused before anything
// is read ("'PATH' is too large: ...").
QByteArray readWholeFile(const QString& path, qint64 maxBytes = kNoSizeLimit);

} // namespace files
