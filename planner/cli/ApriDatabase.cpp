// The files named on the command line: what a command reads must be a
// regular file; the database opened as the commands need it.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "common/FileOrdinario.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"

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
    QString messaggio;
    try {
        if (db.DatabaseApre()) {
            // On the copy, as the planner would see the file: an older one
            // brought to the tables of today, the guide's types in place.
            db.DataBaseTabelleAggiorna();
            ScriviTipiGuidaDefault(db);
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

bool AvviaPlanner(FormViandora& form, const PiattaformaSenzaSchermo& piattaforma, QTextStream& err) {
    if (form.Form_Load()) return true;
    // The start says why in its last message.
    if (!piattaforma.Messaggi.isEmpty()) err << piattaforma.Messaggi.last().testo << '\n';
    return false;
}

} // namespace Cli
