#include "app/InformationOptions.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>

// The family file a file manager's "Open with" names; what Qt has left of
// the command line is all there is.
TEST(CommandLine, NamesTheFamilyFileAsAnAbsolutePath) {
    const QString here = QDir::currentPath();
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{"kinloom"}, QString()},
        {{"kinloom", "family.ged"}, here + "/family.ged"},
        {{"kinloom", "/home/ingrid/Slekt/family.ged"}, "/home/ingrid/Slekt/family.ged"},
        {{"kinloom", "--unknown", "family.ged"}, here + "/family.ged"},
        {{"kinloom", "first.ged", "second.ged"}, here + "/first.ged"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(familyFileArgument(c.arguments), c.file) << c.arguments.join(' ').toStdString();
}
