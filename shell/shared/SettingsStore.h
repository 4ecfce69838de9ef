#pragma once

#include <QString>

namespace shell {

// Addressing of the stored inputs.
inline constexpr char SettingsApplication[] = "Brenvik";
inline constexpr char SettingsSection[] = "Kinloom";

// The per-user store of text values, addressed by application, section and
// key and kept as an INI file named after the application. A value that is
// present but empty reads as the empty text; only a missing value gives the
// default. Both throw Failure when the store cannot be read or written.
QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);

// The file holding an application's values.
QString SettingsFilePath(const QString& application);

// Tests: keeps the store in the given folder; an empty text goes back to the
// user's configuration folder.
void setSettingsFolder(const QString& folder);

} // namespace shell
