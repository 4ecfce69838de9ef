#include "BoxTexts.h"

#include "AncestorBoxes.h"

namespace chart {

void writeBoxTexts(automation::Worksheet& sheet, long long boxColumns, bool withNumbers,
                   const std::vector<QString>& labelByNumber) {
    for (const AncestorBox& box : ancestorBoxes(boxColumns)) {
        const QString label = box.number < labelByNumber.size() ? labelByNumber[box.number] : QString();
        QString text = withNumbers ? QString::number(box.number) : QString();
        if (!label.isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + label;
        if (!text.isEmpty()) sheet.setValue(sheet.cell(box.row, box.column), text);
    }
}

} // namespace chart
