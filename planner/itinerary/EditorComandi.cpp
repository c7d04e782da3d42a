// Opening the stage editor, storing its stage list and leaving it.
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"

namespace {
// The stage grid beside the entry panel, and across the window without it.
constexpr int LarghezzaGrigliaEditor = 7950;
constexpr int LarghezzaGrigliaIntera = 11592;
} // namespace

void FormViandora::cmdItinerario_Click() {
    AttivaFormMeta(true);
    Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Ricalcola;
    AttivitaInserimentoItinerario();
}

void FormViandora::AbilitaComandiTappe() {
    cmdCerca.Enabled = cmdCerca.Enabled && Itinerario.NumeroTappe > 1;
    // An import goes only into an empty or one-stage itinerary.
    cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
}

void FormViandora::AttivitaInserimentoItinerario() {
    Itinerario.Calcola = StatoItinerario::ComandoCalcola::Calcola;
    cmdCalcola.Caption = QStringLiteral("&Calcola");
    if (Itinerario.TabellaCalcolata) RicomponiTabellaMfgTab();
    AggiornaNumeroRiga();
    ComandiMeta = QStringLiteral("zz");
    ComandiItinerario = QStringLiteral("all");
    AbilitaPulsantiComando();
    if (Itinerario.AttivitaCorrente != StatoItinerario::Attivita::Ricalcola) return;
    frmInputBox.Visible = true;
    mfgTab.Width = LarghezzaGrigliaEditor;
    cmbRicercaTappa.Visible = false;
    cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
    Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Nessuna;
    AggiornaCasellaProgressivo();
    ImpostaDefault(cmdFine);
    SetFocus(txtTappa);
}

void FormViandora::cmdMemorizza_Click() {
    const QString titolo = QStringLiteral("Salvataggio itinerario");
    const int risposta = piattaforma_.MsgBox(QStringLiteral("Vuoi salvare l'itinerario?"),
                                             Msg::YesNoCancel | Msg::Question, titolo);
    if (risposta == Msg::Yes) {
        MemorizzaTappeItinerario();
        ComandiMeta = QStringLiteral("ZZ");
        ComandiItinerario = QStringLiteral("all");
        AbilitaPulsantiComando();
        ImpostaDefault(cmdFine);
    } else if (risposta == Msg::No) {
        if (piattaforma_.MsgBox(QStringLiteral("Vuoi recuperare l'itinerario originale?"),
                                Msg::YesNo | Msg::Question, titolo) != Msg::Yes)
            return;
        CaricaDatiAnagraficiMeta();
        CaricaTappeItinerario();
        AggiornaNumeroRiga();
        AggiornaCasellaProgressivo();
    }
}

void FormViandora::cmdFine_Click() {
    // With the locality list or the trip list open, the key closes them and
    // the editor stays.
    if (cmbRicercaTappa.Visible || frmLista.Visible) {
        cmbRicercaTappa.Visible = false;
        frmLista.Visible = false;
        mfgCopia.Visible = false;
        frmPercorso.Visible = false;
        mfgTab.Enabled = true;
        frmBottoni.Enabled = true;
        frmInputBox.Enabled = true;
        ComandiItinerario = QStringLiteral("all");
        AbilitaPulsantiComando();
        ImpostaDefault(cmdFine);
        return;
    }
    const int risposta =
        piattaforma_.MsgBox(QStringLiteral("Hai chiesto di uscire dalla funzione 'Itinerari':\r\n\r\n"
                                           "Vuoi salvare le eventuali modifiche?"),
                            Msg::YesNoCancel | Msg::Question, QStringLiteral("Fine inserimento"));
    if (risposta != Msg::Yes && risposta != Msg::No) return;
    // A store refused (no trip code, too many records) keeps the editor and
    // every change on screen.
    if (risposta == Msg::Yes && !MemorizzaTappeItinerario()) return;
    // Reloaded either way: what is left on screen is what is stored.
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
    AggiornaNumeroRiga();
    mfgTab.Width = LarghezzaGrigliaIntera;
    frmInputBox.Visible = false;
    chkProgressivo.Visible = false;
    chkProgressivo.Value = false;
    ComandiMeta = QStringLiteral("all");
    ComandiItinerario = QStringLiteral("zz");
    AbilitaPulsantiComando();
}
