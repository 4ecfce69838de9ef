#include "app/Translations.h"

#include "files/Error.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication& application) {
    // Failures carry their texts as written; they are worded here, when shown.
    files::Error::setWording([](const char* text) { return QCoreApplication::translate("files::Error", text); });
    const QLocale language = QLocale::system();
    // Kinloom's are built into the program; Qt's come with Qt.
    auto* own = new QTranslator(&application);
    if (own->load(language, QStringLiteral("kinloom"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    auto* qt = new QTranslator(&application);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
