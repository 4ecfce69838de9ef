#include "core/Error.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/WebSite.h"

#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace shell;

namespace {

bool writeFile500MB(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const bool made = fd >= 0 && ::ftruncate(fd, 500LL << 20) == 0; // sparse: no room taken
    ::close(fd);
    return made;
}

} // namespace

TEST(ApplicationTitle, ShortensLongNamesWordByWord) {
    const QString forty = QStringLiteral("Kinloom Family Tree Templates Maker 2016"); // 40
    ASSERT_EQ(forty.size(), 40);
    SetApplicationTitle(forty);
    EXPECT_EQ(applicationTitle(), forty);
    SetApplicationTitle(QStringLiteral("Kinloom Family Tree Template Makers 2016X")); // 41
    EXPECT_EQ(applicationTitle(), QStringLiteral("Kinloom Family Tree Template Makers"));
    // Stops as soon as it fits: one word dropped of several that could go.
    SetApplicationTitle(QStringLiteral("a b c d e f g h i j k l m n o p q r s t u")); // 41
    EXPECT_EQ(applicationTitle(), QStringLiteral("a b c d e f g h i j k l m n o p q r s t"));
    SetApplicationTitle(QString(45, QLatin1Char('x')));
    EXPECT_EQ(applicationTitle(), QString(40, QLatin1Char('x')));
    SetApplicationTitle();
    EXPECT_EQ(applicationTitle(), QStringLiteral("Kinloom"));
}

TEST(MaybeOpenWebSite, OpensTheHomePageExactlyForSeven) {
    ShellSandbox sandbox;
    for (const double draw : {0.0, 0.05, 0.0599, 0.07, 0.5, 0.9999}) {
        setRandomDraw([draw] { return draw; });
        MaybeOpenWebSite();
    }
    EXPECT_TRUE(sandbox.openedUrls.empty());
    for (const double draw : {0.06, 0.065, 0.0699}) {
        setRandomDraw([draw] { return draw; });
        MaybeOpenWebSite();
    }
    ASSERT_EQ(sandbox.openedUrls.size(), 3u);
    EXPECT_EQ(sandbox.openedUrls[0], QUrl(QStringLiteral("https://brenvik.example/")));

    setUrlOpener([](const QUrl&) { return false; });
    setRandomDraw([] { return 0.06; });
    EXPECT_THROW(MaybeOpenWebSite(), core::Error);
}

TEST(SettingsStore, MissingGivesDefaultEmptyStaysEmptyAndTextRoundTrips) {
    ShellSandbox sandbox;
    const QString app = QStringLiteral("Brenvik");
    const QString section = QStringLiteral("Kinloom");
    EXPECT_EQ(getSetting(app, section, QStringLiteral("Text1"), QStringLiteral("Halvarsen")),
              QStringLiteral("Halvarsen"));
    saveSetting(app, section, QStringLiteral("Text1"), QString());
    EXPECT_EQ(getSetting(app, section, QStringLiteral("Text1"), QStringLiteral("Halvarsen")), QString());

    // Texts an INI file treats specially must come back exactly as typed.
    for (const QString& typed :
         {QStringLiteral("Smith, John"), QStringLiteral(" padded "), QStringLiteral("@Variant(x)"),
          QStringLiteral("\"quoted\";semi=eq"), QStringLiteral("Ærøskøbing ÿ 漢字"), QStringLiteral("true"),
          QStringLiteral("5.0e1")}) {
        saveSetting(app, section, QStringLiteral("Text2"), typed);
        EXPECT_EQ(getSetting(app, section, QStringLiteral("Text2"), QStringLiteral("5")), typed);
    }
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text2")).toString(), QStringLiteral("5.0e1"));
}

// What typing hands over is written behind it, the latest value of each key
// of each store; the same key of another store never takes its place.
TEST(SettingsStore, WrittenLaterEachStoreKeepsTheLatestValueOfEachKey) {
    ShellSandbox sandbox;
    const QString section = QStringLiteral("Kinloom");
    const QString one = QStringLiteral("Brenvik"), other = QStringLiteral("Other");
    for (int i = 0; i < 50; ++i) {
        saveSettingLater(one, section, QStringLiteral("Text1"), QStringLiteral("one %1").arg(i));
        saveSettingLater(other, section, QStringLiteral("Text1"), QStringLiteral("other %1").arg(i));
        saveSettingLater(one, section, QStringLiteral("Text2"), QString::number(i));
    }
    flushSettings();
    EXPECT_EQ(getSetting(one, section, QStringLiteral("Text1"), QString()), QStringLiteral("one 49"));
    EXPECT_EQ(getSetting(other, section, QStringLiteral("Text1"), QString()), QStringLiteral("other 49"));
    EXPECT_EQ(getSetting(one, section, QStringLiteral("Text2"), QString()), QStringLiteral("49"));
}

TEST(SettingsStore, UnreadableStoreFails) {
    ShellSandbox sandbox;
    QDir().mkpath(sandbox.storeFile()); // a folder where the file should be
    EXPECT_THROW(getSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("Text1"), QString()),
                 core::Error);
    EXPECT_THROW(saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("Text1"), QString()),
                 core::Error);
}

// What may stand where the store should be, by accident or put there by
// another program: a named pipe, a link to a device, a file of 500 MB. Each
// is refused at once, without reading it, and left as it was. Each case runs
// in a child that a hang would end.
TEST(SettingsStore, WhatIsNoSmallRegularFileIsRefusedAndLeftAsItWas) {
    ShellSandbox sandbox;
    const QByteArray store = QFile::encodeName(sandbox.storeFile());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(sandbox.storeFile()).absolutePath()));
    // A device of the test's own where it may make one: never the system's.
    const QByteArray device = QFile::encodeName(sandbox.appFile(QStringLiteral("null")));
    const bool ownDevice = ::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    ASSERT_TRUE(ownDevice || ::geteuid() != 0) << "root cannot make a device node here";
    struct Case {
        const char* what;
        std::function<bool()> make;
        std::function<bool(const struct stat&)> unchanged;
    };
    const Case cases[] = {
        {"a named pipe", [&] { return ::mkfifo(store.constData(), 0600) == 0; },
         [](const struct stat& s) { return S_ISFIFO(s.st_mode); }},
        {"a link to a device",
         [&] { return ::symlink(ownDevice ? device.constData() : "/dev/null", store.constData()) == 0; },
         [](const struct stat& s) { return S_ISCHR(s.st_mode); }},
        {"500 MB", [&] { return writeFile500MB(store); },
         [](const struct stat& s) { return S_ISREG(s.st_mode) && s.st_size == 500LL << 20; }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(store.constData());
        ASSERT_TRUE(c.make());
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(10);
            const auto refused = [](const std::function<void()>& access) {
                try {
                    access();
                } catch (const core::Error&) {
                    return true;
                }
                return false;
            };
            const bool read = refused([] {
                getSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("Text1"), QString());
            });
            const bool written = refused([] {
                saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("Text1"),
                            QStringLiteral("Halvarsen"));
            });
            ::_exit(read && written ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        struct stat now {};
        EXPECT_TRUE(::stat(store.constData(), &now) == 0 && c.unchanged(now));
    }
    ::unlink(store.constData());
}

TEST(ApplicationFolders, TempFolderFollowsTheTempVariableWhateverItsCase) {
    const QByteArray savedTemp = qgetenv("TEMP");
    const QByteArray savedLower = qgetenv("temp");
    qunsetenv("TEMP");
    qunsetenv("temp");
    EXPECT_EQ(tempFolder(), QDir::tempPath());
    qputenv("TEMP", "/var/kinloom-tmp/");
    EXPECT_EQ(tempFolder(), QStringLiteral("/var/kinloom-tmp"));
    qputenv("TEMP", "");
    EXPECT_EQ(tempFolder(), QDir::tempPath());
    qunsetenv("TEMP");
    if (!savedTemp.isNull()) qputenv("TEMP", savedTemp);
    if (!savedLower.isNull()) qputenv("temp", savedLower);
}
