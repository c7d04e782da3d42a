#include "shell/FormViandora.h"

#include <QStringList>

FormViandora::FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma)
    : CartellaProgramma(cartellaProgramma), piattaforma_(piattaforma) {
    Caption = QStringLiteral("Quintora 2.00 - 2005");
    for (int k = 0; k < 3; ++k)
        cmbSosta.emplace_back();
    CreaControlli();
    CreaSchermoMeta();
    CreaPannelloGuida();
    CreaPannelloInserimento();
    CreaPulsantiAiuto();
    CreaPannelloCopia();
    CreaPannelloScambio();
    CreaPannelliStampa();
    CollegaEventi();
}

FormViandora::~FormViandora() = default;

Controllo& FormViandora::Registra(Controllo& c, const QString& nome, const QString& genitore, int left,
                                  int top, int width, int height, int indice) {
    c.Identifica(nome, genitore, indice);
    c.Move(left, top, width, height);
    controlli_.append(&c);
    perNome_.insert(c.NomeCompleto(), &c);
    return c;
}

Controllo* FormViandora::TrovaControllo(const QString& nomeCompleto) const {
    return perNome_.value(nomeCompleto, nullptr);
}

namespace {
struct Comando {
    Pulsante FormViandora::*pulsante;
    const char* nome;
    const char* caption;
    const char* tooltip;
};
} // namespace

void FormViandora::CreaControlli() {
    auto pannello = [this](Pannello& p, const char* nome, const QString& caption, int l, int t, int w, int h,
                           const QString& genitore = {}) {
        Registra(p, QString::fromLatin1(nome), genitore, l, t, w, h);
        p.Caption = caption;
    };
    // The trip screen's panels; the secondary panels are placed at start-up.
    pannello(frmMetaIntesta, "frmMetaIntesta", {}, 0, 0, 11535, 420);
    pannello(frmMetePeriodo, "frmMetePeriodo", QStringLiteral("Periodo del viaggio:"), 0, 420, 2370, 2400);
    pannello(frmMeteVelocita, "frmMeteVelocita", QStringLiteral("Percorrenze:"), 2400, 420, 3390, 2400);
    pannello(frmMeteTempi, "frmMeteTempi", QStringLiteral("Tempi tecnici giornalieri/Riposi/Visite:"), 5820,
             420, 5715, 2400);
    pannello(frmBottoni, "frmBottoni", QStringLiteral("Inserimento dati:"), 0, 6900, 11535, 975);

    Registra(mfgTab, QStringLiteral("mfgTab"), {}, 5, 2850, 11535, 4055);

    // Trip-level commands, two rows on the left of the button panel.
    static const Comando comandiMeta[] = {
        {&FormViandora::cmdNuovo, "cmdNuovo", "&Nuovo", "Predispone per una nuova meta (cancella tutti i campi)"},
        {&FormViandora::cmdRicerca, "cmdRicerca", "&Ricerca", "Ricerca di una meta in archivio"},
        {&FormViandora::cmdSalva, "cmdSalva", "Sal&va", "Salva la méta corrente (non l'itinerario)"},
        {&FormViandora::cmdCancMeta, "cmdCancMeta", "Canc.&Meta", "Annulla la meta corrente (cancella dall'archivio)"},
        {&FormViandora::cmdCalcola, "cmdCalcola", "&Calcola",
         "Calcola i tempi di percorrenza compresa la guida alle località"},
        {&FormViandora::cmdStampa, "cmdStampa", "&Stampa",
         "Stampa il percorso calcolato (compresa la guida alle località)"},
        {&FormViandora::cmdItinerario, "cmdItinerario", "&Itinerario",
         "Inserimento delle singole tappe con luogo, n. strada, km, tipo, soste, ecc."},
        {&FormViandora::cmdGuidaCitta, "cmdGuidaCitta", "&Guida città",
         "Inserimento delle visite, dei punti di sosta e dei servizi per località"},
        {&FormViandora::cmdCancItin, "cmdCancItin", "C&anc.Itin.", "Cancella l'itinerario relativo alla mèta"},
        {&FormViandora::cmdImport, "cmdImport", "Im&port", "Importa le mète preparate da altri utenti"},
        {&FormViandora::cmdExport, "cmdExport", "E&xport", "Esporta le mète per altri utenti"},
        {&FormViandora::cmdEsce, "cmdEsce", "&Esce", "Esce dal form"},
    };
    int i = 0;
    for (const Comando& c : comandiMeta) {
        Pulsante& p = this->*(c.pulsante);
        Registra(p, QString::fromLatin1(c.nome), QStringLiteral("frmBottoni"), 90 + (i % 6) * 900,
                 240 + (i / 6) * 360, 900, 345);
        p.Caption = QString::fromUtf8(c.caption);
        p.ToolTipText = QString::fromUtf8(c.tooltip);
        ++i;
    }
    Registra(lblElaborazione, QStringLiteral("lblElaborazione"), QStringLiteral("frmBottoni"), 5640, 300, 4700,
             300);
    Registra(cmdConverte, QStringLiteral("cmdConverte"), QStringLiteral("frmBottoni"), 10440, 225, 945, 345);
    cmdConverte.Caption = QStringLiteral("Converte");
    cmdConverte.ToolTipText = QStringLiteral("Converte i dati della versione precedente");
    Registra(txtBase, QStringLiteral("txtBase"), QStringLiteral("frmBottoni"), 5640, 675, 5745, 250);
    txtBase.Locked = true;
    Registra(txtPerc, QStringLiteral("txtPerc"), QStringLiteral("frmBottoni"), 5640, 675, 0, 250);
    txtPerc.Locked = true;
    txtPerc.Centrato = true;
    txtPerc.BackColor = 0x000080;

    // Secondary panels, created after the grid and the buttons so that they
    // lie over them when shown.
    pannello(frmInputBox, "frmInputBox", QStringLiteral("Inserimento itinerario:"), 7900, 2350, 3650, 5130);
    static const Comando comandiItinerario[] = {
        {&FormViandora::cmdInserisce, "cmdInserisce", "&Inserisce tappa",
         "Inserisce i dati alla riga selezionata (modifica o nuova)"},
        {&FormViandora::cmdAggiunge, "cmdAggiunge", "&Aggiunge riga vuota",
         "Aggiunge una riga vuota alla riga selezionata"},
        {&FormViandora::cmdCancella, "cmdCancella", "&Cancella riga/tappa", "Elimina la riga selezionata"},
        {&FormViandora::cmdRicalcola, "cmdRicalcola", "&Ricalcola percorso",
         "Calcola il percorso (come \"Calcola\", ma anche sui dati inseriti) "},
        {&FormViandora::cmdRitorno, "cmdRitorno", "Ri&torno a start",
         "Inserisce il ritorno alla località di partenza, dalla località più vicina"},
        {&FormViandora::cmdCerca, "cmdCerca", "C&erca località", "Cerca una località nella lista"},
        {&FormViandora::cmdFine, "cmdFine", "&Fine inser.", "Rinuncia agli inserimenti già effettuati"},
        {&FormViandora::cmdMemorizza, "cmdMemorizza", "&Salva Reset", "Salva l'itinerario ed esce dalla modalità"},
        {&FormViandora::cmdDuplica, "cmdDuplica", "C&opia da altre mète", "Duplica da altra meta"},
        {&FormViandora::cmdAzzeraSoste, "cmdAzzeraSoste", "A&zzera soste itiner.",
         "Tasto disponibile per ampliamenti futuri."},
        {&FormViandora::cmdTrasferisce, "cmdTrasferisce", "Copia soste guida ->itin.",
         "Tasto disponibile per ampliamenti futuri."},
        {&FormViandora::cmdMapPoint, "cmdMapPoint", "Altri &Pacch.",
         "Importa l'itinerario da un programma di percorsi"},
    };
    i = 0;
    for (const Comando& c : comandiItinerario) {
        Pulsante& p = this->*(c.pulsante);
        Registra(p, QString::fromLatin1(c.nome), QStringLiteral("frmInputBox"), 90 + (i % 2) * 1740,
                 2880 + (i / 2) * 360, 1710, 345);
        p.Caption = QString::fromUtf8(c.caption);
        p.ToolTipText = QString::fromUtf8(c.tooltip);
        ++i;
    }

    pannello(frmPercorso, "frmPercorso", QStringLiteral("Tratto dal percorso:"), 8000, 3500, 3200, 3975);
    pannello(frmLista, "frmLista", {}, 60, 2900, 7850, 4000);
    Registra(mfgCopia, QStringLiteral("mfgCopia"), QStringLiteral("frmLista"), 120, 800, 6850, 3210);
    pannello(frmGuida, "frmGuida", QStringLiteral("Guida visite e soste tecniche:"), 0, 6600, 11535, 1335);
    pannello(frmGuidaStampa, "frmGuidaStampa", QStringLiteral("Guida da stampare:"), 5300, 3960, 3375, 1815);
    pannello(frmStampa, "frmStampa", QStringLiteral("Opzioni di stampa:"), 5300, 3960, 3375, 1815);
    pannello(frmSelStampa, "frmSelStampa", QStringLiteral("Selezione stampante:"), 5300, 3120, 3375, 3855);
    pannello(frmStampaInCorso, "frmStampaInCorso", {}, 1440, 5760, 6975, 735);
    Registra(lblStampaInCorso, QStringLiteral("lblStampaInCorso"), QStringLiteral("frmStampaInCorso"), 120, 120,
             6735, 500);
    lblStampaInCorso.Caption = QStringLiteral("Preparazione moduli in corso... attendere...");
    pannello(frmExport, "frmExport", QStringLiteral("Export/Import mete (compresi percorsi e guide città)"), 120,
             2950, 11400, 4965);

    Registra(cmbRicerca, QStringLiteral("cmbRicerca"), {}, 450, 3100, 3750, 3800);
    Registra(cmbRicercaTappa, QStringLiteral("cmbRicercaTappa"), {}, 450, 3100, 3500, 3800);
}

void FormViandora::CreaSchermoMeta() {
    const QString intesta = QStringLiteral("frmMetaIntesta");
    auto etichetta = [this](Etichetta& e, const char* nome, const QString& caption, const QString& genitore, int l,
                            int t, int w) {
        Registra(e, QString::fromLatin1(nome), genitore, l, t + 30, w, 255);
        e.Caption = caption;
    };
    etichetta(lblCodice, "lblCodice", QStringLiteral("Codice:"), intesta, 90, 90, 700);
    Registra(txtCodice, QStringLiteral("txtCodice"), intesta, 800, 75, 800, 285);
    txtCodice.Locked = true;
    etichetta(lblLocalita, "lblLocalita", QStringLiteral("Mèta:"), intesta, 1750, 90, 600);
    Registra(txtLocalita, QStringLiteral("txtLocalita"), intesta, 2350, 75, 4500, 285);
    txtLocalita.MaxLength = 30;
    etichetta(lblNazione, "lblNazione", QStringLiteral("Nazione:"), intesta, 7000, 90, 800);
    Registra(txtNazione, QStringLiteral("txtNazione"), intesta, 7800, 75, 2800, 285);
    // The stored country holds 19 characters: typing stops there.
    txtNazione.MaxLength = 19;

    // Start and end of the trip: day, month, year on one row, weekday and
    // time on the next.
    const QString periodo = QStringLiteral("frmMetePeriodo");
    Registra(frmMeteInizio, QStringLiteral("frmMeteInizio"), periodo, 90, 210, 2220, 1020);
    frmMeteInizio.Caption = QStringLiteral("Inizio:");
    Registra(frmMeteFine, QStringLiteral("frmMeteFine"), periodo, 90, 1290, 2220, 1020);
    frmMeteFine.Caption = QStringLiteral("Fine:");
    const int xData[] = {90, 660, 1230};
    const int lData[] = {555, 555, 900};
    for (int k = 0; k < 3; ++k)
        Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), xData[k], 270,
                 lData[k], 285);
    Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 660, 630, 555, 285);
    Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 1230, 630, 555, 285);
    Registra(txtInizioGSett, QStringLiteral("txtInizioGSett"), QStringLiteral("frmMeteInizio"), 90, 630, 555, 285);
    txtInizioGSett.Locked = true;
    for (int k = 0; k < 3; ++k)
        Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), xData[k], 270, lData[k], 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 660, 630, 555, 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 1230, 630, 555, 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 90, 630, 555, 285);
    for (auto& t : txtFine)
        t.Locked = true;

    // Speeds and totals per road type.
    const QString velocita = QStringLiteral("frmMeteVelocita");
    auto riga = [](int r) { return 195 + r * 300; };
    etichetta(lblKmh, "lblKmh", QStringLiteral("km/h"), velocita, 1150, riga(0), 560);
    etichetta(lblKm, "lblKm", QStringLiteral("Km."), velocita, 1740, riga(0), 700);
    etichetta(lblTempo, "lblTempo", QStringLiteral("Tempo"), velocita, 2470, riga(0), 820);
    const char* tipi[] = {"Autostrada", "Superstrada", "Principale", "Locale"};
    for (int k = 0; k < 4; ++k) {
        lblTipoStrada.emplace_back();
        Registra(lblTipoStrada.back(), QStringLiteral("lblTipoStrada"), velocita, 90, riga(k + 1) + 30, 1050, 255,
                 k);
        lblTipoStrada.back().Caption = QString::fromLatin1(tipi[k]);
        Aggiungi(cmbMediaKm, QStringLiteral("cmbMediaKm"), velocita, 1150, riga(k + 1), 560, 285);
    }
    for (int k = 0; k < 5; ++k) {
        Aggiungi(txtKmTot, QStringLiteral("txtKmTot"), velocita, 1740, riga(k + 1), 700, 285).Locked = true;
        Aggiungi(txtTempo, QStringLiteral("txtTempo"), velocita, 2470, riga(k + 1), 820, 285).Locked = true;
    }
    etichetta(lblTotale, "lblTotale", QStringLiteral("Totale:"), velocita, 90, riga(5), 1050);
    etichetta(lblTragh, "lblTragh", QStringLiteral("Traghetti:"), velocita, 90, riga(6), 1050);
    Registra(txtTragh, QStringLiteral("txtTragh"), velocita, 1740, riga(6), 700, 285);
    txtTragh.Locked = true;

    // Daily times: nine hour/minute pairs, rests, days and stop choice.
    const QString tempi = QStringLiteral("frmMeteTempi");
    for (int k = 0; k < 9; ++k) {
        cmbOra.emplace_back();
        cmbMin.emplace_back();
    }
    struct Posto {
        int coppia, riga, colonna;
    };
    const Posto posti[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {6, 4, 0},
                           {8, 0, 1}, {4, 1, 1}, {5, 2, 1}, {7, 4, 1}};
    for (const Posto& p : posti) {
        const int x = p.colonna == 0 ? 1200 : 3190;
        Registra(cmbOra[p.coppia], QStringLiteral("cmbOra"), tempi, x, riga(p.riga), 520, 285, p.coppia);
        Registra(cmbMin[p.coppia], QStringLiteral("cmbMin"), tempi, x + 530, riga(p.riga), 520, 285, p.coppia);
    }
    etichetta(lblMetePauseColaz, "lblMetePauseColaz", QStringLiteral("Colazione:"), tempi, 90, riga(0), 1100);
    etichetta(lblMetePausaPranzo, "lblMetePausaPranzo", QStringLiteral("Pranzo:"), tempi, 90, riga(1), 1100);
    etichetta(lblMetePausaCena, "lblMetePausaCena", QStringLiteral("Cena:"), tempi, 90, riga(2), 1100);
    etichetta(lblMetePauseNotte, "lblMetePauseNotte", QStringLiteral("Notte:"), tempi, 90, riga(3), 1100);
    etichetta(lblVisite, "lblVisite", QStringLiteral("Visite dalle:"), tempi, 90, riga(4), 1100);
    etichetta(lblTraghetto, "lblTraghetto", QStringLiteral("Traghetto:"), tempi, 2300, riga(0), 880);
    etichetta(lblDurataPranzo, "lblDurataPranzo", QStringLiteral("durata:"), tempi, 2300, riga(1), 880);
    etichetta(lblDurataCena, "lblDurataCena", QStringLiteral("durata:"), tempi, 2300, riga(2), 880);
    etichetta(lblVisiteAlle, "lblVisiteAlle", QStringLiteral("alle:"), tempi, 2300, riga(4), 880);

    etichetta(lblRipM, "lblRipM", QStringLiteral("Riposo min.:"), tempi, 90, riga(5), 1100);
    Registra(cmbRipM, QStringLiteral("cmbRipM"), tempi, 1200, riga(5), 520, 285);
    etichetta(lblRipH, "lblRipH", QStringLiteral("ogni ore:"), tempi, 2300, riga(5), 880);
    Registra(cmbRipH, QStringLiteral("cmbRipH"), tempi, 3190, riga(5), 520, 285);
    etichetta(lblRipG, "lblRipG", QStringLiteral("Gg. riposo:"), tempi, 90, riga(6), 1100);
    Registra(cmbRipG, QStringLiteral("cmbRipG"), tempi, 1200, riga(6), 520, 285);
    etichetta(lblRipGG, "lblRipGG", QStringLiteral("ogni gg.:"), tempi, 2300, riga(6), 880);
    Registra(cmbRipGG, QStringLiteral("cmbRipGG"), tempi, 3190, riga(6), 520, 285);
    Registra(cmbSoste, QStringLiteral("cmbSoste"), tempi, 2300, riga(3), 1940, 285);
    cmbSoste.ToolTipText = QStringLiteral("Calcolo delle soste");

    etichetta(lblGiorni, "lblGiorni", QStringLiteral("Giorni max:"), tempi, 4330, riga(0), 1300);
    Registra(cmbGiorni, QStringLiteral("cmbGiorni"), tempi, 4330, riga(1), 800, 285);
    etichetta(lblDefault, "lblDefault", QStringLiteral("Default:"), tempi, 4330, riga(3), 1300);
    // Without mnemonics for loading and restoring: every letter of them
    // already opens a command visible beside them.
    const char* defaultCaption[] = {"Sa&lva", "Carica", "Reset"};
    for (int k = 0; k < 3; ++k)
        Aggiungi(cmdDefault, QStringLiteral("cmdDefault"), tempi, 4330, riga(4 + k), 1300, 285).Caption =
            QString::fromLatin1(defaultCaption[k]);
}

void FormViandora::CollegaEventi() {
    click_.insert(QStringLiteral("cmdEsce"), [this] { cmdEsce_Click(); });
    click_.insert(QStringLiteral("cmdConverte"), [this] { cmdConverte_Click(); });
    CollegaEventiMeta();
    CollegaEventiItinerario();
    CollegaEventiGuida();
    CollegaEventiEditor();
    CollegaEventiAiuto();
    CollegaEventiCalcolo();
    CollegaEventiCopia();
    CollegaEventiScambio();
    CollegaEventiStampa();
}

void FormViandora::Esegui(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const ErroreDatabase& e) {
        // The command is abandoned; its transaction has been rolled back.
        AzzeraPercentuale();
        piattaforma_.MsgBox(e.Messaggio(), Msg::OkOnly | Msg::Critical, Caption);
    }
}

void FormViandora::Click(const QString& controllo) {
    if (auto it = click_.constFind(controllo); it != click_.constEnd())
        Esegui(*it);
}

void FormViandora::KeyPress(const QString& controllo, int& KeyAscii) {
    if (auto it = tasti_.constFind(controllo); it != tasti_.constEnd()) {
        auto gestore = *it;
        Esegui([&] { gestore(KeyAscii); });
    }
}

void FormViandora::KeyDown(const QString& controllo, int& KeyCode) {
    if (auto it = tastiGiu_.constFind(controllo); it != tastiGiu_.constEnd()) {
        auto gestore = *it;
        Esegui([&] { gestore(KeyCode); });
    }
}

void FormViandora::Change(const QString& controllo) {
    if (auto it = cambi_.constFind(controllo); it != cambi_.constEnd())
        Esegui(*it);
}

void FormViandora::LostFocus(const QString& controllo) {
    if (auto it = uscite_.constFind(controllo); it != uscite_.constEnd())
        Esegui(*it);
}

void FormViandora::SetFocus(const Controllo& controllo) { piattaforma_.SetFocus(controllo.NomeCompleto()); }

void FormViandora::Termina() {
    terminato_ = true;
    piattaforma_.Termina();
}
