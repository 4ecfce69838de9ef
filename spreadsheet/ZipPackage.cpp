#include "ZipPackage.h"

#include "core/Error.h"

#include <zip.h>

#include <vector>

namespace spreadsheet {

namespace {

// 1 January 1980, 00:00: the first day a zip file can name.
constexpr zip_uint16_t kDosTime = 0;
constexpr zip_uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr zip_uint32_t kFastestLevel = 1;

[[noreturn]] void fail(const char* doing, zip_error_t* error) {
    // What was being done and libzip's reason are its own words, given as they are.
    const core::Phrase why = error ? core::Phrase(QString::fromLocal8Bit(zip_error_strerror(error)))
                                   : core::Phrase(QT_TRANSLATE_NOOP("core::Error", "unknown error"));
    throw core::Error(core::ErrorKind::CallRejected,
                      QT_TRANSLATE_NOOP("core::Error", "The workbook could not be put together (%1: %2)."),
                      {QString::fromLatin1(doing), why});
}

} // namespace

struct ZipPackage::Archive {
    zip_source_t* target = nullptr; // the zip file's bytes, kept past zip_close
    zip_t* zip = nullptr;
    std::vector<QByteArray> parts; // libzip reads them only when the archive closes

    ~Archive() {
        if (zip) zip_discard(zip);
        if (target) zip_source_free(target);
    }
};

ZipPackage::ZipPackage() : m_archive(std::make_unique<Archive>()) {
    zip_error_t error;
    zip_error_init(&error);
    m_archive->target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!m_archive->target) fail("memory", &error);
    m_archive->zip = zip_open_from_source(m_archive->target, ZIP_TRUNCATE, &error);
    if (!m_archive->zip) fail("opening", &error);
    // Closing the archive would otherwise free the buffer with it.
    zip_source_keep(m_archive->target);
    zip_error_fini(&error);
}

ZipPackage::~ZipPackage() = default;

void ZipPackage::add(const char* name, QByteArray bytes, Compression compression) {
    zip_t* zip = m_archive->zip;
    m_archive->parts.push_back(std::move(bytes));
    const QByteArray& part = m_archive->parts.back();
    zip_source_t* source = zip_source_buffer(zip, part.constData(), static_cast<zip_uint64_t>(part.size()), 0);
    if (!source) fail(name, zip_get_error(zip));
    const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        fail(name, zip_get_error(zip));
    }
    const bool stored = compression == Compression::Stored;
    if (zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 stored ? 0 : kFastestLevel)
            != 0
        || zip_file_set_dostime(zip, static_cast<zip_uint64_t>(index), kDosTime, kDosDate, 0) != 0)
        fail(name, zip_get_error(zip));
}

QByteArray ZipPackage::finish() {
    if (zip_close(m_archive->zip) != 0) fail("compressing", zip_get_error(m_archive->zip));
    m_archive->zip = nullptr;
    m_archive->parts.clear();

    zip_source_t* target = m_archive->target;
    zip_stat_t stat;
    if (zip_source_stat(target, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) fail("size", zip_source_error(target));
    if (zip_source_open(target) != 0) fail("reading", zip_source_error(target));
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_source_read(target, bytes.data(), stat.size);
    zip_source_close(target);
    if (read != static_cast<zip_int64_t>(stat.size)) fail("reading", zip_source_error(target));
    return bytes;
}

} // namespace spreadsheet
