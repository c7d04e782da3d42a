// viandora-cli importa-percorso FILE_DATABASE CODICE_META FILE_PERCORSO: fills
// the empty itinerary of a trip from a route planner's exported route, as
// "&Altri &Pacch." of the stage editor does, and stores it. Writes one line:
// the number of stages and the total kilometres.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "itinerary/Itinerario.h"
#include "model/ValoriTappa.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"

namespace Cli {

int ImportaPercorso(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString database = argomenti.at(0);
    const QString codice = CodiceMeta(argomenti.at(1));
    const QString percorso = argomenti.at(2);
    for (const QString& file : {database, percorso})
        if (!FileDaLeggere(file, err)) return Errore;

    // The file is opened as it is, under any name, and only the trip's
    // stages are written: no table is created or rebuilt.
    const QFileInfo info(database);
    PiattaformaSenzaSchermo piattaforma;
    FormViandora form(piattaforma, info.absolutePath() + u'/');
    form.Db.FileDatabase = info.absoluteFilePath();
    if (!form.Db.DatabaseApre()) {
        err << MessaggioErroreApertura(database, form.Db.CodiceApertura()) << '\n';
        return Errore;
    }
    // What loading the trip writes by the way (the default parameters of a
    // file without them, the guide's marks) is kept only with the stages: a
    // refusal or a failure leaves the file as it was.
    Database::Transazione transazione(form.Db);
    form.Db.RecordSetImpostaDefault();
    form.CaricaComboBox();
    form.ImpostaGriglia(1);
    if (!MostraMeta(form, codice, err)) return Errore;

    piattaforma.Messaggi.clear();
    auto messaggio = [&] {
        return piattaforma.Messaggi.isEmpty() ? QString() : piattaforma.Messaggi.last().testo;
    };
    if (!form.mfgTab.TextMatrix(1, 1).trimmed().isEmpty()) {
        // As the window refuses it, before any file is read.
        form.cmdMapPoint_Click();
        err << messaggio().replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return Errore;
    }
    if (!form.CaricaDaPacchetto(QFileInfo(percorso).absoluteFilePath())) {
        err << messaggio().replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return Errore;
    }
    form.MemorizzaTappeItinerario();
    if (!piattaforma.Messaggi.isEmpty()) {
        err << messaggio().replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return Errore;
    }
    transazione.Conferma();
    qint64 km = 0;
    for (int r = 1; r <= form.Itinerario.NumeroTappe; ++r)
        km += KmCella(form.mfgTab.TextMatrix(r, 3));
    form.Db.Chiudi();
    out << form.Itinerario.NumeroTappe << " tappe, " << km << " km\n";
    return Riuscita;
}

} // namespace Cli
