#include "PeopleIndex.h"

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

// How one character is searched for: a separator between words, nothing
// (a mark), or up to four letters.
struct CharacterFold {
    qint8 length = 0; // -1: a separator
    char16_t letters[4] = {};
};

CharacterFold foldOf(QChar c) {
    CharacterFold fold;
    if (c.isSurrogate()) {
        fold.length = 1; // letters beyond the first plane stay as they are
        fold.letters[0] = c.unicode();
        return fold;
    }
    if (c.category() == QChar::Mark_NonSpacing) return fold;
    if (!c.isLetterOrNumber()) {
        fold.length = -1;
        return fold;
    }
    for (const QChar part : QString(c).normalized(QString::NormalizationForm_KD)) {
        if (part.category() == QChar::Mark_NonSpacing) continue;
        const QChar folded = part.toCaseFolded();
        const QStringView plain = plainLetters(folded.unicode());
        for (const QChar letter : plain.isEmpty() ? QStringView(&folded, 1) : plain)
            if (fold.length < 4) fold.letters[fold.length++] = letter.unicode();
    }
    return fold;
}

// The folds of the characters names are mostly written in, Latin and its
// extensions, made once: a name of them is folded by looking each up.
constexpr char16_t kTabledCharacters = 0x250;

const CharacterFold& tabledFold(char16_t c) {
    static const std::vector<CharacterFold> table = [] {
        std::vector<CharacterFold> folds(kTabledCharacters);
        for (char16_t c = 0; c < kTabledCharacters; ++c) folds[c] = foldOf(QChar(c));
        return folds;
    }();
    return table[c];
}

// The search words of a text, added to words.
void appendSearchWords(QStringView text, QString& words) {
    bool inWord = false;
    for (const QChar c : text) {
        const CharacterFold fold = c.unicode() < kTabledCharacters ? tabledFold(c.unicode()) : foldOf(c);
        if (fold.length < 0) {
            inWord = false;
            continue;
        }
        if (fold.length == 0) continue;
        if (!inWord) words += QLatin1Char(' ');
        inWord = true;
        words.append(reinterpret_cast<const QChar*>(fold.letters), fold.length);
    }
}

// The years of a GEDCOM date, as words: "ABT 12 MAR 1864" gives " 1864".
void appendYears(QStringView date, QString& words) {
    qsizetype digits = 0;
    for (qsizetype i = 0; i <= date.size(); ++i) {
        if (i < date.size() && date[i].unicode() >= u'0' && date[i].unicode() <= u'9') {
            ++digits;
            continue;
        }
        if (digits >= 3) {
            words += QLatin1Char(' ');
            words += date.sliced(i - digits, digits);
        }
        digits = 0;
    }
}

} // namespace

QString searchWords(QStringView text) {
    QString words;
    appendSearchWords(text, words);
    return words;
}

PeopleIndex::PeopleIndex(const gedcom::FamilyTree& tree) {
    const int count = tree.personCount();
    m_starts.reserve(static_cast<std::size_t>(count) + 1);
    m_words.reserve(static_cast<qsizetype>(count) * 40);
    for (int i = 0; i < count; ++i) {
        m_starts.push_back(m_words.size());
        const gedcom::Person person = tree.person(i);
        appendSearchWords(person.name, m_words);
        appendYears(person.birthDate, m_words);
        appendYears(person.deathDate, m_words);
        appendSearchWords(person.id, m_words);
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
