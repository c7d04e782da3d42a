#pragma once
// The planner's window module: every control of the window as plain state,
// the state the procedures share, and the event handlers.
#include <QHash>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

#include "database/BloccoScrittura.h"
#include "database/Database.h"
#include "shell/Controlli.h"
#include "shell/FinestraComune.h"
#include "shell/Piattaforma.h"

// Each subsystem keeps its state in a struct of its own header; the form
// holds them without knowing their content, so that a change to one of them
// rebuilds only the files that use it.
struct StatoMeta;
struct StatoItinerario;
struct StatoCopiaTratto;
struct StatoTabellaDiMarcia;
struct StatoCalcolo;
struct IngressoCalcolo;
struct ValoriMeta;
struct TestataTabella;
struct ServiziCalcolo;
struct TabellaCalcolata;
struct Veicolo;
// The controllers of the subsystems that see the window only through
// FinestraComune.
class ControlloreScambio;
class ControlloreConversione;
class ControllorePercorso;
class ControlloreRiepilogo;
class ControlloreGuida;
class ControlloreStampa;

class FormViandora : public FinestraComune {
    // The subsystems' states, created with the form where every subsystem is
    // known (startup/); the members named after them refer into it.
    struct StatiSottosistemi;
    std::unique_ptr<StatiSottosistemi> stati_;

public:
    // cartellaProgramma: the folder of the database and of every file the
    // planner writes, with a trailing "/".
    FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma);
    ~FormViandora() override;

    // ---- the window -------------------------------------------------------
    QString Caption;
    int Width = 11715; // twips
    int Height = 9230; // the layout's 8350 and the vehicle panel below it
    // Every control, in creation order (panels before their content).
    const QList<Controllo*>& Controlli() const { return controlli_; }
    Controllo* TrovaControllo(const QString& nomeCompleto) const;

    // Panels.
    Pannello frmMetaIntesta, frmMetePeriodo, frmMeteVelocita, frmMeteTempi, frmBottoni;
    Pannello frmInputBox, frmPercorso, frmLista, frmGuida, frmGuidaStampa;
    Pannello frmStampa, frmSelStampa, frmStampaInCorso, frmExport;

    // Grids and search lists.
    Griglia mfgTab;
    Griglia mfgCopia;
    Elenco cmbRicerca, cmbRicercaTappa;

    // Trip-level commands.
    Pulsante cmdNuovo, cmdRicerca, cmdSalva, cmdCancMeta, cmdCalcola, cmdStampa;
    Pulsante cmdItinerario, cmdGuidaCitta, cmdCancItin, cmdEsce, cmdImport, cmdExport;
    Pulsante cmdConverte;
    // Beside the progress bar, for the timetable on screen: its day-by-day
    // summary, and the timetable as a calendar or a sheet.
    Pulsante cmdRiepilogo, cmdCalendario;
    // Itinerary commands.
    Pulsante cmdInserisce, cmdAggiunge, cmdCancella, cmdRicalcola, cmdRitorno, cmdCerca;
    Pulsante cmdFine, cmdMemorizza, cmdDuplica, cmdAzzeraSoste, cmdTrasferisce, cmdMapPoint;

    // Progress bar and status line.
    CasellaTesto txtBase, txtPerc;
    Etichetta lblElaborazione;
    Etichetta lblStampaInCorso;

    // Trip screen.
    Pannello frmMeteInizio, frmMeteFine;
    Etichetta lblCodice, lblLocalita, lblNazione;
    CasellaTesto txtCodice, txtLocalita, txtNazione;
    std::deque<Elenco> cmbInizio;     // 0 day, 1 month, 2 year, 3 hour, 4 minutes
    std::deque<CasellaTesto> txtFine; // end of trip: 0 day, 1 month, 2 year, 3 hour, 4 minutes, 5 weekday
    CasellaTesto txtInizioGSett;
    std::deque<Elenco> cmbMediaKm; // 0 motorway, 1 dual carriageway, 2 main road, 3 local road
    std::deque<Etichetta> lblTipoStrada;
    std::deque<CasellaTesto> txtKmTot; // 0..3 per road type, 4 overall
    std::deque<CasellaTesto> txtTempo; // likewise
    Etichetta lblKmh, lblKm, lblTempo, lblTotale, lblTragh;
    CasellaTesto txtTragh;
    std::deque<Elenco> cmbOra; // 0..8 hours of the daily times
    std::deque<Elenco> cmbMin; // 0..8 their minutes
    Etichetta lblMetePauseColaz, lblMetePausaPranzo, lblMetePausaCena, lblMetePauseNotte;
    Etichetta lblTraghetto, lblDurataPranzo, lblDurataCena, lblVisite, lblVisiteAlle;
    Elenco cmbRipM, cmbRipH, cmbRipG, cmbRipGG, cmbGiorni, cmbSoste;
    Etichetta lblRipM, lblRipH, lblRipG, lblRipGG, lblGiorni, lblDefault;
    std::deque<Pulsante> cmdDefault; // 0 save, 1 load, 2 restore

    // Lists filled with the trip screen's lists, shown on other panels: the
    // stage entry's stop (days, hours, minutes) and road type, the guide's
    // type, hours and minutes.
    std::deque<Elenco> cmbSosta;
    Elenco cmbTipoStrada;
    Elenco cmbGTipo, cmbGH, cmbGM;

    // ---- shared state -----------------------------------------------------
    QString ComandiMeta;
    QString ComandiItinerario;
    qint16 RispostaConferma = 0;
    double ContatoreProgresso = 0;
    double TotaleProgresso = 0;
    bool Interrompi = false;
    QString CartellaProgramma;
    Database Db;
    // Held while this window may write the database; a second window on it
    // only reads (Db.SolaLettura()).
    BloccoScrittura Blocco;

    // ---- start-up and screen states ---------------------------------------
    // The window's load event. False when the program must end (the database
    // could not be opened; the message has been shown).
    bool Form_Load();
    void AbilitaPulsantiComando();
    void BoxConferma(QString& operazione);
    void AggiornaPercentuale();
    void AzzeraPercentuale();
    void PulisciFinestre() override;
    void AzzeraSchermo();
    void cmdEsce_Click();
    // Closing the window from its frame: the same as the exit command, and
    // refused while that command is not available.
    void Form_QueryUnload(bool& annulla);

    // Keyboard filters of the trip screen: KeyAscii 0 discards the key.
    void FiltroMaiuscolo(int& KeyAscii);
    void FiltroVelocita(int& KeyAscii);
    void FiltroSoloLista(int& KeyAscii);
    void cmbGiorni_KeyPress(int& KeyAscii);
    void cmbGiorni_Change();

    // Avanzamento: the progress bar of long operations.
    void InizioAvanzamento(const QString& didascalia, double totale) override;
    void Avanza() override;
    void FineAvanzamento() override;

    // ---- trip record, parameters and lifecycle -----------------------------
    // The trip's code, parameters and search purpose (trip/Meta.h).
    StatoMeta& Meta;
    // Unlocks or locks the trip screen's panels; unlocking brings a
    // calculated timetable's stage list back.
    void AttivaFormMeta(bool attiva) override;
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
    void cmdDefault_Click(int Index);
    // The trip screen's parameter lists as values, and back.
    ValoriMeta ValoriSchermo() const;
    void MostraValori(const ValoriMeta& valori);
    // The parameters checked (model/ControlloMeta.h) into ParametriMeta, the
    // lists showing the corrected values.
    void ControllaVariabiliConvertite();
    void Aggiorna(bool mantieniPannelli);
    void cmbInizio_Click(int Index);
    void cmbMediaKm_Click(int Index);

    // ---- the trip's vehicle and costs (below the commands) -------------------
    Pannello frmVeicolo;
    std::deque<Etichetta> lblVeicolo;
    // 0 consumption l/100 km, 1 tank l, 2 reserve l, 3 fuel price, 4 motorway
    // toll per km, 5 one night, 6 one ferry crossing, 7 most driving (hh:mm).
    std::deque<CasellaTesto> txtVeicolo;
    void MostraVeicolo(const Veicolo& veicolo);
    // The panel's values into veicolo; false, with the message shown and the
    // focus on the field, when one of them cannot be used.
    bool VeicoloSchermo(Veicolo& veicolo) override;
    void txtVeicolo_KeyPress(int Index, int& KeyAscii);

    void cmdNuovo_Click();
    void cmdRicerca_Click();
    void cmbRicerca_Click();
    void cmbRicercaTappa_Click();
    void RicercaDiUnaSingolaTappa();
    void cmdSalva_Click();
    void cmdCancMeta_Click();
    void cmdCancItin_Click();
    void RicercaMetaCorrente();
    void SalvaIlCodiceMetaCorrente();
    // The first free trip number.
    int NuovoCodiceMeta();

    // ---- itinerary: stage grid, storage, totals ----------------------------
    // The stage count, the current row, the editor's activity
    // (shell/Itinerario.h).
    StatoItinerario& Itinerario;
    void CancellaMatrice();
    void ImpostaGriglia(int Modo) override;
    void CaricaTappeItinerario();
    void AggiornaNumeroRiga() override;
    // The commands that depend on the stage count, after the command lists.
    void AbilitaComandiTappe();
    void CalcolaKmTempiItinerario();
    // The stage grid mfgTab is the itinerary matrix itself: row 0 headings,
    // rows 1..NumeroTappe the stages, ColonneMatrice columns.
    // Editing fields of the stage entry, loaded from the selected row.
    CasellaTesto txtTappa, txtStrada, txtKm, txtRiga;
    CasellaTesto txtKmProgressivi;
    CasellaSpunta chkFineGiornata, chkProgressivo;
    // Selects rows Riga1..Riga2, columns Col1..Col2 of the stage grid,
    // scrolling the first row into view.
    void SelezioneGriglia(int Riga1, int Col1, int Riga2, int Col2);
    void InserisciRigheItinerario(int NumeroRighe);
    // False when the itinerary was not stored (the message has been shown).
    bool MemorizzaTappeItinerario();
    void RicomponiTabellaMfgTab();
    void mfgTab_Click();
    // 38/40 one row up/down, 33/34 a page, 36/35 the first/last row; any
    // other code means the grid moved its current row itself (a letter
    // search, a click on the scroll bar): the row is taken from mfgTab.Row.
    // Every key refreshes the row.
    void mfgTab_KeyDown(int& KeyCode);
    // Paints an end-of-day stop cell so that it stands out.
    void ColoraFineGiornata(int riga);
    // Moves the progress counter to contatore, redrawing the bar only when
    // its percentage changes.
    void AvanzaPercentuale(double contatore);

    // ---- city guide ----------------------------------------------------------
    // Its state, controls and handlers; the types its list shows.
    ControlloreGuida& Guida;

    // ---- stage editor --------------------------------------------------------
    Etichetta lblInsTappa, lblInsStrada, lblInsKm, lblInsTipoStrada, lblInsSosta, lblInsRiga;
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
    void ScegliLocalitaCercata();
    void cmdRitorno_Click();
    void cmdAzzeraSoste_Click();
    void cmdTrasferisce_Click();
    void cmdMemorizza_Click();
    void cmdFine_Click();
    void txtTappa_KeyPress(int& KeyAscii);
    void txtStrada_KeyPress(int& KeyAscii);
    void txtKm_KeyPress(int& KeyAscii);
    void cmbTipoStrada_KeyPress(int& KeyAscii);
    void cmbSosta_KeyPress(int Index, int& KeyAscii);
    // Shows the progressive box from the third row on, ticked when the row
    // above has passed 100 km.
    void AggiornaCasellaProgressivo();
    // The stage's fixed times: a ferry's departures (enabled for a road
    // holding "TRAGH") and a booked night, kept in the row's working columns.
    Pannello frmTraghetto;
    Etichetta lblPartenze, lblGiorniTraghetto, lblDurata, lblAnticipo, lblCostoTraghetto, lblNottePrenotata;
    CasellaTesto txtPartenze, txtGiorniTraghetto, txtDurata, txtAnticipo, txtCostoTraghetto,
        txtNottePrenotata;
    void MostraOrariTappa(int riga);
    void AbilitaPannelloTraghetto();
    // The fields as the row's cells for a stage on that road; false, with the
    // message shown and the focus on the field, when a value cannot be used.
    bool OrariTappaSchermo(const QString& strada, QString& traghetto, QString& notte);

    // ---- stages from other trips ----------------------------------------------
    StatoCopiaTratto& CopiaTratto;
    void cmdDuplica_Click();
    void mfgCopia_Click();
    void cmdAssegna_Click(int Index);
    void SelezioneTappeDuplica();
    void cmdInsEsegui_Click();
    void RinunciaDuplicaItinerario();
    void optTrasfSoste_Click();
    void CreaPannelloCopia();
    void CollegaEventiCopia();

    // ---- timetable calculation ---------------------------------------------
    // Whether the timetable is on the grid, and what the last run left
    // (timetable/TabellaDiMarcia.h).
    StatoTabellaDiMarcia& TabellaDiMarcia;
    // Length of the trip in days, as the last pass counted it.
    CasellaTesto txtGiorni;
    // The engine's input from the trip screen and the stage list, after the
    // screen's values are checked and the trip panels locked.
    IngressoCalcolo IngressoCalcoloTabella();
    // The window's side of a run: the stop flag, the progress bar, the
    // parameters checked again before each pass, each pass on the grid.
    ServiziCalcolo ServiziCalcoloFinestra();
    // The timetable into mfgTab and the totals into the trip screen.
    void ScriviTabellaDiMarcia(const StatoCalcolo& stato);
    void ScriviTabellaPreparata(const StatoCalcolo& stato);
    void CalcolaTabellaDiMarcia() override;
    // Preparation, passes and return limits; false when stopped.
    bool EseguiCalcolo();
    // The stage list back on the grid in place of the timetable.
    void RiprendiElencoTappe();
    void cmdCalcola_Click();
    void cmdRicalcola_Click();
    // The timetable on screen as the services take it (summary, exports).
    TabellaCalcolata TabellaSchermo() const override;
    // Beside the progress bar after a calculation of a trip with booked
    // nights: how many of them the plan does not reach.
    Etichetta lblPrenotazioni;
    void MostraPrenotazioniMancate(bool calcolata);

    // ---- help texts ---------------------------------------------------------
    // The small "?" buttons of the panels; each shows its fixed text.
    Pulsante cmdHelpGenerico, cmdHelpTotale1, cmdHelpTotale2, cmdHelpTt, cmdHelpKm;
    Pulsante cmdHelpDuplica, cmdHelpExport, cmdHelpVeicolo;
    std::deque<Pulsante> cmdHelpItin;  // 0..3 the rows of itinerary commands, 4 the route-planner import
    std::deque<Pulsante> cmdHelpGuida; // 0 the guide's buttons, 1 its fields
    // The text of a help button by its full name ("cmdHelpItin(2)"), lines
    // joined by CR LF; empty for any other name.
    static QString TestoAiuto(const QString& pulsante);
    void cmdHelpGenerico_Click();
    void cmdHelpTotale1_Click();
    void cmdHelpTotale2_Click();
    void cmdHelpTt_Click();
    void cmdHelpKm_Click();
    void cmdHelpItin_Click(int Index);
    void cmdHelpDuplica_Click();
    void cmdHelpExport_Click();
    void cmdHelpVeicolo_Click();
    void cmdHelpGuida_Click(int Index);

    // ---- the subsystems with controllers of their own ---------------------------
    ControlloreConversione& Conversione;
    ControlloreScambio& Scambio;
    ControllorePercorso& Percorso;
    // The summary, calendar and sheet of the timetable on screen.
    ControlloreRiepilogo& RiepilogoCosti;
    // ---- printing -----------------------------------------------------------
    // The print commands, their panels and the print in progress.
    ControlloreStampa& Stampa;

    // ---- events -----------------------------------------------------------
    // The window forwards each user event here, by the control's full name
    // ("cmdEsce", "cmbOra(3)"). Each runs to its end; a database failure
    // abandons the command with a message and loses nothing stored.
    void Click(const QString& controllo);
    void KeyPress(const QString& controllo, int& KeyAscii);
    // Keys without a character (arrows, Page Up/Down) by their key codes:
    // 33 Page Up, 34 Page Down, 38 Up, 40 Down.
    void KeyDown(const QString& controllo, int& KeyCode);
    bool HaGestoreKeyDown(const QString& controllo) const { return tastiGiu_.contains(controllo); }
    void Change(const QString& controllo);
    void LostFocus(const QString& controllo);
    bool HaGestoreTasti(const QString& controllo) const { return tasti_.contains(controllo); }

    // ---- keyboard focus -------------------------------------------------------
    // The focus goes to a control when the window next shows the module.
    void SetFocus(const Controllo& controllo) override;

    bool Terminato() const { return terminato_; }

    // ---- what the controllers see (FinestraComune) -------------------------------------
    Piattaforma& Sistema() override { return piattaforma_; }
    Database& Archivio() override { return Db; }
    const QString& Cartella() const override { return CartellaProgramma; }
    const QString& Titolo() const override { return Caption; }
    Griglia& GrigliaPrincipale() override { return mfgTab; }
    StatoItinerario& StatoGriglia() override { return Itinerario; }
    void TappeCambiate() override;
    void OffriComandi(const QString& meta, const QString& itinerario = QString()) override;
    void BloccaEditor(bool bloccato) override { frmInputBox.Enabled = !bloccato; }
    bool Conferma(const QString& operazione) override;
    void ImpostaDefault(Pulsante& pulsante) override;
    void SuClick(const QString& controllo, std::function<void()> gestore) override;
    void RiprendiMetaCorrente() override;
    QString CodiceMetaCorrente() const override;
    void MostraLocalita(const QString& localita) override { txtLocalita.Text = localita; }
    void MostraNazione(const QString& nazione) override { txtNazione.Text = nazione; }
    void RicaricaTipiGuida() override;
    void RicaricaMeta() override;
    void FuocoSullaMeta() override { SetFocus(txtLocalita); }
    void ApriRicercaLocalita(const QStringList& voci) override;
    void ChiudiRicercaLocalita() override;
    void SuTasto(const QString& controllo, std::function<void(int&)> gestore) override;
    QString LocalitaMeta() const override { return txtLocalita.Text; }
    QString ComandiOfferti() const override { return ComandiMeta; }
    TestataTabella TestataSchermo() const override;
    QString ArgomentoTaccuvo() const override;
    const std::array<QString, 11>& DescrizioniTipiGuida() const override;
    Controllo& Registra(Controllo& c, const QString& nome, const QString& genitore, int left, int top,
                        int width, int height, int indice = -1) override;

private:
    void RegistraPannello(Pannello& p, const char* nome, const QString& caption, int l, int t, int w, int h,
                          const QString& genitore = {});
    void RegistraEtichetta(Etichetta& e, const char* nome, const QString& caption, const QString& genitore,
                           int l, int t, int w);
    void CreaControlli();
    void CreaComandiMeta();
    void CreaPannelliSecondari();
    void CreaComandiItinerario();
    void CreaSchermoMeta();
    void CreaIntestazioneMeta();
    void CreaPeriodoMeta();
    void CreaVelocitaMeta();
    void CreaTempiMeta();
    void CreaPannelloVeicolo();
    void CollegaEventiVeicolo();
    void CollegaEventi();
    void CollegaEventiMeta();
    void CollegaEventiItinerario();
    void CollegaEventiCalcolo();
    void CreaPannelloInserimento();
    void CreaPannelloOrari();
    void CollegaEventiOrari();
    void CollegaEventiEditor();
    void CreaPulsantiAiuto();
    void CollegaEventiAiuto();
    void MostraAiuto(const QString& pulsante);
    void Esegui(const std::function<void()>& azione);
    void Termina();
    // Start-up: the database opened and brought to the schema, or the user
    // told why not (false).
    bool ApriDatabase();
    void ApriInSolaLettura();

    Piattaforma& piattaforma_;
    QList<Controllo*> controlli_;
    QHash<QString, Controllo*> perNome_;
    QHash<QString, std::function<void()>> click_;
    QHash<QString, std::function<void(int&)>> tasti_;
    QHash<QString, std::function<void(int&)>> tastiGiu_;
    QHash<QString, std::function<void()>> cambi_;
    QHash<QString, std::function<void()>> uscite_;
    bool terminato_ = false;
};
