#include "ChartCommand.h"

#include "Automation.h"
#include "BoxTexts.h"
#include "ChartLayout.h"
#include "ExecuteOperation.h"
#include "GedcomPedigree.h"
#include "GenerationCount.h"
#include "LocaleNumber.h"
#include "PictureExport.h"

#include "files/Error.h"
#include "files/FileReplacement.h"
#include "files/Paths.h"
#include "files/VisibleText.h"
#include "spreadsheet/WorkbookFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <variant>

namespace chart {

namespace {

const char* const kDescription =
    QT_TRANSLATE_NOOP("chart::ChartCommand",
                      "Draws a blank pedigree chart (one empty box for each ancestor, the oldest\n"
                      "generation on the left) and saves it as a workbook in the format FILE's\n"
                      "extension names: .xls (Excel 97-2003), .xlsx (Excel) or .ods (OpenDocument,\n"
                      "LibreOffice's own). Any other extension is refused before anything is\n"
                      "written.\n\n"
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
                      "the father of n is 2n, the mother 2n + 1.");

// After the options, as manual pages order them (kinloom-chart(1) is made
// from this help).
const char* const kExitStatus =
    QT_TRANSLATE_NOOP("chart::ChartCommand",
                      "\nExit status:\n"
                      "  0  the workbook was saved.\n"
                      "  1  any other failure, with its reason on standard error.\n"
                      "  2  COUNT, the kind of file FILE names or another argument was refused,\n"
                      "     or --person matches several people (they are listed).\n"
                      "\n"
                      "A failed run leaves no file behind and never changes an existing FILE.\n");

QString translated(const char* text) { return QCoreApplication::translate("chart::ChartCommand", text); }

// What the command line asks for.
struct ChartRequest {
    QString rootName;
    bool rootGiven = false;
    QString countText;
    bool countGiven = false;
    QString outputPath;
    std::optional<QString> picturePath;
    bool withNumbers = false;
    std::optional<QString> gedcomPath;
    QString person;
};

// An exit status when the command ends before a chart is drawn.
using Outcome = std::variant<ChartRequest, int>;

// The options, in the order --help lists them.
struct ChartOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("chart::ChartCommand", "Shows this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("chart::ChartCommand", "Shows the version.")};
    QCommandLineOption root{
        QStringLiteral("root"),
        QCoreApplication::translate("chart::ChartCommand", "Name of the person at the root (default: Halvarsen)."),
        QCoreApplication::translate("chart::ChartCommand", "NAME"), QStringLiteral("Halvarsen")};
    QCommandLineOption generations{
        QStringLiteral("generations"),
        QCoreApplication::translate("chart::ChartCommand", "Number of generations (default: 5)."),
        QCoreApplication::translate("chart::ChartCommand", "COUNT"), QStringLiteral("5")};
    QCommandLineOption output{
        QStringLiteral("output"),
        QCoreApplication::translate("chart::ChartCommand", "Workbook to write (.xls, .xlsx or .ods)."),
        QCoreApplication::translate("chart::ChartCommand", "FILE")};
    QCommandLineOption picture{QStringLiteral("picture"),
                               QCoreApplication::translate("chart::ChartCommand", "Also write a picture of the chart."),
                               QCoreApplication::translate("chart::ChartCommand", "FILE")};
    QCommandLineOption numbers{
        QStringLiteral("numbers"),
        QCoreApplication::translate("chart::ChartCommand", "Put each box's ancestor number in it.")};
    QCommandLineOption gedcom{QStringLiteral("gedcom"),
                              QCoreApplication::translate("chart::ChartCommand", "Fill the boxes from a GEDCOM file."),
                              QStringLiteral("GEDCOM")};
    QCommandLineOption person{
        QStringLiteral("person"),
        QCoreApplication::translate(
            "chart::ChartCommand",
            "The root person of --gedcom: an identifier (@I1@) or a name (default: the file's first)."),
        QCoreApplication::translate("chart::ChartCommand", "ID-OR-NAME")};

    void addTo(QCommandLineParser& parser) const {
        parser.addOptions({help, version, root, generations, output, picture, numbers, gedcom, person});
    }
};

Outcome parseArguments(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(translated(kDescription));
    const ChartOptions options;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        err << files::visible(parser.errorText(), u"\n") << "\n";
        return kExitBadInput;
    }
    if (parser.isSet(options.help)) {
        out << parser.helpText() << translated(kExitStatus);
        return kExitSuccess;
    }
    if (parser.isSet(options.version)) {
        out << QCoreApplication::applicationName() << " " << QCoreApplication::applicationVersion() << "\n";
        return kExitSuccess;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QCoreApplication::translate("chart::ChartCommand", "Unexpected argument: %1")
                   .arg(files::visible(parser.positionalArguments().first()))
            << "\n";
        return kExitBadInput;
    }
    ChartRequest request;
    request.rootName = parser.value(options.root);
    request.rootGiven = parser.isSet(options.root);
    request.countText = parser.value(options.generations);
    request.countGiven = parser.isSet(options.generations) || !parser.isSet(options.gedcom);
    request.outputPath = parser.value(options.output);
    if (parser.isSet(options.picture)) request.picturePath = parser.value(options.picture);
    request.withNumbers = parser.isSet(options.numbers);
    if (parser.isSet(options.gedcom)) request.gedcomPath = parser.value(options.gedcom);
    request.person = parser.value(options.person);
    if (parser.isSet(options.person) && !parser.isSet(options.gedcom)) {
        err << QCoreApplication::translate("chart::ChartCommand",
                                           "--person names someone in the file --gedcom reads; give that file too.")
            << "\n";
        return kExitBadInput;
    }
    return request;
}

// What is refused before anything is read or written; nothing when the
// request can go ahead.
std::optional<int> refusal(const ChartRequest& request, QTextStream& err) {
    if (request.outputPath.isEmpty()) {
        err << QCoreApplication::translate("chart::ChartCommand", "Name the workbook to write with --output FILE.xls.")
            << "\n";
        return kExitBadInput;
    }
    if (request.picturePath && pictureFileKind(*request.picturePath) == PictureFileKind::Unknown) {
        err << QCoreApplication::translate(
                   "chart::ChartCommand", "Cannot write pictures of the kind '%1' names; use .bmp, .png, .svg or .pdf.")
                   .arg(files::visible(*request.picturePath))
            << "\n";
        return kExitBadInput;
    }
    // One file under two names (a link, a hard link, a relative path) is one file.
    if (request.picturePath && files::isSameFile(*request.picturePath, request.outputPath)) {
        err << QCoreApplication::translate("chart::ChartCommand",
                                           "The workbook and the picture cannot be the same file: %1")
                   .arg(files::visible(request.outputPath))
            << "\n";
        return kExitBadInput;
    }
    if (!spreadsheet::workbookFormatOf(request.outputPath)) {
        err << QCoreApplication::translate("chart::ChartCommand",
                                           "Cannot write workbooks of the kind '%1' names; use .xls, .xlsx or .ods.")
                   .arg(files::visible(request.outputPath))
            << "\n";
        return kExitBadInput;
    }
    if (request.countGiven) {
        const GenerationCountCheck check = checkGenerationCount(request.countText);
        if (check != GenerationCountCheck::Accepted) {
            err << refusal(check).worded() << "\n";
            return kExitBadInput;
        }
    }
    return std::nullopt;
}

long long boxColumnsOf(const QString& countText) { return boxColumnCount(*parseLocaleNumber(countText)); }

// The chart drawn in a new engine instance, filled from the GEDCOM file when
// one is given; its warnings go to err.
struct DrawnChart {
    std::unique_ptr<automation::Application> application;
    std::shared_ptr<automation::Workbook> workbook;
};

DrawnChart drawChart(const ChartRequest& request, QTextStream& err) {
    std::optional<FilledPedigree> filled;
    if (request.gedcomPath) {
        const int generations = request.countGiven ? std::max(1, static_cast<int>(boxColumnsOf(request.countText))) : 0;
        filled = readFilledPedigree(*request.gedcomPath, request.person, generations);
        for (const QString& warning : filled->warnings) err << files::visible(warning) << "\n";
    }
    const QString countText = request.countGiven ? request.countText : QString::number(filled->knownGenerations);
    const QString rootName = filled && !request.rootGiven ? filled->personName : request.rootName;

    DrawnChart chart;
    chart.application = automation::createApplication();
    chart.workbook = chart.application->workbooks().add();
    chart.application->setVisible(false);
    automation::Worksheet& sheet = chart.workbook->activeSheet();
    drawChartLayout(sheet, rootName, countText);
    const BoxLabels labels{request.withNumbers, filled ? std::move(filled->labelByNumber) : std::vector<QString>()};
    if (labels.any()) writeBoxTexts(sheet, boxColumnsOf(countText), labels);
    return chart;
}

// The workbook and its picture are made, written and flushed beside their
// places first, and put in place as one: a failure at any point leaves
// both files as they were.
void writeChart(const ChartRequest& request, DrawnChart& chart) {
    automation::Worksheet& sheet = chart.workbook->activeSheet();
    std::optional<files::FileReplacement> picture;
    if (request.picturePath) {
        const automation::UsedRange used = sheet.usedRange();
        picture.emplace(*request.picturePath, exportedPictureBytes(sheet.picture(used.range()), *request.picturePath));
    }
    const spreadsheet::WorkbookFormat format = *spreadsheet::workbookFormatOf(request.outputPath);
    files::FileReplacement workbook(request.outputPath, chart.workbook->fileBytes(static_cast<int>(format)));
    if (picture)
        files::commitTogether({&workbook, &*picture});
    else
        workbook.commit();
    chart.application->setDisplayAlerts(false);
    chart.workbook->close();
    chart.application->quit();
}

} // namespace

bool chartCommandNeedsFonts(const QStringList& arguments) {
    QCommandLineParser parser;
    const ChartOptions options;
    options.addTo(parser);
    return parser.parse(arguments)
        && (parser.isSet(options.picture) || parser.isSet(options.gedcom) || parser.isSet(options.numbers));
}

int runChartCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Outcome parsed = parseArguments(arguments, out, err);
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const ChartRequest& request = std::get<ChartRequest>(parsed);
    if (const std::optional<int> status = refusal(request, err)) return *status;
    try {
        DrawnChart chart = drawChart(request, err);
        writeChart(request, chart);
    } catch (const files::Error& e) {
        // A message may quote a file or a path: nothing in it reaches the terminal as a command.
        err << files::visible(e.description(), u"\n") << "\n";
        return e.kind() == files::ErrorKind::PersonAmbiguous ? kExitBadInput : kExitFailure;
    } catch (const std::bad_alloc&) {
        err << QCoreApplication::translate("chart::ChartCommand", "There is not enough memory to draw this chart.")
            << "\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        err << files::visible(QString::fromUtf8(e.what()), u"\n") << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace chart
