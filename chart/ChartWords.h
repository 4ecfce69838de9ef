#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace chart {

// What an approximate year's word says of it ("c. 1820", "bef. 1820").
enum class YearKind {
    Exact,
    About,
    Before,
    After,
};

// The words Kinloom writes into a chart, in every language it speaks: as
// written (English) and as each translation the program carries words them,
// so that a chart made in one language reads in a session of another.
// Words are compared without regard to case, with or without their point.
class ChartWords {
public:
    // Kinloom's own words and those of its translations (":/translations").
    static const ChartWords& spoken();

    // The name the title gives ("Family Tree for Ole" -> "Ole"), if the text is a title.
    std::optional<QString> titleName(const QString& title) const;
    // The count a generation line states, as written ("2,5 Generationen" ->
    // "2,5") and as a number (2.5), if the text is one.
    struct StatedCount {
        QString text;
        double value = 0;
    };
    std::optional<StatedCount> generationCount(const QString& line) const;

    // The words of a label's years, case folded and without their point:
    // before the birth year ("b", "f", "*"), the death year ("d", "†"), and
    // an approximate year ("c", "bef", "aft", "ca", "um", ...).
    const QStringList& bornWords() const { return m_born; }
    const QStringList& diedWords() const { return m_died; }
    QStringList yearWords() const { return m_about + m_before + m_after; }
    // The words after a year before Christ, case folded: "b.c.", "f.kr.", "v. chr.".
    const QStringList& eraWords() const { return m_era; }
    bool isBornWord(QStringView word) const { return contains(m_born, word); }
    std::optional<YearKind> yearKind(QStringView word) const;

    // The title and the generation line as a message shows them: "Family Tree for …".
    static QString titleExample();
    static QString generationLineExample();

private:
    struct Wording {
        QLocale locale;
        QString title;          // "Family Tree for %1"
        QString generationLine; // "%1 Generations"
    };

    static bool contains(const QStringList& words, QStringView word);
    void addLanguage(const QLocale& locale, const std::function<QString(const char*, const char*)>& translate);

    QList<Wording> m_wordings;
    QStringList m_born, m_died, m_about, m_before, m_after, m_era;
};

} // namespace chart
