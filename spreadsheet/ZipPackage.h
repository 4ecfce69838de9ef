#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

struct libdeflate_compressor;

namespace spreadsheet {

// A zip file made in memory, the container of the .xlsx and .ods formats.
// Parts go in the order they are added, each compressed as it comes with
// libdeflate (at its fastest level it shrinks a chart's .xlsx rows more than
// zlib's fastest does, in half the time); every part carries the same fixed
// date, so that one chart always gives the same bytes.
class ZipPackage {
public:
    enum class Compression {
        Stored,  // as it is: the OpenDocument "mimetype" part must be
        Fast,    // deflated at the fastest level: a chart's .xlsx rows repeat themselves so
                 // closely that more effort hardly shrinks them, at twice the time
        Compact, // deflated at a middle level, for XML whose repeats lie further apart (a chart's
                 // OpenDocument rows), which the fastest level leaves twice as large
    };

    ZipPackage();
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // Throws core::Error (CallRejected).
    void add(const char* name, const QByteArray& bytes, Compression compression = Compression::Fast);
    // The whole zip file. Throws core::Error (CallRejected).
    QByteArray finish();

private:
    struct Entry {
        QByteArray name;
        std::uint16_t method;
        std::uint32_t crc;
        std::uint32_t compressedSize;
        std::uint32_t size;
        std::uint32_t offset;
    };
    class Fields;
    static Fields& describe(Fields& header, const Entry& entry);

    QByteArray m_bytes;
    std::vector<Entry> m_entries;
    libdeflate_compressor* compressor(Compression compression);
    libdeflate_compressor* m_fast = nullptr;
    libdeflate_compressor* m_compact = nullptr;
};

} // namespace spreadsheet
