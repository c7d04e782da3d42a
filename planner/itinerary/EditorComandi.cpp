// Opening the stage editor, storing its stage list and leaving it.
#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"

namespace {
// The stage grid beside the entry panel, and across the window without it.
constexpr int LarghezzaGrigliaEditor = 7950;
constexpr int LarghezzaGrigliaIntera = 11592;
} // namespace

void ControlloreItinerario::cmdItinerario_Click() {
    meta_.AttivaFormMeta(true);
    Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Ricalcola;
    AttivitaInserimentoItinerario();
}

void ControlloreItinerario::AttivitaInserimentoItinerario() {
    Itinerario.Calcola = StatoItinerario::ComandoCalcola::Calcola;
    cmdCalcola.Caption = QStringLiteral("&Calcola");
    if (Itinerario.TabellaCalcolata) RicomponiTabellaMfgTab();
    AggiornaNumeroRiga();
    f_.OffriComandi(QStringLiteral("zz"), QStringLiteral("all"));
    if (Itinerario.AttivitaCorrente != StatoItinerario::Attivita::Ricalcola) return;
    ui.frmInputBox.Visible = true;
    mfgTab.Width = LarghezzaGrigliaEditor;
    ui.cmbRicercaTappa.Visible = false;
    ui.cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
    Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Nessuna;
    AggiornaCasellaProgressivo();
    f_.ImpostaDefault(ui.cmdFine);
    f_.SetFocus(ui.txtTappa);
}

void ControlloreItinerario::cmdMemorizza_Click() {
    const QString titolo = QStringLiteral("Salvataggio itinerario");
    const int risposta = f_.Sistema().MsgBox(QStringLiteral("Vuoi salvare l'itinerario?"),
                                             Msg::YesNoCancel | Msg::Question, titolo);
    if (risposta == Msg::Yes) {
        MemorizzaTappeItinerario();
        f_.OffriComandi(QStringLiteral("ZZ"), QStringLiteral("all"));
        f_.ImpostaDefault(ui.cmdFine);
    } else if (risposta == Msg::No) {
        if (f_.Sistema().MsgBox(QStringLiteral("Vuoi recuperare l'itinerario originale?"),
                                Msg::YesNo | Msg::Question, titolo) != Msg::Yes)
            return;
        meta_.CaricaDatiAnagraficiMeta();
        CaricaTappeItinerario();
        AggiornaNumeroRiga();
        AggiornaCasellaProgressivo();
    }
}

void ControlloreItinerario::cmdFine_Click() {
    // With the locality list or the trip list open, the key closes them and
    // the editor stays.
    if (ui.cmbRicercaTappa.Visible || ui.frmLista.Visible) {
        ui.cmbRicercaTappa.Visible = false;
        ui.frmLista.Visible = false;
        ui.mfgCopia.Visible = false;
        ui.frmPercorso.Visible = false;
        mfgTab.Enabled = true;
        frmBottoni.Enabled = true;
        ui.frmInputBox.Enabled = true;
        f_.OffriComandi(f_.ComandiOfferti(), QStringLiteral("all"));
        f_.ImpostaDefault(ui.cmdFine);
        return;
    }
    const int risposta =
        f_.Sistema().MsgBox(QStringLiteral("Hai chiesto di uscire dalla funzione 'Itinerari':\r\n\r\n"
                                           "Vuoi salvare le eventuali modifiche?"),
                            Msg::YesNoCancel | Msg::Question, QStringLiteral("Fine inserimento"));
    if (risposta != Msg::Yes && risposta != Msg::No) return;
    // A store refused (no trip code, too many records) keeps the editor and
    // every change on screen.
    if (risposta == Msg::Yes && !MemorizzaTappeItinerario()) return;
    // Reloaded either way: what is left on screen is what is stored.
    meta_.CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
    AggiornaNumeroRiga();
    mfgTab.Width = LarghezzaGrigliaIntera;
    ui.frmInputBox.Visible = false;
    ui.chkProgressivo.Visible = false;
    ui.chkProgressivo.Value = false;
    f_.OffriComandi(QStringLiteral("all"), QStringLiteral("zz"));
}
