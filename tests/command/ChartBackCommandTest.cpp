// kinloom-chart --chart: a filled chart read back into a family file, and
// --output NAME.ged, as a user runs them.
#include "chart/ChartDrawing.h"
#include "chart/FileFormats.h"
#include "command/ChartCommand.h"
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace command;

namespace {

const QString kPedigree = QStringLiteral(GEDCOM_FILES "/pedigree.ged");

int run(QStringList arguments, QString* err = nullptr) {
    arguments.prepend(QStringLiteral("kinloom-chart"));
    QString out, errors;
    QTextStream outStream(&out), errStream(&errors);
    const int status = runChartCommand(arguments, outStream, errStream);
    errStream.flush();
    if (err) *err = errors;
    return status;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every box's label for the family file's first person: names, years and links at once.
QStringList pedigreeOf(const QString& familyFile) {
    const gedcom::FamilyTree tree = gedcom::readFamilyTree(familyFile);
    const gedcom::Pedigree pedigree = gedcom::walkPedigree(tree, 0, 15);
    QStringList labels;
    for (const int person : pedigree.personAt)
        labels << (person == gedcom::kNoPerson ? QString() : gedcom::personLabel(tree.person(person)));
    return labels;
}

} // namespace

// A family file's chart, read back, gives a family file whose chart is the
// same workbook, byte for byte, in each format with and without numbers;
// the two family files hold the same people, names, years and links, and
// --output NAME.ged with --gedcom writes the same file as reading the chart.
TEST(ChartBackCommand, AChartReadBackGivesTheSameChartAgain) {
    QTemporaryDir dir;
    const QStringList original = pedigreeOf(kPedigree);
    for (const char* extension : {"xls", "xlsx", "ods"})
        for (const bool numbers : {false, true}) {
            SCOPED_TRACE(std::string(extension) + (numbers ? " numbered" : ""));
            const QString first = dir.filePath(QStringLiteral("first.") + QLatin1String(extension));
            const QString second = dir.filePath(QStringLiteral("second.") + QLatin1String(extension));
            const QString family = dir.filePath(QStringLiteral("family.ged"));
            const QStringList numbered = numbers ? QStringList{QStringLiteral("--numbers")} : QStringList();
            ASSERT_EQ(run(QStringList{"--gedcom", kPedigree, "--output", first} + numbered), kExitSuccess);
            QString warnings;
            ASSERT_EQ(run({"--chart", first, "--output", family}, &warnings), kExitSuccess);
            EXPECT_EQ(warnings, QString());
            ASSERT_EQ(run(QStringList{"--gedcom", family, "--output", second} + numbered), kExitSuccess);
            EXPECT_TRUE(bytesOf(first) == bytesOf(second)) << "the charts differ";
            EXPECT_EQ(pedigreeOf(family), original);

            const QString direct = dir.filePath(QStringLiteral("direct.ged"));
            ASSERT_EQ(run(QStringList{"--gedcom", kPedigree, "--output", direct} + numbered), kExitSuccess);
            EXPECT_EQ(bytesOf(direct), bytesOf(family));
        }
}

namespace {

// A chart whose generation line was cleared, drawn by the engine and saved in the format the path names.
QByteArray chartWithoutGenerationLine(const QString& path) {
    chart::StraightStatements straight;
    chart::DrawnChart drawn = chart::drawChart(
        chart::ChartRequest{QStringLiteral("Ole"), chart::generationCountOf(3), {}, chart::ChartFileFormat::Ods},
        straight);
    auto& sheet = drawn.workbook->activeSheet();
    sheet.setValue(sheet.cell(3, 2), QString());
    return chart::chartFileBytes(*drawn.workbook, *chart::chartFileTypeOf(path));
}

} // namespace

// What cannot be read as a chart is refused with its message, and nothing is
// written, also over a family file that was there. (Encrypted workbooks are
// refused by the sheet readers' own tests.)
TEST(ChartBackCommand, RefusedWorkbooksWriteNothing) {
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("chart.xlsx"));
    ASSERT_EQ(run({"--gedcom", kPedigree, "--output", chart}), kExitSuccess);
    const QByteArray good = bytesOf(chart);
    const QString blank = dir.filePath(QStringLiteral("blank.ods"));
    ASSERT_EQ(run({"--root", "", "--output", blank}), kExitSuccess);
    const struct {
        const char* what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"not a workbook", "0 HEAD\n0 TRLR\n", "'%1' is not a workbook: Kinloom reads .xls, .xlsx and .ods files."},
        {"damaged zip", good.left(good.size() / 3), "'%1' is damaged: its zip package cannot be read"},
        {"no generation line", chartWithoutGenerationLine(dir.filePath(QStringLiteral("x.ods"))),
         "'%1' holds no chart as Kinloom draws it on its first sheet, 'Sheet1': B3 should hold the number of "
         "generations (\"5 Generations\")."},
        {"a blank chart of nobody", bytesOf(blank),
         "'%1' holds a chart with every box empty and no name in its title: there is nobody to write."},
    };
    const QString output = dir.filePath(QStringLiteral("family.ged"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString workbook = dir.filePath(QStringLiteral("input"));
        write(workbook, c.bytes);
        write(output, "the family file that was there");
        QString err;
        EXPECT_EQ(run({"--chart", workbook, "--output", output}, &err), kExitFailure);
        EXPECT_TRUE(err.startsWith(QString(c.message).arg(workbook))) << err.toStdString();
        EXPECT_EQ(bytesOf(output), "the family file that was there");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "a file was left behind";
}
