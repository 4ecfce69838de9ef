// A hundred builds and a hundred Backs through the real windows: nothing may
// pile up, neither files nor descriptors nor memory.
#include "app/ProgramWindows.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

struct Usage {
    qsizetype openFiles;
    long residentKb;
};

// What the program holds, not what the allocator keeps for later: freed
// memory goes back to the system before each reading.
Usage usageNow() {
    ::malloc_trim(0);
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    const qsizetype descriptors =
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
    return {descriptors, resident * (::sysconf(_SC_PAGESIZE) / 1024)};
}

} // namespace

TEST(BuildCycles, AHundredBuildsAndBacksLeaveNothingBehindAndDoNotGrow) {
    ShellSandbox sandbox;
    BuildSandbox build;
    ProgramWindows windows;
    shell::Form1& main = windows.mainWindow();
    main.show();
    main.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("6"));
    Usage atTen{}, atHundred{};
    for (int cycle = 1; cycle <= 100; ++cycle) {
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
        preview::Form2* preview = windows.previewWindowIfLoaded();
        ASSERT_TRUE(preview && preview->isVisible()) << "cycle " << cycle;
        QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("PushButton8")), Qt::LeftButton);
        ASSERT_TRUE(main.isVisible()) << "cycle " << cycle;
        if (cycle == 10) atTen = usageNow();
    }
    atHundred = usageNow();
    std::printf("[ figures  ] after cycle 10: %lld descriptors, %ld KB resident; after cycle 100: %lld descriptors, "
                "%ld KB resident (%+.1f %%)\n",
                static_cast<long long>(atTen.openFiles), atTen.residentKb, static_cast<long long>(atHundred.openFiles),
                atHundred.residentKb, 100.0 * (atHundred.residentKb - atTen.residentKb) / atTen.residentKb);
    EXPECT_TRUE(sandbox.messages.shown().empty());
    EXPECT_TRUE(QDir(build.tempFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(
        QDir(sandbox.appFile(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_LE(atHundred.openFiles, atTen.openFiles);
    EXPECT_LE(atHundred.residentKb, atTen.residentKb * 11 / 10);
}
