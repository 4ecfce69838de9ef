// Draws Kinloom's application icon, a small pedigree of lime-green boxes
// with black edges joined by lines, as kinloom-<size>.png in a folder.
// Usage: make-icons <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr double design = 256.0; // drawn in a 256-unit square, then scaled
const QColor boxFill(153, 204, 0);

struct Box {
    double x, y; // left and vertical centre
};
constexpr double boxWidth = 58;
constexpr double boxHeight = 34;

// Oldest generation on the left, the root person on the right.
constexpr Box grandparents[] = {{18, 42}, {18, 98}, {18, 158}, {18, 214}};
constexpr Box parents[] = {{99, 70}, {99, 186}};
constexpr Box root{180, 128};

void joinPair(QPainter& p, const Box& upper, const Box& lower, const Box& child) {
    const double right = upper.x + boxWidth;
    const double spine = (right + child.x) / 2;
    p.drawLine(QPointF(right, upper.y), QPointF(spine, upper.y));
    p.drawLine(QPointF(right, lower.y), QPointF(spine, lower.y));
    p.drawLine(QPointF(spine, upper.y), QPointF(spine, lower.y));
    p.drawLine(QPointF(spine, child.y), QPointF(child.x, child.y));
}

void drawBox(QPainter& p, const Box& box) { p.drawRect(QRectF(box.x, box.y - boxHeight / 2, boxWidth, boxHeight)); }

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / design, size / design);

    // A white card keeps the boxes readable on dark panels.
    const double unit = design / size; // one pixel in design units
    p.setPen(QPen(QColor(120, 120, 120), std::max(unit, 3.0)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 4, design - 8, design - 8), 28, 28);

    const double line = std::max(unit * 1.2, 6.0);
    p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    joinPair(p, grandparents[0], grandparents[1], parents[0]);
    joinPair(p, grandparents[2], grandparents[3], parents[1]);
    joinPair(p, parents[0], parents[1], root);

    p.setBrush(boxFill);
    for (const Box& box : grandparents) drawBox(p, box);
    for (const Box& box : parents) drawBox(p, box);
    drawBox(p, root);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make-icons <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : {32, 48, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("kinloom-%1.png").arg(size));
        if (!drawIcon(size).save(path)) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
