#include "BoxTexts.h"

#include "AncestorBoxes.h"
#include "ChartStyle.h"

namespace chart {

void writeBoxTexts(automation::Worksheet& sheet, long long boxColumns, const BoxLabels& labels) {
    bool written = false;
    for (const AncestorBox& box : ancestorBoxes(boxColumns)) {
        const QString label = box.number < labels.labelByNumber.size() ? labels.labelByNumber[box.number] : QString();
        QString text = labels.withNumbers ? QString::number(box.number) : QString();
        if (!label.isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + label;
        if (text.isEmpty()) continue;
        sheet.setValue(sheet.cell(box.row, box.column), text);
        written = true;
    }
    if (written) {
        const int last = kFirstBoxColumn + static_cast<int>(boxColumns) - 1;
        sheet.widenColumnsToTexts({1, kFirstBoxColumn, sheet.cells().lastRow, last});
    }
}

std::optional<QRect> rootBoxInPicture(automation::Worksheet& sheet, long long boxColumns) {
    if (boxColumns <= 0) return std::nullopt; // a chart without boxes
    const AncestorBox root = ancestorBoxes(boxColumns).front();
    const automation::UsedRange used = sheet.usedRange();
    return QRect(root.column - used.column, root.row - used.row, 1, 1);
}

} // namespace chart
