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
#include "tests/support/CorpusOutcomes.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
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

} // namespace

TEST(XlsCorpus, EveryInputEndsAsItEndedWhenRecorded) {
    const QString folder = QStringLiteral(KINLOOM_XLS_CORPUS);
    QTemporaryDir inputs;
    ASSERT_TRUE(unpackCorpus(folder + QStringLiteral("/inputs.tar.gz"), inputs.path()));
    const std::map<QString, QString> outcomes = replayedOutcomes(
        {{QStringLiteral("file"), inputs.filePath(QStringLiteral("file"))},
         {QStringLiteral("stream"), inputs.filePath(QStringLiteral("stream"))}},
        [](const QByteArray& input, const QString& kind) { return outcomeOf(input, kind == QLatin1String("stream")); });
    expectRecordedOutcomes(outcomes, folder + QStringLiteral("/outcomes.txt"), 100, "corpus");
}
