#pragma once

#include <QString>

namespace shell {

// Addressing of the stored inputs.
inline constexpr char kSettingsApplication[] = "Brenvik";
inline constexpr char kSettingsSection[] = "Kinloom";

// The per-user store of text values, addressed by application, section and
// key and kept as an INI file named after the application. A value that is
// present but empty reads as the empty text; only a missing value gives the
// default. Both throw core::Error (FileFailed) when the store cannot be read or written.
QString getSetting(const QString& application, const QString& section, const QString& key, const QString& defaultValue);
void saveSetting(const QString& application, const QString& section, const QString& key, const QString& value);
// The same, into the given settings file.
void saveSettingIn(const QString& file, const QString& section, const QString& key, const QString& value);

// Stores a value without waiting for the file, for text typed into a box:
// the value is handed to a writer thread, which puts the latest value of
// each key into the store, so a keystroke costs the same whatever the size
// of the settings file. Write failures are ignored.
void saveSettingLater(const QString& application, const QString& section, const QString& key, const QString& value);

// Waits until every value handed to saveSettingLater is in its store.
// getSetting does this first.
void flushSettings();

// The file holding an application's values.
QString settingsFilePath(const QString& application);

// Tests: keeps the store in the given folder; an empty text goes back to the
// user's configuration folder.
void setSettingsFolder(const QString& folder);

} // namespace shell
