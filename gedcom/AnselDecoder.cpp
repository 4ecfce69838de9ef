#include "AnselDecoder.h"

#include <array>

namespace gedcom {

namespace {

constexpr char16_t kUnmapped = 0xFFFD;

// 0xA0 to 0xFF. Where GEDCOM's table and MARC 21's differ (0xC7, 0xC8, 0xCF)
// both readings agree on what they can.
// clang-format off
constexpr std::array<char16_t, 96> kUpperHalf = {
    // 0xA0
    kUnmapped, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, kUnmapped,
    // 0xB0
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,
    0x0131, 0x00A3, 0x00F0, kUnmapped, 0x01A1, 0x01B0, 0x25A1, 0x25A0,
    // 0xC0
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,
    0x20AC, kUnmapped, kUnmapped, kUnmapped, kUnmapped, 0x0065, 0x006F, 0x00DF,
    // 0xD0
    kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped,
    kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped, kUnmapped,
    // 0xE0: combining marks
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,
    // 0xF0: combining marks
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,
    0x031C, 0x032E, 0xFE22, 0xFE23, kUnmapped, kUnmapped, 0x0313, kUnmapped,
};
// clang-format on

bool isCombining(unsigned char byte) { return byte >= 0xE0 && kUpperHalf[byte - 0xA0] != kUnmapped; }

} // namespace

QString AnselDecoder::decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isCombining(byte)) {
            m_pendingMarks.append(QChar(kUpperHalf[byte - 0xA0]));
            continue;
        }
        // A line end takes no diacritic: one left before it stays a bare mark.
        const bool lineEnd = byte == '\n' || byte == '\r';
        if (lineEnd) text.append(m_pendingMarks);
        if (byte < 0x80)
            text.append(QLatin1Char(static_cast<char>(byte)));
        else if (byte >= 0xA0)
            text.append(QChar(kUpperHalf[byte - 0xA0]));
        else
            text.append(QChar(kUnmapped));
        if (!lineEnd) text.append(m_pendingMarks);
        m_pendingMarks.clear();
    }
    return text.normalized(QString::NormalizationForm_C);
}

} // namespace gedcom
