#pragma once

#include "ExcelConstants.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace spreadsheet {

using FormatId = std::uint32_t;

enum class Edge : std::uint8_t {
    Left,
    Top,
    Bottom,
    Right
};
inline constexpr int kEdgeCount = 4;

// Everything a cell can carry besides its value. Kept small and flat: cells
// refer to one shared copy through a FormatId.
struct CellFormat {
    std::uint16_t fontName = 0;     // index in FormatTable::fontNames()
    std::uint16_t fontHeight = 200; // twentieths of a point
    std::int16_t fontColorIndex = xl::kColorIndexAutomatic;
    std::int16_t fillColorIndex = xl::kColorIndexNone;
    std::array<std::int16_t, kEdgeCount> borders{xl::kLineStyleNone, xl::kLineStyleNone, xl::kLineStyleNone,
                                                 xl::kLineStyleNone}; // Excel line styles, by Edge
    std::int16_t horizontalAlignment = xl::kHAlignGeneral;

    double fontSize() const { return fontHeight / 20.0; }
    std::int16_t border(Edge edge) const { return borders[static_cast<int>(edge)]; }
    bool operator==(const CellFormat&) const = default;
};

// One property set to one value: the unit in which formatting calls change formats.
struct FormatChange {
    enum class Kind : std::uint8_t {
        FontName,
        FontHeight,
        FontColor,
        Fill,
        Border,
        HorizontalAlignment
    };
    Kind kind;
    Edge edge = Edge::Left; // only for Border
    std::int16_t value = 0;

    CellFormat appliedTo(CellFormat format) const;
};

// The distinct formats of a sheet. Id 0 is the sheet's default format; a
// format is stored once however many cells carry it.
class FormatTable {
public:
    // An Excel 97-2003 file holds about 4,000 cell formats; more are refused.
    static constexpr std::size_t kMaxFormats = 4000;

    FormatTable();

    FormatId intern(const CellFormat& format);
    FormatId withChange(FormatId from, FormatChange change) {
        // The chart sets the same few properties on hundreds of thousands of
        // cells: a memo of recent (format, change) pairs answers nearly all.
        const std::uint64_t key = std::uint64_t(from) | std::uint64_t(change.kind) << 32
            | std::uint64_t(change.edge) << 36 | std::uint64_t(std::uint16_t(change.value)) << 40;
        const RecentTransition& recent = m_recent[recentSlot(key)];
        return recent.key == key ? recent.to : rememberedChange(key, from, change);
    }
    const CellFormat& at(FormatId id) const { return m_formats[id]; }
    std::size_t size() const { return m_formats.size(); }

    std::uint16_t fontNameId(const QString& name);
    const QString& fontName(std::uint16_t id) const { return m_fontNames[id]; }
    const QStringList& fontNames() const { return m_fontNames; }

private:
    static std::size_t recentSlot(std::uint64_t key) { return (key * 0x9E3779B97F4A7C15ull) >> 58; }
    FormatId rememberedChange(std::uint64_t key, FormatId from, FormatChange change);

    struct FormatHash {
        std::size_t operator()(const CellFormat& f) const;
    };
    std::vector<CellFormat> m_formats;
    std::unordered_map<CellFormat, FormatId, FormatHash> m_ids;
    std::unordered_map<std::uint64_t, FormatId> m_transitions;
    // A small direct-mapped memo in front of m_transitions: a chart repeats
    // the same few transitions hundreds of thousands of times.
    struct RecentTransition {
        std::uint64_t key = ~std::uint64_t(0);
        FormatId to = 0;
    };
    std::array<RecentTransition, 64> m_recent{};
    QStringList m_fontNames;
};

} // namespace spreadsheet
