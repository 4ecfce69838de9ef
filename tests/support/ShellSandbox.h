#pragma once

// Points the shared module's settings store and application folder at a
// test's own folder, answers every message box without showing it, and
// replaces the web-site draw (never opening) and the browser. A closed
// window's end of the application is undone with it.
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WebSite.h"
#include "tests/support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <vector>

class ShellSandbox {
public:
    ShellSandbox() {
        QDir(m_dir.path()).mkpath(QStringLiteral("app"));
        shell::setSettingsFolder(m_dir.filePath(QStringLiteral("config")));
        shell::setApplicationFolder(m_dir.filePath(QStringLiteral("app")));
        shell::setRandomDraw([] { return 0.5; });
        shell::setUrlOpener([this](const QUrl& url) {
            openedUrls.push_back(url);
            return true;
        });
    }
    ~ShellSandbox() {
        shell::flushSettings();
        shell::setSettingsFolder(QString());
        shell::setApplicationFolder(QString());
        shell::setRandomDraw({});
        shell::setUrlOpener({});
        shell::SetApplicationTitle();
        shell::TrappedHandler::setApplicationEnded(false);
    }

    QString appFile(const QString& name) const { return m_dir.filePath(QStringLiteral("app/") + name); }

    void writeAppFile(const QString& name, const QByteArray& content) const {
        const QString path = appFile(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }

    // The store read and written behind the module's back.
    QString storeFile() const { return m_dir.filePath(QStringLiteral("config/Brenvik.ini")); }
    QVariant stored(const QString& key) const {
        shell::flushSettings();
        return QSettings(storeFile(), QSettings::IniFormat).value(QStringLiteral("Kinloom/") + key);
    }
    void setStored(const QString& key, const QString& value) const {
        shell::flushSettings(); // no value handed over earlier lands after this one
        QSettings(storeFile(), QSettings::IniFormat).setValue(QStringLiteral("Kinloom/") + key, value);
    }

    QString path() const { return m_dir.path(); }

    shell::MessageBoxTestSeam messages;
    std::vector<QUrl> openedUrls;

private:
    QTemporaryDir m_dir;
};
