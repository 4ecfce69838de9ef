#include "core/Error.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

using core::Error;
using core::ErrorKind;

// A text is worded where it is shown; its arguments go in as they are, a
// user's name holding "%2" included.
TEST(Error, TextsAreWordedWhereTheyAreShownWithTheirArgumentsAsGiven) {
    const Error error(ErrorKind::FileFailed, "Cannot save '%1': %2.",
                      {QStringLiteral("100%2.xls"), QStringLiteral("full")});
    EXPECT_STREQ(error.what(), "Cannot save '100%2.xls': full.");
    EXPECT_EQ(error.description(), QStringLiteral("Cannot save '100%2.xls': full."));
    Error::setWording([](const char* text, qint64) { return QStringLiteral("[%1]").arg(QString::fromUtf8(text)); });
    EXPECT_EQ(error.description(), QStringLiteral("[Cannot save '100%2.xls': full.]"));
    EXPECT_EQ(Error(ErrorKind::InputRefused, QStringLiteral("as given")).description(), QStringLiteral("as given"));
    Error::setWording({});
    EXPECT_STREQ(error.what(), "Cannot save '100%2.xls': full.");
}

// A reason that is a phrase of its own is worded too, at every depth; what is
// given as it is (a name, a number) never is, and what() stays English.
TEST(Error, PhrasesWithinPhrasesAreWordedEachWhereTheyStand) {
    using core::Phrase;
    const Error error(ErrorKind::FileFailed, "Cannot save '%1': %2.",
                      {QStringLiteral("a folder"),
                       Phrase("it is %1, not a file that can be saved over (%2)", {Phrase("a folder"), 42})});
    const char* const english = "Cannot save 'a folder': it is a folder, not a file that can be saved over (42).";
    EXPECT_STREQ(error.what(), english);
    Error::setWording([](const char* text, qint64) { return QStringLiteral("<%1>").arg(QString::fromUtf8(text)); });
    EXPECT_EQ(error.description(),
              QStringLiteral("<Cannot save 'a folder': <it is <a folder>, not a file that can be saved over (42)>.>"));
    EXPECT_STREQ(error.what(), english);
    Error::setWording({});
    EXPECT_EQ(error.description(), QString::fromUtf8(english));
}
