#include "GedcomFiles.h"

#include "core/Error.h"
#include "gedcom/DateYear.h"
#include "gedcom/GedcomError.h"
#include "gedcom/LifeYears.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace gedcom;

namespace {

// Writes a family file of one person, Per Lund, @I1@.
void writeOnePerson(QFile& file) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\n0 @I1@ INDI\n1 NAME Per /Lund/\n0 TRLR\n");
    file.close();
}

struct FirstPerson {
    const char* file;
    const char* name; // UTF-8, composed
    const char* birth;
};

// Named by its file in test output.
void PrintTo(const FirstPerson& p, std::ostream* out) { *out << p.file; }

class FirstPersonOf : public testing::TestWithParam<FirstPerson> {};

QString messageOf(const QString& path) {
    try {
        readFamilyTree(path);
    } catch (const core::Error& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("(read without an error)");
}

} // namespace

// Every character set a header may name, every line end, CONC and CONT,
// leading blanks and @@ come out as the same readable text.
TEST_P(FirstPersonOf, ReadsNameAndBirthDate) {
    const FamilyTree tree = readTestFile(GetParam().file);
    ASSERT_GT(tree.personCount(), 0);
    EXPECT_EQ(tree.person(0).name, QString::fromUtf8(GetParam().name));
    EXPECT_EQ(tree.person(0).birthDate, QString::fromUtf8(GetParam().birth));
    EXPECT_TRUE(tree.warnings.isEmpty()) << tree.warnings.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, FirstPersonOf,
                         testing::Values(FirstPerson{"pedigree.ged", "Anna Hansdotter", "12 MAR 1864"},
                                         FirstPerson{"utf8-bom.ged", "Jürgen Ødegård", "1820"},
                                         FirstPerson{"utf16le-bom.ged", "Jürgen Ødegård", "1820"},
                                         FirstPerson{"utf16be.ged", "Jürgen Ødegård", "1820"},
                                         FirstPerson{"utf16le.ged", "Jürgen Ødegård", "1820"},
                                         FirstPerson{"ansel.ged", "Jürgen Ødegård", "1820"},
                                         FirstPerson{"ansel-marks.ged", "Ảnh Nguyễn", "1820"}, // E0, E3 E4
                                         FirstPerson{"ansi.ged", "Zoë Šimková", "1820"},
                                         FirstPerson{"ascii.ged", "John Smith", "1820"},
                                         FirstPerson{"crlf.ged", "Liv Dahl", "1820"},
                                         FirstPerson{"cr-leading-blanks.ged", "Per Lund", "1 JAN 1900"},
                                         FirstPerson{"conc-cont.ged", "Maria Berg@Dal", ""},
                                         FirstPerson{"gedcom7.ged", "@Sofie Holm", "JULIAN 1700"},
                                         FirstPerson{"family.gdz", "Anna Hansdotter", "12 MAR 1864"}));

TEST(GedcomReader, BadFilesNameFileAndLine) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.ged"));
    struct Case {
        QString path;
        QString message;
    };
    const QString files = QStringLiteral(GEDCOM_FILES "/");
    for (const Case& c : {
             Case{missing, missing + QStringLiteral(": no such file")},
             Case{dir.path(), dir.path() + QStringLiteral(": not a regular file")},
             Case{files + QStringLiteral("not-gedcom.ged"),
                  files + QStringLiteral("not-gedcom.ged:1: not a GEDCOM file: it does not begin with \"0 HEAD\"")},
             Case{files + QStringLiteral("level-jump.ged"),
                  files + QStringLiteral("level-jump.ged:5: level 3 follows level 1")},
             Case{files + QStringLiteral("no-dataset.gdz"),
                  files + QStringLiteral("no-dataset.gdz: not a GEDZIP file: it holds no gedcom.ged")},
             Case{files + QStringLiteral("not-gedcom.gdz"),
                  files + QStringLiteral("not-gedcom.gdz: not a GEDZIP file: Not a zip archive")},
             Case{
                 files + QStringLiteral("level-not-number.ged"),
                 files
                     + QStringLiteral(
                         "level-not-number.ged:4: the line does not begin with a level number: \"x NAME Per /Lund/\"")},
         })
        EXPECT_EQ(messageOf(c.path), c.message);
}

// Lines are counted alike whatever ends them, across the reader's chunks.
TEST(GedcomReader, LineNumbersHoldForEveryLineEndAndLongLines) {
    const QByteArray longNote = "1 NOTE " + QByteArray(100'000, 'x');
    for (const QByteArray& end : {QByteArray("\n"), QByteArray("\r"), QByteArray("\r\n")}) {
        QByteArray file = "0 HEAD" + end + "0 @I1@ INDI" + end + end;
        for (int i = 0; i < 20; ++i) file += longNote + end; // well over the standard's 255: accepted
        file += "1 BIRT" + end + "3 DATE 1820" + end;
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        try {
            readFamilyTree(buffer, QStringLiteral("t.ged"));
            ADD_FAILURE() << "no error";
        } catch (const core::Error& e) {
            EXPECT_STREQ(e.what(), "t.ged:25: level 3 follows level 1");
        }
    }
}

// Memory stays bounded whatever a file holds: a 10 MB line, and a record
// longer than any genealogy's made of lines that are each accepted.
TEST(GedcomReader, RefusesLinesAndRecordsTooLargeForAGenealogy) {
    QTemporaryDir dir;
    const QByteArray nearlyLongest = "1 NOTE " + QByteArray(1'000'000, 'x') + "\n";
    struct Case {
        QByteArray body;
        QString message;
    };
    for (const Case& c :
         {Case{"1 NOTE " + QByteArray(10 * 1024 * 1024, 'x'),
               QStringLiteral(":3: a line longer than 1048576 characters; this is not a GEDCOM file")},
          Case{nearlyLongest.repeated(17), QStringLiteral(":19: a record of more than 16777216 characters")}}) {
        QFile file(dir.filePath(QStringLiteral("huge.ged")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("0 HEAD\n0 @I1@ INDI\n" + c.body);
        file.close();
        EXPECT_EQ(messageOf(file.fileName()), file.fileName() + c.message);
    }
}

// The path is swapped for a FIFO, and back, as fast as can be, while it is
// read again and again. A reader that looked at the path and then opened it
// would wait in the open for a writer; a writer that comes lets it read an
// empty file. Each read must end with the file's people or a refusal.
TEST(GedcomReader, APathSwappedForAFifoIsRefusedAndNeverWaitedOn) {
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("tree.ged")));
    const QByteArray other = QFile::encodeName(dir.filePath(QStringLiteral("other")));
    QFile file(QFile::decodeName(path));
    ASSERT_NO_FATAL_FAILURE(writeOnePerson(file));
    ASSERT_EQ(::mkfifo(other.constData(), 0600), 0);

    std::atomic<bool> reading{true};
    std::thread swapper([&] {
        while (reading) {
            ::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE);
            // A reader waiting in open() on the FIFO goes on, and reads nothing.
            for (const QByteArray& name : {path, other})
                if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) ::close(fd);
        }
    });
    const QString read = QStringLiteral("(read without an error)");
    const QString refused = QFile::decodeName(path) + QStringLiteral(": not a regular file");
    QStringList outcomes;
    for (int i = 0; i < 3000; ++i) {
        const QString outcome = messageOf(QFile::decodeName(path));
        if (!outcomes.contains(outcome)) outcomes << outcome;
    }
    reading = false;
    swapper.join();
    for (const QString& outcome : outcomes) EXPECT_TRUE(outcome == read || outcome == refused) << outcome.toStdString();
}

namespace {

// A device that fails after its first bytes, as a disk does with a bad block.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray start) : m_start(std::move(start)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_start.isEmpty()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min<qint64>(maxSize, m_start.size());
        std::memcpy(data, m_start.constData(), static_cast<std::size_t>(n));
        m_start.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_start;
};

QString messageOf(QIODevice& device, qint64 maxRecords = gedcom::kMaxRecords) {
    try {
        readFamilyTree(device, QStringLiteral("t.ged"), maxRecords);
    } catch (const core::Error& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("(read without an error)");
}

} // namespace

// What stops the reading names the line it stopped at; what comes from the
// file shows its control characters as escapes.
TEST(GedcomReader, EveryErrorNamesTheLineAndQuotesTheFileSafely) {
    FailingDevice failing("0 HEAD\n0 @I1@ INDI\n1 NAME Per");
    EXPECT_EQ(messageOf(failing), QStringLiteral("t.ged:3: cannot be read: Input/output error"));

    struct Case {
        QByteArray file;
        qint64 maxRecords;
        QString message;
    };
    for (const Case& c : {
             Case{"0 HEAD\n0 @I1@ INDI\n0 @F1@ FAM\n0 NOTE x\n0 @I2@ INDI\n", 2,
                  QStringLiteral("t.ged:5: the file holds more than 2 records of people and families; no larger file "
                                 "is read")},
             Case{"0 HEAD\n\x1b]0;owned\x07 NAME\n", gedcom::kMaxRecords,
                  QStringLiteral("t.ged:2: the line does not begin with a level number: \"\\x1b]0;owned\\x07 NAME\"")},
             // A line is quoted up to 40 characters.
             Case{"0 HEAD\n" + QByteArray(40, 'x') + "\n", gedcom::kMaxRecords,
                  QStringLiteral("t.ged:2: the line does not begin with a level number: \"%1\"").arg(QString(40, u'x'))},
             Case{"0 HEAD\n" + QByteArray(41, 'x') + "\n", gedcom::kMaxRecords,
                  QStringLiteral("t.ged:2: the line does not begin with a level number: \"%1\u2026\"")
                      .arg(QString(40, u'x'))},
         }) {
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(messageOf(buffer, c.maxRecords), c.message);
    }
}

// Lines are read as bytes where they begin as nearly all do, and as text
// where they begin otherwise: both ways give what the grammar says, with
// blanks of other scripts, a byte-order mark inside the file, tabs, and
// identifiers in another script.
TEST(GedcomReader, EveryShapeOfLineIsReadAsTheGrammarSays) {
    struct Case {
        QByteArray file;
        QString outcome; // the message, or the first person's identifier and label
    };
    const auto outcomeOf = [](QByteArray file) {
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        try {
            const FamilyTree tree = readFamilyTree(buffer, QStringLiteral("t.ged"));
            const Person first = tree.person(0);
            return QStringLiteral("@%1@ %2").arg(first.id, personLabel(first));
        } catch (const core::Error& e) {
            return QString::fromUtf8(e.what());
        }
    };
    for (const Case& c : {
             Case{"0 HEAD\n\xc2\xa0"
                  "1 NOTE x\n0 TRLR\n",
                  QString::fromUtf8("t.ged:2: the line does not begin with a level number: \"\u00a01 NOTE x\"")},
             Case{"0 HEAD\n\xef\xbb\xbf"
                  "0 @I1@ INDI\n0 TRLR\n",
                  QString::fromUtf8("t.ged:2: the line does not begin with a level number: \"\ufeff0 @I1@ INDI\"")},
             Case{"0 HEAD\n\v0 @I1@ INDI\n0 TRLR\n",
                  QStringLiteral("t.ged:2: the line does not begin with a level number: \"\\x0b0 @I1@ INDI\"")},
             Case{"0 HEAD\n0 \xc2\xa0\n0 TRLR\n", QStringLiteral("t.ged:2: a second record begins inside a record")},
             Case{"0 HEAD\n00 @I1@ INDI\n0 TRLR\n", QStringLiteral("t.ged:2: a second record begins inside a record")},
             Case{"0 HEAD\n0 @I1@ INDI\n1\tNAME\tPer /Lund/\n1 BIRT\n2 DATE 1820 \n0 TRLR\n",
                  QStringLiteral("@I1@ Per Lund (b. 1820)")},
             Case{"0 HEAD\n1 CHAR ANSI\n0 @\xd8"
                  "1@ INDI\n1 NAME Per\n0 TRLR\n",
                  QString::fromUtf8("@Ø1@ Per")},
         })
        EXPECT_EQ(outcomeOf(c.file), c.outcome) << c.file.toStdString();

    // An identifier in another script is found by its text, also from a family's line.
    QByteArray file = "0 HEAD\n1 CHAR ANSI\n0 @F1@ FAM\n1 CHIL @\xd8"
                      "1@\n0 @\xd8"
                      "1@ INDI\n0 TRLR\n";
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const FamilyTree tree = readFamilyTree(buffer, QStringLiteral("t.ged"));
    ASSERT_EQ(tree.personIndex(QString::fromUtf8("Ø1")), 0);
    ASSERT_EQ(tree.familiesListing(0).size(), 1u);
    EXPECT_EQ(tree.familyId(tree.familiesListing(0)[0]), QStringLiteral("F1"));
}

// A fault repeated in every record is shown 20 times and then counted.
TEST(GedcomReader, WarningsOfOneKindStopAtTwentyAndAreCounted) {
    QByteArray file = "0 HEAD\n0 @I1@ INDI\n0 @F1@ FAM\n0 @F1@ FAM\n";
    for (int i = 0; i < 25; ++i) file += "0 @I1@ INDI\n";
    file += "0 TRLR\n";
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const QStringList warnings = readFamilyTree(buffer, QStringLiteral("t.ged")).warnings;
    ASSERT_EQ(warnings.size(), 22);
    EXPECT_EQ(warnings[0], QStringLiteral("t.ged:4: warning: a second family @F1@; the first one is used"));
    EXPECT_EQ(warnings[20], QStringLiteral("t.ged:24: warning: a second person @I1@; the first one is used"));
    EXPECT_EQ(warnings[21], QStringLiteral("t.ged: warning: and 5 more people under an identifier another person has"));
}

// Reading ends at the trailer, whatever follows it (another program's
// sample ends in a blank line and "The end", older files in a Ctrl-Z); a
// file that ends without it is read and said to be perhaps cut short.
TEST(GedcomReader, ReadingEndsAtTheTrailerAndItsAbsenceIsWarnedOf) {
    struct Case {
        const char* file;
        int people;
        QString label;
        QStringList warnings;
    };
    const QString cutShort = gedcomFile("cut-short.ged");
    for (const Case& c : {
             Case{"text-after-trailer.ged", 1, QStringLiteral("Leona C. Davis (b. 1863)"), {}},
             Case{"ctrl-z-after-trailer.ged", 1, QStringLiteral("Per Lund"), {}},
             Case{"cut-short.ged",
                  2,
                  QStringLiteral("Per Lund"),
                  {cutShort
                   + QStringLiteral(
                       ":8: warning: the file ends without its trailer line \"0 TRLR\": the file may be cut short")}},
         }) {
        const FamilyTree tree = readTestFile(c.file);
        ASSERT_EQ(tree.personCount(), c.people) << c.file;
        EXPECT_EQ(personLabel(tree.person(0)), c.label) << c.file;
        EXPECT_EQ(tree.warnings, c.warnings) << c.file;
    }
}

// Inputs that once broke the reader: each is read or refused, nothing else.
TEST(GedcomReader, RegressionInputsAreReadOrRefused) {
    for (const QString& name : QDir(QStringLiteral(GEDCOM_REGRESSIONS)).entryList(QDir::Files)) {
        const QString message = messageOf(QStringLiteral(GEDCOM_REGRESSIONS "/") + name);
        EXPECT_FALSE(message.isEmpty()) << name.toStdString();
    }
}

// The forms of a DATE value, each with the year a chart shows for it.
TEST(DateYear, ShowsTheYearWhereTheGrammarPutsIt) {
    const std::pair<const char*, const char*> cases[] = {
        // A year alone, after a month, after a day and month; none without one.
        {"1820", "1820"},
        {"MAR 1820", "1820"},
        {"12 MAR 1820", "1820"},
        {"20 MAR", ""},
        {"MAR", ""},
        {"12 1820", ""},
        {"", ""},
        // Approximations, ranges and periods: the first date's year and its kind.
        {"ABT 1820", "c. 1820"},
        {"est 1820", "c. 1820"},
        {"CAL 1820", "c. 1820"},
        {"BET 1820 AND 1825", "c. 1820"},
        {"BET 20 MAR AND 1825", ""},
        {"FROM 1820 TO 1825", "c. 1820"},
        {"FROM 1820", "c. 1820"},
        {"BEF 3 MAY 1820", "bef. 1820"},
        {"TO 1825", "bef. 1825"},
        {"AFT 1820", "aft. 1820"},
        {"INT 1820 (about Easter)", "1820"},
        {"(stillborn)", ""},
        // Eras and dual years as written.
        {"15 MAR 44 B.C.", "44 B.C."},
        {"ABT 300 BCE", "c. 300 B.C."},
        {"11 FEB 1750/51", "1750/51"},
        {"@#DGREGORIAN@ 1750/51", "1750/51"},
        // Julian dates in the Gregorian year of their day; a dual year counted from January.
        {"@#DJULIAN@ 20 DEC 1700", "1700"},
        {"@#DJULIAN@ 25 DEC 1700", "1701"},
        {"@#DJULIAN@ 1 JAN 1700/01", "1701"},
        {"@#DJULIAN@ 1 JAN 1700/1", "1701"},
        {"JULIAN 1700", "1700"},
        {"@#DJULIAN@ 15 MAR 44 B.C.", "44 B.C."},
        // Hebrew dates: a month that ends one Gregorian year, one that begins the next.
        {"@#DHEBREW@ TSH 5560", "1799"},
        {"@#DHEBREW@ 5560", "1800"},
        {"@#DHEBREW@ 10 TVT 5784", "2023"},
        {"@#DHEBREW@ 20 TVT 5784", "2024"},
        {"HEBREW 14 ADS 5784", "2024"},
        {"@#DHEBREW@ 30 TVT 5784", ""},
        {"@#DHEBREW@ MAR 5784", ""},
        {"@#DHEBREW@ 29 ELL 5784", "2024"}, // Elul, the last month
        // A month across a new year goes to the year holding most of its days:
        // Tevet 5561 is 17 Dec 1800 to 14 Jan 1801, Tevet 5770 18 Dec 2009 to 15 Jan 2010.
        {"@#DHEBREW@ TVT 5561", "1800"},
        {"@#DHEBREW@ TVT 5770", "2010"},
        // 5766 begins a day late (the rule for a year after a leap year), which
        // leaves its Heshvan 29 days.
        {"@#DHEBREW@ 29 CSH 5766", "2005"},
        {"@#DHEBREW@ 30 CSH 5766", ""},
        // French Republican dates in the years the calendar was used.
        {"@#DFRENCH R@ 1 VEND 8", "1799"},
        {"FRENCH_R 10 NIVO 14", "1805"},
        {"FRENCH_R 11 NIVO 14", "1806"},
        {"@#DFRENCH R@ 6 COMP 11", "1803"},
        {"@#DFRENCH R@ 6 COMP 10", ""},
        {"@#DFRENCH R@ 1 VEND 80", ""},
        // A calendar that cannot be placed.
        {"@#DROMAN@ 1820", ""},
    };
    for (const auto& [date, year] : cases)
        EXPECT_EQ(displayYear(QString::fromLatin1(date)), QString::fromLatin1(year)) << date;
}

// Each year of the Republic as proclaimed: the day of Nivose that was
// 1 January, and the complementary days that closed the year.
TEST(DateYear, EachRepublicanYearMeetsJanuaryAndEndsAsProclaimed) {
    struct Year {
        int year, januaryFirst, complementary, begunIn;
    };
    for (const auto& [year, januaryFirst, complementary, begunIn] :
         {Year{1, 12, 5, 1792}, {2, 12, 5, 1793}, {3, 12, 6, 1794}, {4, 11, 5, 1795}, {5, 12, 5, 1796},
          {6, 12, 5, 1797}, {7, 12, 6, 1798}, {8, 11, 5, 1799}, {9, 11, 5, 1800}, {10, 11, 5, 1801},
          {11, 11, 6, 1802}, {12, 10, 5, 1803}, {13, 11, 5, 1804}, {14, 11, 5, 1805}}) {
        const auto yearOf = [&](int day, const char* month) {
            return displayYear(QStringLiteral("FRENCH_R %1 %2 %3").arg(day).arg(QLatin1String(month)).arg(year));
        };
        EXPECT_EQ(yearOf(januaryFirst - 1, "NIVO"), QString::number(begunIn)) << year;
        EXPECT_EQ(yearOf(januaryFirst, "NIVO"), QString::number(begunIn + 1)) << year;
        EXPECT_EQ(yearOf(complementary, "COMP"), QString::number(begunIn + 1)) << year;
        EXPECT_EQ(yearOf(complementary + 1, "COMP"), QString()) << year;
    }
}

// People are read again from the file as it was read: one written over
// meanwhile is refused, never read as the records it no longer holds.
TEST(GedcomReader, AFileChangedSinceItWasReadIsRefused) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("tree.ged")));
    ASSERT_NO_FATAL_FAILURE(writeOnePerson(file));
    const FamilyTree tree = readFamilyTree(file.fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("0 HEAD\n0 @I7@ INDI\n1 NAME Ola /Berg/\n0 TRLR\n\n");
    file.close();
    try {
        (void)tree.person(0);
        ADD_FAILURE() << "read again without an error";
    } catch (const core::Error& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  file.fileName() + QStringLiteral(": the file has changed since it was read; open it again"));
    }
}

// A person is read back from the file whatever an earlier call left in errno
// (a signal handled meanwhile leaves EINTR): the file's end ends the read.
TEST(GedcomReader, APersonIsReadBackWhateverErrnoHolds) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("tree.ged")));
    ASSERT_NO_FATAL_FAILURE(writeOnePerson(file));
    const FamilyTree tree = readFamilyTree(file.fileName());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        errno = EINTR;
        ::_exit(personLabel(tree.person(0)) == QStringLiteral("Per Lund") ? 0 : 1);
    }
    int status = -1;
    for (int tenths = 0; tenths < 100 && ::waitpid(child, &status, WNOHANG) == 0; ++tenths) ::usleep(100'000);
    if (status == -1) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the read did not end";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A reading watched from another thread counts the whole file, and one asked
// to stop ends with that, not with the error its cut-short text would give.
TEST(ReadingProgress, CountsTheFileAndStopsWhenAsked) {
    const QString path = gedcomFile("pedigree.ged");
    ReadingProgress whole;
    EXPECT_EQ(readFamilyTree(path, whole).personCount(), 10);
    EXPECT_EQ(whole.bytesRead, QFileInfo(path).size());
    EXPECT_EQ(whole.fileSize, QFileInfo(path).size());

    ReadingProgress stopped;
    stopped.stopRequested = true;
    EXPECT_THROW(readFamilyTree(path, stopped), ReadingStopped);
}

// A stop that comes while a large file is read ends the reading within the
// next megabyte read, however much of the file is left.
TEST(ReadingProgress, AStopEndsTheReadingWhereverItComes) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("large.ged")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\n");
    const QByteArray person = "0 INDI\n1 NOTE " + QByteArray(200, 'x') + "\n";
    for (int i = 0; i < 150'000; ++i) file.write(person);
    file.close();
    for (int attempt = 0; attempt < 10; ++attempt) {
        ReadingProgress progress;
        std::atomic<qint64> readAtStop{-1};
        std::thread stopper([&] {
            while (progress.bytesRead == 0) std::this_thread::yield();
            readAtStop = progress.bytesRead.load();
            progress.stopRequested = true;
        });
        bool stopped = false;
        try {
            readFamilyTree(file.fileName(), progress);
        } catch (const ReadingStopped&) {
            stopped = true;
        }
        stopper.join();
        if (!stopped) continue; // the whole file went by before the stop: try again
        EXPECT_LE(progress.bytesRead - readAtStop, 2 * 1024 * 1024);
        EXPECT_LT(progress.bytesRead, file.size());
        return;
    }
    FAIL() << "the file was read to its end every time";
}
