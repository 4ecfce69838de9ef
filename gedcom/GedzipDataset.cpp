#include "GedzipDataset.h"

#include "GedcomError.h"

#include <unistd.h>
#include <zip.h>

namespace gedcom {

namespace {

constexpr const char* kDatasetName = "gedcom.ged";

QString zipReason(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString reason = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return reason;
}

} // namespace

bool isZipArchive(QByteArrayView head) { return head.startsWith("PK\x03\x04"); }

struct GedzipDataset::Archive {
    zip_t* zip = nullptr;
    zip_file_t* dataset = nullptr;
    ~Archive() {
        if (dataset) zip_fclose(dataset);
        if (zip) zip_discard(zip);
    }
};

GedzipDataset::GedzipDataset(int descriptor, const QString& fileName) : m_archive(std::make_unique<Archive>()) {
    int code = 0;
    m_archive->zip = zip_fdopen(descriptor, ZIP_RDONLY, &code);
    if (!m_archive->zip) {
        ::close(descriptor);
        fail(fileName, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a GEDZIP file: %1"), {zipReason(code)}));
    }
    // Names in a GEDZIP file are case-sensitive.
    const zip_int64_t entry = zip_name_locate(m_archive->zip, kDatasetName, ZIP_FL_ENC_RAW);
    zip_stat_t status;
    if (entry < 0 || zip_stat_index(m_archive->zip, static_cast<zip_uint64_t>(entry), 0, &status) != 0)
        fail(fileName, 0,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a GEDZIP file: it holds no %1"),
                           {QString::fromLatin1(kDatasetName)}));
    m_archive->dataset = zip_fopen_index(m_archive->zip, static_cast<zip_uint64_t>(entry), 0);
    if (!m_archive->dataset)
        fail(fileName, 0,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 in the archive cannot be read: %2"),
                           {QString::fromLatin1(kDatasetName),
                            QString::fromLocal8Bit(zip_error_strerror(zip_get_error(m_archive->zip)))}));
    if (status.valid & ZIP_STAT_SIZE) m_size = static_cast<qint64>(status.size);
    open(QIODevice::ReadOnly);
}

GedzipDataset::~GedzipDataset() = default;

qint64 GedzipDataset::readData(char* data, qint64 maxSize) {
    const zip_int64_t read = zip_fread(m_archive->dataset, data, static_cast<zip_uint64_t>(maxSize));
    if (read < 0) setErrorString(QString::fromLocal8Bit(zip_file_strerror(m_archive->dataset)));
    return read;
}

} // namespace gedcom
