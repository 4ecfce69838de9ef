#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace spreadsheet {

// The parts of a zip package (the container of .xlsx and .ods files) read
// through libzip, each as its bytes come and never more than 256 MB, whatever
// sizes the zip file claims. Throws std::exception for a file that is no zip
// file or whose directory cannot be read, and for a part that cannot be
// unpacked (its checksum wrong) or is larger.
class ZipParts {
public:
    explicit ZipParts(const QByteArray& package);
    ~ZipParts();
    ZipParts(const ZipParts&) = delete;
    ZipParts& operator=(const ZipParts&) = delete;

    // A part by its name, its case ignored as package part names are compared;
    // nothing where the package holds no such part.
    std::optional<QByteArray> part(const QString& name) const;

private:
    struct Archive;
    std::unique_ptr<Archive> m_archive;
};

} // namespace spreadsheet
