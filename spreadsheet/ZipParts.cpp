#include "ZipParts.h"

#include <zip.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace spreadsheet {

namespace {

// The most one part may hold unpacked: a filled chart of 15 generations
// takes some 11 MB in its largest part, while a zip file's sizes can claim
// anything.
constexpr qint64 kMaxPartBytes = 256LL << 20;

std::string reason(zip_error_t& error) {
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

} // namespace

struct ZipParts::Archive {
    zip_t* zip = nullptr;
    ~Archive() {
        if (zip) zip_discard(zip);
    }
};

ZipParts::ZipParts(const QByteArray& package) : m_archive(std::make_unique<Archive>()) {
    zip_error_t error;
    zip_error_init(&error);
    // The source reads the caller's bytes, which outlive the archive.
    zip_source_t* source = zip_source_buffer_create(package.constData(), zip_uint64_t(package.size()), 0, &error);
    if (!source) throw std::runtime_error(reason(error));
    m_archive->zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_archive->zip) {
        zip_source_free(source);
        throw std::runtime_error(reason(error));
    }
    zip_error_fini(&error);
}

ZipParts::~ZipParts() = default;

std::optional<QByteArray> ZipParts::part(const QString& name) const {
    QByteArray entry = name.toUtf8();
    if (entry.startsWith('/')) entry.remove(0, 1);
    const zip_int64_t index = zip_name_locate(m_archive->zip, entry.constData(), ZIP_FL_NOCASE);
    if (index < 0) return std::nullopt;
    zip_file_t* file = zip_fopen_index(m_archive->zip, zip_uint64_t(index), 0);
    if (!file) throw std::runtime_error(zip_strerror(m_archive->zip));
    // Read as it comes, whatever the directory claims, up to the most a part
    // may hold; room is made for what it claims within that.
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat_index(m_archive->zip, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
        bytes.reserve(qsizetype(std::min<zip_uint64_t>(stat.size, kMaxPartBytes)));
    char buffer[65536];
    zip_int64_t read = 0;
    while ((read = zip_fread(file, buffer, sizeof buffer)) > 0) {
        if (bytes.size() + read > kMaxPartBytes) {
            zip_fclose(file);
            throw std::runtime_error("its part " + entry.toStdString() + " unpacks to more than 256 MB");
        }
        bytes.append(buffer, qsizetype(read));
    }
    const std::string failure = read < 0 ? zip_file_strerror(file) : std::string();
    zip_fclose(file);
    if (read < 0) throw std::runtime_error("its part " + entry.toStdString() + " cannot be unpacked: " + failure);
    return bytes;
}

} // namespace spreadsheet
