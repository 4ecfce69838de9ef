#pragma once

#include <QRgb>

namespace spreadsheet {

// The colour of an entry of Excel's default palette (ColorIndex 1 to 56),
// opaque; `otherwise` for an index outside it (automatic, none).
QRgb paletteColor(int colorIndex, QRgb otherwise);

} // namespace spreadsheet
