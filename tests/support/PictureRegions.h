#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// The connected areas of one colour in a bitmap, each as its bounding rectangle.
inline std::vector<QRect> regionsOf(const QImage& image, QRgb color) {
    std::vector<QRect> regions;
    std::vector<char> seen(static_cast<std::size_t>(image.width()) * image.height(), 0);
    std::vector<QPoint> todo;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || image.pixel(x, y) != color) continue;
            QRect box(x, y, 1, 1);
            todo.push_back({x, y});
            seen[y * image.width() + x] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                box = box.united(QRect(p, QSize(1, 1)));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= image.width() || q.y() >= image.height()) continue;
                    auto& mark = seen[q.y() * image.width() + q.x()];
                    if (!mark && image.pixel(q) == color) mark = 1, todo.push_back(q);
                }
            }
            regions.push_back(box);
        }
    }
    return regions;
}
