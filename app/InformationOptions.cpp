#include "app/InformationOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

// Laid out as help2man reads it: the manual page kinloom(1) is made from it.
constexpr const char* kDescription =
    QT_TRANSLATE_NOOP("InformationOptions",
                      "Makes blank family-tree chart templates in a window. Type the name of the\n"
                      "person at the root of the tree and the number of generations, the root\n"
                      "person included (up to 15); Kinloom draws one empty box for each ancestor,\n"
                      "shows the chart in a preview window where it can be zoomed, scrolled and\n"
                      "dragged, saves it as an Excel 97-2003 workbook (.xls), an Excel workbook\n"
                      "(.xlsx), an OpenDocument spreadsheet (.ods) or a PDF, SVG or PNG picture,\n"
                      "and prints it (Ctrl+P).\n\n"
                      "Given a family file (GEDCOM), Kinloom reads it and asks for the person\n"
                      "whose ancestors fill the boxes; the main window's context menu (Fill from\n"
                      "a Family File..., Ctrl+O) and a .ged file dropped on it do the same.");

constexpr const char* kAfterOptions =
    QT_TRANSLATE_NOOP("InformationOptions",
                      "\n"
                      "Other arguments go to Qt, which takes its standard options such as\n"
                      "-platform NAME and -style NAME; the rest are ignored.\n"
                      "\n"
                      "Exit status:\n"
                      "  0  the windows were closed, or the help or the version was shown.\n"
                      "\n"
                      "Failures while a chart is built or saved are shown in a message box and\n"
                      "do not end the program. Without a display, Kinloom cannot start.\n");

QString translated(const char* text) { return QCoreApplication::translate("InformationOptions", text); }

void addFamilyFileArgument(QCommandLineParser& parser) {
    parser.addPositionalArgument(
        QCoreApplication::translate("InformationOptions", "FILE.ged"),
        QCoreApplication::translate("InformationOptions",
                                    "A family file to fill the chart from (GEDCOM 5.5, 5.5.1 or 7.0)."),
        QCoreApplication::translate("InformationOptions", "[FILE.ged]"));
}

} // namespace

std::optional<int> answerInformationOptions(const QStringList& arguments, std::ostream& out) {
    QCommandLineParser parser;
    parser.setApplicationDescription(translated(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("InformationOptions", "Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("InformationOptions", "Shows the version and ends."));
    parser.addOptions({help, version});
    addFamilyFileArgument(parser);
    // Qt's own options are unknown here and not refused: Qt takes them later.
    (void)parser.parse(arguments);
    if (parser.isSet(help)) {
        out << (parser.helpText() + translated(kAfterOptions)).toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "kinloom " << KINLOOM_VERSION << '\n';
        return 0;
    }
    return std::nullopt;
}

QString familyFileArgument(const QStringList& arguments) {
    QCommandLineParser parser;
    addFamilyFileArgument(parser);
    (void)parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath();
}
