#include "files/Error.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/WebSite.h"

#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

using namespace shell;

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
    EXPECT_THROW(MaybeOpenWebSite(), files::Error);
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
                 files::Error);
    EXPECT_THROW(saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("Text1"), QString()),
                 files::Error);
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
