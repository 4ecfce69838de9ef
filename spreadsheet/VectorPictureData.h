#pragma once

#include "VectorPicture.h"
#include "VectorPictureIndex.h"

#include <mutex>
#include <vector>

namespace spreadsheet {

// What a picture keeps beside its content, worked out once when it is made:
// the sheet pixel edges of its columns and rows, and the size it shows at.
struct VectorPicture::Data {
    PictureContent content;
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
    QSize size;

    // Worked out at the first paint, from whichever thread paints first:
    // a picture that is only saved or passed on never needs it.
    const PaintIndex& paintIndex() const {
        std::call_once(m_indexed, [this] { m_paintIndex = indexForPainting(content); });
        return m_paintIndex;
    }

private:
    mutable std::once_flag m_indexed;
    mutable PaintIndex m_paintIndex;
};

} // namespace spreadsheet
