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

bool ApriDatabase(Database& db, const QString& file, bool soloLettura, QTextStream& err) {
    if (!FileDaLeggere(file, err)) return false;
    const QFileInfo info(file);
    db.FileDatabase = info.absoluteFilePath();
    if (soloLettura) db.UsaCopiaInMemoria(info.absoluteFilePath());
    QString messaggio;
    try {
        if (db.DatabaseApre()) {
            db.DataBaseTabelleAggiorna();
            return true;
        }
        messaggio = MessaggioErroreApertura(file, db.CodiceApertura());
    } catch (const ErroreDatabase& e) {
        messaggio = MessaggioErroreApertura(file, e.Codice()) + QStringLiteral(": ") + e.Messaggio();
    }
    db.Chiudi();
    err << messaggio << '\n';
    return false;
}

bool ApriInLettura(Database& db, const QString& file, QTextStream& err) {
    if (!ApriDatabase(db, file, true, err)) return false;
    // On the copy, as the planner would see the file: the guide's types in
    // place even in a file that has none.
    try {
        ScriviTipiGuidaDefault(db);
    } catch (const ErroreDatabase& e) {
        err << MessaggioErroreApertura(file, e.Codice()) << ": " << e.Messaggio() << '\n';
        return false;
    }
    return true;
}

} // namespace Cli
