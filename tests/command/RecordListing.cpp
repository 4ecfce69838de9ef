#include "RecordListing.h"

#include "spreadsheet/xls/BiffRecords.h"

#include <QStringList>

#include <cstring>
#include <optional>
#include <vector>

namespace {

namespace r = spreadsheet::xls::record;

// The fields of a record as "name:type": u8, u16, u32 in decimal, x8, x16,
// x32 in hexadecimal, f64, and s8 / s16 for a string with a one- or two-byte
// character count. The fields after "*" repeat to the end of the record, or
// up to the fields marked "|" that close it.
struct RecordFormat {
    std::uint16_t id;
    const char* name;
    const char* fields;
};

const RecordFormat kFormats[] = {
    {r::kBof, "BOF", "version:x16 type:x16 build:x16 year:u16 history:x32 lowestVersion:x32"},
    {r::kEof, "EOF", ""},
    {r::kCodePage, "CODEPAGE", "codePage:u16"},
    {r::kWindow1, "WINDOW1",
     "x:u16 y:u16 width:u16 height:u16 options:x16 activeTab:u16 firstTab:u16 selectedTabs:u16 tabRatio:u16"},
    {r::kDate1904, "DATE1904", "dates1904:u16"},
    {r::kBookBool, "BOOKBOOL", "options:x16"},
    {r::kFont, "FONT",
     "height:u16 options:x16 color:u16 weight:u16 escapement:u16 underline:u8 family:u8 charset:u8 reserved:u8 "
     "name:s8"},
    {r::kXf, "XF",
     "font:u16 format:u16 type:x16 alignment:x8 rotation:u8 indent:x8 used:x8 borders:x32 borderColors:x32 "
     "fillColors:x16"},
    {r::kStyle, "STYLE", "xf:x16 builtIn:u8 level:x8"},
    {r::kBoundSheet, "BOUNDSHEET", "position:u32 state:u8 type:u8 name:s8"},
    {r::kCountry, "COUNTRY", "defaults:u16 country:u16"},
    {r::kSst, "SST", "references:u32 unique:u32 *text:s16"},
    {r::kExtSst, "EXTSST", "perBucket:u16 *position:u32 offset:u16 reserved:u16"},
    {r::kContinue, "CONTINUE", ""},
    {r::kPrintHeaders, "PRINTHEADERS", "print:u16"},
    {r::kPrintGridLines, "PRINTGRIDLINES", "print:u16"},
    {r::kGridSet, "GRIDSET", "set:u16"},
    {r::kGuts, "GUTS", "rowGutter:u16 columnGutter:u16 rowLevels:u16 columnLevels:u16"},
    {r::kDefaultRowHeight, "DEFAULTROWHEIGHT", "options:x16 height:u16"},
    {r::kWsBool, "WSBOOL", "options:x16"},
    {r::kHeader, "HEADER", "text:s16"},
    {r::kFooter, "FOOTER", "text:s16"},
    {r::kHCenter, "HCENTER", "center:u16"},
    {r::kVCenter, "VCENTER", "center:u16"},
    {r::kPageSetup, "PAGESETUP",
     "paper:u16 scale:u16 firstPage:u16 fitWidth:u16 fitHeight:u16 options:x16 xResolution:u16 yResolution:u16 "
     "headerMargin:f64 footerMargin:f64 copies:u16"},
    {r::kDefColWidth, "DEFCOLWIDTH", "width:u16"},
    {r::kColInfo, "COLINFO", "first:u16 last:u16 width:u16 xf:u16 options:x16 reserved:u16"},
    {r::kDimensions, "DIMENSIONS", "firstRow:u32 rowsEnd:u32 firstColumn:u16 columnsEnd:u16 reserved:u16"},
    {r::kRow, "ROW", "row:u16 firstColumn:u16 columnsEnd:u16 height:u16 reserved:u16 reserved:u16 options:x16 xf:u16"},
    {r::kLabelSst, "LABELSST", "row:u16 column:u16 xf:u16 text:u32"},
    {r::kBlank, "BLANK", "row:u16 column:u16 xf:u16"},
    {r::kMulBlank, "MULBLANK", "row:u16 firstColumn:u16 *xf:u16 |lastColumn:u16"},
    {r::kWindow2, "WINDOW2",
     "options:x16 topRow:u16 leftColumn:u16 gridColor:x32 reserved:u16 zoomPageBreak:u16 zoomNormal:u16 "
     "reserved:u16"},
    {r::kMergedCells, "MERGEDCELLS", "count:u16 *firstRow:u16 lastRow:u16 firstColumn:u16 lastColumn:u16"},
};

struct Field {
    QString name;
    QString type;
};

struct Layout {
    std::vector<Field> head;
    std::vector<Field> repeated;
    std::vector<Field> tail;
};

Layout layoutOf(const char* fields) {
    Layout layout;
    std::vector<Field>* part = &layout.head;
    for (QString token : QString::fromLatin1(fields).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token.startsWith(QLatin1Char('*'))) part = &layout.repeated;
        if (token.startsWith(QLatin1Char('|'))) part = &layout.tail;
        if (part != &layout.head && !token.front().isLetter()) token.remove(0, 1);
        const qsizetype colon = token.indexOf(QLatin1Char(':'));
        part->push_back({token.left(colon), token.mid(colon + 1)});
    }
    return layout;
}

std::size_t fixedSize(const QString& type) {
    if (type == u"f64") return 8;
    return type.mid(1).toUInt() / 8; // u8 .. x32; strings are never fixed
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') out += u'\\';
        if (c.unicode() < 0x20)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

// Reads fields front to back; a field the record has no room for is not read.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView data) : m_data(data) {}

    std::size_t remaining() const { return static_cast<std::size_t>(m_data.size()) - m_at; }
    QByteArrayView rest() const { return m_data.sliced(static_cast<qsizetype>(m_at)); }

    std::optional<QString> read(const QString& type) {
        const std::size_t start = m_at;
        std::optional<QString> value = decode(type);
        if (!value) m_at = start;
        return value;
    }

private:
    std::optional<std::uint64_t> number(std::size_t width) {
        if (remaining() < width) return std::nullopt;
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= std::uint64_t(static_cast<std::uint8_t>(m_data[static_cast<qsizetype>(m_at + i)])) << (8 * i);
        m_at += width;
        return value;
    }

    std::optional<QString> decode(const QString& type) {
        if (type == u"s8" || type == u"s16") return text(type == u"s8" ? 1 : 2);
        const auto value = number(fixedSize(type));
        if (!value) return std::nullopt;
        if (type == u"f64") {
            double real;
            std::memcpy(&real, &*value, sizeof real);
            return QString::number(real, 'g', 17);
        }
        if (type.startsWith(u'x'))
            return QStringLiteral("0x")
                + QString::number(*value, 16).toUpper().rightJustified(type.mid(1).toInt() / 4, u'0');
        return QString::number(*value);
    }

    // Only plain strings: rich or phonetic ones stay undecoded, in the hexadecimal rest.
    std::optional<QString> text(std::size_t countSize) {
        const auto count = number(countSize);
        const auto flags = number(1);
        if (!count || !flags || (*flags & ~std::uint64_t(1)) != 0) return std::nullopt;
        const std::size_t width = (*flags & 1) ? 2 : 1;
        QString characters;
        for (std::uint64_t i = 0; i < *count; ++i) {
            const auto c = number(width);
            if (!c) return std::nullopt;
            characters += QChar(static_cast<char16_t>(*c));
        }
        return quoted(characters);
    }

    QByteArrayView m_data;
    std::size_t m_at = 0;
};

// Appends " name=value" for each field; false, having read none of the
// fields after it, at the first one that does not fit.
bool appendFields(FieldReader& in, const std::vector<Field>& fields, QString& line) {
    for (const Field& field : fields) {
        const auto value = in.read(field.type);
        if (!value) return false;
        line += u' ' + field.name + u'=' + *value;
    }
    return true;
}

QString recordLine(std::uint16_t id, QByteArrayView data) {
    const RecordFormat* format = nullptr;
    for (const RecordFormat& f : kFormats)
        if (f.id == id) format = &f;
    const QString name = format ? QString::fromLatin1(format->name)
                                : QStringLiteral("0x") + QString::number(id, 16).toUpper().rightJustified(4, u'0');
    QString line = name.leftJustified(16) + QString::number(data.size()).rightJustified(5);
    FieldReader in(data);
    if (format) {
        const Layout layout = layoutOf(format->fields);
        std::size_t tailSize = 0;
        for (const Field& field : layout.tail) tailSize += fixedSize(field.type);
        bool whole = appendFields(in, layout.head, line);
        while (whole && !layout.repeated.empty() && in.remaining() > tailSize)
            whole = appendFields(in, layout.repeated, line);
        if (whole) appendFields(in, layout.tail, line);
    }
    if (in.remaining() > 0) line += QStringLiteral(" rest=") + QString::fromLatin1(in.rest().toByteArray().toHex());
    return line;
}

} // namespace

QString listRecords(QByteArrayView stream) {
    QStringList lines;
    qsizetype at = 0;
    while (at < stream.size()) {
        const QByteArrayView rest = stream.sliced(at);
        if (rest.count('\0') == rest.size()) {
            lines << QStringLiteral("padding %1 zero bytes").arg(rest.size());
            break;
        }
        if (rest.size() < 4) {
            lines << QStringLiteral("trailing bytes %1").arg(QString::fromLatin1(rest.toByteArray().toHex()));
            break;
        }
        const auto byte = [&](int i) { return static_cast<std::uint8_t>(rest[i]); };
        const std::uint16_t id = byte(0) | byte(1) << 8;
        const qsizetype length = std::min<qsizetype>(byte(2) | byte(3) << 8, rest.size() - 4);
        lines << recordLine(id, rest.sliced(4, length));
        at += 4 + length;
    }
    return lines.join(u'\n') + u'\n';
}
