#include "SettingsStore.h"

#include "core/Error.h"
#include "files/FolderOverride.h"

#include <QSettings>
#include <QStandardPaths>

namespace shell {
namespace {

files::FolderOverride& folderOverride() {
    static files::FolderOverride folder;
    return folder;
}

QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

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
    const QSettings store(settingsFilePath(application), QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The settings store %1 cannot be read."),
                          {store.fileName()});
    const QString path = keyPath(section, key);
    if (!store.contains(path)) return defaultValue;
    return store.value(path).toString();
}

void saveSetting(const QString& application, const QString& section, const QString& key, const QString& value) {
    saveSettingIn(settingsFilePath(application), section, key, value);
}

void saveSettingIn(const QString& file, const QString& section, const QString& key, const QString& value) {
    QSettings store(file, QSettings::IniFormat);
    store.setValue(keyPath(section, key), value);
    store.sync();
    if (store.status() != QSettings::NoError)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The settings store %1 cannot be written."),
                          {store.fileName()});
}

} // namespace shell
