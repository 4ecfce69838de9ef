#pragma once

#include "gedcom/FamilyTree.h"

#include <QString>

#include <vector>

namespace shell {

// A text as a search compares it while the user types: case and accents
// ignored, letters with a stroke and ligatures written as the letters they
// stand for ("Ø" as "o", "Æ" as "ae", "ß" as "ss"), every run of what is
// neither letter nor digit one blank, and a blank before each word.
QString searchWords(QStringView text);

// The people of a file, made quick to filter as the user types: each
// person's name, years of birth and death and identifier, folded once.
class PeopleIndex {
public:
    explicit PeopleIndex(const gedcom::FamilyTree& tree);

    int size() const { return static_cast<int>(m_starts.size()) - 1; }

    // The people, in the file's order, of whom every word of the query
    // begins a word of their name, their life years or their identifier,
    // the words in any order; everyone for a query without words.
    std::vector<int> matching(const QString& query) const;

private:
    QString m_words;                 // everyone's words, one person after another
    std::vector<qsizetype> m_starts; // where each person's words begin; the last closes them
};

} // namespace shell
