// Family files in the main window: each way of opening one, the picker it
// leads to, the caption, what is remembered, and the way back to blank charts.
#include "shell/family/FamilyFileDialog.h"
#include "shell/mainwindow/Form1.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SaveFileDialog.h"

#include "chart/ChartDrawing.h"
#include "chart/GedcomPedigree.h"
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"

#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace shell;

namespace {

const QString kPedigree = QStringLiteral(GEDCOM_FILES "/pedigree.ged");

QLineEdit* box(QWidget& form, const char* name) { return form.findChild<QLineEdit*>(name); }

// Acts on the next popup menu or modal dialog once it shows, from within the
// loop that waits for it.
void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, find, act] {
        if (QWidget* shown = find()) {
            poll->stop();
            poll->deleteLater();
            act(shown);
        }
    });
    poll->start(5);
}

// The picker, answered by typing into its filter and a key.
void pickByTyping(const QString& typed, Qt::Key key = Qt::Key_Return) {
    whenShown([] { return QApplication::activeModalWidget(); },
              [typed, key](QWidget* picker) {
                  auto* filter = picker->findChild<QLineEdit*>(QStringLiteral("Filter"));
                  QTest::keyClicks(filter, typed);
                  QTest::keyClick(filter, key);
              });
}

void dragAndDrop(QWidget* onto, const QString& path, bool* entered = nullptr) {
    // As file managers offer it: the file, and its address as text.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(QUrl::fromLocalFile(path).toString());
    const QPointF at(onto->width() / 2, onto->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(onto, &enter);
    if (entered) *entered = enter.isAccepted();
    if (!enter.isAccepted()) return;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(onto, &drop);
}

class Form1FamilyTest : public ::testing::Test {
protected:
    static void showActive(QWidget& form) {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Chooses Ole Hansen of the test file through the window.
    static void chooseOle(Form1& form) {
        pickByTyping(QStringLiteral("ole hansen"));
        form.openFamilyFile(kPedigree);
    }
    QString stored(const char* key) const { return sandbox.stored(QString::fromLatin1(key)).toString(); }

    ShellSandbox sandbox;
    FamilyFileDialogTestSeam dialogs;
};

} // namespace

// The command line, Ctrl+O, the context menu and a drop on the window or a
// box all lead to the picker, and the person chosen fills both inputs.
TEST_F(Form1FamilyTest, EveryRouteFillsTheInputsFromThePersonChosen) {
    const struct {
        const char* route;
        std::function<void(Form1&, FamilyFileDialogTestSeam&)> open;
    } routes[] = {
        {"argument", [](Form1& form, FamilyFileDialogTestSeam&) { form.openFamilyFile(kPedigree); }},
        {"Ctrl+O",
         [](Form1& form, FamilyFileDialogTestSeam& dialogs) {
             dialogs.setNextAnswer(kPedigree);
             QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
         }},
        {"context menu",
         [](Form1& form, FamilyFileDialogTestSeam& dialogs) {
             dialogs.setNextAnswer(kPedigree);
             QStringList items;
             whenShown([] { return QApplication::activePopupWidget(); },
                       [&items](QWidget* menu) {
                           for (const QAction* action : menu->actions())
                               items << action->text() + QLatin1Char('|') + action->shortcut().toString();
                           QTest::keyClick(menu, Qt::Key_Down);
                           QTest::keyClick(menu, Qt::Key_Return);
                       });
             const QPoint background(4, 36); // between the buttons
             QContextMenuEvent click(QContextMenuEvent::Mouse, background, form.mapToGlobal(background));
             QApplication::sendEvent(&form, &click);
             EXPECT_EQ(items,
                       (QStringList{QStringLiteral("Fill from a Family File…|Ctrl+O"),
                                    QStringLiteral("Family File from a Filled Chart…|Ctrl+G"),
                                    QStringLiteral("Ancestor Numbers in the Boxes|Ctrl+N")}));
         }},
        {"drop on the window", [](Form1& form, FamilyFileDialogTestSeam&) { dragAndDrop(&form, kPedigree); }},
        {"drop on a box", [](Form1& form, FamilyFileDialogTestSeam&) { dragAndDrop(box(form, "Text2"), kPedigree); }},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.route);
        sandbox.setStored(QStringLiteral("Text1"), QStringLiteral("Halvarsen"));
        Form1 form;
        showActive(form);
        pickByTyping(QStringLiteral("OLE hans"));
        route.open(form, dialogs);
        ASSERT_TRUE(QTest::qWaitFor([&] { return box(form, "Text1")->text() != QStringLiteral("Halvarsen"); }, 2000));
        EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Ole Hansen"));
        EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("2"));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("pedigree.ged – Kinloom"));
        EXPECT_EQ(stored("FamilyFile"), kPedigree);
        EXPECT_EQ(stored("FamilyPerson"), QStringLiteral("I4"));
        EXPECT_EQ(stored("Text1"), QStringLiteral("Ole Hansen"));
        EXPECT_EQ(form.boxLabels().labelByNumber.at(2), QStringLiteral("Peder Hansen (1770–1840)"));
        EXPECT_TRUE(sandbox.messages.shown().empty());
    }
    // Only a family file is the window's to take.
    Form1 form;
    bool entered = true;
    dragAndDrop(&form, QStringLiteral(GEDCOM_FILES "/notes.txt"), &entered);
    EXPECT_FALSE(entered);
    // The zip form of a family file is one too.
    showActive(form);
    pickByTyping(QStringLiteral("OLE hans"));
    dragAndDrop(&form, QStringLiteral(GEDCOM_FILES "/family.gdz"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.windowTitle() == QStringLiteral("family.gdz – Kinloom"); }, 2000));
    EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Ole Hansen"));
    EXPECT_EQ(stored("FamilyFile"), QStringLiteral(GEDCOM_FILES "/family.gdz"));
}

// The window's menu opens over every control, by the mouse and from the
// keyboard with the focus anywhere; a text box shows its own edit menu with
// the window's items below it.
TEST_F(Form1FamilyTest, TheMenuOpensOverEveryControlByMouseAndKeyboard) {
    Form1 form;
    showActive(form);
    const QStringList family{QStringLiteral("Fill from a Family File…"),
                             QStringLiteral("Family File from a Filled Chart…"),
                             QStringLiteral("Ancestor Numbers in the Boxes")};
    // The items of the menu the way opens, read the moment it shows, however
    // briefly it stays.
    const auto shownMenu = [](const std::function<void()>& open) {
        struct MenuSpy : QObject {
            QStringList items;
            bool eventFilter(QObject* watched, QEvent* event) override {
                auto* menu = qobject_cast<QMenu*>(watched);
                if (menu && event->type() == QEvent::Show) {
                    for (const QAction* action : menu->actions())
                        if (!action->isSeparator()) items << action->text();
                    QTimer::singleShot(0, menu, &QMenu::close);
                }
                return false;
            }
        } spy;
        qApp->installEventFilter(&spy);
        open();
        qApp->removeEventFilter(&spy);
        return spy.items;
    };
    for (const char* name : {"PushButton1", "PushButton6", "PushButton7", "Frame1", "Frame2", "Text1", "Text2"}) {
        SCOPED_TRACE(name);
        auto* control = form.findChild<QWidget*>(QLatin1String(name));
        const bool isBox = qobject_cast<QLineEdit*>(control) != nullptr;
        const QPoint middle = control->rect().center();
        const std::function<void()> ways[] = {
            [&] {
                QContextMenuEvent click(QContextMenuEvent::Mouse, middle, control->mapToGlobal(middle));
                QApplication::sendEvent(control, &click);
            },
            [&] {
                if (control->focusPolicy() != Qt::NoFocus) control->setFocus();
                QTest::keyClick(&form, Qt::Key_F10, Qt::ShiftModifier);
            },
            [&] { QTest::keyClick(control, Qt::Key_Menu); },
        };
        for (const auto& way : ways) {
            // A closed menu leaves no window active here; the window's keys need it active.
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            const QStringList items = shownMenu(way);
            ASSERT_GE(items.size(), family.size());
            EXPECT_EQ(items.mid(items.size() - family.size()), family);
            EXPECT_EQ(items.size() > family.size(), isBox) << items.join(QLatin1Char('|')).toStdString();
        }
    }
    // The numbers have a key of their own, and the routes a word on the screen.
    auto* numbers = form.findChild<QAction*>(QStringLiteral("AncestorNumbers"));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(box(form, "Text2"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(numbers->isChecked());
    for (const char* name : {"Frame1", "Text1"})
        EXPECT_TRUE(form.findChild<QWidget*>(QLatin1String(name))->toolTip().contains(QLatin1String("Ctrl+O"))) << name;
}

// The picker starts on the person "Family Tree For" names, else the first.
TEST_F(Form1FamilyTest, ThePickerStartsOnThePersonTheRootNameNames) {
    const struct {
        const char* root;
        const char* chosen;
    } cases[] = {{"nilsdatter KARI", "Kari Nilsdatter"}, {"@I9@", "Berit Ås"}, {"Halvarsen", "Anna Hansdotter"}};
    for (const auto& c : cases) {
        Form1 form;
        box(form, "Text1")->setText(QString::fromUtf8(c.root));
        pickByTyping(QString()); // Enter at once
        form.openFamilyFile(kPedigree);
        EXPECT_EQ(box(form, "Text1")->text(), QString::fromUtf8(c.chosen)) << c.root;
    }
}

// A file that cannot be read is named with its line; neither it nor a
// cancelled picker changes the window or the store.
TEST_F(Form1FamilyTest, UnreadableFileOrCancelLeavesTheWindowAsItWas) {
    const QString jump = QStringLiteral(GEDCOM_FILES "/level-jump.ged");
    const QString missing = QStringLiteral(GEDCOM_FILES "/missing.ged");
    QTemporaryDir dir;
    const QString longName = dir.filePath(QStringLiteral("long-name.ged"));
    QFile file(longName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME " + QByteArray(40'000, 'a') + "\n0 TRLR\n");
    file.close();
    const struct {
        QString file;
        QString message; // empty: none
    } cases[] = {
        {jump,
         QStringLiteral("The family file cannot be read:\n") + jump + QStringLiteral(":5: level 3 follows level 1")},
        {missing, QStringLiteral("The family file cannot be read:\n") + missing + QStringLiteral(": no such file")},
        {longName,
         QStringLiteral("The family file cannot be read:\n") + longName
             + QStringLiteral(":4: @I1@ %1… has a name of 40000 characters with the years; a box holds "
                              "at most 32751")
                   .arg(QString(40, QLatin1Char('a')))},
        {kPedigree, QString()}, // the picker cancelled with Esc
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        sandbox.messages.clear();
        Form1 form;
        box(form, "Text2")->setText(QStringLiteral("7"));
        if (c.message.isEmpty()) pickByTyping(QStringLiteral("ole"), Qt::Key_Escape);
        if (c.file == longName) pickByTyping(QString());
        form.openFamilyFile(c.file);
        std::vector<QString> messages;
        for (const ShownMessage& m : sandbox.messages.shown()) messages.push_back(m.text);
        EXPECT_EQ(messages, c.message.isEmpty() ? std::vector<QString>() : std::vector<QString>{c.message});
        EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Halvarsen"));
        EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("7"));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Kinloom"));
        EXPECT_FALSE(sandbox.stored("FamilyFile").isValid());
        EXPECT_FALSE(form.boxLabels().any());
    }
}

TEST_F(Form1FamilyTest, TypingARootNameOrLoadingTheSampleGoesBackToBlankCharts) {
    const struct {
        const char* how;
        std::function<void(Form1&)> act;
    } ways[] = {
        {"typing", [](Form1& form) { QTest::keyClicks(box(form, "Text1"), QStringLiteral("x")); }},
        {"sample", [](Form1& form) { form.findChild<QPushButton*>(QStringLiteral("PushButton7"))->click(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        Form1 form;
        chooseOle(form);
        ASSERT_EQ(form.windowTitle(), QStringLiteral("pedigree.ged – Kinloom"));
        // The count is the user's to change; the file stays.
        QTest::keyClicks(box(form, "Text2"), QStringLiteral("3"));
        ASSERT_TRUE(form.boxLabels().any());
        way.act(form);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Kinloom"));
        EXPECT_FALSE(form.boxLabels().any());
        EXPECT_EQ(stored("FamilyFile"), QString());
        EXPECT_EQ(stored("FamilyPerson"), QString());
    }
}

TEST_F(Form1FamilyTest, FileAndPersonAndNumbersComeBackAtTheNextStart) {
    {
        Form1 form;
        chooseOle(form);
        form.findChild<QAction*>(QStringLiteral("AncestorNumbers"))->setChecked(true);
        EXPECT_TRUE(form.boxLabels().withNumbers);
        EXPECT_EQ(stored("AncestorNumbers"), QStringLiteral("1"));
    }
    {
        Form1 restarted;
        ASSERT_TRUE(QTest::qWaitFor([&] { return restarted.familyFile().choice() != nullptr; }, 2000));
        EXPECT_EQ(restarted.windowTitle(), QStringLiteral("pedigree.ged – Kinloom"));
        EXPECT_EQ(box(restarted, "Text1")->text(), QStringLiteral("Ole Hansen"));
        EXPECT_TRUE(restarted.findChild<QAction*>(QStringLiteral("AncestorNumbers"))->isChecked());
        const chart::BoxLabels labels = restarted.boxLabels();
        EXPECT_TRUE(labels.withNumbers);
        EXPECT_EQ(labels.labelByNumber.at(1), QStringLiteral("Ole Hansen (d. aft. 1870)"));
    }
    // A file that has gone away goes back to blank charts without a word.
    sandbox.setStored(QStringLiteral("FamilyFile"), QStringLiteral(GEDCOM_FILES "/gone.ged"));
    Form1 again;
    QApplication::processEvents();
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Kinloom"));
    EXPECT_EQ(again.familyFile().choice(), nullptr);
    EXPECT_TRUE(sandbox.messages.shown().empty());
    EXPECT_EQ(stored("FamilyFile"), QString());
    EXPECT_TRUE(again.boxLabels().withNumbers); // the numbers stay asked for
}

namespace {

// Anna Hansdotter's pedigree from the test file, drawn and saved as a workbook
// of the format the path names, with each box's number, as a person might
// have filled it in.
void saveFilledChart(const QString& path) {
    chart::FilledPedigree filled = chart::readFilledPedigree(kPedigree, QStringLiteral("@I1@"), 0);
    chart::ChartRequest request{filled.personName,
                                chart::generationCountOf(filled.knownGenerations),
                                {true, std::move(filled.labelByNumber)},
                                chart::chartFileTypeOf(path)->format};
    chart::StraightStatements straight;
    chart::DrawnChart drawn = chart::drawChart(request, straight);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(chart::chartFileBytes(*drawn.workbook, *chart::chartFileTypeOf(path)));
}

// The boxes a family file fills for its first person, label by label.
QStringList labelsOf(const QString& familyFile) {
    const gedcom::FamilyTree tree = gedcom::readFamilyTree(familyFile);
    const gedcom::Pedigree pedigree = gedcom::walkPedigree(tree, *tree.personIndex(QStringLiteral("I1")), 15);
    QStringList labels;
    for (const int person : pedigree.personAt)
        labels << (person == gedcom::kNoPerson ? QString() : gedcom::personLabel(tree.person(person)));
    return labels;
}

} // namespace

// The menu item (and its shortcut) or a workbook dropped on the window: the
// chart is read, the family file saved where the user chooses (the root's
// name suggested beside the workbook), the count said, and the new file is
// then the family file in use, with the chart's root, so that Start builds
// the same chart.
TEST_F(Form1FamilyTest, AFilledChartBecomesTheFamilyFileInUse) {
    QTemporaryDir dir;
    const QString workbook = dir.filePath(QStringLiteral("filled in.ods"));
    saveFilledChart(workbook);
    const struct {
        const char* route;
        std::function<void(Form1&, FamilyFileDialogTestSeam&)> run;
    } routes[] = {
        {"Ctrl+G",
         [&](Form1& form, FamilyFileDialogTestSeam& dialogs) {
             dialogs.setNextAnswer(workbook);
             QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
         }},
        {"drop", [&](Form1& form, FamilyFileDialogTestSeam&) { dragAndDrop(&form, workbook); }},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.route);
        sandbox.messages.clear();
        const QString saved = dir.filePath(QStringLiteral("%1.ged").arg(QLatin1String(route.route)));
        SaveFileDialogTestSeam saves;
        saves.setNextAnswer(saved);
        Form1 form;
        showActive(form);
        route.run(form, dialogs);
        ASSERT_TRUE(QTest::qWaitFor([&] { return stored("FamilyFile") == saved; }, 3000));
        ASSERT_EQ(saves.shown().size(), 1u);
        EXPECT_EQ(saves.shown()[0].fileName, dir.filePath(QStringLiteral("Anna Hansdotter.ged")));
        EXPECT_EQ(saves.shown()[0].filter, QStringLiteral("Family Files (*.ged)"));
        ASSERT_EQ(sandbox.messages.shown().size(), 1u);
        EXPECT_EQ(sandbox.messages.shown()[0].text, QStringLiteral("11 people written to %1.").arg(saved));
        EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Anna Hansdotter"));
        EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("4"));
        EXPECT_EQ(form.windowTitle(), QFileInfo(saved).fileName() + QStringLiteral(" – Kinloom"));
        EXPECT_EQ(stored("FamilyPerson"), QStringLiteral("I1"));
        EXPECT_EQ(labelsOf(saved).mid(1, 15), labelsOf(kPedigree).mid(1, 15));
    }
}

// A workbook that holds no chart is said so, and nothing is written or changed.
TEST_F(Form1FamilyTest, AWorkbookWithoutAChartWritesNothing) {
    QTemporaryDir dir;
    const QString workbook = dir.filePath(QStringLiteral("notes.xlsx"));
    QFile file(workbook);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a workbook");
    file.close();
    SaveFileDialogTestSeam saves;
    Form1 form;
    form.familyFileFromFilledChart(workbook);
    EXPECT_TRUE(saves.shown().empty());
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_EQ(sandbox.messages.shown()[0].text,
              QStringLiteral("The chart cannot be read:\n'%1' is not a workbook: Kinloom reads .xls, .xlsx and .ods "
                             "files.")
                  .arg(workbook));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("notes.xlsx")});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kinloom"));
    EXPECT_FALSE(sandbox.stored("FamilyFile").isValid());
}

// What is remembered but cannot be taken up again is forgotten, and the
// window starts with blank charts: a person the file no longer holds, or
// none, quietly; a file that cannot be read, with the reason.
TEST_F(Form1FamilyTest, WhatCannotBeTakenUpAgainIsForgotten) {
    const QString jump = QStringLiteral(GEDCOM_FILES "/level-jump.ged");
    const struct {
        QString file;
        const char* person;
        QString message;
    } cases[] = {
        {kPedigree, "I99", {}},
        {kPedigree, "", {}},
        {jump, "I1",
         QStringLiteral("The family file cannot be read:\n") + jump + QStringLiteral(":5: level 3 follows level 1")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.person);
        sandbox.messages.clear();
        sandbox.setStored(QStringLiteral("FamilyFile"), c.file);
        sandbox.setStored(QStringLiteral("FamilyPerson"), QString::fromLatin1(c.person));
        Form1 form;
        EXPECT_TRUE(QTest::qWaitFor([&] { return stored("FamilyFile").isEmpty(); }, 5000));
        std::vector<QString> messages;
        for (const ShownMessage& m : sandbox.messages.shown()) messages.push_back(m.text);
        EXPECT_EQ(messages, c.message.isEmpty() ? std::vector<QString>() : std::vector<QString>{c.message});
        EXPECT_EQ(form.familyFile().choice(), nullptr);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Kinloom"));
        EXPECT_FALSE(form.boxLabels().any());
        EXPECT_EQ(stored("FamilyFile"), QString());
        EXPECT_EQ(stored("FamilyPerson"), QString());
    }
}

// The window takes a drag of one local file named as a family file or a
// workbook, in any case, and nothing else.
TEST_F(Form1FamilyTest, OnlyOneLocalFamilyFileOrWorkbookIsTakenFromADrag) {
    const struct {
        QList<QUrl> urls;
        bool taken;
    } cases[] = {
        {{QUrl::fromLocalFile(QStringLiteral("/a/tree.ged"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/a/TREE.Ged"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/a/tree.GDZ"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/a/filled in.XLSX"))}, true},
        {{QUrl::fromLocalFile(QStringLiteral("/a/chart.svg"))}, false},
        {{QUrl::fromLocalFile(QStringLiteral("/a/tree.ged.txt"))}, false},
        {{QUrl::fromLocalFile(QStringLiteral("/a/ged"))}, false},
        {{QUrl(QStringLiteral("https://example.org/tree.ged"))}, false},
        {{QUrl::fromLocalFile(QStringLiteral("/a/one.ged")), QUrl::fromLocalFile(QStringLiteral("/a/two.ged"))}, false},
        {{}, false},
    };
    Form1 form;
    for (const auto& c : cases) {
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken)
            << (c.urls.isEmpty() ? "no file" : c.urls.front().toString().toStdString());
    }
}
