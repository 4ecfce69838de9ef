// Kinloom in the session's language. ctest runs this program once under
// nb_NO.UTF-8 and once under de_DE.UTF-8 (locales the suite makes itself);
// each run checks its own row of the table. A third run, under C, checks
// the forms of a count in English.
#include "app/Translations.h"
#include "chart/GenerationCount.h"
#include "gedcom/DateYear.h"
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Warnings.h"
#include "preview/Form2.h"
#include "shell/family/PersonPicker.h"
#include "shell/mainwindow/Form1.h"
#include "shell/shared/ErrorReport.h"
#include "spreadsheet/xls/WorkbookReader.h"

#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>

namespace {

struct Language {
    const char* locale;
    // The main window.
    const char* rootFrame;
    const char* countFrame;
    const char* start;
    const char* help;
    const char* sample;
    // The preview.
    const char* zoomIn;
    const char* back;
    const char* save;
    // Messages.
    const char* helpMessage; // how the Help box begins
    const char* yes;         // a question's first button
    const char* errorCaption;
    const char* atLine;
    const char* notNumeric;
    // The GEDCOM words of a box.
    const char* born;
    const char* about;
    // kinloom-chart.
    const char* usage;
    const char* description; // how --help describes the program
    const char* title;
    const char* generationLine;
    const char* noSuchFile;
};

const Language kLanguages[] = {
    {"nb_NO",
     "Slektstre for",
     "Antall generasjoner (deg selv medregnet)",
     "Lag mal",
     "Hjelp",
     "Last inn eksempeldata",
     "Zoom inn",
     "< Tilbake",
     "Lagre som Excel-fil",
     "Spørsmål? Ta kontakt med Team Brenvik",
     "&Ja",
     "Programfeil",
     "på linje 104",
     "Antall generasjoner må være et tall.",
     "(f. 1820)",
     "ca. 1820",
     "Bruk: ",
     "Tegner et tomt slektstre",
     "Slektstre for Halvarsen",
     "3 generasjoner",
     ": filen finnes ikke"},
    {"de_DE",
     "Stammbaum für",
     "Anzahl der Generationen (Sie selbst eingeschlossen)",
     "Vorlage erstellen",
     "Hilfe",
     "Beispieldaten laden",
     "Vergrößern",
     "< Zurück",
     "Als Excel-Datei speichern",
     "Fragen? Schreiben Sie an Team Brenvik",
     "&Ja",
     "Anwendungsfehler",
     "in Zeile 104",
     "Die Anzahl der Generationen muss eine Zahl sein.",
     "(* 1820)",
     "um 1820",
     "Aufruf: ",
     "Zeichnet einen leeren Stammbaum",
     "Stammbaum für Halvarsen",
     "3 Generationen",
     ": keine solche Datei"},
};

void installOnce() {
    static const bool installed = (installTranslations(*QCoreApplication::instance()), true);
    (void)installed;
}

const Language* sessionLanguage() {
    const QString name = QLocale::system().name();
    for (const Language& language : kLanguages)
        if (name == QLatin1String(language.locale)) return &language;
    return nullptr;
}

class SessionLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, ""))
            GTEST_SKIP() << "the session's locale " << qgetenv("LC_ALL").constData()
                         << " could not be made here (localedef or the locales' sources are missing)";
        language = sessionLanguage();
        if (!language)
            GTEST_SKIP() << "runs under nb_NO.UTF-8 or de_DE.UTF-8, as ctest runs it; this session is "
                         << QLocale::system().name().toStdString();
        installOnce();
    }

    const Language* language = nullptr;
};

QString utf8(const char* text) { return QString::fromUtf8(text); }

// A text that does not fit shows cut off: every button's and frame's must.
void expectTextsFit(const QWidget& window) {
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const int room = button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), room) << button->text().toStdString();
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width() - 16)
            << frame->title().toStdString();
}

} // namespace

TEST_F(SessionLanguage, TheWindowsSpeakItAndTheirTextsFit) {
    ShellSandbox sandbox;
    shell::Form1 main;
    EXPECT_EQ(main.findChild<QGroupBox*>("Frame1")->title(), utf8(language->rootFrame));
    EXPECT_EQ(main.findChild<QGroupBox*>("Frame2")->title(), utf8(language->countFrame));
    EXPECT_EQ(main.findChild<QPushButton*>("PushButton1")->text(), utf8(language->start));
    EXPECT_EQ(main.findChild<QPushButton*>("PushButton6")->text(), utf8(language->help));
    EXPECT_EQ(main.findChild<QPushButton*>("PushButton7")->text(), utf8(language->sample));
    expectTextsFit(main);

    preview::Form2 preview;
    EXPECT_EQ(preview.findChild<QPushButton*>("PushButton1")->text(), utf8(language->zoomIn));
    EXPECT_EQ(preview.findChild<QPushButton*>("PushButton8")->text(), utf8(language->back));
    EXPECT_EQ(preview.findChild<QPushButton*>("PushButton6")->text(), utf8(language->save));
    expectTextsFit(preview);
}

TEST_F(SessionLanguage, MessagesAndTheErrorReportSpeakIt) {
    ShellSandbox sandbox;
    shell::Form1 main;
    main.findChild<QPushButton*>("PushButton6")->click();
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_TRUE(sandbox.messages.shown()[0].text.startsWith(utf8(language->helpMessage)))
        << sandbox.messages.shown()[0].text.toStdString();

    const auto question = shell::messageBoxFor({QStringLiteral("?"), QStringLiteral("Kinloom"), shell::vbYesNo});
    EXPECT_EQ(question->button(QMessageBox::Yes)->text(), utf8(language->yes));

    // A failure's phrase is worded where it is shown.
    const core::Error refused(core::ErrorKind::InputRefused, chart::refusal(chart::GenerationCountCheck::NotNumeric));
    shell::ShowErrorReport(refused.description(), QStringLiteral("in Kinloom2016/11/03.Form1.PushButton1_Click "), 104);
    const shell::ShownMessage& report = sandbox.messages.shown().back();
    EXPECT_EQ(report.caption, utf8(language->errorCaption));
    EXPECT_TRUE(report.text.startsWith(utf8(language->notNumeric) + QStringLiteral("\r\nin Kinloom2016/11/03.")))
        << report.text.toStdString();
    EXPECT_TRUE(report.text.contains(utf8(language->atLine))) << report.text.toStdString();
    EXPECT_STREQ(refused.what(), "Number of generations must be numeric.");

    gedcom::Person person;
    person.birthDate = QStringLiteral("12 MAR 1820");
    EXPECT_EQ(gedcom::lifeYears(person), utf8(language->born));
    EXPECT_EQ(gedcom::displayYear(u"ABT 1820"), utf8(language->about));
}

TEST_F(SessionLanguage, TheChartProgramSpeaksItInItsHelpMessagesAndWorkbook) {
    const auto run = [](const QStringList& arguments) {
        QProcess chart; // in the session's language, as the environment says
        chart.start(QStringLiteral(KINLOOM_CHART), arguments);
        chart.waitForFinished(60000);
        return std::pair{QString::fromUtf8(chart.readAllStandardOutput()),
                         QString::fromUtf8(chart.readAllStandardError())};
    };
    const auto [help, helpErrors] = run({QStringLiteral("--help")});
    EXPECT_TRUE(help.startsWith(utf8(language->usage))) << help.toStdString();
    EXPECT_TRUE(help.contains(utf8(language->description))) << help.toStdString();

    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("chart.xls"));
    const auto [drawn, drawErrors] =
        run({QStringLiteral("--generations"), QStringLiteral("3"), QStringLiteral("--output"), book});
    ASSERT_TRUE(QFileInfo::exists(book)) << drawErrors.toStdString();
    const std::unique_ptr<spreadsheet::Worksheet> sheet = spreadsheet::xls::readWorkbookFile(book);
    EXPECT_EQ(sheet->value(2, 2), utf8(language->title));
    EXPECT_EQ(sheet->value(3, 2), utf8(language->generationLine));

    const auto [none, refused] = run(
        {QStringLiteral("--gedcom"), dir.filePath(QStringLiteral("missing.ged")), QStringLiteral("--output"), book});
    EXPECT_TRUE(refused.contains(utf8(language->noSuchFile))) << refused.toStdString();
}

// A count of one takes the form its language gives it, English included:
// "1 person", never "1 people".
TEST(SessionCounts, ACountOfOneTakesItsLanguagesForm) {
    const struct {
        const char* locale;
        const char* onePerson;
        const char* oneOfTwo;
        const char* oneMoreLink;
    } counts[] = {
        {"nb_NO", "1 person", "1 av 2 personer", "og 1 lenke til en familie som ikke finnes i filen"},
        {"de_DE", "1 Person", "1 von 2 Personen",
         "und 1 weiterer Verweis auf eine Familie, die die Datei nicht enthält"},
        {"C", "1 person", "1 of 2 people", "and 1 more link to a family the file does not hold"},
    };
    const auto row = std::find_if(std::begin(counts), std::end(counts),
                                  [](const auto& c) { return QLocale::system().name() == QLatin1String(c.locale); });
    if (!std::setlocale(LC_ALL, "") || row == std::end(counts)) GTEST_SKIP() << "not a session of the table";
    installOnce();
    QTemporaryDir dir;
    const auto counted = [&](const QByteArray& people, const QString& typed) {
        QFile file(dir.filePath(QStringLiteral("family.ged")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("0 HEAD\n" + people + "0 TRLR\n") > 0);
        file.close();
        shell::PersonPicker picker(gedcom::readFamilyTree(file.fileName()), 0, QStringLiteral("family.ged"));
        picker.findChild<QLineEdit*>(QStringLiteral("Filter"))->setText(typed);
        return picker.findChild<QLabel*>(QStringLiteral("Count"))->text();
    };
    const QByteArray anna = "0 @I1@ INDI\n1 NAME Anna /Hansdotter/\n";
    EXPECT_EQ(counted(anna, QString()), utf8(row->onePerson));
    EXPECT_EQ(counted(anna + "0 @I2@ INDI\n1 NAME Ole /Hansen/\n", QStringLiteral("ole")), utf8(row->oneOfTwo));

    gedcom::Warnings warnings(QStringLiteral("family.ged"));
    for (int line = 1; line <= gedcom::kShownOfOneKind + 1; ++line)
        warnings.add(gedcom::WarningKind::MissingFamily, line, QStringLiteral("@F1@"));
    EXPECT_TRUE(warnings.lines().back().endsWith(utf8(row->oneMoreLink))) << warnings.lines().back().toStdString();
}
