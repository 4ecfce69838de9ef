// The person picker with a family file of 100,000 people (names with
// diacritics, birth and death dates, about 20 MB): from the file chosen
// until the list shows (read off the window thread, picker made and drawn),
// and each keystroke of "hansen ole" until the list shows its matches.
// The peer is the picker a Qt program commonly makes: the same people in a
// QStandardItemModel behind a QSortFilterProxyModel filtering by a regular
// expression (the words in any order, case ignored), in the same view.
// Usage: picker_bench [RUNS]
#include "Median.h"
#include "shell/family/FamilyFileReading.h"
#include "shell/family/PersonPicker.h"

#include "gedcom/LifeYears.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPeople = 100'000;
const QString kTyped = QStringLiteral("hansen ole");

// Person i's parents are 2i and 2i + 1, as the GEDCOM benchmark's file.
void writeFamilyFile(const QString& path) {
    const char* const given[] = {"Åse", "Bjørn", "Søren", "Märta", "Jürgen", "Ole", "François", "Dóra", "Łucja"};
    const char* const surnames[] = {"Ødegård", "Hansdotter", "Müller", "Šimková", "Hansen", "Nuñez", "Lefèvre"};
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray text = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    for (int i = 1; i <= kPeople; ++i) {
        const int born = 2000 - 25 * (32 - __builtin_clz(i)) - i % 13;
        text +=
            QStringLiteral("0 @I%1@ INDI\n1 NAME %2 %3 /%4/\n1 BIRT\n2 DATE %5 MAR %6\n2 PLAC Vågå, Oppland, Norge\n"
                           "1 DEAT\n2 DATE ABT %7\n")
                .arg(i)
                .arg(QString::fromUtf8(given[i % 9]), QString::fromUtf8(given[(i * 7) % 9]),
                     QString::fromUtf8(surnames[(i / 2) % 7]))
                .arg(1 + i % 28)
                .arg(born)
                .arg(born + 40 + i % 50)
                .toUtf8();
        if (2 * i + 1 <= kPeople) text += "1 FAMC @F" + QByteArray::number(i) + "@\n";
        if (text.size() > (1 << 20)) file.write(text), text.clear();
    }
    for (int i = 1; 2 * i + 1 <= kPeople; ++i)
        text += "0 @F" + QByteArray::number(i) + "@ FAM\n1 HUSB @I" + QByteArray::number(2 * i) + "@\n1 WIFE @I"
            + QByteArray::number(2 * i + 1) + "@\n";
    file.write(text + "0 TRLR\n");
}

void showAndDraw(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.grab(); // drawn, as on the screen
}

// The peer's picker: every person an item, filtered by a regular expression.
class PeerPicker : public QWidget {
public:
    explicit PeerPicker(const gedcom::FamilyTree& tree) {
        model.setColumnCount(3);
        const int count = tree.personCount();
        for (int i = 0; i < count; ++i) {
            const gedcom::Person& person = tree.person(i);
            model.appendRow({new QStandardItem(person.name), new QStandardItem(gedcom::lifeYears(person)),
                             new QStandardItem(QStringLiteral("@%1@").arg(person.id))});
        }
        proxy.setSourceModel(&model);
        proxy.setFilterKeyColumn(0);
        view.setParent(this);
        view.setModel(&proxy);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setVisible(false);
        resize(620, 460);
        view.resize(size());
    }
    void filter(const QString& typed) {
        QString pattern;
        for (const QString& word : typed.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            pattern += QStringLiteral("(?=.*\\b%1)").arg(QRegularExpression::escape(word));
        proxy.setFilterRegularExpression(QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption));
        if (proxy.rowCount() > 0) view.selectRow(0);
    }

    QStandardItemModel model;
    QSortFilterProxyModel proxy;
    QTableView view;
};

// Seconds from the file chosen to the list shown, and milliseconds for each
// keystroke, ours and the peer's.
struct Timings {
    std::vector<double> ours, theirs;
    std::vector<double> keystrokes, peerKeystrokes;
};

// Our picker: the file read on its own thread, the list shown, then typed into.
gedcom::FamilyTree timeOurs(const QString& path, QTextStream& out, Timings& t) {
    QElapsedTimer timer;
    timer.start();
    shell::FamilyFileReading reading(path);
    reading.start();
    reading.waitShowingProgress(nullptr);
    gedcom::FamilyTree tree = reading.takeTree();
    const double read = timer.nsecsElapsed() / 1e9;
    shell::PersonPicker picker(tree, 0, QStringLiteral("people.ged"));
    showAndDraw(picker);
    t.ours.push_back(timer.nsecsElapsed() / 1e9);
    if (qEnvironmentVariableIsSet("PICKER_BENCH_PARTS"))
        out << "read " << read << " s, shown " << t.ours.back() << " s\n";
    auto* filter = picker.findChild<QLineEdit*>(QStringLiteral("Filter"));
    for (const QChar c : kTyped) {
        timer.start();
        QTest::keyClick(filter, c.toLatin1());
        QApplication::processEvents();
        picker.grab();
        t.keystrokes.push_back(timer.nsecsElapsed() / 1e6);
    }
    t.theirs.push_back(read); // the peer lists the same tree, read as ours was
    return tree;
}

// The peer's list of the same tree, filtered by the text typed so far.
void timePeer(const gedcom::FamilyTree& tree, Timings& t) {
    QElapsedTimer timer;
    timer.start();
    PeerPicker peer(tree);
    showAndDraw(peer);
    t.theirs.back() += timer.nsecsElapsed() / 1e9;
    QString typed;
    for (const QChar c : kTyped) {
        typed += c;
        timer.start();
        peer.filter(typed);
        QApplication::processEvents();
        peer.grab();
        t.peerKeystrokes.push_back(timer.nsecsElapsed() / 1e6);
    }
}

void printTimings(QTextStream& out, const Timings& t) {
    const auto largest = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    out << "                              ours   peer: QSortFilterProxyModel   peer/ours\n";
    out << QStringLiteral("file chosen to list shown s   %1   %2   %3x\n")
               .arg(median(t.ours), 4, 'f', 3)
               .arg(median(t.theirs), 27, 'f', 3)
               .arg(median(t.theirs) / median(t.ours), 9, 'f', 2);
    out << QStringLiteral("keystroke, median ms          %1   %2   %3x\n")
               .arg(median(t.keystrokes), 4, 'f', 1)
               .arg(median(t.peerKeystrokes), 27, 'f', 1)
               .arg(median(t.peerKeystrokes) / median(t.keystrokes), 9, 'f', 1);
    out << QStringLiteral("keystroke, slowest ms         %1   %2   %3x\n")
               .arg(largest(t.keystrokes), 4, 'f', 1)
               .arg(largest(t.peerKeystrokes), 27, 'f', 1)
               .arg(largest(t.peerKeystrokes) / largest(t.keystrokes), 9, 'f', 1);
    out << "targets: the list within 1 s of the file chosen, each keystroke within 50 ms\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // the platform's notes
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("people.ged"));
    writeFamilyFile(path);
    QTextStream out(stdout);
    out << kPeople << " people, " << QString::number(QFileInfo(path).size() / 1e6, 'f', 1) << " MB\n";
    Timings timings;
    for (int run = 0; run < runs; ++run) timePeer(timeOurs(path, out, timings), timings);
    printTimings(out, timings);
    return 0;
}
