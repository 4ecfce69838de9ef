#pragma once

// Whether a chart picture drawn small keeps its lines sharp: what is wrong
// in a shot of it, from its top left, drawn at scaleX × scaleY device pixels
// to a sheet pixel. Every box border must show black on a device pixel it
// lies on, and no pixel outside the text rows may have a colour the picture
// does not use (a line blended into grey, or olive over the lime fill).
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/VectorPicture.h"

#include <QImage>
#include <QString>

#include <cmath>
#include <set>
#include <vector>

inline QString sharpnessFaults(const QImage& shot, const spreadsheet::VectorPicture& picture, double scaleX,
                               double scaleY) {
    const spreadsheet::PictureContent& c = picture.content();
    std::vector<int> xs{0}, ys{0};
    for (const auto w : c.columnWidths) xs.push_back(xs.back() + w);
    for (const auto h : c.rowHeights) ys.push_back(ys.back() + h);
    int missing = 0, blended = 0;
    QString first;
    // A border over sheet pixels [x0, x1) × [y0, y1), one pixel across: black
    // on one of the device pixels of its middle.
    const auto check = [&](int x0, int x1, int y0, int y1) {
        const bool vertical = x1 - x0 == 1;
        const int along = int(std::floor((vertical ? y0 + y1 : x0 + x1) * 0.5 * (vertical ? scaleY : scaleX)));
        const double scale = vertical ? scaleX : scaleY;
        const int from = int(std::floor((vertical ? x0 : y0) * scale));
        const int to = int(std::ceil((vertical ? x1 : y1) * scale));
        bool shows = false;
        for (int d = from; d < to; ++d) {
            const QPoint p = vertical ? QPoint(d, along) : QPoint(along, d);
            if (!shot.rect().contains(p)) return;
            shows = shows || shot.pixel(p) == qRgb(0, 0, 0);
        }
        if (!shows && missing++ == 0) first = QStringLiteral("no line at %1 %2").arg(from).arg(along);
    };
    const auto has = [](const spreadsheet::PictureStyle& s, spreadsheet::Edge e) { return s.borders >> int(e) & 1; };
    for (std::size_t r = 0; r + 1 < ys.size(); ++r) {
        for (std::uint32_t i = c.rowStarts[r]; i < c.rowStarts[r + 1]; ++i) {
            const spreadsheet::PictureStyle& s = c.styles[c.cells[i].style];
            const int left = xs[c.cells[i].column], right = xs[c.cells[i].column + 1], top = ys[r], bottom = ys[r + 1];
            if (has(s, spreadsheet::Edge::Left)) check(left, left + 1, top, bottom + 1);
            if (has(s, spreadsheet::Edge::Right)) check(right, right + 1, top, bottom + 1);
            if (has(s, spreadsheet::Edge::Top)) check(left, right + 1, top, top + 1);
            if (has(s, spreadsheet::Edge::Bottom)) check(left, right + 1, bottom, bottom + 1);
        }
    }

    std::set<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0xD0, 0xD7, 0xE5)};
    for (const spreadsheet::PictureStyle& s : c.styles) palette.insert(s.fill | 0xFF000000u);
    std::vector<bool> textRow(shot.height() + 1, false);
    for (const spreadsheet::PictureText& t : c.texts)
        for (int y = int(ys[t.area.top()] * scaleY);
             y <= std::ceil(ys[t.area.bottom() + 1] * scaleY) && y < shot.height(); ++y)
            textRow[y] = true;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width() && !textRow[y]; ++x)
            if (!palette.count(shot.pixel(x, y) | 0xFF000000u) && blended++ == 0 && first.isEmpty())
                first = QStringLiteral("#%1 at %2 %3").arg(shot.pixel(x, y) & 0xFFFFFF, 6, 16).arg(x).arg(y);
    return missing + blended == 0
        ? QString()
        : QStringLiteral("%1 lines missing, %2 pixels blended; first: %3").arg(missing).arg(blended).arg(first);
}
