// A keystroke in the main window's "Family Tree For" box with a settings file
// of 1 and 50 MB (other programs' sections), until the key has been handled.
// The peer is the same text stored as Qt programs commonly do it, with a
// QSettings write and sync at the change.
// Usage: typing_bench [KEYSTROKES]
#include "Median.h"
#include "shell/mainwindow/Form1.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/WebSite.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// A settings file that other programs of the maker filled to about the size.
void fillSettings(const QString& file, qint64 megabytes) {
    QFile ini(file);
    ini.open(QIODevice::WriteOnly);
    const QByteArray line = "value" + QByteArray(90, 'x') + "\n";
    ini.write("[Other]\n");
    for (qint64 i = 0, lines = megabytes * 1024 * 1024 / (line.size() + 8); i < lines; ++i)
        ini.write("k" + QByteArray::number(i) + "=" + line);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int keystrokes = argc > 1 ? std::atoi(argv[1]) : 20;
    shell::setRandomDraw([] { return 0.5; }); // the start opens no browser
    QTextStream out(stdout);
    out << "settings MB   keystroke ms   peer: QSettings written at the change ms   peer/ours   stored after ms\n";
    for (const qint64 megabytes : {1, 50}) {
        QTemporaryDir work;
        shell::setSettingsFolder(work.path());
        shell::setApplicationFolder(work.path());
        const QString file = shell::settingsFilePath(QString::fromLatin1(shell::kSettingsApplication));
        fillSettings(file, megabytes);

        shell::Form1 form;
        QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
        shell::flushSettings();
        std::vector<double> ours;
        QElapsedTimer timer;
        for (int i = 0; i < keystrokes; ++i) {
            timer.start();
            QTest::keyClick(box, static_cast<char>('a' + i % 26));
            ours.push_back(timer.nsecsElapsed() / 1e6);
        }
        timer.start();
        shell::flushSettings();
        const double catchUp = timer.nsecsElapsed() / 1e6;

        std::vector<double> theirs;
        for (int i = 0; i < 3; ++i) {
            timer.start();
            QSettings store(file, QSettings::IniFormat);
            store.setValue(QStringLiteral("Kinloom/Text1"), box->text() + QString::number(i));
            store.sync();
            theirs.push_back(timer.nsecsElapsed() / 1e6);
        }
        out << QStringLiteral("%1   %2   %3   %4x   %5\n")
                   .arg(megabytes, 11)
                   .arg(median(ours), 12, 'f', 3)
                   .arg(median(theirs), 42, 'f', 1)
                   .arg(median(theirs) / median(ours), 9, 'f', 0)
                   .arg(catchUp, 15, 'f', 0);
        out.flush();
    }
    shell::setSettingsFolder(QString());
    shell::setApplicationFolder(QString());
    return 0;
}
