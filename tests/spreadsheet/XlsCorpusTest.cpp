// The reader's fuzzing corpus, replayed on every run: its seeds and every
// input the fuzzers kept, whole files ("file/") and bare workbook streams
// ("stream/"). Each input must end as it ended when the corpus was recorded:
// read into the same sheet (a digest of its cells, formats, fonts, widths
// and merged areas), or refused with the same message. A bounds check that
// goes missing changes an outcome, or crashes.
//
// After a deliberate change of the reader, record the outcomes again:
//   KINLOOM_RECORD_CORPUS=1 build/tests/spreadsheet/spreadsheet_tests --gtest_filter='XlsCorpus.*'
#include "core/Error.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/WorkbookReader.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

using namespace spreadsheet;

namespace {

QString digestOf(const Worksheet& sheet) {
    QByteArray text;
    for (int row = 1; row <= sheet.lastStoredRow(); ++row) {
        for (const Cell& cell : sheet.storedCells(row)) {
            const CellFormat& f = sheet.format(row, cell.column);
            text += QStringLiteral("%1,%2:%3|%4|%5,%6,%7,%8,%9")
                        .arg(row)
                        .arg(cell.column)
                        .arg(sheet.value(row, cell.column), sheet.fontName(f))
                        .arg(f.fontHeight)
                        .arg(f.fontColorIndex)
                        .arg(f.fillColorIndex)
                        .arg(f.horizontalAlignment)
                        .arg(QStringLiteral("%1 %2 %3 %4")
                                 .arg(f.borders[0])
                                 .arg(f.borders[1])
                                 .arg(f.borders[2])
                                 .arg(f.borders[3]))
                        .toUtf8()
                + '\n';
        }
    }
    for (int column = 1; column <= kMaxColumns; ++column)
        if (sheet.hasCustomWidth(column))
            text += "w" + QByteArray::number(column) + "=" + QByteArray::number(sheet.columnWidth(column)) + "\n";
    for (const CellRange& merged : sheet.mergedRanges()) text += "m" + addressText(merged).toUtf8() + "\n";
    const QString used = sheet.storedCellCount() ? addressText(sheet.usedRange()) : QStringLiteral("nothing");
    return QStringLiteral("read %1, %2 cells, %3")
        .arg(used)
        .arg(sheet.storedCellCount())
        .arg(QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(16)));
}

QString outcomeOf(const QByteArray& bytes, bool bareStream) {
    try {
        const auto sheet = bareStream ? xls::readWorkbookStream(bytes, QStringLiteral("input"))
                                      : xls::readWorkbookBytes(bytes, QStringLiteral("input"));
        return digestOf(*sheet);
    } catch (const core::Error& refused) {
        return QStringLiteral("refused ") + QString(refused.description()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
}

// "kind/name outcome", one line each, sorted by input.
std::map<QString, QString> recorded(const QString& path) {
    std::map<QString, QString> outcomes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return outcomes;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        outcomes[line.section(QLatin1Char(' '), 0, 0)] = line.section(QLatin1Char(' '), 1);
    }
    return outcomes;
}

} // namespace

TEST(XlsCorpus, EveryInputEndsAsItEndedWhenRecorded) {
    const QString folder = QStringLiteral(KINLOOM_XLS_CORPUS);
    QTemporaryDir inputs;
    ASSERT_EQ(QProcess::execute(QStringLiteral("tar"),
                                {QStringLiteral("-xzf"), folder + QStringLiteral("/inputs.tar.gz"),
                                 QStringLiteral("-C"), inputs.path()}),
              0);
    std::map<QString, QString> outcomes;
    for (const QString& kind : {QStringLiteral("file"), QStringLiteral("stream")}) {
        const QDir dir(inputs.filePath(kind));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile input(dir.filePath(name));
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            outcomes[kind + QLatin1Char('/') + name] = outcomeOf(input.readAll(), kind == QLatin1String("stream"));
        }
    }
    const QString outcomesFile = folder + QStringLiteral("/outcomes.txt");
    if (qEnvironmentVariableIsSet("KINLOOM_RECORD_CORPUS")) {
        QFile file(outcomesFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        for (const auto& [input, outcome] : outcomes)
            file.write((input + QLatin1Char(' ') + outcome + QLatin1Char('\n')).toUtf8());
    }
    const std::map<QString, QString> expected = recorded(outcomesFile);
    ASSERT_GE(expected.size(), 100u) << "the recorded outcomes are missing";
    for (const auto& [input, outcome] : expected) {
        SCOPED_TRACE(input.toStdString());
        const auto found = outcomes.find(input);
        ASSERT_NE(found, outcomes.end()) << "the input is missing from the corpus";
        EXPECT_EQ(found->second, outcome);
    }
    EXPECT_EQ(outcomes.size(), expected.size());
    std::size_t refused = 0;
    for (const auto& [input, outcome] : outcomes) refused += outcome.startsWith(QLatin1String("refused"));
    std::printf("[ figures  ] %zu corpus inputs replayed: %zu read, %zu refused\n", outcomes.size(),
                outcomes.size() - refused, refused);
}
