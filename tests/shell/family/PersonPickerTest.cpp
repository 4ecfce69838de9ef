#include "shell/family/PersonPicker.h"
#include "shell/family/FamilyFileReading.h"

#include "gedcom/FamilyTreeReader.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include "shell/shared/ApplicationEnd.h"
#include "shell/shared/TrappedHandler.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

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

// A screen reader finds a name on every control the keyboard reaches.
TEST_F(PersonPickerTest, EveryControlTheKeyboardReachesHasAName) {
    for (QWidget* control : picker.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&picker)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr) << control->metaObject()->className();
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}

// A reading asked to stop ends without a tree, and says so.
TEST(FamilyFileReading, AStoppedReadingGivesNoTree) {
    FamilyFileReading reading(QStringLiteral(GEDCOM_FILES "/pedigree.ged"));
    reading.stop();
    reading.start();
    EXPECT_FALSE(reading.waitShowingProgress(nullptr));
    EXPECT_THROW(reading.takeTree(), gedcom::ReadingStopped);
}

// Every way out of the picker: its buttons, the keys, a double click on a row.
TEST(PersonPicker, OkEnterAndADoubleClickChooseCancelAndEscDoNot) {
    const gedcom::FamilyTree tree = pedigree();
    const struct {
        const char* how;
        std::function<void(QDialog&)> act;
        const char* chosen;
    } ways[] = {
        {"Ok", [](QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }, "I4"},
        {"Cancel", [](QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); },
         "(none)"},
        {"Enter", [](QDialog& d) { QTest::keyClick(d.findChild<QLineEdit*>(), Qt::Key_Return); }, "I4"},
        {"Esc", [](QDialog& d) { QTest::keyClick(d.findChild<QLineEdit*>(), Qt::Key_Escape); }, "(none)"},
        {"double click on the next row",
         [](QDialog& d) {
             auto* people = d.findChild<QTableView*>(QStringLiteral("People"));
             ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
             const QRect row = people->visualRect(people->model()->index(4, 0));
             QTest::mouseClick(people->viewport(), Qt::LeftButton, {}, row.center());
             QTest::mouseDClick(people->viewport(), Qt::LeftButton, {}, row.center());
         },
         "I5"},
    };
    for (const auto& way : ways) {
        bool leftOpen = false; // the way did not close the picker: it is closed for it
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            way.act(*dialog);
            QTimer::singleShot(1000, dialog, [&leftOpen, dialog] {
                leftOpen = true;
                dialog->reject();
            });
        });
        EXPECT_EQ(idOf(tree, choosePerson(nullptr, tree, 3, QStringLiteral("pedigree.ged"))),
                  QString::fromLatin1(way.chosen))
            << way.how;
        EXPECT_FALSE(leftOpen) << way.how;
    }
}

// Cancel on the progress of a reading stops it: the wait says so, whether
// or not the reading came to the file's end meanwhile.
TEST(FamilyFileReading, CancelStopsTheReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.ged"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\n");
    for (int i = 0; i < 100'000; ++i)
        file.write(QStringLiteral("0 @I%1@ INDI\n1 NAME Anna /Berg/\n").arg(i).toLatin1());
    file.write("0 TRLR\n");
    file.close();
    QWidget window;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("ReadingProgress"))) progress->cancel();
    });
    poll.start(1);
    FamilyFileReading reading(path);
    reading.start();
    EXPECT_FALSE(reading.waitShowingProgress(&window));
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
