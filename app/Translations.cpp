#include "app/Translations.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <limits>

namespace {

// Qt's own texts that Kinloom's windows and --help show, translated with
// Kinloom's for a language Qt comes without (Norwegian Bokmål): the buttons
// of message boxes and of the person picker, and the command line's help.
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// The locale messages are shown in, as the C library picks it: a C or POSIX
// locale shows them as written, whatever LANGUAGE asks for (a script that
// sets LC_ALL=C gets the output it parses).
bool messagesAsWritten() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty()) continue;
        return value == "C" || value.startsWith("C.") || value == "POSIX";
    }
    return true;
}

bool install(QCoreApplication& application, const QLocale& language, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(language, name, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void installTranslations(QCoreApplication& application) {
    // Failures carry their texts as written; they are worded here, when shown.
    core::Error::setWording([](const char* text, qint64 count) {
        const int shown = count < 0 ? -1 : static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
        return QCoreApplication::translate("core::Error", text, nullptr, shown);
    });
    // English, as written, takes from Kinloom's translations only the forms
    // a count takes ("1 person"), in every locale, C included.
    install(application, QLocale(QLocale::English), QStringLiteral("kinloom"), QStringLiteral(":/translations"));
    if (messagesAsWritten()) return;
    // Kinloom's are built into the program; the language it speaks is the
    // one Qt's own texts follow, so that no window mixes two.
    auto* own = new QTranslator(&application);
    if (!own->load(QLocale::system(), QStringLiteral("kinloom"), QStringLiteral("_"), QStringLiteral(":/translations"))
        || QLocale(own->language()).language() == QLocale::English) {
        delete own;
        return;
    }
    const QLocale spoken(own->language());
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt has no Bokmål; its Nynorsk is the nearest for what Kinloom does not
    // carry itself (the file and print dialogs).
    if (!install(application, spoken, QStringLiteral("qtbase"), qtFolder)
        && spoken.language() == QLocale::NorwegianBokmal)
        install(application, QLocale(QLocale::NorwegianNynorsk), QStringLiteral("qtbase"), qtFolder);
    // Installed last, Kinloom's are looked up first, Qt's texts it carries included.
    QCoreApplication::installTranslator(own);
}
