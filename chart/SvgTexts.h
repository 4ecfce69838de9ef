#pragma once

#include "spreadsheet/VectorPicture.h"

#include <QByteArray>
#include <QString>

namespace chart {

// The font list of a text in a picture file: its own font first, then the
// face a spreadsheet shows where that one is missing, then any.
QString svgFontFamilies(const QString& fontName);

// The texts of a picture as SVG text elements in one group, for the end of
// an SVG document whose user units are the picture's sheet pixels. Each
// text is one element, anchored at the edge (or middle) it is aligned to,
// so that a renderer without the text's own font lays the whole text out
// in the one it falls back to, and no piece of it stands where another
// font's measure put it.
QByteArray svgTextElements(const spreadsheet::VectorPicture& picture);

} // namespace chart
