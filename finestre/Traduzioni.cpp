#include "finestre/Traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CaricaTraduzioniQt(QCoreApplication& applicazione) {
    // Italian whatever the system's language: every text of the programs is.
    auto* traduttore = new QTranslator(&applicazione);
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    QCoreApplication::installTranslator(traduttore);
    return true;
}
