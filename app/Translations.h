#pragma once

class QCoreApplication;

// Installs the translations of the user's language, as the locale names it
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as the C library reads them): Kinloom's
// own and Qt's (the buttons of its dialogs) in the same language. Under an
// English or C locale nothing is installed and every text stays as written.
// Call once, after the application object is made and before any window or
// text is.
void installTranslations(QCoreApplication& application);
