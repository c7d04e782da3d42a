#include "routeimport/ControllorePercorso.h"

#include "model/ColonneGriglie.h"
#include "routeimport/ServizioPercorso.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"

ControllorePercorso::ControllorePercorso(FinestraComune& finestra) : finestra_(finestra) {}

void ControllorePercorso::CollegaEventi() {
    finestra_.SuClick(QStringLiteral("cmdMapPoint"), [this] { cmdMapPoint_Click(); });
}

void ControllorePercorso::cmdMapPoint_Click() {
    Piattaforma& sistema = finestra_.Sistema();
    if (!finestra_.GrigliaPrincipale().TextMatrix(1, 1).trimmed().isEmpty()) {
        sistema.MsgBox(RifiutoConTappe(), Msg::OkOnly | Msg::Exclamation, finestra_.Titolo());
        return;
    }
    const QString file =
        sistema.ApriFile(QStringLiteral("Recepisce dati forniti da pacchetti commerciali"),
                         QStringLiteral("File Excel salvato in modalità testo (*.TXT *.txt)"));
    if (file.isEmpty()) return;
    finestra_.BloccaEditor(true);
    try {
        CaricaDaPacchetto(file);
    } catch (...) {
        finestra_.BloccaEditor(false);
        throw;
    }
    finestra_.BloccaEditor(false);
}

bool ControllorePercorso::CaricaDaPacchetto(const QString& file) {
    const PercorsoLetto percorso = LeggiFilePercorso(file);
    if (!percorso.Errore.isEmpty()) {
        finestra_.Sistema().MsgBox(percorso.Errore,
                                   Msg::OkOnly | (percorso.Critico ? Msg::Critical : Msg::Exclamation),
                                   QStringLiteral("Import da pacchetti commerciali"));
        return false;
    }

    // The itinerary is empty: the route fills it from its first row.
    Griglia& g = finestra_.GrigliaPrincipale();
    StatoItinerario& itinerario = finestra_.StatoGriglia();
    itinerario.RigaCorrente = 1;
    for (const QStringList& celle : percorso.Celle) {
        const int r = itinerario.RigaCorrente;
        if (r >= g.Rows()) g.SetRows(r + 5);
        for (int c = 0; c <= TappaTipoStrada; ++c)
            g.SetTextMatrix(r, c, celle.at(c));
        g.SetTextMatrix(r, TappaSosta, celle.at(5));
        ++itinerario.RigaCorrente;
        if (itinerario.RigaCorrente > g.Rows() - 2) g.SetRows(itinerario.RigaCorrente + 5);
    }
    // The route shows from its start, its first stage chosen.
    itinerario.RigaCorrente = 1;
    g.TopRow = 1;
    g.Modificata();

    finestra_.TappeCambiate();
    finestra_.OffriComandi(QStringLiteral("ZZ"), QStringLiteral("all"));
    return true;
}
