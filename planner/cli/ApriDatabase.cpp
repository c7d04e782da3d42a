// The database file named on the command line, opened as the commands need it.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"

namespace Cli {

bool ApriInLettura(Database& db, const QString& file, QTextStream& err) {
    const QFileInfo info(file);
    if (!info.exists()) {
        err << "File inesistente: " << file << '\n';
        return false;
    }
    if (!info.isFile()) {
        err << "Non è un file: " << file << '\n';
        return false;
    }
    db.FileDatabase = info.absoluteFilePath();
    db.UsaCopiaInMemoria(info.absoluteFilePath());
    bool aperto = false;
    try {
        aperto = db.DatabaseApre();
        if (aperto) {
            // On the copy, as the planner would see the file: an older one
            // brought to the tables of today, the guide's types in place.
            db.DataBaseTabelleAggiorna();
            ScriviTipiGuidaDefault(db);
        }
    } catch (const ErroreDatabase&) {
        aperto = false;
    }
    if (!aperto) {
        if (db.Occupato())
            err << "Database occupato da un altro programma: " << file << '\n';
        else
            err << "Il file non è un database leggibile: " << file << '\n';
    }
    return aperto;
}

} // namespace Cli
