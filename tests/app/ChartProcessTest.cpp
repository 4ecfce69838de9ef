// kinloom-chart as a process against what a real system does to writes: a
// file system that is full, a file-size limit, a file the user may write in
// a folder the user may not.
#include "tests/support/FileContents.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ChartRun {
    int status;
    QString err;
};

ChartRun runChart(const QStringList& arguments, const std::function<void()>& inChild = {}) {
    QProcess chart;
    if (inChild) chart.setChildProcessModifier(inChild);
    chart.start(QStringLiteral(KINLOOM_CHART), arguments);
    chart.waitForFinished(60000);
    return {chart.exitStatus() == QProcess::NormalExit ? chart.exitCode() : -1,
            QString::fromLocal8Bit(chart.readAllStandardError())};
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The 600 KB chart a user had: what a failed save must leave as it was.
const QByteArray kOldChart(600 * 1024, 'o');

} // namespace

// Charts up to about eight generations are written in one piece, when the
// file is closed: a full disk must show there too.
TEST(ChartProcess, AFullFileSystemKeepsTheOldFileAndSaysWhy) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH); });
    const QString old = dir.filePath(QStringLiteral("old.xls"));
    writeFile(old, kOldChart);
    // The rest of the file system filled up.
    QFile filler(dir.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {}
    filler.close();
    for (const QStringList& extra :
         {QStringList{}, QStringList{QStringLiteral("--picture"), dir.filePath(QStringLiteral("p.png"))}}) {
        SCOPED_TRACE(extra.join(u' ').toStdString());
        const ChartRun full = runChart(
            QStringList{QStringLiteral("--generations"), QStringLiteral("5"), QStringLiteral("--output"), old} + extra);
        EXPECT_EQ(full.status, 1);
        EXPECT_TRUE(full.err.contains(QStringLiteral("No space left on device"))) << full.err.toStdString();
        EXPECT_EQ(contentOf(old), kOldChart);
        EXPECT_EQ(filesIn(dir.path()), (QStringList{QStringLiteral("filler"), QStringLiteral("old.xls")}));
    }
}

TEST(ChartProcess, AFileSizeLimitAnywhereInTheSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.xls"));
    writeFile(old, kOldChart);
    for (const rlim_t limit : {rlim_t{0}, rlim_t{4096}, rlim_t{25599}}) {
        SCOPED_TRACE(limit);
        const ChartRun limited =
            runChart({QStringLiteral("--generations"), QStringLiteral("9"), QStringLiteral("--output"), old}, [limit] {
                // SIGXFSZ as a shell leaves it, which ends a process that writes past the limit.
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit size{limit, limit};
                ::setrlimit(RLIMIT_FSIZE, &size);
            });
        EXPECT_EQ(limited.status, 1);
        EXPECT_TRUE(limited.err.contains(QStringLiteral("File too large"))) << limited.err.toStdString();
        EXPECT_EQ(contentOf(old), kOldChart);
        EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("old.xls")});
    }
}

TEST(ChartProcess, AWritableFileInAFolderTheUserCannotWriteIsWrittenInPlace) {
    QTemporaryDir dir;
    const QString shared = dir.filePath(QStringLiteral("shared.xls"));
    writeFile(shared, kOldChart);
    const QByteArray folder = QFile::encodeName(dir.path());
    std::function<void()> asUser;
    if (::geteuid() == 0) {
        // Root writes every folder: the save runs as "nobody", who owns the
        // file but not the folder.
        constexpr uid_t nobody = 65534;
        ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), nobody, nobody), 0);
        ASSERT_EQ(::chmod(folder.constData(), 0755), 0);
        asUser = [] {
            ::setgroups(0, nullptr);
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(99);
        };
    } else {
        ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    }
    const auto writable = qScopeGuard([&] { ::chmod(folder.constData(), 0700); });
    const ChartRun saved =
        runChart({QStringLiteral("--generations"), QStringLiteral("4"), QStringLiteral("--output"), shared}, asUser);
    EXPECT_EQ(saved.status, 0) << saved.err.toStdString();
    EXPECT_EQ(contentOf(shared).left(8), QByteArray::fromHex("D0CF11E0A1B11AE1"));
    EXPECT_LT(contentOf(shared).size(), kOldChart.size()); // nothing of the old file after the new one
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("shared.xls")});

    // A larger chart under a file-size limit (ulimit -f 20) is refused before the file is touched.
    const QByteArray saved4 = contentOf(shared);
    const QDateTime written = QFileInfo(shared).lastModified();
    const ChartRun limited =
        runChart({QStringLiteral("--generations"), QStringLiteral("9"), QStringLiteral("--output"), shared}, [&] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit size{20 * 1024, 20 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &size);
            if (asUser) asUser();
        });
    EXPECT_EQ(limited.status, 1);
    EXPECT_TRUE(limited.err.contains(QStringLiteral("File too large"))) << limited.err.toStdString();
    EXPECT_EQ(contentOf(shared), saved4);
    EXPECT_EQ(QFileInfo(shared).lastModified(), written); // not written and put back: not written at all
}

// A file name that is not valid UTF-8 names no other file: text would turn
// its bytes into U+FFFD, and "\xfe.xls" would write "\xef\xbf\xbd.xls".
TEST(ChartProcess, ANameThatIsNotValidUtf8IsRefusedNotReplacedByAnother) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    writeFile(dir.filePath(QStringLiteral("\uFFFD.xls")), "another file");
    for (const QByteArray& option : {QByteArray("--output"), QByteArray("--output=")}) {
        SCOPED_TRACE(option.toStdString());
        const QByteArray name = folder + "/\xfe.xls";
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            const QByteArray joined = option.endsWith('=') ? option + name : option;
            ::execl(KINLOOM_CHART, KINLOOM_CHART, joined.constData(), option.endsWith('=') ? nullptr : name.constData(),
                    nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
        EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("\uFFFD.xls"))), QByteArray("another file"));
        EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("\uFFFD.xls")});
    }
}

// Whatever languages Kinloom speaks, an English or C session gets the
// workbook it always did: the default chart, byte for byte.
TEST(ChartProcess, UnderAnEnglishOrCLocaleTheDefaultWorkbookIsAsItAlwaysWas) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("chart.xls"));
    for (const char* locale : {"C", "en_US.UTF-8", "en_GB.UTF-8"}) {
        SCOPED_TRACE(locale);
        const ChartRun made = runChart({QStringLiteral("--output"), book}, [locale] {
            ::setenv("LC_ALL", locale, 1);
            ::setenv("LANG", locale, 1);
            ::unsetenv("LANGUAGE");
        });
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        EXPECT_EQ(QCryptographicHash::hash(contentOf(book), QCryptographicHash::Sha256).toHex(),
                  QByteArray("6c6a247f5cc7c5244cf1603cc187804db8d982686c5d78d93123352980282b8a"));
    }
}

// LANGUAGE picks among the user's languages, but a C locale shows the texts
// as written, as the C library's own messages do: a script that sets
// LC_ALL=C reads the English it parses, whatever languages its user chose.
TEST(ChartProcess, ACLocaleShowsTheTextsAsWrittenWhateverLanguageAsks) {
    const QStringList refused{QStringLiteral("--generations"), QStringLiteral("x"), QStringLiteral("--output"),
                              QStringLiteral("c.xls")};
    struct Session {
        const char* lcAll;
        const char* lang;
    };
    for (const Session session :
         {Session{"C", "de_DE.UTF-8"}, Session{"POSIX", nullptr}, Session{nullptr, "C.UTF-8"}}) {
        SCOPED_TRACE(session.lcAll ? session.lcAll : session.lang);
        const ChartRun run = runChart(refused, [session] {
            session.lcAll ? ::setenv("LC_ALL", session.lcAll, 1) : ::unsetenv("LC_ALL");
            session.lang ? ::setenv("LANG", session.lang, 1) : ::unsetenv("LANG");
            ::unsetenv("LC_MESSAGES");
            ::setenv("LANGUAGE", "de:nb", 1);
        });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, QStringLiteral("Number of generations must be numeric.\n"));
    }
}

// Scripts read what kinloom-chart says: Qt's own notes stay out of it, also
// where the session has no runtime folder (cron, ssh, containers).
TEST(ChartProcess, OnlyItsOwnMessagesReachTheTerminal) {
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("tree.ged"));
    writeFile(tree, "0 HEAD\n0 @I1@ INDI\n1 NAME Anna /Hansdotter/\n0 TRLR\n");
    const ChartRun run =
        runChart({QStringLiteral("--gedcom"), tree, QStringLiteral("--output"), dir.filePath(QStringLiteral("c.xls")),
                  QStringLiteral("--picture"), dir.filePath(QStringLiteral("c.png"))},
                 [] { ::unsetenv("XDG_RUNTIME_DIR"); });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, QString());
}

// A family file larger than the memory the program may take: the reader
// stops with the file and the line it reached, not with the allocator's
// "std::bad_alloc", and nothing is written.
TEST(ChartProcess, AFamilyFileLargerThanTheMemoryLeftIsRefusedWithItsLine) {
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("tree.ged"));
    QByteArray people = "0 HEAD\n";
    for (int i = 1; i <= 300'000; ++i)
        people += "0 @I" + QByteArray::number(i) + "@ INDI\n1 NAME Person" + QByteArray::number(i) + " /Family/\n";
    writeFile(tree, people);
    const ChartRun limited = runChart(
        {QStringLiteral("--gedcom"), tree, QStringLiteral("--output"), dir.filePath(QStringLiteral("c.xls"))}, [] {
            const rlimit data{24 << 20, 24 << 20};
            ::setrlimit(RLIMIT_DATA, &data);
        });
    EXPECT_EQ(limited.status, 1);
    const QRegularExpression located(QRegularExpression::escape(tree)
                                     + QStringLiteral(":\\d+: there is not enough memory to read the file beyond this "
                                                      "line\n"));
    EXPECT_TRUE(located.match(limited.err).hasMatch()) << limited.err.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("tree.ged")});
}

// A workbook alone starts without the libraries of pictures, fonts and
// family files; a picture, texts whose columns are fitted to them and a
// family file bring them in with the extras module. A program whose module
// is missing says so and writes nothing.
TEST(ChartProcess, OnlyPicturesTextsAndFamilyFilesLoadTheirLibraries) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("chart.xls"));
    const QString family = dir.filePath(QStringLiteral("family.ged"));
    writeFile(family, "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Anna /Hansdotter/\n0 TRLR\n");
    const std::pair<QStringList, bool> runs[] = {
        {{QStringLiteral("--output"), book}, false},
        {{QStringLiteral("--output"), dir.filePath(QStringLiteral("chart.xlsx"))}, false},
        {{QStringLiteral("--numbers"), QStringLiteral("--output"), book}, true},
        {{QStringLiteral("--gedcom"), family, QStringLiteral("--output"), book}, true},
        {{QStringLiteral("--output"), book, QStringLiteral("--picture"), dir.filePath(QStringLiteral("chart.svg"))},
         true},
    };
    for (const auto& [arguments, extras] : runs) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ChartRun run = runChart(arguments, [] { ::setenv("LD_DEBUG", "files", 1); });
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        for (const char* library : {"kinloom-chart-extras.so", "libQt6Gui.so", "libzip.so"})
            EXPECT_EQ(run.err.contains(QLatin1String(library)), extras) << library;
    }

    QTemporaryDir lone;
    const QString alone = lone.filePath(QStringLiteral("kinloom-chart"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KINLOOM_CHART), alone));
    ASSERT_TRUE(QFile::setPermissions(alone, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcess chart;
    chart.start(alone,
                {QStringLiteral("--output"), lone.filePath(QStringLiteral("c.xls")), QStringLiteral("--picture"),
                 lone.filePath(QStringLiteral("c.png"))});
    ASSERT_TRUE(chart.waitForFinished(60000));
    EXPECT_EQ(chart.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromLocal8Bit(chart.readAllStandardError()).contains(QStringLiteral("kinloom-chart-extras.so")));
    EXPECT_EQ(filesIn(lone.path()), QStringList{QStringLiteral("kinloom-chart")});
}
