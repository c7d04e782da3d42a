#pragma once
// The itinerary on the main grid: its column set-ups, loading and storing
// the open trip's stages, their totals, the stage editor with its fixed
// times and stop commands, the locality search and the copy of a stretch of
// another trip.
#include <QString>

#include "itinerary/CopiaTratto.h"
#include "shell/Controlli.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"
#include "trip/ControlloreMeta.h"

class ControlloreGuida;
struct ControlliItinerario;

class ControlloreItinerario : public TappeDellaMeta {
public:
    // ui: the editor's controls; mfgTab: the main grid; the trip screen and
    // the guide whose entry follows the grid's row; frmBottoni and
    // cmdCalcola: the command panel the locality list locks and the button
    // whose caption says whether a timetable is locked on screen.
    ControlloreItinerario(FinestraComune& finestra, ControlliItinerario& ui, Griglia& mfgTab,
                          ControlloreMeta& meta, ControlloreGuida& guida, Pannello& frmBottoni,
                          Pulsante& cmdCalcola);

    // The stage count, the current row, the editor's activity.
    StatoItinerario Itinerario;
    // The copy panel's controls and marked row.
    StatoCopiaTratto CopiaTratto;
    ControlliItinerario& ui;

    // The editor's upper fields, the fixed-times panel and the copy panel,
    // registered on their panels; and the handlers.
    void CreaPannelloInserimento();
    void CreaPannelloOrari();
    void CreaPannelloCopia();
    void CollegaEventi();

    // ---- the grid -----------------------------------------------------------
    void CancellaMatrice() override;
    // FinestraComune::ImpostazioneGriglia.
    void ImpostaGriglia(int Modo);
    void CaricaTappeItinerario() override;
    // The row counter and the entry fields after the current row moved.
    void AggiornaNumeroRiga();
    void CalcolaKmTempiItinerario() override;
    // Selects rows Riga1..Riga2, columns Col1..Col2 of the stage grid,
    // scrolling the first row into view.
    void SelezioneGriglia(int Riga1, int Col1, int Riga2, int Col2);
    void InserisciRigheItinerario(int NumeroRighe);
    // False when the itinerary was not stored (the message has been shown).
    bool MemorizzaTappeItinerario();
    void RicomponiTabellaMfgTab() override;
    // Paints an end-of-day stop cell so that it stands out.
    void ColoraFineGiornata(int riga);
    void mfgTab_Click();
    // 38/40 one row up/down, 33/34 a page, 36/35 the first/last row; any
    // other code means the grid moved its current row itself (a letter
    // search, a click on the scroll bar): the row is taken from mfgTab.Row.
    // Every key refreshes the row.
    void mfgTab_KeyDown(int& KeyCode);

    // ---- the stage editor -----------------------------------------------------
    void cmdItinerario_Click();
    // Brings the stage list back on the grid and, for "Ricalcola", opens
    // the entry panel.
    void AttivitaInserimentoItinerario();
    void cmdInserisce_Click();
    void cmdAggiunge_Click();
    void cmdCancella_Click();
    void cmdCerca_Click();
    void CercaLocalita();
    // A choice in the locality list (search mode 2): selects its row.
    void ScegliLocalitaCercata() override;
    void cmbRicercaTappa_Click();
    void cmdRitorno_Click();
    void cmdAzzeraSoste_Click();
    void cmdTrasferisce_Click();
    void cmdMemorizza_Click();
    void cmdFine_Click();
    // Shows the progressive box from the third row on, ticked when the row
    // above has passed 100 km.
    void AggiornaCasellaProgressivo();
    void MostraOrariTappa(int riga);
    void AbilitaPannelloTraghetto();
    // The fields as the row's cells for a stage on that road; false, with the
    // message shown and the focus on the field, when a value cannot be used.
    bool OrariTappaSchermo(const QString& strada, QString& traghetto, QString& notte);

    // ---- stages from other trips ------------------------------------------------
    void cmdDuplica_Click();
    void mfgCopia_Click();
    void cmdAssegna_Click(int Index);
    void SelezioneTappeDuplica();
    void cmdInsEsegui_Click();
    void RinunciaDuplicaItinerario();

private:
    void CollegaEventiGriglia();
    void CollegaEventiOrari();
    void CollegaEventiCopia();
    Database& Db() const { return f_.Archivio(); }

    FinestraComune& f_;
    Griglia& mfgTab;
    ControlloreMeta& meta_;
    StatoMeta& Meta;
    ControlloreGuida& Guida;
    Pannello& frmBottoni;
    Pulsante& cmdCalcola;
};
