#pragma once

#include "spreadsheet/SheetContent.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace chart {

// A cell's text where the chart has it.
struct PlacedText {
    std::uint32_t number = 0; // the box's ancestor number; 0 for a text outside the boxes
    int row = 0;
    int column = 0;
    QString text;
};

// A chart as found on a sheet: what its title and generation line say, and
// the text in each of its boxes.
struct ChartOnSheet {
    QString titleName;                // the root's name, as the title gives it
    QString generationText;           // the count as the generation line writes it ("5", "2,5")
    long long boxColumns = 0;         // the generations the chart shows
    std::vector<PlacedText> boxTexts; // boxes that hold text, by ancestor number
    std::vector<PlacedText> outside;  // texts in no box, by row and column
};

// Finds the chart on a sheet where the layout puts it: the title in B2, the
// generation line in B3, whose count says where each box stands, and a
// filled cell at each box. Throws core::Error (DataDamaged) naming the file and
// the cell where what is missing was expected, as when rows or columns were
// inserted or deleted or another sheet comes first.
ChartOnSheet findChart(const spreadsheet::SheetContent& sheet, const QString& fileName);

} // namespace chart
