#include "PersonLookup.h"

#include "PersonName.h"

#include <algorithm>

namespace gedcom {

namespace {

// True when every word of the wanted ones is among the name's, each used once.
bool holdsAll(QStringList nameWords, const QStringList& wanted) {
    for (const QString& word : wanted) {
        const qsizetype at = nameWords.indexOf(word);
        if (at < 0) return false;
        nameWords.removeAt(at);
    }
    return true;
}

} // namespace

std::vector<int> findPeople(const FamilyTree& tree, const QString& identifierOrName) {
    const QString text = identifierOrName.trimmed();
    QString id = text;
    if (id.size() >= 3 && id.startsWith(QLatin1Char('@')) && id.endsWith(QLatin1Char('@')))
        id = id.mid(1, id.size() - 2);
    if (const auto index = tree.personIndex(id)) return {*index};

    const QStringList wanted = foldedNameWords(text);
    if (wanted.isEmpty()) return {};
    std::vector<int> exact, holding;
    for (int i = 0; i < tree.personCount(); ++i) {
        QStringList words = foldedNameWords(tree.nameOf(i));
        if (!holdsAll(words, wanted)) continue;
        (words.size() == wanted.size() ? exact : holding).push_back(i);
    }
    return exact.empty() ? holding : exact;
}

} // namespace gedcom
