#pragma once

// Writes operations the way a person reads them in Excel's object model, so
// that expectations can be written from the chart's drawing, not from the code.
#include "chart/ChartLayout.h"

#include <QString>
#include <string>
#include <vector>

namespace chart::testing {

inline std::string describe(const ChartLayout& layout, const SheetOperation& op) {
    QString target;
    switch (op.target) {
    case SheetTarget::WholeSheet: target = QStringLiteral("Cells"); break;
    case SheetTarget::ColumnRange: target = QStringLiteral("Columns(%1)").arg(layout.text(op.address.text)); break;
    case SheetTarget::Range: target = QStringLiteral("Range(%1)").arg(layout.text(op.address.text)); break;
    case SheetTarget::Cell: target = QStringLiteral("Cells(%1,%2)").arg(op.address.row).arg(op.address.column); break;
    }
    QString member;
    switch (op.member) {
    case SheetMember::FontName: member = QStringLiteral("Font.Name"); break;
    case SheetMember::ColumnWidth: member = QStringLiteral("ColumnWidth"); break;
    case SheetMember::Merge: member = QStringLiteral("Merge"); break;
    case SheetMember::HorizontalAlignment: member = QStringLiteral("HorizontalAlignment"); break;
    case SheetMember::FontSize: member = QStringLiteral("Font.Size"); break;
    case SheetMember::Value: member = QStringLiteral("Value"); break;
    case SheetMember::FontColorIndex: member = QStringLiteral("Font.ColorIndex"); break;
    case SheetMember::InteriorColorIndex: member = QStringLiteral("Interior.ColorIndex"); break;
    case SheetMember::BorderLineStyle: member = QStringLiteral("Borders(%1).LineStyle").arg(op.borderIndex); break;
    }
    QString value;
    if (op.value.kind == SheetValue::Kind::Text) value = QStringLiteral("=\"%1\"").arg(layout.text(op.value.text));
    if (op.value.kind == SheetValue::Kind::Number) value = QStringLiteral("=%1").arg(op.value.number);
    return QStringLiteral("%1 %2.%3%4").arg(op.step).arg(target, member, value).toStdString();
}

inline std::vector<std::string> describeAll(const ChartLayout& layout) {
    std::vector<std::string> lines;
    for (const auto& op : layout.operations) lines.push_back(describe(layout, op));
    return lines;
}

} // namespace chart::testing
