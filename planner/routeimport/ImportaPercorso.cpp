// The route-planner import of the stage editor: the refusal with stages
// present, the file choice and the stages read written into the grid.
#include "model/ColonneGriglie.h"
#include "routeimport/ServizioPercorso.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"

void FormViandora::cmdMapPoint_Click() {
    if (!mfgTab.TextMatrix(1, 1).trimmed().isEmpty()) {
        piattaforma_.MsgBox(RifiutoConTappe(), Msg::OkOnly | Msg::Exclamation, Caption);
        return;
    }
    const QString file =
        piattaforma_.ApriFile(QStringLiteral("Recepisce dati forniti da pacchetti commerciali"),
                              QStringLiteral("File Excel salvato in modalità testo (*.TXT *.txt)"));
    if (file.isEmpty()) return;
    frmInputBox.Enabled = false;
    try {
        CaricaDaPacchetto(file);
    } catch (...) {
        frmInputBox.Enabled = true;
        throw;
    }
    frmInputBox.Enabled = true;
}

bool FormViandora::CaricaDaPacchetto(const QString& file) {
    const PercorsoLetto percorso = LeggiFilePercorso(file);
    if (!percorso.Errore.isEmpty()) {
        piattaforma_.MsgBox(percorso.Errore,
                            Msg::OkOnly | (percorso.Critico ? Msg::Critical : Msg::Exclamation),
                            QStringLiteral("Import da pacchetti commerciali"));
        return false;
    }

    // The itinerary is empty: the route fills it from its first row.
    Griglia& g = mfgTab;
    Itinerario.RigaCorrente = 1;
    for (const QStringList& celle : percorso.Celle) {
        const int r = Itinerario.RigaCorrente;
        if (r >= g.Rows()) g.SetRows(r + 5);
        for (int c = 0; c <= TappaTipoStrada; ++c)
            g.SetTextMatrix(r, c, celle.at(c));
        g.SetTextMatrix(r, TappaSosta, celle.at(5));
        ++Itinerario.RigaCorrente;
        if (Itinerario.RigaCorrente > g.Rows() - 2) g.SetRows(Itinerario.RigaCorrente + 5);
    }
    // The route shows from its start, its first stage chosen.
    Itinerario.RigaCorrente = 1;
    g.TopRow = 1;
    g.Modificata();

    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
    ComandiMeta = QStringLiteral("ZZ");
    ComandiItinerario = QStringLiteral("all");
    AbilitaPulsantiComando();
    return true;
}
