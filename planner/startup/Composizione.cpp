// The window module put together: every subsystem's state, the controls and
// the events. The one place that knows all the subsystems' headers.
#include "conversion/ControlloreConversione.h"
#include "exchange/ControlloreScambio.h"
#include "guide/ControlloreGuida.h"
#include "itinerary/CopiaTratto.h"
#include "journey/ControlloreRiepilogo.h"
#include "printing/Stampa.h"
#include "routeimport/ControllorePercorso.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

struct FormViandora::StatiSottosistemi {
    // The controllers keep the window and its controls by reference, used
    // only once the form is built.
    explicit StatiSottosistemi(FormViandora& f)
        : Guida(f, f.frmGuida, f.cmbGTipo, f.cmbGH, f.cmbGM),
          Stampa(f, PannelliStampa{f.frmStampa, f.frmSelStampa, f.frmGuidaStampa, f.frmStampaInCorso,
                                   f.frmGuida, f.frmBottoni, f.lblElaborazione, f.lblStampaInCorso}),
          Conversione(f, f.cmdConverte), Scambio(f, f.frmExport), Percorso(f),
          RiepilogoCosti(f, f.lblPrenotazioni, f.txtBase) {}
    StatoMeta Meta;
    StatoItinerario Itinerario;
    ControlloreGuida Guida;
    StatoCopiaTratto CopiaTratto;
    StatoTabellaDiMarcia TabellaDiMarcia;
    ControlloreStampa Stampa;
    ControlloreConversione Conversione;
    ControlloreScambio Scambio;
    ControllorePercorso Percorso;
    ControlloreRiepilogo RiepilogoCosti;
};

FormViandora::FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma)
    : stati_(std::make_unique<StatiSottosistemi>(*this)), CartellaProgramma(cartellaProgramma),
      Meta(stati_->Meta), Itinerario(stati_->Itinerario), Guida(stati_->Guida),
      CopiaTratto(stati_->CopiaTratto), TabellaDiMarcia(stati_->TabellaDiMarcia),
      Conversione(stati_->Conversione), Scambio(stati_->Scambio), Percorso(stati_->Percorso),
      RiepilogoCosti(stati_->RiepilogoCosti), Stampa(stati_->Stampa), piattaforma_(piattaforma) {
    Caption = QStringLiteral("Quintora 2.00 - 2005");
    for (int k = 0; k < 3; ++k)
        cmbSosta.emplace_back();
    CreaControlli();
    CreaSchermoMeta();
    Guida.CreaPannello();
    CreaPannelloInserimento();
    CreaPulsantiAiuto();
    CreaPannelloCopia();
    Scambio.CreaPannello();
    Stampa.CreaPannelli();
    CollegaEventi();
    Guida.CollegaEventi();
    Conversione.CollegaEventi();
    Scambio.CollegaEventi();
    Percorso.CollegaEventi();
    RiepilogoCosti.CollegaEventi();
    Stampa.CollegaEventi();
}

const std::array<QString, 11>& FormViandora::DescrizioniTipiGuida() const {
    return Guida.DescrizioneTipoGuida;
}

void FormViandora::MostraPrenotazioniMancate(bool calcolata) {
    RiepilogoCosti.MostraPrenotazioniMancate(calcolata);
}

void FormViandora::RiprendiMetaCorrente() {
    RicercaMetaCorrente();
    if (!Meta.CodiceMetaCorrente.isEmpty()) RicaricaMeta();
    OffriComandi(Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("all"));
}

void FormViandora::RicaricaMeta() {
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
}

void FormViandora::RicaricaTipiGuida() {
    Guida.CaricaTipiGuida();
}

void FormViandora::ApriRicercaLocalita(const QStringList& voci) {
    frmBottoni.Enabled = false;
    mfgTab.Enabled = false;
    cmbRicercaTappa.Clear();
    for (const QString& voce : voci)
        cmbRicercaTappa.AddItem(voce);
    Meta.ModoRicerca = 2;
    cmbRicercaTappa.Move(450, 3100, 3500, 3800);
    cmbRicercaTappa.Visible = true;
}

void FormViandora::ChiudiRicercaLocalita() {
    cmbRicercaTappa.Visible = false;
    frmBottoni.Enabled = true;
    mfgTab.Enabled = true;
}

QString FormViandora::CodiceMetaCorrente() const {
    return Meta.CodiceMetaCorrente;
}

FormViandora::~FormViandora() = default;
