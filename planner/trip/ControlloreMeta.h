#pragma once
// The trip screen: a trip's life (new, search, save, delete, the trip that
// comes back at the next start), its parameters checked and shown, the
// user's saved defaults, the vehicle panel and the choice lists.
#include <QString>

#include "shell/Controlli.h"
#include "shell/FinestraComune.h"
#include "trip/Meta.h"

class RecordSet;
struct ControlliMeta;
struct ControlliItinerario;
struct TestataTabella;
struct ValoriMeta;
struct Veicolo;

// What the trip screen asks of the stage list beneath it; the itinerary's
// controller answers.
class TappeDellaMeta {
public:
    // The grid emptied and the totals cleared.
    virtual void CancellaMatrice() = 0;
    // The open trip's stored stages onto the grid.
    virtual void CaricaTappeItinerario() = 0;
    // Driving times, progressive kilometres and the totals after the speeds
    // changed.
    virtual void CalcolaKmTempiItinerario() = 0;
    // The stage list back on the grid in place of a calculated timetable.
    virtual void RicomponiTabellaMfgTab() = 0;
    // A choice in the locality list selects its row.
    virtual void ScegliLocalitaCercata() = 0;

protected:
    ~TappeDellaMeta() = default;
};

class ControlloreMeta {
public:
    // ui: the trip screen's controls; editor: the stage editor's, which some
    // of its commands close and whose stop lists it fills, as it fills the
    // guide's hours and minutes (cmbGH, cmbGM).
    ControlloreMeta(FinestraComune& finestra, ControlliMeta& ui, ControlliItinerario& editor, Elenco& cmbGH,
                    Elenco& cmbGM);
    // The stage list the trip's commands load and empty.
    void Collega(TappeDellaMeta& tappe) { tappe_ = &tappe; }

    // The trip's code, parameters and search purpose.
    StatoMeta Meta;
    ControlliMeta& ui;

    // The screen's controls, registered on their panels, and their handlers.
    void CreaSchermo();
    void CollegaEventi();

    // Unlocks or locks the trip screen's panels; unlocking brings a
    // calculated timetable's stage list back.
    void AttivaFormMeta(bool attiva);
    void CaricaComboBox();
    void ImpostaGiorniMeseInizio();
    void MettiGiornoSett();
    void CaricaDatiAnagraficiMeta();
    // modo 2: the built-in defaults; otherwise the user's saved ones.
    void CaricaDefaultMeta(int modo);
    void MettiDefaultIncorporati();
    // Selects the stop choice of a stored CalcoloSoste.
    void MettiCalcoloSoste(const QString& calcoloSoste);
    void MemorizzaVariabiliMeta();
    // The daily times, rests and stop choice of the screen into a trip or
    // defaults row being added or edited.
    void ScriviOrariERiposi(RecordSet& rs);
    // The screen emptied for a new trip, from the user's saved parameters.
    void AzzeraSchermo();
    // The trip screen's parameter lists as values, and back.
    ValoriMeta ValoriSchermo() const;
    void MostraValori(const ValoriMeta& valori);
    // The parameters checked (model/ControlloMeta.h) into ParametriMeta, the
    // lists showing the corrected values.
    void ControllaVariabiliConvertite();
    void Aggiorna(bool mantieniPannelli);
    // The timetable's heading as the screen shows it.
    TestataTabella TestataSchermo() const;
    // "<destination>,<gg/mm/aaaa>,<gg/mm/aaaa>", start and end.
    QString ArgomentoTaccuvo() const;

    void MostraVeicolo(const Veicolo& veicolo);
    // The panel's values into veicolo; false, with the message shown and the
    // focus on the field, when one of them cannot be used.
    bool VeicoloSchermo(Veicolo& veicolo);

    void RicercaMetaCorrente();
    void SalvaIlCodiceMetaCorrente();
    // The first free trip number.
    int NuovoCodiceMeta();
    // The choice in the trip search list (search mode 1), or in the locality
    // list (mode 2).
    void RicercaDiUnaSingolaTappa();

    void cmdNuovo_Click();
    void cmdRicerca_Click();
    void cmbRicerca_Click();
    void cmdSalva_Click();
    void cmdCancMeta_Click();
    void cmdCancItin_Click();
    void cmdDefault_Click(int Index);
    void cmbInizio_Click(int Index);
    void cmbMediaKm_Click(int Index);
    void cmbGiorni_KeyPress(int& KeyAscii);
    void cmbGiorni_Change();
    void txtVeicolo_KeyPress(int Index, int& KeyAscii);

private:
    void RegistraEtichetta(Etichetta& e, const char* nome, const QString& caption, const QString& genitore,
                           int l, int t, int w);
    void CreaIntestazioneMeta();
    void CreaPeriodoMeta();
    void CreaVelocitaMeta();
    void CreaTempiMeta();
    void CreaPannelloVeicolo();

    Database& Db() const { return f_.Archivio(); }

    FinestraComune& f_;
    ControlliItinerario& editor_;
    Elenco& cmbGH_;
    Elenco& cmbGM_;
    TappeDellaMeta* tappe_ = nullptr;
};
