#include "UnicodeStringReader.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

constexpr std::uint8_t kHighByte = 0x01;
constexpr std::uint8_t kPhonetic = 0x04;
constexpr std::uint8_t kRichText = 0x08;
constexpr std::size_t kRunSize = 4;

void appendCharacters(RecordReader& in, QString& text, std::size_t count, bool highByte) {
    const QByteArrayView raw = in.bytes(highByte ? count * 2 : count);
    const auto* p = reinterpret_cast<const uchar*>(raw.data());
    if (!highByte) {
        text.append(QLatin1StringView(raw.data(), raw.size()));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) text.append(QChar(char16_t(p[2 * i] | p[2 * i + 1] << 8)));
}

} // namespace

QString readUnicodeString(RecordReader& in, CountSize countSize) {
    std::size_t left = countSize == CountSize::OneByte ? in.u8() : in.u16();
    std::uint8_t options = in.u8();
    const std::size_t runs = options & kRichText ? in.u16() : 0;
    const std::size_t phoneticBytes = options & kPhonetic ? in.u32() : 0;

    QString text;
    text.reserve(static_cast<qsizetype>(std::min(left, in.remaining())));
    while (left > 0) {
        std::size_t available = in.bytesToPieceEnd();
        if (available == 0) {
            if (in.remaining() == 0)
                in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a text ends before its %1 characters"),
                                     {text.size() + left}));
            options = in.u8(); // the characters go on in a CONTINUE piece
            continue;
        }
        const bool highByte = options & kHighByte;
        const std::size_t count = std::min(left, highByte ? available / 2 : available);
        if (count == 0)
            in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a character is split between two records")));
        appendCharacters(in, text, count, highByte);
        left -= count;
    }
    if (runs > in.remaining() / kRunSize)
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a text's formatting runs are cut short")));
    in.skip(runs * kRunSize);
    if (phoneticBytes > in.remaining())
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a text's phonetic data is cut short")));
    in.skip(phoneticBytes);
    return text;
}

std::vector<QString> readSharedStrings(const Record& sst) {
    RecordReader in(sst);
    in.u32(); // how often strings are used in all, of no interest here
    const std::uint32_t count = in.u32();
    std::vector<QString> strings;
    // The count comes from the file: every string takes at least three bytes.
    strings.reserve(std::min<std::size_t>(count, in.remaining() / 3));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (in.remaining() == 0)
            in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it announces %1 strings but holds only %2"),
                                 {count, i}));
        strings.push_back(readUnicodeString(in, CountSize::TwoBytes));
    }
    return strings;
}

} // namespace spreadsheet::xls
