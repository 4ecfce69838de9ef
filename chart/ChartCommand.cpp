#include "ChartCommand.h"

#include "Automation.h"
#include "BoxTexts.h"
#include "ChartLayout.h"
#include "ExecuteOperation.h"
#include "GedcomPedigree.h"
#include "GenerationCount.h"
#include "LocaleNumber.h"
#include "PictureExport.h"

#include "spreadsheet/FileReplacement.h"
#include "text/VisibleText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace chart {

namespace {

// Where a path leads: links and relative parts resolved as far as it exists.
QString resolvedPath(const QString& path) {
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty()) return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

const char* const kDescription = "Draws a blank pedigree chart (one empty box for each ancestor, the oldest\n"
                                 "generation on the left) and saves it as an Excel 97-2003 workbook.\n\n"
                                 "COUNT is the number of generations, the root person included, written as\n"
                                 "numbers are written in your locale (a point is accepted too); charts of up\n"
                                 "to 15 generations can be drawn. The count appears in the chart as typed.\n\n"
                                 "With --picture, the used cells are also drawn as a spreadsheet shows them,\n"
                                 "in the format the file's extension names: a bitmap (.bmp, .png, ...), or a\n"
                                 "vector picture, sharp at any size: .svg for the web, .pdf for printing (A4\n"
                                 "landscape pages, one page wide, as the workbook prints). Bitmaps of charts\n"
                                 "over 10 generations are scaled down to stay within 32,767 pixels a side.\n"
                                 "Any other extension is refused before anything is written.\n\n"
                                 "With --gedcom, the boxes are filled from a GEDCOM file (5.5, 5.5.1 or 7.0)\n"
                                 "with the ancestors of --person: \"Given Surname (1820-1891)\". Without\n"
                                 "--generations the chart is as deep as the known pedigree (at most 15);\n"
                                 "without --root the title names the person. Links that point nowhere and\n"
                                 "people who would be their own ancestor are left out, with a warning.\n\n"
                                 "With --numbers, each box holds its ancestor number: the root person is 1,\n"
                                 "the father of n is 2n, the mother 2n + 1.";

// After the options, as manual pages order them (kinloom-chart(1) is made
// from this help).
const char* const kExitStatus = "\nExit status:\n"
                                "  0  the workbook was saved.\n"
                                "  1  any other failure, with its reason on standard error.\n"
                                "  2  COUNT or another argument was refused, or --person matches several\n"
                                "     people (they are listed).\n"
                                "\n"
                                "A failed run leaves no file behind and never changes an existing FILE.\n";

} // namespace

int runChartCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Shows the version."));
    const QCommandLineOption rootOption(QStringLiteral("root"),
                                        QStringLiteral("Name of the person at the root (default: Halvarsen)."),
                                        QStringLiteral("NAME"), QStringLiteral("Halvarsen"));
    const QCommandLineOption generationsOption(QStringLiteral("generations"),
                                               QStringLiteral("Number of generations (default: 5)."),
                                               QStringLiteral("COUNT"), QStringLiteral("5"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("Workbook to write (.xls)."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption pictureOption(
        QStringLiteral("picture"), QStringLiteral("Also write a picture of the chart."), QStringLiteral("FILE"));
    const QCommandLineOption numbersOption(QStringLiteral("numbers"),
                                           QStringLiteral("Put each box's ancestor number in it."));
    const QCommandLineOption gedcomOption(
        QStringLiteral("gedcom"), QStringLiteral("Fill the boxes from a GEDCOM file."), QStringLiteral("GEDCOM"));
    const QCommandLineOption personOption(
        QStringLiteral("person"),
        QStringLiteral("The root person of --gedcom: an identifier (@I1@) or a name (default: the file's first)."),
        QStringLiteral("ID-OR-NAME"));
    parser.addOptions({helpOption, versionOption, rootOption, generationsOption, outputOption, pictureOption,
                       numbersOption, gedcomOption, personOption});

    if (!parser.parse(arguments)) {
        err << text::visible(parser.errorText(), u"\n") << "\n";
        return kExitBadInput;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText() << kExitStatus;
        return kExitSuccess;
    }
    if (parser.isSet(versionOption)) {
        out << QCoreApplication::applicationName() << " " << QCoreApplication::applicationVersion() << "\n";
        return kExitSuccess;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "Unexpected argument: " << text::visible(parser.positionalArguments().first()) << "\n";
        return kExitBadInput;
    }
    if (!parser.isSet(outputOption) || parser.value(outputOption).isEmpty()) {
        err << "Name the workbook to write with --output FILE.xls.\n";
        return kExitBadInput;
    }
    const QString picturePath = parser.value(pictureOption);
    if (parser.isSet(pictureOption) && pictureFileKind(picturePath) == PictureFileKind::Unknown) {
        err << "Cannot write pictures of the kind '" << text::visible(picturePath)
            << "' names; use .bmp, .png, .svg or .pdf.\n";
        return kExitBadInput;
    }
    const QString outputPath = parser.value(outputOption);
    if (parser.isSet(pictureOption) && resolvedPath(picturePath) == resolvedPath(outputPath)) {
        err << "The workbook and the picture cannot be the same file: " << text::visible(outputPath) << "\n";
        return kExitBadInput;
    }
    if (parser.isSet(personOption) && !parser.isSet(gedcomOption)) {
        err << "--person names someone in the file --gedcom reads; give that file too.\n";
        return kExitBadInput;
    }
    const bool countGiven = parser.isSet(generationsOption) || !parser.isSet(gedcomOption);
    if (countGiven) {
        const GenerationCountCheck check = checkGenerationCount(parser.value(generationsOption));
        if (check != GenerationCountCheck::Accepted) {
            err << refusalMessage(check) << "\n";
            return kExitBadInput;
        }
    }

    try {
        std::optional<FilledPedigree> filled;
        if (parser.isSet(gedcomOption)) {
            const int generations = countGiven
                ? std::max(1, static_cast<int>(boxColumnCount(*parseLocaleNumber(parser.value(generationsOption)))))
                : 0;
            filled = readFilledPedigree(parser.value(gedcomOption), parser.value(personOption), generations);
            for (const QString& warning : filled->warnings) err << text::visible(warning) << "\n";
        }
        const QString countText = countGiven ? parser.value(generationsOption)
                                             : QString::number(filled->knownGenerations);
        const QString rootName = filled && !parser.isSet(rootOption) ? filled->personName : parser.value(rootOption);

        const ChartLayout layout = BuildChartLayout(rootName, countText);
        auto application = automation::createApplication();
        auto workbook = application->workbooks().add();
        application->setVisible(false);
        automation::Worksheet& sheet = workbook->activeSheet();
        executeLayout(sheet, layout);
        if (filled || parser.isSet(numbersOption))
            writeBoxTexts(sheet, boxColumnCount(*parseLocaleNumber(countText)), parser.isSet(numbersOption),
                          filled ? filled->labelByNumber : std::vector<QString>());
        // The picture is made ready beside its place before the workbook is
        // saved and put in place after it, so a failed run leaves neither.
        std::optional<spreadsheet::FileReplacement> picture;
        if (parser.isSet(pictureOption)) {
            const automation::UsedRange used = sheet.usedRange();
            picture.emplace(
                picturePath,
                exportedPictureBytes(sheet.picture({used.row, used.column, used.lastRow(), used.lastColumn()}),
                                     picturePath));
        }
        workbook->saveAs(outputPath);
        if (picture) picture->commit();
        application->setDisplayAlerts(false);
        workbook->close();
        application->quit();
    } catch (const PersonChoiceError& e) {
        err << text::visible(QString::fromUtf8(e.what()), u"\n") << "\n";
        return e.ambiguous ? kExitBadInput : kExitFailure;
    } catch (const std::bad_alloc&) {
        err << "There is not enough memory to draw this chart.\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        // A message may quote a file or a path: nothing in it reaches the terminal as a command.
        err << text::visible(QString::fromUtf8(e.what()), u"\n") << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace chart
