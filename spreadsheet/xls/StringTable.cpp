#include "StringTable.h"

#include "BiffRecords.h"

#include "core/VisibleText.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

// EXTSST indexes every n-th string, n at least 8, in at most 128 buckets.
std::size_t stringsPerBucket(std::size_t strings) { return std::max<std::size_t>(8, (strings + 127) / 128); }

// Lays out SST and its CONTINUE records, remembering where each bucket's
// first string starts for EXTSST.
class SstLayout {
public:
    explicit SstLayout(std::size_t streamOffset) : m_streamOffset(streamOffset) {}

    void begin(std::uint16_t id) {
        m_records.u16(id);
        m_lengthAt = m_records.size();
        m_records.u16(0);
        m_used = 0;
    }
    void end() { m_records.patchU16(m_lengthAt, static_cast<std::uint16_t>(m_used)); }
    std::size_t room() const { return record::kMaxRecordData - m_used; }
    void u8(std::uint8_t v) { m_records.u8(v), ++m_used; }
    void u16(std::uint16_t v) { m_records.u16(v), m_used += 2; }
    void u32(std::uint32_t v) { m_records.u32(v), m_used += 4; }

    struct Position {
        std::uint32_t inStream;
        std::uint16_t inRecord;
    };

    // Appends one string; answers where its header went.
    Position string(const QString& text) {
        const bool wide = !fitsLatin1(text);
        const std::size_t charSize = wide ? 2 : 1;
        if (room() < 3 + charSize) continueRecord();
        const Position at{static_cast<std::uint32_t>(m_streamOffset + m_records.size()),
                          static_cast<std::uint16_t>(m_used + 4)};
        u16(static_cast<std::uint16_t>(text.size()));
        u8(wide ? 1 : 0);
        qsizetype next = 0;
        while (next < text.size()) {
            if (room() < charSize) {
                continueRecord();
                u8(wide ? 1 : 0);
            }
            const auto fit = static_cast<qsizetype>(room() / charSize);
            const qsizetype count = std::min(fit, text.size() - next);
            for (qsizetype i = next; i < next + count; ++i) {
                if (wide)
                    u16(text[i].unicode());
                else
                    u8(static_cast<std::uint8_t>(text[i].unicode()));
            }
            next += count;
        }
        return at;
    }

    const ByteBuffer& bytes() const { return m_records; }

private:
    void continueRecord() {
        end();
        begin(record::kContinue);
    }

    std::size_t m_streamOffset;
    ByteBuffer m_records;
    std::size_t m_lengthAt = 0;
    std::size_t m_used = 0;
};

} // namespace

namespace {

std::u16string_view charactersOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.constData()), static_cast<std::size_t>(text.size())};
}

} // namespace

void StringTable::reserve(std::size_t texts) {
    m_strings.reserve(texts);
    m_keys.reserve(texts);
    m_index.reserve(texts);
}

std::uint32_t StringTable::add(const QString& text) {
    ++m_references;
    const auto it = m_index.find(charactersOf(text));
    if (it != m_index.end()) return it->second;
    const auto index = static_cast<std::uint32_t>(m_strings.size());
    m_strings.push_back(core::storableText(text));
    m_keys.push_back(text);
    m_index.emplace(charactersOf(m_keys.back()), index);
    return index;
}

void StringTable::write(RecordWriter& stream) const {
    SstLayout sst(stream.position());
    sst.begin(record::kSst);
    sst.u32(m_references);
    sst.u32(static_cast<std::uint32_t>(m_strings.size()));
    const std::size_t perBucket = stringsPerBucket(m_strings.size());
    ByteBuffer buckets;
    for (std::size_t i = 0; i < m_strings.size(); ++i) {
        const auto at = sst.string(m_strings[i]);
        if (i % perBucket == 0) {
            buckets.u32(at.inStream);
            buckets.u16(at.inRecord);
            buckets.u16(0);
        }
    }
    sst.end();
    stream.writeRaw(sst.bytes());

    ByteBuffer ext;
    ext.u16(static_cast<std::uint16_t>(perBucket));
    ext.append(buckets);
    stream.write(record::kExtSst, ext);
}

} // namespace spreadsheet::xls
