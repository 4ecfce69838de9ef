#include "chart/ChartCommand.h"

#include <gtest/gtest.h>

#include "tests/support/PictureRegions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <stack>

using namespace chart;

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(QStringList arguments) {
    arguments.prepend(QStringLiteral("kinloom-chart"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runChartCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

TEST(ChartCommand, RefusedCountsExitWithTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.xls"));
    struct Case {
        const char* count;
        const char* message;
    };
    for (const Case& c : {Case{"abc", "Number of generations must be numeric.\n"},
                          Case{"", "Number of generations must be numeric.\n"},
                          Case{"16", "Number of generations must be 15 or less.\n"}}) {
        const CommandRun r = run({QStringLiteral("--generations"), QString::fromLatin1(c.count), QStringLiteral("--output"), output});
        EXPECT_EQ(r.status, kExitBadInput) << c.count;
        EXPECT_EQ(r.err, QString::fromLatin1(c.message));
    }
    EXPECT_EQ(run({}).status, kExitBadInput);  // no --output
    EXPECT_EQ(run({QStringLiteral("--output"), output, QStringLiteral("--picture"), dir.filePath(QStringLiteral("p.xyz"))}).status,
              kExitBadInput);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(ChartCommand, AFailedSaveExitsWithOneAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const CommandRun missingFolder = run({QStringLiteral("--output"), dir.filePath(QStringLiteral("no/such/chart.xls"))});
    EXPECT_EQ(missingFolder.status, kExitFailure);
    EXPECT_TRUE(missingFolder.err.startsWith(QStringLiteral("Cannot save '"))) << missingFolder.err.toStdString();

    const QString existing = dir.filePath(QStringLiteral("chart.xls"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old chart");
    old.close();
    // A picture that cannot be written stops the run before the workbook is replaced.
    const CommandRun badPicture = run({QStringLiteral("--output"), existing, QStringLiteral("--picture"),
                                dir.filePath(QStringLiteral("no/such/chart.png"))});
    EXPECT_EQ(badPicture.status, kExitFailure);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old chart"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chart.xls")});

    const CommandRun saved = run({QStringLiteral("--output"), existing});
    EXPECT_EQ(saved.status, kExitSuccess) << saved.err.toStdString();
    old.close();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.read(4), QByteArray::fromHex("D0CF11E0"));
}

TEST(ChartCommand, HelpNamesEveryOption) {
    const CommandRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.status, kExitSuccess);
    for (const char* option : {"--root", "--generations", "--output", "--picture", "--version", "Exit status"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
}

namespace {

// Rectangles the SVG fills with the colour, the fill inherited from groups.
int svgRectsFilled(const QString& path, const QString& colour) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    QXmlStreamReader xml(&file);
    std::stack<QString> fills;
    fills.push(QString());
    int count = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString fill = xml.attributes().hasAttribute(QStringLiteral("fill"))
                                     ? xml.attributes().value(QStringLiteral("fill")).toString()
                                     : fills.top();
            fills.push(fill);
            if (xml.name() == QLatin1String("rect") && fill == colour) ++count;
        } else if (xml.isEndElement()) {
            fills.pop();
        }
    }
    return xml.hasError() ? -1 : count;
}

} // namespace

// The vector pictures are read by renderers no one here wrote: librsvg for
// the SVG, poppler for the PDF.
TEST(ChartCommand, VectorPicturesAreDrawnByOtherRenderers) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("chart.xls"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_EQ(run({QStringLiteral("--output"), book, QStringLiteral("--picture"), svg}).status, kExitSuccess);
    EXPECT_EQ(svgRectsFilled(svg, QStringLiteral("#99cc00")), 31);
    const QString png = dir.filePath(QStringLiteral("rsvg.png"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("rsvg-convert"), {QStringLiteral("-o"), png, svg}), 0);
    EXPECT_EQ(regionsOf(QImage(png), qRgb(153, 204, 0)).size(), 31u);

    // A4 landscape, one page wide: 5 generations fit one page; 10 are shrunk
    // to 82.5 % and take 42 rows of 17 pixels a page (41 under the title).
    for (const auto& [generations, pages] : {std::pair{5, 1}, std::pair{10, 25}}) {
        const QString pdf = dir.filePath(QStringLiteral("chart%1.pdf").arg(generations));
        ASSERT_EQ(run({QStringLiteral("--generations"), QString::number(generations), QStringLiteral("--output"), book,
                       QStringLiteral("--picture"), pdf}).status,
                  kExitSuccess);
        const QString prefix = dir.filePath(QStringLiteral("page%1").arg(generations));
        ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"),
                                                                 QStringLiteral("-png"), pdf, prefix}),
                  0);
        const QStringList drawn =
            QDir(dir.path()).entryList({QStringLiteral("page%1-*.png").arg(generations)}, QDir::Files, QDir::Name);
        EXPECT_EQ(drawn.size(), pages) << generations;
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_EQ(QImage(dir.filePath(drawn[0])).size(), QSize(234, 166));  // A4 landscape at 20 dpi
    }
}
