#include "ChartCommand.h"

#include "Automation.h"
#include "ChartLayout.h"
#include "ExecuteOperation.h"
#include "GenerationCount.h"

#include "spreadsheet/FileReplacement.h"
#include "spreadsheet/SheetPicture.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

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

// The picture format named by a file's extension, when Qt can write it.
QByteArray pictureFormat(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

const char* const kDescription =
    "Draws a blank pedigree chart (one empty box for each ancestor, the oldest\n"
    "generation on the left) and saves it as an Excel 97-2003 workbook.\n\n"
    "COUNT is the number of generations, the root person included, written as\n"
    "numbers are written in your locale (a point is accepted too); charts of up\n"
    "to 15 generations can be drawn. The count appears in the chart as typed.\n\n"
    "With --picture, the used cells are also drawn as a spreadsheet shows them,\n"
    "in the format the file's extension names (.bmp, .png, ...). Charts over 10\n"
    "generations are drawn scaled down to stay within 32,767 pixels a side.";

// After the options, as manual pages order them (kinloom-chart(1) is made
// from this help).
const char* const kExitStatus =
    "\nExit status:\n"
    "  0  the workbook was saved.\n"
    "  1  any other failure, with its reason on standard error.\n"
    "  2  COUNT or another argument was refused.\n"
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
    const QCommandLineOption pictureOption(QStringLiteral("picture"),
                                           QStringLiteral("Also write a picture of the chart."), QStringLiteral("FILE"));
    parser.addOptions({helpOption, versionOption, rootOption, generationsOption, outputOption, pictureOption});

    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n";
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
        err << "Unexpected argument: " << parser.positionalArguments().first() << "\n";
        return kExitBadInput;
    }
    if (!parser.isSet(outputOption) || parser.value(outputOption).isEmpty()) {
        err << "Name the workbook to write with --output FILE.xls.\n";
        return kExitBadInput;
    }
    const QString picturePath = parser.value(pictureOption);
    if (parser.isSet(pictureOption) && pictureFormat(picturePath).isEmpty()) {
        err << "Cannot write pictures of the kind '" << picturePath << "' names; use .bmp or .png.\n";
        return kExitBadInput;
    }
    const QString outputPath = parser.value(outputOption);
    if (parser.isSet(pictureOption) && resolvedPath(picturePath) == resolvedPath(outputPath)) {
        err << "The workbook and the picture cannot be the same file: " << outputPath << "\n";
        return kExitBadInput;
    }
    const QString countText = parser.value(generationsOption);
    const GenerationCountCheck check = checkGenerationCount(countText);
    if (check != GenerationCountCheck::Accepted) {
        err << refusalMessage(check) << "\n";
        return kExitBadInput;
    }

    try {
        const ChartLayout layout = BuildChartLayout(parser.value(rootOption), countText);
        auto application = automation::createApplication();
        auto workbook = application->workbooks().add();
        application->setVisible(false);
        automation::Worksheet& sheet = workbook->activeSheet();
        executeLayout(sheet, layout);
        // The picture is made ready beside its place before the workbook is
        // saved and put in place after it, so a failed run leaves neither.
        std::optional<spreadsheet::FileReplacement> picture;
        if (parser.isSet(pictureOption)) {
            const automation::UsedRange used = sheet.usedRange();
            picture.emplace(
                picturePath,
                spreadsheet::pictureFileBytes(sheet.picture({used.row, used.column, used.lastRow(), used.lastColumn()}),
                                              pictureFormat(picturePath)));
        }
        workbook->saveAs(outputPath);
        if (picture) picture->commit();
        application->setDisplayAlerts(false);
        workbook->close();
        application->quit();
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace chart
