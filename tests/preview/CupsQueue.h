#pragma once

// A CUPS print queue of a test's own: cupsd started on a socket in a
// temporary folder, with its configuration, spool and logs there, and one
// cups-pdf printer. cups-pdf itself writes where the system's cups-pdf.conf
// says (for Debian, ~/PDF of the user printing); finish() fetches the file
// of a job by its title from there into the queue's folder.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class CupsQueue {
public:
    static constexpr const char* kPrinter = "kinloom-test";

    CupsQueue() {
        if (::geteuid() != 0) {
            m_whyNot = QStringLiteral("cups-pdf writes only for a cupsd that runs as root");
            return;
        }
        for (const char* needed : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/lib/cups/backend/cups-pdf",
                                   "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"})
            if (!QFile::exists(QString::fromLatin1(needed))) {
                m_whyNot = QStringLiteral("%1 is not installed (cups, printer-driver-cups-pdf)").arg(needed);
                return;
            }
        // The filters run as the lp user, which must reach the spool through this folder.
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
        for (const char* folder : {"spool/tmp", "cache", "state"})
            QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
        const QString root = m_dir.path();
        write(QStringLiteral("cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel info\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                  .arg(socket()));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                             "StateDir %1/state\nErrorLog %1/error_log\nAccessLog %1/access_log\n"
                             "PageLog %1/page_log\nPrintcap %1/printcap\nUser lp\nGroup lp\nSystemGroup root\n")
                  .arg(root));
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                       QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket()) && m_cupsd.state() != QProcess::NotRunning && waited.elapsed() < 15000)
            QThread::msleep(50);
        if (!QFile::exists(socket())) {
            m_whyNot =
                QStringLiteral("cupsd did not start: %1 %2").arg(QString::fromLocal8Bit(m_cupsd.readAll()), log());
            return;
        }
        QProcess lpadmin;
        lpadmin.setProcessEnvironment(environment());
        lpadmin.setProcessChannelMode(QProcess::MergedChannels);
        lpadmin.start(QStringLiteral("/usr/sbin/lpadmin"),
                      {QStringLiteral("-p"), QString::fromLatin1(kPrinter), QStringLiteral("-E"), QStringLiteral("-v"),
                       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                       QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
        if (!lpadmin.waitForFinished(30000) || lpadmin.exitCode() != 0)
            m_whyNot =
                QStringLiteral("lpadmin could not add the printer: %1").arg(QString::fromLocal8Bit(lpadmin.readAll()));
    }

    ~CupsQueue() {
        // cups-pdf makes its folder for the first file; an empty one it made for us goes again.
        if (!m_outputExisted) QDir().rmdir(outputFolder());
        if (m_cupsd.state() == QProcess::NotRunning) return;
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }

    // Empty when the queue takes jobs; else why it cannot.
    const QString& whyNot() const { return m_whyNot; }
    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }

    // The PDF cups-pdf made of the job of that title, moved into the queue's
    // folder; empty when none came within the time.
    QString finish(const QString& jobTitle, int waitMilliseconds = 60000) {
        const QDir out(outputFolder());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < waitMilliseconds) {
            for (const QString& name : out.entryList({jobTitle + QStringLiteral("*.pdf")}, QDir::Files)) {
                const QString moved = m_dir.filePath(name);
                QThread::msleep(500); // cups-pdf names the file when it is complete; let it close it
                if (QFile::rename(out.filePath(name), moved)) return moved;
            }
            QThread::msleep(200);
        }
        return {};
    }

    QString log() const {
        QFile file(m_dir.filePath(QStringLiteral("error_log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(2000)) : QString();
    }

private:
    void write(const QString& name, const QString& text) const {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toLocal8Bit());
    }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket());
        return env;
    }
    // Where the system's cups-pdf puts the files of this user ("Out").
    static QString outputFolder() {
        QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
        QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
        if (conf.open(QIODevice::ReadOnly))
            for (const QByteArray& line : conf.readAll().split('\n'))
                if (line.startsWith("Out ")) out = QString::fromLocal8Bit(line.mid(4).trimmed());
        const passwd* user = ::getpwuid(::geteuid());
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user ? user->pw_dir : ""));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user ? user->pw_name : ""));
        return out;
    }

    QTemporaryDir m_dir;
    bool m_outputExisted = QFileInfo::exists(outputFolder());
    QProcess m_cupsd;
    QString m_whyNot;
};
