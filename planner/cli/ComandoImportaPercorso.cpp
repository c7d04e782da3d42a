// viandora-cli importa-percorso FILE_DATABASE CODICE_META FILE_PERCORSO: fills
// the empty itinerary of a trip from a route planner's exported route, as
// "&Altri &Pacch." of the stage editor does, and stores it. Writes one line:
// the number of stages and the total kilometres.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "database/Database.h"
#include "routeimport/ServizioPercorso.h"

namespace Cli {

int ImportaPercorso(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString database = argomenti.at(0);
    const QString codice = CodiceMeta(argomenti.at(1));
    const QString percorso = argomenti.at(2);
    for (const QString& file : {database, percorso})
        if (!FileDaLeggere(file, err)) return Errore;
    // The file is opened as it is, under any name, and only the trip's
    // stages are written: no table is created or rebuilt, and a refusal or a
    // failure leaves it as it was.
    Database db;
    db.FileDatabase = QFileInfo(database).absoluteFilePath();
    if (!db.DatabaseApre()) {
        err << MessaggioErroreApertura(database, db.CodiceApertura()) << '\n';
        return Errore;
    }
    const EsitoImportaPercorso esito = ::ImportaPercorso(db, codice, percorso);
    db.Chiudi();
    if (!esito.Errore.isEmpty()) {
        err << QString(esito.Errore).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return Errore;
    }
    out << esito.Tappe << " tappe, " << esito.Km << " km\n";
    return Riuscita;
}

} // namespace Cli
