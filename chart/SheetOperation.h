#pragma once

#include <cstdint>

namespace chart {

// What an operation applies to: ActiveSheet.Cells, .Columns("A:A"),
// .Range("B2:F2") or .Cells(row, column).
enum class SheetTarget : std::uint8_t {
    WholeSheet,
    ColumnRange,
    Range,
    Cell
};

// The member the operation sets (Merge sets nothing: it is called).
enum class SheetMember : std::uint8_t {
    FontName,
    ColumnWidth,
    Merge,
    HorizontalAlignment,
    FontSize,
    Value,
    FontColorIndex,
    InteriorColorIndex,
    BorderLineStyle, // Borders(n).LineStyle
};

// Texts are held once by the ChartLayout that owns the operation and are
// referred to by index, which keeps an operation at a few bytes: a
// 15-generation chart has over 600,000 of them.
using TextId = std::uint8_t;
inline constexpr TextId kNoText = 0;

// A cell as row and column, or an address text ("A:A", "B2:F2").
struct SheetAddress {
    std::int32_t row = 0;
    std::int32_t column = 0;
    TextId text = kNoText;
    bool operator==(const SheetAddress&) const = default;
};

// The assigned value: a text, a 16-bit number, or nothing (Merge).
struct SheetValue {
    enum class Kind : std::uint8_t {
        None,
        Text,
        Number
    };
    Kind kind = Kind::None;
    TextId text = kNoText;
    std::int16_t number = 0;
    bool operator==(const SheetValue&) const = default;
};

// One spreadsheet operation of the chart, run under its own step number.
struct SheetOperation {
    std::int32_t step = 0;
    SheetTarget target = SheetTarget::Cell;
    SheetAddress address;
    SheetMember member = SheetMember::Value;
    std::int16_t borderIndex = 0; // only for BorderLineStyle
    SheetValue value;
    bool operator==(const SheetOperation&) const = default;
};

} // namespace chart
