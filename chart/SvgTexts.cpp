#include "SvgTexts.h"

#include "core/VisibleText.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QXmlStreamWriter>

namespace chart {

namespace {

// Where a text stands: at the indent from the edge it is aligned to, or in
// the middle of its area; on the baseline the preview draws it on.
struct TextAnchor {
    double x = 0;
    int baseline = 0;
    const char* anchor = "start";
};

TextAnchor anchorOf(const spreadsheet::PictureText& text, const QRect& area) {
    QFont font(text.fontName);
    font.setPixelSize(text.pixelSize);
    const int baseline = area.bottom() - QFontMetrics(font).descent();
    switch (text.alignment) {
    case spreadsheet::PictureText::Alignment::Right:
        return {double(area.right() - spreadsheet::kTextIndent), baseline, "end"};
    case spreadsheet::PictureText::Alignment::Center: return {area.left() + area.width() / 2.0, baseline, "middle"};
    case spreadsheet::PictureText::Alignment::Left: break;
    }
    return {double(area.left() + spreadsheet::kTextIndent), baseline, "start"};
}

// Where a text of the chart enters the SVG document: as every file a chart
// is saved in holds it, with what XML cannot carry marked.
QString svgText(const QString& text) { return core::storableText(text); }

} // namespace

QString svgFontFamilies(const QString& fontName) {
    QString quoted = fontName;
    quoted.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    return QStringLiteral("'%1', 'DejaVu Sans', sans-serif").arg(quoted);
}

QByteArray svgTextElements(const spreadsheet::VectorPicture& picture) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true); // a text a line
    xml.setAutoFormattingIndent(0);
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
    for (const spreadsheet::PictureText& text : picture.content().texts) {
        // Inside the grid lines around its cells, as the preview draws it.
        const QRect area = picture.cellArea(text.area).adjusted(1, 1, -1, -1);
        const TextAnchor at = anchorOf(text, area);
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), QString::number(at.x));
        xml.writeAttribute(QStringLiteral("y"), QString::number(at.baseline));
        xml.writeAttribute(QStringLiteral("text-anchor"), QLatin1String(at.anchor));
        xml.writeAttribute(QStringLiteral("font-family"), svgFontFamilies(text.fontName));
        xml.writeAttribute(QStringLiteral("font-size"), QString::number(text.pixelSize) + QStringLiteral("px"));
        xml.writeAttribute(QStringLiteral("fill"), QColor(text.colour).name());
        xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(svgText(text.text));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    bytes.append('\n');
    return bytes;
}

} // namespace chart
