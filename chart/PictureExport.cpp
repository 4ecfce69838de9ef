#include "PictureExport.h"

#include "SvgTexts.h"

#include "core/Error.h"
#include "spreadsheet/SheetPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace chart {

namespace {

// One sheet pixel is 0.75 point at 96 pixels an inch.
constexpr double kPointsPerPixel = 0.75;
// A spreadsheet's default margins: 0.75 inch left and right, 1 inch top and bottom.
const QMarginsF kPrintMargins(54, 72, 54, 72);

// Qt draws the grid, fills and borders; the texts follow as elements of
// their own, one a text, before the document ends.
QByteArray svgBytes(const spreadsheet::VectorPicture& picture) {
    spreadsheet::PictureContent shapes = picture.content();
    shapes.texts.clear();
    const spreadsheet::VectorPicture withoutTexts(std::move(shapes));
    const QSize size = picture.sheetSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QCoreApplication::translate("chart::PictureExport", "Family tree chart"));
    QPainter painter(&svg);
    withoutTexts.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), QRect(QPoint(0, 0), size));
    painter.end();
    const qsizetype end = bytes.lastIndexOf("</svg>");
    if (end < 0)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The picture cannot be written as an SVG file."));
    bytes.insert(end, svgTextElements(picture));
    return bytes;
}

bool writePdf(const spreadsheet::VectorPicture& picture, QIODevice& file) {
    QPdfWriter pdf(&file);
    pdf.setTitle(QCoreApplication::translate("chart::PictureExport", "Family tree chart"));
    pdf.setPageLayout(chartPageLayout());
    return paintOnPages(picture, pdf);
}

} // namespace

bool writesImageFormat(const QByteArray& format) { return QImageWriter::supportedImageFormats().contains(format); }

QPageLayout chartPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kPrintMargins, QPageLayout::Point);
}

bool paintOnPages(const spreadsheet::VectorPicture& picture, QPagedPaintDevice& device) {
    const int resolution = device.logicalDpiX();
    const QRect page = device.pageLayout().paintRectPixels(resolution);
    const spreadsheet::PictureContent& content = picture.content();
    const QSize sheet = picture.sheetSize();
    const double unitsPerPixel = resolution / 72.0 * kPointsPerPixel;
    const double scale = std::min(unitsPerPixel, page.width() / double(sheet.width()));

    QPainter painter(&device);
    if (!painter.isActive()) return false;
    // Whole rows on every page; the line closing a page's last row is
    // drawn again at the top of the next.
    std::size_t row = 0;
    int top = 0;
    while (row < content.rowHeights.size()) {
        int bottom = top;
        std::size_t end = row;
        while (end < content.rowHeights.size()
               && (end == row || (bottom - top + content.rowHeights[end] + 1) * scale <= page.height()))
            bottom += content.rowHeights[end++];
        if (row > 0 && !device.newPage()) return false;
        const QRectF target(0, -top * scale, sheet.width() * scale, sheet.height() * scale);
        const QRect band(0, 0, static_cast<int>(std::ceil(sheet.width() * scale)),
                         static_cast<int>(std::ceil((bottom - top + 1) * scale)));
        picture.paint(painter, target, band);
        row = end;
        top = bottom;
    }
    return painter.end();
}

QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, PictureFileKind kind,
                                const QByteArray& bitmapFormat) {
    if (kind == PictureFileKind::Bitmap)
        return spreadsheet::pictureFileBytes(spreadsheet::bitmapOf(picture), bitmapFormat);
    if (kind == PictureFileKind::Svg) return svgBytes(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (kind == PictureFileKind::Pdf) {
        if (!writePdf(picture, buffer))
            throw core::Error(core::ErrorKind::CallRejected,
                              QT_TRANSLATE_NOOP("core::Error", "The picture cannot be written as a PDF file."));
        return bytes;
    }
    throw core::Error(core::ErrorKind::CallRejected,
                      QT_TRANSLATE_NOOP("core::Error", "There is no kind of picture to write."));
}

} // namespace chart
