// The picture file. Chosen over a general vector format because it is the
// picture's own content, not its drawing commands: a 15-generation chart is
// a few hundred kilobytes, written and read in a few milliseconds, and the
// viewer can draw any band of rows straight from it. Every field is checked
// on reading; a damaged file is refused, never drawn in part.
//
// Layout, little-endian:
//   magic "KNLMPICT", version u16 (1)
//   columns u32, then each width u16; rows u32, then each height u16
//   styles u32, then each: fill flag u8, borders u8, fill colour u32
//   cells u32, then cells per row u32 for every row, then each cell: column u16, style u16
//   merges u32, then each: left, top, right, bottom u32
//   texts u32, then each: left, top, right, bottom u32, pixel size u16,
//     colour u32, alignment u8, font name, text (each: length u32 in UTF-16 units, then the units)
//   nothing after the last text
#include "VectorPicture.h"

#include "core/Error.h"

#include <algorithm>
#include <cstring>

namespace spreadsheet {

namespace {

constexpr char kMagic[8] = {'K', 'N', 'L', 'M', 'P', 'I', 'C', 'T'};
constexpr std::uint16_t kVersion = 1;

// Writes what the reader below reads: little-endian numbers, strings and
// rectangles, through a pointer into room taken ahead (a 15-generation chart
// is half a million cells).
class PictureWriter {
public:
    explicit PictureWriter(std::size_t expectedSize)
        : m_bytes(static_cast<qsizetype>(expectedSize), Qt::Uninitialized), m_at(m_bytes.data()),
          m_end(m_at + m_bytes.size()) {}

    void u8(std::uint8_t v) {
        room(1);
        *m_at++ = static_cast<char>(v);
    }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void raw(const char* data, std::size_t size) {
        room(size);
        std::memcpy(m_at, data, size);
        m_at += size;
    }
    void string(const QString& text) {
        u32(static_cast<std::uint32_t>(text.size()));
        for (const QChar ch : text) u16(ch.unicode());
    }
    void rect(const QRect& r) {
        for (const int v : {r.left(), r.top(), r.right(), r.bottom()}) u32(static_cast<std::uint32_t>(v));
    }
    QByteArray bytes() && {
        m_bytes.truncate(m_at - m_bytes.data());
        return std::move(m_bytes);
    }

private:
    void put(std::uint32_t v, int width) {
        room(static_cast<std::size_t>(width));
        for (int i = 0; i < width; ++i) *m_at++ = static_cast<char>(v >> (8 * i));
    }
    void room(std::size_t size) {
        if (static_cast<std::size_t>(m_end - m_at) >= size) return;
        const qsizetype used = m_at - m_bytes.data();
        m_bytes.resize(std::max(2 * m_bytes.size(), used + static_cast<qsizetype>(size)));
        m_at = m_bytes.data() + used;
        m_end = m_bytes.data() + m_bytes.size();
    }
    QByteArray m_bytes;
    char* m_at;
    char* m_end;
};

// Reads what the writer wrote; anything short, long or out of range is refused.
class PictureReader {
public:
    explicit PictureReader(const QByteArray& bytes)
        : m_data(reinterpret_cast<const std::uint8_t*>(bytes.constData())),
          m_size(static_cast<std::size_t>(bytes.size())) {}

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    // A count of items that each take at least itemBytes: never more than the bytes left.
    std::size_t count(std::size_t itemBytes) {
        const std::uint32_t n = u32();
        if (n > (m_size - m_at) / itemBytes) damaged();
        return n;
    }
    int coordinate() {
        const std::uint32_t v = u32();
        if (v > 0xFFFF) damaged();
        return static_cast<int>(v);
    }
    QRect rect() {
        const int left = coordinate(), top = coordinate(), right = coordinate(), bottom = coordinate();
        return QRect(QPoint(left, top), QPoint(right, bottom));
    }
    QString string() {
        const std::size_t length = count(2);
        QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
        for (std::size_t i = 0; i < length; ++i) text[static_cast<qsizetype>(i)] = QChar(u16());
        return text;
    }
    bool atMagic() {
        if (m_size < sizeof kMagic || std::memcmp(m_data, kMagic, sizeof kMagic) != 0) return false;
        m_at = sizeof kMagic;
        return true;
    }
    bool atEnd() const { return m_at == m_size; }
    [[noreturn]] static void damaged() {
        throw core::Error(
            core::ErrorKind::DataDamaged,
            QT_TRANSLATE_NOOP("core::Error", "The picture is damaged: it ends early or holds values out of range."));
    }

private:
    std::uint64_t take(std::size_t width) {
        if (m_size - m_at < width) damaged();
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < width; ++i) v |= std::uint64_t(m_data[m_at + i]) << (8 * i);
        m_at += width;
        return v;
    }
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace

QByteArray VectorPicture::toBytes() const {
    const PictureContent& c = content();
    std::size_t textBytes = 0;
    for (const PictureText& t : c.texts) textBytes += 31 + 2 * std::size_t(t.fontName.size() + t.text.size());
    PictureWriter out(64 + 2 * (c.columnWidths.size() + c.rowHeights.size()) + 6 * c.styles.size()
                      + 4 * c.rowStarts.size() + 4 * c.cells.size() + 16 * c.merges.size() + textBytes);
    out.raw(kMagic, sizeof kMagic);
    out.u16(kVersion);
    out.u32(static_cast<std::uint32_t>(c.columnWidths.size()));
    for (const std::uint16_t w : c.columnWidths) out.u16(w);
    out.u32(static_cast<std::uint32_t>(c.rowHeights.size()));
    for (const std::uint16_t h : c.rowHeights) out.u16(h);
    out.u32(static_cast<std::uint32_t>(c.styles.size()));
    for (const PictureStyle& s : c.styles) {
        out.u8(s.hasFill);
        out.u8(s.borders);
        out.u32(s.fill);
    }
    out.u32(static_cast<std::uint32_t>(c.cells.size()));
    for (std::size_t r = 0; r + 1 < c.rowStarts.size(); ++r) out.u32(c.rowStarts[r + 1] - c.rowStarts[r]);
    for (const PictureCell& cell : c.cells) {
        out.u16(cell.column);
        out.u16(cell.style);
    }
    out.u32(static_cast<std::uint32_t>(c.merges.size()));
    for (const QRect& m : c.merges) out.rect(m);
    out.u32(static_cast<std::uint32_t>(c.texts.size()));
    for (const PictureText& t : c.texts) {
        out.rect(t.area);
        out.u16(static_cast<std::uint16_t>(t.pixelSize));
        out.u32(t.colour);
        out.u8(static_cast<std::uint8_t>(t.alignment));
        out.string(t.fontName);
        out.string(t.text);
    }
    return std::move(out).bytes();
}

VectorPicture VectorPicture::fromBytes(const QByteArray& bytes) {
    PictureReader in(bytes);
    if (!in.atMagic())
        throw core::Error(core::ErrorKind::DataDamaged,
                          QT_TRANSLATE_NOOP("core::Error", "The file holds no sheet picture."));
    if (in.u16() != kVersion)
        throw core::Error(core::ErrorKind::DataDamaged,
                          QT_TRANSLATE_NOOP("core::Error", "The sheet picture is of an unknown version."));
    PictureContent c;
    c.columnWidths.resize(in.count(2));
    for (auto& w : c.columnWidths) w = in.u16();
    c.rowHeights.resize(in.count(2));
    for (auto& h : c.rowHeights) h = in.u16();
    c.styles.resize(in.count(6));
    for (PictureStyle& s : c.styles) {
        s.hasFill = in.u8();
        s.borders = in.u8();
        s.fill = in.u32();
    }
    c.cells.resize(in.count(4));
    c.rowStarts.reserve(c.rowHeights.size() + 1);
    c.rowStarts.push_back(0);
    for (std::size_t r = 0; r < c.rowHeights.size(); ++r) {
        const std::uint64_t next = std::uint64_t(c.rowStarts.back()) + in.u32();
        if (next > c.cells.size()) PictureReader::damaged();
        c.rowStarts.push_back(static_cast<std::uint32_t>(next));
    }
    for (PictureCell& cell : c.cells) {
        cell.column = in.u16();
        cell.style = in.u16();
    }
    c.merges.resize(in.count(16));
    for (QRect& m : c.merges) m = in.rect();
    c.texts.resize(in.count(31));
    for (PictureText& t : c.texts) {
        t.area = in.rect();
        t.pixelSize = in.u16();
        t.colour = in.u32();
        const std::uint8_t alignment = in.u8();
        if (alignment > static_cast<std::uint8_t>(PictureText::Alignment::Right)) PictureReader::damaged();
        t.alignment = static_cast<PictureText::Alignment>(alignment);
        t.fontName = in.string();
        t.text = in.string();
    }
    if (!in.atEnd()) PictureReader::damaged();
    return VectorPicture(std::move(c));
}

} // namespace spreadsheet
