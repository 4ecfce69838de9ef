#include "PeopleIndex.h"

#include "gedcom/LifeYears.h"

#include <QStringMatcher>

#include <algorithm>

namespace shell {

namespace {

// Letters that no decomposition takes apart, as people type them without
// their marks.
QStringView plainLetters(char16_t c) {
    switch (c) {
    case u'ø': return u"o";
    case u'æ': return u"ae";
    case u'œ': return u"oe";
    case u'ß': return u"ss";
    case u'đ':
    case u'ð': return u"d";
    case u'ł': return u"l";
    case u'þ': return u"th";
    case u'ı': return u"i";
    case u'ħ': return u"h";
    default: return {};
    }
}

} // namespace

QString searchWords(QStringView text) {
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString words;
    words.reserve(decomposed.size() + 1);
    bool inWord = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (!c.isLetterOrNumber() && !c.isSurrogate()) {
            inWord = false;
            continue;
        }
        if (!inWord) words += QLatin1Char(' ');
        inWord = true;
        const QChar folded = c.toCaseFolded();
        const QStringView plain = plainLetters(folded.unicode());
        if (plain.isEmpty())
            words += folded;
        else
            words += plain;
    }
    return words;
}

PeopleIndex::PeopleIndex(const gedcom::FamilyTree& tree) {
    const int count = static_cast<int>(tree.people().size());
    m_starts.reserve(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) {
        m_starts.push_back(m_words.size());
        const gedcom::Person& person = tree.person(i);
        m_words += searchWords(person.name);
        m_words += searchWords(gedcom::lifeYears(person));
        m_words += searchWords(person.id);
    }
    m_starts.push_back(m_words.size());
    m_words.squeeze();
}

std::vector<int> PeopleIndex::matching(const QString& query) const {
    const QStringList wanted = searchWords(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<int> found;
    if (wanted.isEmpty()) {
        found.resize(static_cast<std::size_t>(size()));
        for (int i = 0; i < size(); ++i) found[static_cast<std::size_t>(i)] = i;
        return found;
    }
    // For each person the number of wanted words found so far in order: a
    // person counts for word w only when the words before it were found.
    std::vector<quint16> held(static_cast<std::size_t>(size()), 0);
    const auto words = static_cast<quint16>(std::min<qsizetype>(wanted.size(), 0xFFFF));
    for (quint16 w = 0; w < words; ++w) {
        const QStringMatcher matcher(QLatin1Char(' ') + wanted[w]);
        qsizetype at = matcher.indexIn(m_words, 0);
        while (at >= 0) {
            const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), at);
            const auto person = static_cast<std::size_t>(next - m_starts.begin() - 1);
            if (held[person] == w) held[person] = w + 1;
            // The person's other words can add nothing for this word.
            at = matcher.indexIn(m_words, *next);
        }
    }
    for (int i = 0; i < size(); ++i)
        if (held[static_cast<std::size_t>(i)] == words) found.push_back(i);
    return found;
}

} // namespace shell
