#include "ColumnWidth.h"

#include <cmath>

namespace spreadsheet {

int columnWidthPixels(double characters) {
    if (!(characters > 0)) return 0;
    return static_cast<int>(std::trunc(characters * kDigitWidthPixels)) + kColumnPaddingPixels;
}

} // namespace spreadsheet
