#include "ChartCommand.h"

#include "chart/ChartDrawing.h"
#include "chart/ChartRequest.h"
#include "chart/FileFormats.h"
#include "chart/GedcomPedigree.h"
#include "chart/GenerationCount.h"

#include "core/Error.h"
#include "core/VisibleText.h"
#include "files/FileReplacement.h"
#include "files/Paths.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <variant>

namespace command {

namespace {

const char* const kDescription =
    QT_TRANSLATE_NOOP("command::ChartCommand",
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
    QT_TRANSLATE_NOOP("command::ChartCommand",
                      "\nExit status:\n"
                      "  0  the workbook was saved.\n"
                      "  1  any other failure, with its reason on standard error.\n"
                      "  2  COUNT, the kind of file FILE names or another argument was refused,\n"
                      "     or --person matches several people (they are listed).\n"
                      "\n"
                      "A failed run leaves no file behind and never changes an existing FILE.\n");

QString translated(const char* text) { return QCoreApplication::translate("command::ChartCommand", text); }

// What the command line asks for. The count is read once, when the request
// is checked, and the files' types are looked up in the table of formats.
struct CommandRequest {
    QString rootName;
    bool rootGiven = false;
    QString countText;
    bool countGiven = false;
    std::optional<chart::GenerationCount> generations;
    QString outputPath;
    const chart::ChartFileType* output = nullptr;
    std::optional<QString> picturePath;
    const chart::ChartFileType* picture = nullptr;
    bool withNumbers = false;
    std::optional<QString> gedcomPath;
    QString person;
};

// An exit status when the command ends before a chart is drawn.
using Outcome = std::variant<CommandRequest, int>;

// The options, in the order --help lists them.
struct ChartOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("command::ChartCommand", "Shows this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("command::ChartCommand", "Shows the version.")};
    QCommandLineOption root{
        QStringLiteral("root"),
        QCoreApplication::translate("command::ChartCommand", "Name of the person at the root (default: Halvarsen)."),
        QCoreApplication::translate("command::ChartCommand", "NAME"), QStringLiteral("Halvarsen")};
    QCommandLineOption generations{
        QStringLiteral("generations"),
        QCoreApplication::translate("command::ChartCommand", "Number of generations (default: 5)."),
        QCoreApplication::translate("command::ChartCommand", "COUNT"), QStringLiteral("5")};
    QCommandLineOption output{
        QStringLiteral("output"),
        QCoreApplication::translate("command::ChartCommand", "Workbook to write (.xls, .xlsx or .ods)."),
        QCoreApplication::translate("command::ChartCommand", "FILE")};
    QCommandLineOption picture{
        QStringLiteral("picture"),
        QCoreApplication::translate("command::ChartCommand", "Also write a picture of the chart."),
        QCoreApplication::translate("command::ChartCommand", "FILE")};
    QCommandLineOption numbers{
        QStringLiteral("numbers"),
        QCoreApplication::translate("command::ChartCommand", "Put each box's ancestor number in it.")};
    QCommandLineOption gedcom{
        QStringLiteral("gedcom"),
        QCoreApplication::translate("command::ChartCommand", "Fill the boxes from a GEDCOM file."),
        QStringLiteral("GEDCOM")};
    QCommandLineOption person{
        QStringLiteral("person"),
        QCoreApplication::translate(
            "command::ChartCommand",
            "The root person of --gedcom: an identifier (@I1@) or a name (default: the file's first)."),
        QCoreApplication::translate("command::ChartCommand", "ID-OR-NAME")};

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
        err << core::visible(parser.errorText(), u"\n") << "\n";
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
        err << QCoreApplication::translate("command::ChartCommand", "Unexpected argument: %1")
                   .arg(core::visible(parser.positionalArguments().first()))
            << "\n";
        return kExitBadInput;
    }
    CommandRequest request;
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
        err << QCoreApplication::translate("command::ChartCommand",
                                           "--person names someone in the file --gedcom reads; give that file too.")
            << "\n";
        return kExitBadInput;
    }
    return request;
}

// What is refused before anything is read or written; nothing when the
// request can go ahead, its files' types and its count then read.
std::optional<int> refusal(CommandRequest& request, const QStringList& lossyArguments, QTextStream& err) {
    if (request.outputPath.isEmpty()) {
        err << QCoreApplication::translate("command::ChartCommand",
                                           "Name the workbook to write with --output FILE.xls.")
            << "\n";
        return kExitBadInput;
    }
    for (const std::optional<QString>& path :
         {std::optional(request.outputPath), request.picturePath, request.gedcomPath})
        if (path && files::cameFromLostBytes(*path, lossyArguments)) {
            err << QCoreApplication::translate("command::ChartCommand",
                                               "Cannot name the file '%1': its name is not valid UTF-8, and another "
                                               "file would be used in its place.")
                       .arg(core::visible(*path))
                << "\n";
            return kExitBadInput;
        }
    if (request.picturePath) request.picture = chart::chartFileTypeOf(*request.picturePath);
    if (request.picturePath && (!request.picture || request.picture->kind != chart::ChartFileKind::Picture)) {
        err << QCoreApplication::translate(
                   "command::ChartCommand",
                   "Cannot write pictures of the kind '%1' names; use .bmp, .png, .svg or .pdf.")
                   .arg(core::visible(*request.picturePath))
            << "\n";
        return kExitBadInput;
    }
    // One file under two names (a link, a hard link, a relative path) is one file.
    if (request.picturePath && files::isSameFile(*request.picturePath, request.outputPath)) {
        err << QCoreApplication::translate("command::ChartCommand",
                                           "The workbook and the picture cannot be the same file: %1")
                   .arg(core::visible(request.outputPath))
            << "\n";
        return kExitBadInput;
    }
    request.output = chart::chartFileTypeOf(request.outputPath);
    if (!request.output || request.output->kind != chart::ChartFileKind::Workbook) {
        err << QCoreApplication::translate("command::ChartCommand",
                                           "Cannot write workbooks of the kind '%1' names; use .xls, .xlsx or .ods.")
                   .arg(core::visible(request.outputPath))
            << "\n";
        return kExitBadInput;
    }
    if (request.countGiven) {
        chart::GenerationCount count;
        const chart::GenerationCountCheck check = chart::readGenerationCount(request.countText, count);
        if (check != chart::GenerationCountCheck::Accepted) {
            err << chart::refusal(check).worded() << "\n";
            return kExitBadInput;
        }
        request.generations = std::move(count);
    }
    return std::nullopt;
}

// The chart the options ask for. A family file's person fills its boxes,
// names it unless --root does, and sets its depth unless --generations does;
// the file's warnings go to err.
chart::ChartRequest chartRequestOf(const CommandRequest& request, QTextStream& err) {
    chart::ChartRequest chart{request.rootName,
                              request.generations.value_or(chart::GenerationCount()),
                              {request.withNumbers, {}},
                              request.output->format};
    if (!request.gedcomPath) return chart;
    const int generations = request.generations ? std::max(1, static_cast<int>(request.generations->boxColumns)) : 0;
    chart::FilledPedigree filled = chart::readFilledPedigree(*request.gedcomPath, request.person, generations);
    for (const QString& warning : filled.warnings) err << core::visible(warning) << "\n";
    if (!request.generations) chart.generations = chart::generationCountOf(filled.knownGenerations);
    if (!request.rootGiven) chart.rootName = filled.personName;
    chart.labels.labelByNumber = std::move(filled.labelByNumber);
    return chart;
}

// The workbook and its picture are made, written and flushed beside their
// places first, and put in place as one: a failure at any point leaves
// both files as they were.
void writeChart(const CommandRequest& request, const chart::ChartRequest& chart, chart::DrawnChart& drawn) {
    std::optional<files::FileReplacement> picture;
    if (request.picturePath) {
        const QByteArray extension = QFileInfo(*request.picturePath).suffix().toLower().toLatin1();
        picture.emplace(*request.picturePath, chart::chartFileBytes(*drawn.workbook, *request.picture, extension));
    }
    files::FileReplacement workbook(request.outputPath,
                                    chart::chartFileBytes(*drawn.workbook, chart::chartFileType(chart.format)));
    if (picture)
        files::commitTogether({&workbook, &*picture});
    else
        workbook.commit();
    drawn.application->setDisplayAlerts(false);
    drawn.workbook->close();
    drawn.application->quit();
}

} // namespace

bool chartCommandNeedsFonts(const QStringList& arguments) {
    QCommandLineParser parser;
    const ChartOptions options;
    options.addTo(parser);
    return parser.parse(arguments)
        && (parser.isSet(options.picture) || parser.isSet(options.gedcom) || parser.isSet(options.numbers));
}

int runChartCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    const QStringList& lossyArguments) {
    Outcome parsed = parseArguments(arguments, out, err);
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    CommandRequest& request = std::get<CommandRequest>(parsed);
    if (const std::optional<int> status = refusal(request, lossyArguments, err)) return *status;
    try {
        const chart::ChartRequest chart = chartRequestOf(request, err);
        chart::StraightStatements straight;
        chart::DrawnChart drawn = chart::drawChart(chart, straight);
        writeChart(request, chart, drawn);
    } catch (const core::Error& e) {
        // A message may quote a file or a path: nothing in it reaches the terminal as a command.
        err << core::visible(e.description(), u"\n") << "\n";
        return e.kind() == core::ErrorKind::InputRefused ? kExitBadInput : kExitFailure;
    } catch (const std::bad_alloc&) {
        err << QCoreApplication::translate("command::ChartCommand", "There is not enough memory to draw this chart.")
            << "\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        err << core::visible(QString::fromUtf8(e.what()), u"\n") << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace command
