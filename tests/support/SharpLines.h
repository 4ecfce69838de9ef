#pragma once

// Whether a chart picture drawn at some scale keeps every box line and
// connector sharp: each border shows black on a device pixel it lies on, and
// no pixel outside the text rows has a colour the picture does not use (a
// line blended into its neighbours, grey or olive over the lime fill).
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/VectorPicture.h"

#include <QImage>
#include <QString>

#include <cmath>
#include <set>
#include <vector>

struct SharpnessFaults {
    int missingLines = 0;
    int blendedPixels = 0;
    QString first; // the first fault, to say where
    bool none() const { return missingLines == 0 && blendedPixels == 0; }
};

// shot holds the device pixels from origin on of the picture drawn with
// scaleX and scaleY device pixels to a sheet pixel.
inline SharpnessFaults sharpnessFaults(const QImage& shot, QPoint origin, const spreadsheet::VectorPicture& picture,
                                       double scaleX, double scaleY) {
    const spreadsheet::PictureContent& c = picture.content();
    std::vector<int> columns{0}, rows{0};
    for (const auto w : c.columnWidths) columns.push_back(columns.back() + w);
    for (const auto h : c.rowHeights) rows.push_back(rows.back() + h);
    // The device pixels a run of sheet pixels [from, to) touches.
    const auto touched = [](int from, int to, double scale) {
        return std::pair{static_cast<int>(std::floor(from * scale)), static_cast<int>(std::ceil(to * scale)) - 1};
    };
    const auto inShot = [&](int x, int y) { return shot.rect().contains(x - origin.x(), y - origin.y()); };
    const auto black = [&](int x, int y) { return shot.pixel(x - origin.x(), y - origin.y()) == qRgb(0, 0, 0); };
    SharpnessFaults faults;
    const auto fault = [&](int& count, const QString& what) {
        if (count++ == 0 && faults.first.isEmpty()) faults.first = what;
    };

    // A vertical line at sheet column x over rows [y0, y1): black at its middle row.
    const auto checkVertical = [&](int x, int y0, int y1) {
        const int y = static_cast<int>(std::floor((y0 + y1) * 0.5 * scaleY));
        const auto [left, right] = touched(x, x + 1, scaleX);
        if (!inShot(left, y) || !inShot(right, y)) return;
        bool shows = false;
        for (int d = left; d <= right && !shows; ++d) shows = black(d, y);
        if (!shows)
            fault(faults.missingLines, QStringLiteral("no black line at x %1-%2, y %3").arg(left).arg(right).arg(y));
    };
    const auto checkHorizontal = [&](int y, int x0, int x1) {
        const int x = static_cast<int>(std::floor((x0 + x1) * 0.5 * scaleX));
        const auto [top, bottom] = touched(y, y + 1, scaleY);
        if (!inShot(x, top) || !inShot(x, bottom)) return;
        bool shows = false;
        for (int d = top; d <= bottom && !shows; ++d) shows = black(x, d);
        if (!shows)
            fault(faults.missingLines, QStringLiteral("no black line at x %1, y %2-%3").arg(x).arg(top).arg(bottom));
    };
    const auto has = [](const spreadsheet::PictureStyle& s, spreadsheet::Edge e) {
        return (s.borders >> static_cast<int>(e)) & 1;
    };
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        for (std::uint32_t i = c.rowStarts[r]; i < c.rowStarts[r + 1]; ++i) {
            const spreadsheet::PictureStyle& s = c.styles[c.cells[i].style];
            const int left = columns[c.cells[i].column], right = columns[c.cells[i].column + 1];
            const int top = rows[r], bottom = rows[r + 1];
            if (has(s, spreadsheet::Edge::Left)) checkVertical(left, top, bottom + 1);
            if (has(s, spreadsheet::Edge::Right)) checkVertical(right, top, bottom + 1);
            if (has(s, spreadsheet::Edge::Top)) checkHorizontal(top, left, right + 1);
            if (has(s, spreadsheet::Edge::Bottom)) checkHorizontal(bottom, left, right + 1);
        }
    }

    std::set<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0xD0, 0xD7, 0xE5)};
    for (const spreadsheet::PictureStyle& s : c.styles)
        if (s.hasFill) palette.insert(s.fill | 0xFF000000u);
    std::vector<bool> textRow(shot.height(), false);
    for (const spreadsheet::PictureText& t : c.texts) {
        const auto [top, bottom] = touched(rows[t.area.top()], rows[t.area.bottom() + 1] + 1, scaleY);
        for (int y = std::max(top - origin.y(), 0); y <= bottom - origin.y() && y < shot.height(); ++y)
            textRow[y] = true;
    }
    for (int y = 0; y < shot.height(); ++y) {
        if (textRow[y]) continue;
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y) | 0xFF000000u;
            if (!palette.count(p))
                fault(faults.blendedPixels,
                      QStringLiteral("#%1 at x %2, y %3")
                          .arg(p & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                          .arg(x + origin.x())
                          .arg(y + origin.y()));
        }
    }
    return faults;
}
