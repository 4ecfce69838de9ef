#include "ZipParts.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <vector>

namespace spreadsheet {

struct ZipParts::Archive {
    explicit Archive(const QByteArray& bytes)
        : stream(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
          zip(&stream) {}

    ::orcus::zip_archive_stream_blob stream;
    ::orcus::zip_archive zip;
};

ZipParts::ZipParts(const QByteArray& package) : m_archive(std::make_unique<Archive>(package)) { m_archive->zip.load(); }

ZipParts::~ZipParts() = default;

std::optional<QByteArray> ZipParts::part(const QString& name) const {
    std::string entry = name.toStdString();
    if (!entry.empty() && entry.front() == '/') entry.erase(0, 1);
    for (std::size_t i = 0, count = m_archive->zip.get_file_entry_count(); i < count; ++i) {
        const std::string_view stored = m_archive->zip.get_file_entry_name(i);
        if (QString::fromUtf8(stored.data(), qsizetype(stored.size()))
                .compare(QString::fromStdString(entry), Qt::CaseInsensitive)
            != 0)
            continue;
        std::vector<unsigned char> bytes;
        if (!m_archive->zip.read_file_entry(stored, bytes)) return std::nullopt;
        // liborcus ends each part with a null byte already, for its own parsers.
        if (bytes.empty() || bytes.back() != 0) bytes.push_back(0);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()) - 1);
    }
    return std::nullopt;
}

} // namespace spreadsheet
