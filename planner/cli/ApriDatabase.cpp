// The files named on the command line: what a command reads must be a
// regular file; the database opened as the commands need it.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "common/FileOrdinario.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"

namespace Cli {

bool FileDaLeggere(const QString& file, QTextStream& err) {
    if (TipoDelPercorso(file) == TipoPercorso::Assente) {
        err << "File inesistente: " << file << '\n';
        return false;
    }
    QString errore;
    if (!ControllaFileDaLeggere(file, &errore)) {
        err << errore << '\n';
        return false;
    }
    return true;
}

bool ApriInLettura(Database& db, const QString& file, QTextStream& err) {
    if (!FileDaLeggere(file, err)) return false;
    const QFileInfo info(file);
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
