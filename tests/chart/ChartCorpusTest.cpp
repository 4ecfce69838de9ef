// The chart reader's fuzzing corpus, replayed on every run: its seeds and
// every input the fuzzers kept, a workbook of each format a folder
// ("chart-xls/", "chart-xlsx/", "chart-ods/"), and the inputs that once
// broke the reader ("regressions/", kept apart). Each input must end as it
// ended when the corpus was recorded: read into the same people and
// warnings (a digest of the family file written and of the warnings), or
// refused with the same message.
//
// After a deliberate change of the reading, record the outcomes again:
//   KINLOOM_RECORD_CORPUS=1 build/tests/chart/chart_tests --gtest_filter='ChartCorpus.*'
#include "chart/ChartFamily.h"
#include "core/Error.h"
#include "gedcom/GedcomWriter.h"
#include "tests/support/CorpusOutcomes.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <map>

namespace {

QString outcomeOf(const QByteArray& bytes) {
    try {
        const chart::ChartFamily family = chart::chartFamilyOf(bytes, QStringLiteral("input"));
        const QByteArray written = gedcom::familyFileBytes(family.people) + family.warnings.join(u'\n').toUtf8();
        return QStringLiteral("read %1 people, %2 warnings, %3")
            .arg(family.personCount())
            .arg(family.warnings.size())
            .arg(QString::fromLatin1(QCryptographicHash::hash(written, QCryptographicHash::Sha1).toHex().left(16)));
    } catch (const core::Error& refused) {
        return QStringLiteral("refused ") + QString(refused.description()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
}

} // namespace

TEST(ChartCorpus, EveryInputEndsAsItEndedWhenRecorded) {
    const QString folder = QStringLiteral(KINLOOM_CHART_CORPUS);
    QTemporaryDir inputs;
    ASSERT_TRUE(unpackCorpus(folder + QStringLiteral("/inputs.tar.gz"), inputs.path()));
    const std::map<QString, QString> outcomes =
        replayedOutcomes({{QStringLiteral("chart-xls"), inputs.filePath(QStringLiteral("chart-xls"))},
                          {QStringLiteral("chart-xlsx"), inputs.filePath(QStringLiteral("chart-xlsx"))},
                          {QStringLiteral("chart-ods"), inputs.filePath(QStringLiteral("chart-ods"))},
                          {QStringLiteral("regressions"), QStringLiteral(KINLOOM_CHART_REGRESSIONS)}},
                         [](const QByteArray& input, const QString&) { return outcomeOf(input); });
    expectRecordedOutcomes(outcomes, folder + QStringLiteral("/outcomes.txt"), 30, "chart corpus");
}
