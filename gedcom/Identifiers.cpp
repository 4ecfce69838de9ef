#include "Identifiers.h"

#include <cstring>

namespace gedcom {

namespace {

constexpr quint32 kFreeSlot = 0xFFFFFFFF;
constexpr quint32 kIndexBits = 0xFFFFFF;
constexpr int kLengthBits = 24;

quint32 tagOf(std::size_t hash) { return static_cast<quint32>(hash >> (8 * sizeof(std::size_t) - 8)) << 24; }

// The high and low halves of a full product, folded.
quint64 folded(quint64 a, quint64 b) {
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return static_cast<quint64>(product) ^ static_cast<quint64>(product >> 64);
}

// A hash of a few multiplications, eight bytes at a time: identifiers are
// short, and millions are hashed. The seed is drawn for each run, so that a
// file cannot choose identifiers that fall on one slot.
std::size_t hashOf(QByteArrayView id, quint64 seed) {
    constexpr quint64 kOdd = 0x9E3779B97F4A7C15ull;
    quint64 hash = seed ^ static_cast<quint64>(id.size());
    const char* at = id.data();
    qsizetype left = id.size();
    for (; left >= 8; at += 8, left -= 8) {
        quint64 word;
        std::memcpy(&word, at, 8);
        hash = folded(hash ^ word, kOdd);
    }
    quint64 last = 0;
    if (left > 0) std::memcpy(&last, at, static_cast<std::size_t>(left));
    return folded(folded(hash ^ last, kOdd), seed | 1);
}

} // namespace

QByteArrayView Identifiers::at(int record) const {
    const quint64 span = m_spans[static_cast<std::size_t>(record)];
    return QByteArrayView(m_texts).sliced(static_cast<qsizetype>(span >> kLengthBits),
                                          static_cast<qsizetype>(span & ((1u << kLengthBits) - 1)));
}

int Identifiers::find(QByteArrayView id) const { return id.isEmpty() ? -1 : find(id, hashOf(id, m_seed)); }

int Identifiers::find(QByteArrayView id, std::size_t hash) const {
    if (m_slots.empty()) return -1;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 entry = m_slots[slot];
        if (entry == kFreeSlot) return -1;
        const int record = static_cast<int>(entry & kIndexBits);
        if ((entry & ~kIndexBits) == tagOf(hash) && at(record) == id) return record;
    }
}

void Identifiers::place(std::size_t hash, int record) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot] != kFreeSlot) slot = (slot + 1) & mask;
    m_slots[slot] = tagOf(hash) | static_cast<quint32>(record);
}

int Identifiers::add(QByteArrayView id) {
    // Lines are shorter than the length field can count: a longer text is no identifier.
    if (id.size() >= (1 << kLengthBits)) id = {};
    const std::size_t hash = hashOf(id, m_seed);
    if (!id.isEmpty() && find(id, hash) >= 0) return -1;
    const int record = size();
    m_spans.push_back((static_cast<quint64>(m_texts.size()) << kLengthBits) | static_cast<quint64>(id.size()));
    m_texts.append(id);
    if (id.isEmpty()) return record;
    // At most half full, so that a search ends soon.
    if (2 * (m_used + 1) > static_cast<qsizetype>(m_slots.size())) {
        m_slots.assign(std::max<std::size_t>(64, 2 * m_slots.size()), kFreeSlot);
        for (int kept = 0; kept < record; ++kept)
            if (!at(kept).isEmpty()) place(hashOf(at(kept), m_seed), kept);
    }
    place(hash, record);
    ++m_used;
    return record;
}

} // namespace gedcom
