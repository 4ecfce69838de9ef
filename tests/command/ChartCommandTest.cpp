#include "command/ChartCommand.h"
#include "chart/ExecuteOperation.h"

#include <gtest/gtest.h>

#include "tests/support/FileContents.h"
#include "tests/support/PictureRegions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <stack>

#include <sys/stat.h>
#include <unistd.h>

using namespace chart;
using namespace command;

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

QString gedcom(const char* name) { return QStringLiteral(GEDCOM_FILES "/") + QString::fromLatin1(name); }

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The chart as the layout alone draws it, saved by the engine.
QByteArray layoutWorkbook(const QString& root, const QString& count, const QString& path) {
    auto application = automation::createApplication();
    auto workbook = application->workbooks().add();
    executeLayout(workbook->activeSheet(), BuildChartLayout(root, count));
    workbook->saveAs(path);
    workbook->close();
    application->quit();
    return bytesOf(path);
}

} // namespace

// Without the GEDCOM and number options the workbook is byte for byte the
// layout's chart: nothing of the box texts reaches it.
TEST(ChartCommand, WithoutTheNewOptionsTheWorkbookIsTheLayoutsByteForByte) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.xls"));
    const QString expected = dir.filePath(QStringLiteral("layout.xls"));
    ASSERT_EQ(run({QStringLiteral("--output"), output}).status, kExitSuccess);
    EXPECT_EQ(bytesOf(output), layoutWorkbook(QStringLiteral("Halvarsen"), QStringLiteral("5"), expected));
    const QString root = QString::fromUtf8("Halvarsen Æøå");
    ASSERT_EQ(run({QStringLiteral("--root"), root, QStringLiteral("--generations"), QStringLiteral("4"),
                   QStringLiteral("--output"), output})
                  .status,
              kExitSuccess);
    EXPECT_EQ(bytesOf(output), layoutWorkbook(root, QStringLiteral("4"), expected));
}

TEST(ChartCommand, AGedcomOrPersonItCannotUseExitsAndWritesNothing) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.xls"));
    struct Case {
        QStringList arguments;
        int status;
        QString err;
    };
    const QString sameName = gedcom("same-name.ged");
    for (const Case& c : {
             Case{{QStringLiteral("--person"), QStringLiteral("@I1@")},
                  kExitBadInput,
                  QStringLiteral("--person names someone in the file --gedcom reads; give that file too.\n")},
             Case{{QStringLiteral("--gedcom"), gedcom("level-jump.ged")},
                  kExitFailure,
                  gedcom("level-jump.ged") + QStringLiteral(":5: level 3 follows level 1\n")},
             Case{{QStringLiteral("--gedcom"), sameName, QStringLiteral("--person"), QStringLiteral("@I7@")},
                  kExitFailure,
                  sameName + QStringLiteral(": no person is \"@I7@\"; name one by identifier (@I1@) or name\n")},
             Case{{QStringLiteral("--gedcom"), sameName, QStringLiteral("--person"), QStringLiteral("Anna Berg")},
                  kExitBadInput,
                  sameName
                      + QString::fromUtf8(": 2 people match \"Anna Berg\"; name one by identifier:\n"
                                          "  @I1@ Anna Berg (b. 1900)\n  @I3@ anna BERG (d. 1950)\n")},
         }) {
        QStringList arguments = c.arguments;
        arguments << QStringLiteral("--output") << output;
        const CommandRun r = run(arguments);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

namespace {

// A family file whose very name holds a terminal command.
QString writeGedcom(const QTemporaryDir& dir, const QByteArray& records) {
    const QString path = dir.filePath(QStringLiteral("tree\x1b[31m.ged"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write("0 HEAD\n1 CHAR UTF-8\n" + records);
    return path;
}

} // namespace

// Names, identifiers and lines of a file reach the terminal with their
// control characters as escapes, long lists cut short, and a name too long
// for a cell is named with its line.
TEST(ChartCommand, WhatAFileHoldsReachesTheTerminalSafelyAndNamed) {
    QTemporaryDir dir;
    QByteArray manyAnnas;
    for (int i = 1; i <= 25; ++i) manyAnnas += "0 @I" + QByteArray::number(i) + "@ INDI\n1 NAME Anna /Berg/\n";
    struct Case {
        QByteArray records;
        QString person;
        int status;
        QStringList lines; // lines err must hold
    };
    for (const Case& c : {
             Case{"0 @I1@ INDI\n1 NAME Anna /Berg\x1b]0;owned\x07/\n0 @I2@ INDI\n1 NAME Anna /Berg\xc2\x9b"
                  "2J/\n",
                  QStringLiteral("Anna"),
                  kExitBadInput,
                  {QStringLiteral("  @I1@ Anna Berg\\x1b]0;owned\\x07"), QStringLiteral("  @I2@ Anna Berg\\x9b2J")}},
             Case{"0 @I1@ INDI\n1 FAMC @F\x1b[2J\n2 CONT @\n",
                  {},
                  kExitSuccess,
                  {QStringLiteral(
                      ":4: warning: @I1@ names the family @F\\x1b[2J\\x0a@, which the file does not hold; the "
                      "parents are left empty")}},
             Case{"0 @I1@ INDI\n\x07 NAME x\n",
                  {},
                  kExitFailure,
                  {QStringLiteral(":4: the line does not begin with a level number: \"\\x07 NAME x\"")}},
             Case{manyAnnas,
                  QStringLiteral("Anna Berg"),
                  kExitBadInput,
                  {QStringLiteral("  @I20@ Anna Berg"), QStringLiteral("  and 5 more")}},
             Case{"0 @I1@ INDI\n1 BIRT\n2 DATE 1820\n1 NAME " + QByteArray(40'000, 'a') + "\n",
                  {},
                  kExitFailure,
                  {QStringLiteral(":6: @I1@ %1… has a name of 40010 characters with the years; a box holds at most "
                                  "32751")
                       .arg(QString(40, QLatin1Char('a')))}},
         }) {
        QStringList arguments{QStringLiteral("--gedcom"), writeGedcom(dir, c.records), QStringLiteral("--output"),
                              dir.filePath(QStringLiteral("chart.xls"))};
        if (!c.person.isEmpty()) arguments << QStringLiteral("--person") << c.person;
        const CommandRun r = run(arguments);
        SCOPED_TRACE(r.err.toStdString());
        EXPECT_EQ(r.status, c.status);
        for (const QString& line : c.lines)
            EXPECT_TRUE(r.err.split(u'\n').contains(line) || r.err.contains(line + u'\n')) << line.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("  @I21@")));
        EXPECT_TRUE(r.err.contains(QStringLiteral("tree\\x1b[31m.ged")));
        const bool controls = std::any_of(r.err.begin(), r.err.end(), [](QChar ch) {
            return ch != u'\n' && (ch.unicode() < 0x20 || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0));
        });
        EXPECT_FALSE(controls);
    }
}

TEST(ChartCommand, RefusedCountsExitWithTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.xls"));
    struct Case {
        const char* count;
        const char* message;
    };
    for (const Case& c :
         {Case{"abc", "Number of generations must be numeric.\n"}, Case{"", "Number of generations must be numeric.\n"},
          Case{"16", "Number of generations must be 15 or less.\n"}}) {
        const CommandRun r =
            run({QStringLiteral("--generations"), QString::fromLatin1(c.count), QStringLiteral("--output"), output});
        EXPECT_EQ(r.status, kExitBadInput) << c.count;
        EXPECT_EQ(r.err, QString::fromLatin1(c.message));
    }
    EXPECT_EQ(run({}).status, kExitBadInput); // no --output
    EXPECT_EQ(
        run({QStringLiteral("--output"), output, QStringLiteral("--picture"), dir.filePath(QStringLiteral("p.xyz"))})
            .status,
        kExitBadInput);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// The workbook's format follows --output's extension (a family file's too);
// any other extension is refused before anything is written, also over an
// existing file.
TEST(ChartCommand, TheOutputsExtensionNamesTheWorkbooksFormat) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        int status;
        QByteArray begins; // the file's first bytes, or an existing file's that stay
    };
    for (const Case& c :
         {Case{"chart.xls", kExitSuccess, QByteArray::fromHex("D0CF11E0")},
          Case{"chart.XLSX", kExitSuccess, "PK\x03\x04"}, Case{"chart.ods", kExitSuccess, "PK\x03\x04\x0A\0\0\0\0\0"},
          Case{"chart.GED", kExitSuccess, "0 HEAD\n"}, Case{"chart.txt", kExitBadInput, "the old file"},
          Case{"chart", kExitBadInput, "the old file"}, Case{"chart.xlsx.bak", kExitBadInput, "the old file"}}) {
        SCOPED_TRACE(c.name);
        const QString output = dir.filePath(QString::fromLatin1(c.name));
        writeFile(output, "the old file");
        const CommandRun r =
            run({QStringLiteral("--generations"), QStringLiteral("3"), QStringLiteral("--output"), output});
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(bytesOf(output).startsWith(c.begins));
        if (c.status == kExitBadInput) {
            EXPECT_EQ(
                r.err,
                QStringLiteral(
                    "Cannot write files of the kind '%1' names; use .xls, .xlsx or .ods for a workbook, .ged for a "
                    "family file.\n")
                    .arg(output));
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 7);
}

TEST(ChartCommand, AFailedSaveExitsWithOneAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const CommandRun missingFolder =
        run({QStringLiteral("--output"), dir.filePath(QStringLiteral("no/such/chart.xls"))});
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

TEST(ChartCommand, AFailedRunLeavesNoFileAndOneFileForBothIsRefused) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.xls"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    struct Case {
        QString output;
        int status;
        QString message;
    };
    for (const Case& c :
         {Case{dir.filePath(QStringLiteral("missing-folder/x.xls")), kExitFailure,
               QStringLiteral("No such file or directory")},
          Case{pipe, kExitFailure, QStringLiteral("it is a named pipe")},
          Case{dir.filePath(QStringLiteral("./p.png")), kExitBadInput, QStringLiteral("cannot be the same file")}}) {
        SCOPED_TRACE(c.output.toStdString());
        const CommandRun r = run({QStringLiteral("--output"), c.output, QStringLiteral("--picture"), picture});
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
                  QStringList{QStringLiteral("pipe.xls")});
    }
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// The workbook and the picture are put in place as one: whatever stops the
// run, both files stay as they were, and nothing is left beside them.
TEST(ChartCommand, AFailedRunLeavesTheWorkbookAndThePictureAsTheyWere) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("old.xls"));
    const QString oldPicture = dir.filePath(QStringLiteral("old.png"));
    const QString hardLink = dir.filePath(QStringLiteral("hl.png"));
    struct Case {
        QString picture;
        int status;
        QString message;
    };
    for (const Case& c : {Case{hardLink, kExitBadInput, QStringLiteral("cannot be the same file")},
                          // Its hidden twin has room for its name, the file itself has not.
                          Case{dir.filePath(QString(252, u'p') + QStringLiteral(".png")), kExitFailure,
                               QStringLiteral("File name too long")},
                          Case{dir.filePath(QStringLiteral("no/such/folder.png")), kExitFailure,
                               QStringLiteral("No such file or directory")}}) {
        SCOPED_TRACE(c.message.toStdString());
        QFile::remove(hardLink);
        writeFile(book, "the old chart");
        writeFile(oldPicture, "the old picture");
        ASSERT_EQ(::link(QFile::encodeName(book).constData(), QFile::encodeName(hardLink).constData()), 0);
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        const CommandRun r = run({QStringLiteral("--output"), book, QStringLiteral("--picture"), c.picture});
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(contentOf(book), QByteArray("the old chart"));
        EXPECT_EQ(contentOf(oldPicture), QByteArray("the old picture"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), before);
    }
}

TEST(ChartCommand, HelpNamesEveryOption) {
    const CommandRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.status, kExitSuccess);
    for (const char* option : {"--root", "--generations", "--output", "--picture", "--version", "--numbers", "--gedcom",
                               "--person", "Exit status"})
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
    EXPECT_TRUE(QString::fromUtf8(bytesOf(svg)).contains(QStringLiteral("viewBox=\"0 0 "))) << "an SVG that scales";
    // A name holding what XML cannot carry still makes well-formed XML,
    // showing U+FFFD where the workbooks do.
    const QString odd = QStringLiteral("Bell\x01\x1B\uFFFF") + QChar(0xD800);
    const QString oddSvg = dir.filePath(QStringLiteral("odd.svg"));
    ASSERT_EQ(
        run({QStringLiteral("--root"), odd, QStringLiteral("--output"), book, QStringLiteral("--picture"), oddSvg})
            .status,
        kExitSuccess);
    EXPECT_EQ(svgRectsFilled(oddSvg, QStringLiteral("#99cc00")), 31) << "well-formed";
    EXPECT_TRUE(QString::fromUtf8(bytesOf(oddSvg)).contains(QStringLiteral("Bell\uFFFD\uFFFD\uFFFD\uFFFD")));
    const QString png = dir.filePath(QStringLiteral("rsvg.png"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("rsvg-convert"), {QStringLiteral("-o"), png, svg}), 0);
    EXPECT_EQ(regionsOf(QImage(png), qRgb(153, 204, 0)).size(), 31u);
    // Drawn at the bitmap's size, the SVG reaches the picture's edges as the bitmap does.
    const QString bitmap = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_EQ(run({QStringLiteral("--output"), book, QStringLiteral("--picture"), bitmap}).status, kExitSuccess);
    const QImage own = QImage(bitmap).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(QProcess::execute(QStringLiteral("rsvg-convert"),
                                {QStringLiteral("-w"), QString::number(own.width()), QStringLiteral("-h"),
                                 QString::number(own.height()), QStringLiteral("-b"), QStringLiteral("white"),
                                 QStringLiteral("-o"), png, svg}),
              0);
    const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), own.size());
    int differing = 0;
    for (int x = 0; x < own.width(); ++x)
        for (const int y : {0, own.height() - 1}) differing += drawn.pixel(x, y) != own.pixel(x, y);
    for (int y = 0; y < own.height(); ++y)
        for (const int x : {0, own.width() - 1}) differing += drawn.pixel(x, y) != own.pixel(x, y);
    EXPECT_EQ(differing, 0);

    // A4 landscape, one page wide: 5 generations fit one page; 10 are shrunk
    // to 82.5 % and take 42 rows of 17 pixels a page (41 under the title).
    for (const auto& [generations, pages] : {std::pair{5, 1}, std::pair{10, 25}}) {
        const QString pdf = dir.filePath(QStringLiteral("chart%1.pdf").arg(generations));
        ASSERT_EQ(run({QStringLiteral("--generations"), QString::number(generations), QStringLiteral("--output"), book,
                       QStringLiteral("--picture"), pdf})
                      .status,
                  kExitSuccess);
        const QString prefix = dir.filePath(QStringLiteral("page%1").arg(generations));
        ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf, prefix}),
                  0);
        const QStringList drawn =
            QDir(dir.path()).entryList({QStringLiteral("page%1-*.png").arg(generations)}, QDir::Files, QDir::Name);
        EXPECT_EQ(drawn.size(), pages) << generations;
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_EQ(QImage(dir.filePath(drawn[0])).size(), QSize(234, 166)); // A4 landscape at 20 dpi
    }
}
