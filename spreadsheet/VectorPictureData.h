#pragma once

#include "VectorPicture.h"

#include <vector>

namespace spreadsheet {

// What a picture keeps beside its content, worked out once when it is made:
// the sheet pixel edges of its columns and rows, and the size it shows at.
struct VectorPicture::Data {
    PictureContent content;
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
    QSize size;
};

} // namespace spreadsheet
