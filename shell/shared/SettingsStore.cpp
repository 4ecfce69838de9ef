#include "SettingsStore.h"

#include "core/Error.h"
#include "files/FileReplacement.h"
#include "files/FolderOverride.h"
#include "files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace shell {
namespace {

files::FolderOverride& folderOverride() {
    static files::FolderOverride folder;
    return folder;
}

QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

// Larger than any store of a few inputs, small enough to read at once: a
// store of 500 MB would take three times as much memory.
constexpr qint64 kMaxStoreBytes = 64 * 1024 * 1024;

// The store's bytes, read as every file the user may replace is read: only
// a regular file (a named pipe or a device in its place is refused at
// once), and only up to the bound. None while there is no store.
QByteArray storedBytes(const QString& file, const char* failure) {
    if (!QFileInfo::exists(file)) return {};
    try {
        return files::readWholeFile(file, kMaxStoreBytes);
    } catch (const core::Error&) {
        throw core::Error(core::ErrorKind::FileFailed, failure, {file});
    }
}

// Qt reads and writes the INI format, here on a copy of the store's bytes in
// a folder of the user's alone: Qt's own file handling would open a named
// pipe and wait on it, read any size, and write through a link to a device.
class StoreCopy {
public:
    StoreCopy(const QByteArray& bytes, const QString& file, const char* failure) : m_file(file), m_failure(failure) {
        QFile copy(m_folder.filePath(QStringLiteral("store.ini")));
        if (!m_folder.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size()
            || !copy.flush())
            fail();
        copy.close();
        m_settings.emplace(copy.fileName(), QSettings::IniFormat);
        if (m_settings->status() != QSettings::NoError) fail();
    }

    QSettings& settings() { return *m_settings; }

    // The copy's bytes with what was set in it.
    QByteArray bytes() {
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError) fail();
        QFile copy(m_settings->fileName());
        if (!copy.open(QIODevice::ReadOnly)) fail();
        return copy.readAll();
    }

private:
    [[noreturn]] void fail() const { throw core::Error(core::ErrorKind::FileFailed, m_failure, {m_file}); }

    QString m_file;
    const char* m_failure;
    QTemporaryDir m_folder;
    std::optional<QSettings> m_settings;
};

} // namespace

QString settingsFilePath(const QString& application) {
    const QString folder =
        folderOverride().folderOr(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return folder + QLatin1Char('/') + application + QStringLiteral(".ini");
}

void setSettingsFolder(const QString& folder) { folderOverride().set(folder); }

QString getSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    flushSettings();
    const QString file = settingsFilePath(application);
    const char* const cannotRead = QT_TRANSLATE_NOOP("core::Error", "The settings store %1 cannot be read.");
    StoreCopy copy(storedBytes(file, cannotRead), file, cannotRead);
    const QString path = keyPath(section, key);
    if (!copy.settings().contains(path)) return defaultValue;
    return copy.settings().value(path).toString();
}

void saveSetting(const QString& application, const QString& section, const QString& key, const QString& value) {
    saveSettingIn(settingsFilePath(application), section, key, value);
}

// The store is written whole, as every save is: beside it and put in its
// place, and only over a regular file, so that a link to a device or a
// named pipe never has the store written through to it.
void saveSettingIn(const QString& file, const QString& section, const QString& key, const QString& value) {
    const char* const cannotWrite = QT_TRANSLATE_NOOP("core::Error", "The settings store %1 cannot be written.");
    StoreCopy copy(storedBytes(file, cannotWrite), file, cannotWrite);
    copy.settings().setValue(keyPath(section, key), value);
    const QByteArray bytes = copy.bytes();
    QDir().mkpath(QFileInfo(file).absolutePath());
    try {
        files::replaceFile(file, bytes);
    } catch (const core::Error&) {
        throw core::Error(core::ErrorKind::FileFailed, cannotWrite, {file});
    }
}

} // namespace shell
