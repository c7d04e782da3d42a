#pragma once
// The planner's window module: every control of the window as plain state,
// the state the procedures share, and the event handlers.
#include <QHash>
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "database/Database.h"
#include "shell/Controlli.h"
#include "shell/Piattaforma.h"
#include "trip/ParametriMeta.h"

class FormViandora : public Avanzamento {
public:
    // cartellaProgramma: the folder of the database and of every file the
    // planner writes, with a trailing "/".
    FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma);
    ~FormViandora() override;

    // ---- the window -------------------------------------------------------
    QString Caption;
    int Width = 11715; // twips
    int Height = 8350;
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
    std::deque<Elenco> cmbInizio;   // 0 day, 1 month, 2 year, 3 hour, 4 minutes
    std::deque<CasellaTesto> txtFine; // end of trip: 0 day, 1 month, 2 year, 3 hour, 4 minutes, 5 weekday
    CasellaTesto txtInizioGSett;
    std::deque<Elenco> cmbMediaKm;  // 0 motorway, 1 dual carriageway, 2 main road, 3 local road
    std::deque<Etichetta> lblTipoStrada;
    std::deque<CasellaTesto> txtKmTot; // 0..3 per road type, 4 overall
    std::deque<CasellaTesto> txtTempo; // likewise
    Etichetta lblKmh, lblKm, lblTempo, lblTotale, lblTragh;
    CasellaTesto txtTragh;
    std::deque<Elenco> cmbOra;      // 0..8 hours of the daily times
    std::deque<Elenco> cmbMin;      // 0..8 their minutes
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
    QString CodiceMetaCorrente;
    qint16 NumeroTappe = 0;
    QString CartellaProgramma;
    Database Db;
    ParametriMetaTipo ParametriMeta;

    // ---- start-up and screen states ---------------------------------------
    // The window's load event. False when the program must end (the database
    // could not be opened; the message has been shown).
    bool Form_Load();
    void AbilitaPulsantiComando();
    void BoxConferma(QString& operazione);
    void AggiornaPercentuale();
    void AzzeraPercentuale();
    void AttivaFormMeta(bool attiva);
    void PulisciFinestre();
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
    void CaricaComboBox();
    void ImpostaGiorniMeseInizio();
    void MettiGiornoSett();
    void CaricaDatiAnagraficiMeta();
    // modo 2: the built-in defaults; otherwise the user's saved ones.
    void CaricaDefaultMeta(int modo);
    void MemorizzaVariabiliMeta();
    void cmdDefault_Click(int Index);
    // Reads the hour and minute lists of time k (0..8), bringing the hour
    // into its list's range; gives the value read before any correction.
    float ControlloOrarioCmbOra(int k, bool& corretto);
    void ControllaVariabiliConvertite();
    void Aggiorna(bool mantieniPannelli);
    void cmbInizio_Click(int Index);

    // ---- itinerary: stage grid, storage, totals ----------------------------
    static constexpr qint16 RigheVisibili = 17;
    qint16 RigaCorrente = 1;
    void CancellaMatrice();
    void ImpostaGriglia(int Modo);
    void CaricaTappeItinerario();
    void AggiornaNumeroRiga();
    void CalcolaKmTempiItinerario();

    // ---- city guide ----------------------------------------------------------

    // ---- stage editor --------------------------------------------------------

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

    Piattaforma& Sistema() { return piattaforma_; }
    bool Terminato() const { return terminato_; }

private:
    Controllo& Registra(Controllo& c, const QString& nome, const QString& genitore, int left, int top,
                        int width, int height, int indice = -1);
    template <typename T> T& Aggiungi(std::deque<T>& array, const QString& nome, const QString& genitore,
                                      int left, int top, int width, int height);
    void CreaControlli();
    void CreaSchermoMeta();
    void ImpostaDefault(Pulsante& pulsante);
    void CollegaEventi();
    void CollegaEventiMeta();
    void Esegui(const std::function<void()>& azione);
    void Termina();

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
