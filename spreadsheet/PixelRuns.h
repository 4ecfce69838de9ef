#pragma once

#include <QRect>
#include <QRgb>

#include <cstddef>
#include <unordered_map>

class QPainter;

namespace spreadsheet {

// Fills the rectangles of one layer of a picture, in which order does not
// matter: where they overlap they share a colour. Rectangles of one colour
// over the same columns of pixels that touch or overlap from top to bottom
// are filled as one, so that a picture drawn small, where many lines fall
// on the same pixels, costs a rectangle a run rather than one a line.
class PixelRuns {
public:
    explicit PixelRuns(QPainter& painter) : m_painter(painter) {}
    ~PixelRuns() { flush(); }
    PixelRuns(const PixelRuns&) = delete;
    PixelRuns& operator=(const PixelRuns&) = delete;

    void fill(const QRect& pixels, QRgb colour);
    // Fills what is still open: the layer so far is drawn whole.
    void flush();

private:
    struct Columns {
        int left;
        int width;
        QRgb colour;
        bool operator==(const Columns&) const = default;
    };
    struct ColumnsHash {
        std::size_t operator()(const Columns& c) const noexcept;
    };
    struct Run {
        int top;
        int bottom; // exclusive
    };
    void fillRun(const Columns& columns, const Run& run);

    QPainter& m_painter;
    std::unordered_map<Columns, Run, ColumnsHash> m_open;
};

} // namespace spreadsheet
