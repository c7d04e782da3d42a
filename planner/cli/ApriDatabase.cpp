// The database file named on the command line, opened as the commands need it.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"

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
