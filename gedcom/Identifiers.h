#pragma once

#include <QByteArray>
#include <QHashSeed>

#include <vector>

namespace gedcom {

// The identifiers of a file's people or of its families, in the order their
// records came, each found again by its text (UTF-8). Packed: the texts lie
// one after another in one buffer and a table of indexes finds them, so
// that millions of records take a few bytes more than their identifiers.
class Identifiers {
public:
    // Adds the next record's identifier and answers its index; -1, adding
    // nothing, when a record added before has it. A record without one is
    // added too, and never found.
    int add(QByteArrayView id);
    // The record with the identifier, or -1.
    int find(QByteArrayView id) const;
    QByteArrayView at(int record) const;
    int size() const { return static_cast<int>(m_spans.size()); }

private:
    int find(QByteArrayView id, std::size_t hash) const;
    void place(std::size_t hash, int record);

    QByteArray m_texts;
    std::vector<quint64> m_spans; // each: where its text begins, shifted left 24 bits, and its length
    // An open-addressing table: each slot a record's index in its low 24
    // bits and 8 bits of its identifier's hash above them, so that most
    // slots of other identifiers are passed over without reading their texts.
    std::vector<quint32> m_slots;
    qsizetype m_used = 0;
    quint64 m_seed = QHashSeed::globalSeed(); // a file cannot choose identifiers that collide
};

} // namespace gedcom
