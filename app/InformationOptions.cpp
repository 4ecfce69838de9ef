#include "app/InformationOptions.h"

#include <string_view>

namespace {

// Laid out as help2man reads it: the manual page kinloom(1) is made from it.
constexpr std::string_view kHelp = "Usage: kinloom [OPTION]\n"
                                   "Makes blank family-tree chart templates in a window. Type the name of the\n"
                                   "person at the root of the tree and the number of generations, the root\n"
                                   "person included (up to 15); Kinloom draws one empty box for each ancestor,\n"
                                   "shows the chart in a preview window where it can be zoomed, scrolled and\n"
                                   "dragged, and saves it as an Excel 97-2003 workbook (.xls).\n"
                                   "\n"
                                   "Options:\n"
                                   "  -h, --help     Shows this help and ends.\n"
                                   "  -v, --version  Shows the version and ends.\n"
                                   "\n"
                                   "Other arguments go to Qt, which takes its standard options such as\n"
                                   "-platform NAME and -style NAME; the rest are ignored.\n"
                                   "\n"
                                   "Exit status:\n"
                                   "  0  the windows were closed, or the help or the version was shown.\n"
                                   "\n"
                                   "Failures while a chart is built or saved are shown in a message box and\n"
                                   "do not end the program. Without a display, Kinloom cannot start.\n";

bool isOption(std::string_view argument, std::string_view shortName, std::string_view longName) {
    return argument == shortName || argument == longName;
}

} // namespace

std::optional<int> answerInformationOptions(int argc, const char* const argv[], std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (isOption(argument, "-h", "--help")) {
            out << kHelp;
            return 0;
        }
        if (isOption(argument, "-v", "--version")) {
            out << "kinloom " << KINLOOM_VERSION << '\n';
            return 0;
        }
    }
    return std::nullopt;
}
