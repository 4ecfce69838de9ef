#pragma once

#include <QByteArray>

#include <memory>

namespace spreadsheet {

// A zip file made in memory, the container of the .xlsx and .ods formats,
// through libzip. Parts go in the order they are added; every part carries
// the same fixed date, so that one chart always gives the same bytes.
class ZipPackage {
public:
    enum class Compression {
        Stored, // as it is: the OpenDocument "mimetype" part must be
        Fast,   // deflated at zlib's fastest level: a chart's XML repeats itself so much that
                // more effort hardly shrinks it, at several times the time
    };

    ZipPackage();
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // The package keeps the bytes until finish(). Throws core::Error (CallRejected).
    void add(const char* name, QByteArray bytes, Compression compression = Compression::Fast);
    // The whole zip file. Throws core::Error (CallRejected).
    QByteArray finish();

private:
    struct Archive;
    std::unique_ptr<Archive> m_archive;
};

} // namespace spreadsheet
