#include "shell/family/PersonPicker.h"
#include "shell/family/FamilyFileReading.h"

#include "gedcom/FamilyTreeReader.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include "shell/shared/ApplicationEnd.h"
#include "shell/shared/TrappedHandler.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace shell;

namespace {

gedcom::FamilyTree pedigree() { return gedcom::readFamilyTree(QStringLiteral(GEDCOM_FILES "/pedigree.ged")); }

QString idOf(const gedcom::FamilyTree& tree, std::optional<int> person) {
    return person ? tree.person(*person).id : QStringLiteral("(none)");
}

class PersonPickerTest : public ::testing::Test {
protected:
    PersonPickerTest() : picker(tree, 3, QStringLiteral("pedigree.ged")) {
        picker.show();
        filter = picker.findChild<QLineEdit*>(QStringLiteral("Filter"));
    }
    void type(const QString& text) {
        filter->clear();
        QTest::keyClicks(filter, text);
    }
    QString selected() const { return idOf(tree, picker.selectedPerson()); }
    QString count() const { return picker.findChild<QLabel*>(QStringLiteral("Count"))->text(); }

    gedcom::FamilyTree tree = pedigree();
    PersonPicker picker;
    QLineEdit* filter = nullptr;
};

} // namespace

TEST_F(PersonPickerTest, StartsOnItsPersonAndFollowsTheTyping) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Choose the Person – pedigree.ged"));
    EXPECT_EQ(selected(), QStringLiteral("I4"));
    EXPECT_EQ(count(), QStringLiteral("10 people"));
    EXPECT_EQ(picker.focusWidget(), filter); // typing goes to the filter

    type(QStringLiteral("kari"));
    EXPECT_EQ(selected(), QStringLiteral("I3"));
    EXPECT_EQ(count(), QStringLiteral("1 of 10 people"));

    // The first match, then the keys move through the list while typing goes on.
    type(QStringLiteral("hansen"));
    EXPECT_EQ(selected(), QStringLiteral("I4"));
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(selected(), QStringLiteral("I7"));
    // A person still matching stays chosen as the typing narrows.
    QTest::keyClicks(filter, QStringLiteral(" 18"));
    EXPECT_EQ(count(), QStringLiteral("3 of 10 people"));
    EXPECT_EQ(selected(), QStringLiteral("I7"));

    type(QStringLiteral("nobody here"));
    EXPECT_EQ(selected(), QStringLiteral("(none)"));
    EXPECT_EQ(count(), QStringLiteral("0 of 10 people"));
    EXPECT_FALSE(picker.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
}

// A reading asked to stop ends without a tree, and says so.
TEST(FamilyFileReading, AStoppedReadingGivesNoTree) {
    FamilyFileReading reading(QStringLiteral(GEDCOM_FILES "/pedigree.ged"));
    reading.stop();
    reading.start();
    EXPECT_FALSE(reading.waitShowingProgress(nullptr));
    EXPECT_THROW(reading.takeTree(), gedcom::ReadingStopped);
}

// The end of the program (SIGTERM, a log-out) while a large file is read
// stops the reading too, rather than wait for its end.
TEST(FamilyFileReading, TheEndOfTheProgramStopsTheReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.ged"));
    QByteArray people = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 1; i <= 600'000; ++i)
        people += "0 @I" + QByteArray::number(i) + "@ INDI\n1 NAME Person" + QByteArray::number(i) + " /Family/\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(people + "0 TRLR\n");
    file.close();
    FamilyFileReading reading(path);
    reading.start();
    QTimer::singleShot(50, [] { endApplication(); });
    EXPECT_FALSE(reading.waitShowingProgress(nullptr));
    TrappedHandler::setApplicationEnded(false);
}
