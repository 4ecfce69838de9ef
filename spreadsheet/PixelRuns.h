#pragma once

#include <QRect>
#include <QRgb>

#include <cstddef>
#include <vector>

class QPainter;

namespace spreadsheet {

// Fills the rectangles of one layer of a picture, in which order does not
// matter: where they overlap they share a colour. Rectangles of one colour
// over the same columns of pixels that touch or overlap from top to bottom
// are filled as one, so that a picture drawn small, where many lines fall
// on the same pixels, costs a rectangle a run rather than one a line.
class PixelRuns {
public:
    explicit PixelRuns(QPainter& painter);
    ~PixelRuns() { flush(); }
    PixelRuns(const PixelRuns&) = delete;
    PixelRuns& operator=(const PixelRuns&) = delete;

    void fill(const QRect& pixels, QRgb colour);
    // Fills what is still open: the layer so far is drawn whole.
    void flush();

private:
    // The run open over some columns in one colour; a layer has a few dozen
    // at most, held in a small open-addressed table.
    struct Run {
        int left = 0;
        int width = 0; // 0: the slot is free
        QRgb colour = 0;
        int top = 0;
        int bottom = 0; // exclusive
    };
    Run& slotFor(int left, int width, QRgb colour);
    void grow();
    void fillRun(const Run& run);

    QPainter& m_painter;
    std::vector<Run> m_slots;
    std::size_t m_used = 0;
    Run* m_last = nullptr; // the slot last filled or found
};

} // namespace spreadsheet
