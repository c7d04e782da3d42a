#pragma once
// The planner's window module: every control of the window as plain state,
// the command lists, progress and confirmation, and the events, which it
// routes to the subsystems' controllers.
#include <QHash>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

#include "database/BloccoScrittura.h"
#include "database/Database.h"
#include "shell/Controlli.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "shell/Piattaforma.h"

// Each subsystem's controller owns its state, a struct of its own header;
// the form refers to both without knowing their content, so that a change to
// one of them rebuilds only the files that use it.
struct StatoMeta;
struct StatoItinerario;
struct StatoCopiaTratto;
struct StatoTabellaDiMarcia;
struct TestataTabella;
struct TabellaCalcolata;
struct Veicolo;
// The controllers of the subsystems that see the window only through
// FinestraComune and the controls handed to them.
class ControlloreMeta;
class ControlloreItinerario;
class ControlloreCalcolo;
class ControlloreScambio;
class ControlloreConversione;
class ControllorePercorso;
class ControlloreRiepilogo;
class ControlloreGuida;
class ControlloreStampa;

// The trip screen's and the stage editor's controls are the window's
// (ControlliMeta, ControlliItinerario); their controllers work them.
class FormViandora : public FinestraComune, public ControlliMeta, public ControlliItinerario {
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
    Pannello frmBottoni, frmGuida, frmGuidaStampa;
    Pannello frmStampa, frmSelStampa, frmStampaInCorso, frmExport;

    // The main grid: the stage list, the guide list or the timetable.
    Griglia mfgTab;

    // Trip-level commands.
    Pulsante cmdNuovo, cmdRicerca, cmdSalva, cmdCancMeta, cmdCalcola, cmdStampa;
    Pulsante cmdItinerario, cmdGuidaCitta, cmdCancItin, cmdEsce, cmdImport, cmdExport;
    Pulsante cmdConverte;
    // Beside the progress bar, for the timetable on screen: its day-by-day
    // summary, and the timetable as a calendar or a sheet.
    Pulsante cmdRiepilogo, cmdCalendario;

    // Progress bar and status line.
    CasellaTesto txtBase, txtPerc;
    Etichetta lblElaborazione;
    Etichetta lblStampaInCorso;

    // The guide's type, hours and minutes; the trip screen fills the last two
    // with its own lists.
    Elenco cmbGTipo, cmbGH, cmbGM;

    // ---- shared state -----------------------------------------------------
    QString ComandiMeta;
    QString ComandiItinerario;
    qint16 RispostaConferma = 0;
    double ContatoreProgresso = 0;
    double TotaleProgresso = 0;
    bool Interrompi = false;
    // What the exit button does: close the window, or stop the long run in
    // progress (its caption then reads "&Stop").
    enum class ComandoUscita { Esce, Stop };
    ComandoUscita Uscita = ComandoUscita::Esce;
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
    // Moves the progress counter to contatore, redrawing the bar only when
    // its percentage changes.
    void AvanzaPercentuale(double contatore);
    void PulisciFinestre() override;
    void cmdEsce_Click();
    // Closing the window from its frame: the same as the exit command, and
    // refused while that command is not available.
    void Form_QueryUnload(bool& annulla);

    // Avanzamento: the progress bar of long operations.
    void InizioAvanzamento(const QString& didascalia, double totale) override;
    void Avanza() override;
    void FineAvanzamento() override;

    // ---- the trip screen, the itinerary and the timetable ------------------------
    // The trip screen: a trip's life, its parameters, defaults and vehicle.
    ControlloreMeta& SchermoMeta;
    // The trip's code, parameters and search purpose (trip/Meta.h).
    StatoMeta& Meta;
    // The itinerary on the grid, the stage editor and the copy of stretches.
    ControlloreItinerario& Tappe;
    // The stage count, the current row, the editor's activity
    // (shell/Itinerario.h).
    StatoItinerario& Itinerario;
    StatoCopiaTratto& CopiaTratto;
    // The timetable's calculation and its commands.
    ControlloreCalcolo& Calcolo;
    // Whether the timetable is on the grid, and what the last run left
    // (timetable/TabellaDiMarcia.h).
    StatoTabellaDiMarcia& TabellaDiMarcia;
    // Beside the progress bar after a calculation of a trip with booked
    // nights: how many of them the plan does not reach.
    Etichetta lblPrenotazioni;

    // ---- city guide ----------------------------------------------------------
    // Its state, controls and handlers; the types its list shows.
    ControlloreGuida& Guida;

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

    // ---- conversion, exchange, route import, summary -----------------------------
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
    void ImpostaGriglia(int Modo) override;
    void AggiornaNumeroRiga() override;
    void AttivaFormMeta(bool attiva) override;
    bool VeicoloSchermo(Veicolo& veicolo) override;
    void CalcolaTabellaDiMarcia() override;
    TabellaCalcolata TabellaSchermo() const override;
    void MostraPrenotazioniMancate(bool calcolata) override;
    void Didascalia(const QString& testo) override { lblElaborazione.Caption = testo; }
    void PosizioneAvanzamento(double posizione, double totale) override;
    bool Interrotto() const override { return Interrompi; }
    void AzzeraInterruzione() override { Interrompi = false; }
    void SuTastoGiu(const QString& controllo, std::function<void(int&)> gestore) override;
    void SuCambio(const QString& controllo, std::function<void()> gestore) override;
    void SuUscita(const QString& controllo, std::function<void()> gestore) override;
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
    // The trip screen's panels, the grid, the commands and the stage
    // editor's panel; then the secondary panels, over them.
    void CreaControlli();
    void CreaComandiMeta();
    void CreaComandiItinerario();
    void CreaPannelliSecondari();
    void CollegaEventi();
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
