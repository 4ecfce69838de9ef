#pragma once

#include <QString>

namespace shell {

// The product's display name: the main window's caption and the source of
// the application title.
inline constexpr char kProductDisplayName[] = "Kinloom";
inline constexpr int kApplicationTitleMaxLength = 40;

// Derives the application title from a display name: while it is longer than
// 40 characters, the last blank and what follows it are dropped; a name
// with no blank left is cut to 40 characters.
void SetApplicationTitle(const QString& displayName = QString::fromLatin1(kProductDisplayName));

// The caption of every message box that names none of its own.
QString applicationTitle();

} // namespace shell
