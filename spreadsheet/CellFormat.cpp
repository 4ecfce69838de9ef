#include "CellFormat.h"

#include "core/Error.h"

#include <cstring>

namespace spreadsheet {

CellFormat FormatChange::appliedTo(CellFormat format) const {
    switch (kind) {
    case Kind::FontName: format.fontName = static_cast<std::uint16_t>(value); break;
    case Kind::FontHeight: format.fontHeight = static_cast<std::uint16_t>(value); break;
    case Kind::FontColor: format.fontColorIndex = value; break;
    case Kind::Fill: format.fillColorIndex = value; break;
    case Kind::Border: format.borders[static_cast<int>(edge)] = value; break;
    case Kind::HorizontalAlignment: format.horizontalAlignment = value; break;
    }
    return format;
}

std::size_t FormatTable::FormatHash::operator()(const CellFormat& f) const {
    static_assert(sizeof(CellFormat) == 18);
    std::uint64_t words[3] = {};
    std::memcpy(words, &f, sizeof f);
    std::uint64_t h = words[0] * 0x9E3779B97F4A7C15ull;
    h ^= (words[1] + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2));
    h ^= (words[2] + 0x85EBCA77C2B2AE63ull + (h << 6) + (h >> 2));
    return static_cast<std::size_t>(h);
}

FormatTable::FormatTable() {
    m_fontNames.append(QStringLiteral("Arial")); // the default font of an Excel 97-2003 workbook
    intern(CellFormat{});
}

FormatId FormatTable::intern(const CellFormat& format) {
    if (auto it = m_ids.find(format); it != m_ids.end()) return it->second;
    if (m_formats.size() >= kMaxFormats)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "Too many different cell formats."));
    const auto id = static_cast<FormatId>(m_formats.size());
    m_formats.push_back(format);
    m_ids.emplace(format, id);
    return id;
}

FormatId FormatTable::rememberedChange(std::uint64_t key, FormatId from, FormatChange change) {
    // Every pair met is kept, so that hashing whole formats is done once for each.
    FormatId to;
    if (auto it = m_transitions.find(key); it != m_transitions.end()) {
        to = it->second;
    } else {
        to = intern(change.appliedTo(m_formats[from]));
        m_transitions.emplace(key, to);
    }
    m_recent[recentSlot(key)] = {key, to};
    return to;
}

std::uint16_t FormatTable::fontNameId(const QString& name) {
    const qsizetype index = m_fontNames.indexOf(name);
    if (index >= 0) return static_cast<std::uint16_t>(index);
    if (static_cast<std::size_t>(m_fontNames.size()) >= kMaxFormats)
        throw core::Error(core::ErrorKind::CallRejected, QT_TRANSLATE_NOOP("core::Error", "Too many different fonts."));
    m_fontNames.append(name);
    return static_cast<std::uint16_t>(m_fontNames.size() - 1);
}

} // namespace spreadsheet
