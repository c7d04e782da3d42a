// The window module put together: every subsystem's state, the controls and
// the events. The one place that knows all the subsystems' headers.
#include "conversion/ControlloreConversione.h"
#include "exchange/ControlloreScambio.h"
#include "guide/ControlloreGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "journey/ControlloreRiepilogo.h"
#include "model/TestataTabella.h"
#include "printing/Stampa.h"
#include "routeimport/ControllorePercorso.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "timetable/ControlloreCalcolo.h"
#include "trip/ControlloreMeta.h"
#include "trip/Veicolo.h"

struct FormViandora::StatiSottosistemi {
    // The controllers keep the window and its controls by reference, used
    // only once the form is built.
    explicit StatiSottosistemi(FormViandora& f)
        : SchermoMeta(f, f, f, f.cmbGH, f.cmbGM), Guida(f, f.frmGuida, f.cmbGTipo, f.cmbGH, f.cmbGM),
          Tappe(f, f, f.mfgTab, SchermoMeta, Guida, f.frmBottoni, f.cmdCalcola),
          Calcolo(f, f.mfgTab, SchermoMeta, Tappe, Guida, f.cmdCalcola),
          Stampa(f, PannelliStampa{f.frmStampa, f.frmSelStampa, f.frmGuidaStampa, f.frmStampaInCorso,
                                   f.frmGuida, f.frmBottoni, f.lblElaborazione, f.lblStampaInCorso}),
          Conversione(f, f.cmdConverte), Scambio(f, f.frmExport), Percorso(f),
          RiepilogoCosti(f, f.lblPrenotazioni, f.txtBase) {
        SchermoMeta.Collega(Tappe);
    }
    ControlloreMeta SchermoMeta;
    ControlloreGuida Guida;
    ControlloreItinerario Tappe;
    ControlloreCalcolo Calcolo;
    ControlloreStampa Stampa;
    ControlloreConversione Conversione;
    ControlloreScambio Scambio;
    ControllorePercorso Percorso;
    ControlloreRiepilogo RiepilogoCosti;
};

FormViandora::FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma)
    : stati_(std::make_unique<StatiSottosistemi>(*this)), CartellaProgramma(cartellaProgramma),
      SchermoMeta(stati_->SchermoMeta), Meta(stati_->SchermoMeta.Meta), Tappe(stati_->Tappe),
      Itinerario(stati_->Tappe.Itinerario), CopiaTratto(stati_->Tappe.CopiaTratto), Calcolo(stati_->Calcolo),
      TabellaDiMarcia(stati_->Calcolo.TabellaDiMarcia), Guida(stati_->Guida),
      Conversione(stati_->Conversione), Scambio(stati_->Scambio), Percorso(stati_->Percorso),
      RiepilogoCosti(stati_->RiepilogoCosti), Stampa(stati_->Stampa), piattaforma_(piattaforma) {
    Caption = QStringLiteral("Quintora 2.00 - 2005");
    for (int k = 0; k < 3; ++k)
        cmbSosta.emplace_back();
    CreaControlli();
    Tappe.CreaPannelloOrari();
    CreaPannelliSecondari();
    SchermoMeta.CreaSchermo();
    Guida.CreaPannello();
    Tappe.CreaPannelloInserimento();
    CreaPulsantiAiuto();
    Tappe.CreaPannelloCopia();
    Scambio.CreaPannello();
    Stampa.CreaPannelli();
    CollegaEventi();
    SchermoMeta.CollegaEventi();
    Tappe.CollegaEventi();
    Calcolo.CollegaEventi();
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
    SchermoMeta.RicercaMetaCorrente();
    if (!Meta.CodiceMetaCorrente.isEmpty()) RicaricaMeta();
    OffriComandi(Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("all"));
}

void FormViandora::RicaricaMeta() {
    SchermoMeta.CaricaDatiAnagraficiMeta();
    Tappe.CaricaTappeItinerario();
}

void FormViandora::TappeCambiate() {
    Tappe.CalcolaKmTempiItinerario();
    Tappe.AggiornaNumeroRiga();
}

void FormViandora::ImpostaGriglia(int Modo) {
    Tappe.ImpostaGriglia(Modo);
}

void FormViandora::AggiornaNumeroRiga() {
    Tappe.AggiornaNumeroRiga();
}

void FormViandora::AttivaFormMeta(bool attiva) {
    SchermoMeta.AttivaFormMeta(attiva);
}

bool FormViandora::VeicoloSchermo(Veicolo& veicolo) {
    return SchermoMeta.VeicoloSchermo(veicolo);
}

TestataTabella FormViandora::TestataSchermo() const {
    return SchermoMeta.TestataSchermo();
}

QString FormViandora::ArgomentoTaccuvo() const {
    return SchermoMeta.ArgomentoTaccuvo();
}

void FormViandora::CalcolaTabellaDiMarcia() {
    Calcolo.CalcolaTabellaDiMarcia();
}

TabellaCalcolata FormViandora::TabellaSchermo() const {
    return Calcolo.TabellaSchermo();
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
