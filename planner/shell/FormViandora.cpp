#include "shell/FormViandora.h"

#include <QStringList>

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

void FormViandora::RegistraPannello(Pannello& p, const char* nome, const QString& caption, int l, int t,
                                    int w, int h, const QString& genitore) {
    Registra(p, QString::fromLatin1(nome), genitore, l, t, w, h);
    p.Caption = caption;
}

void FormViandora::CreaControlli() {
    // The trip screen's panels; the secondary panels are placed at start-up.
    RegistraPannello(frmMetaIntesta, "frmMetaIntesta", {}, 0, 0, 11535, 420);
    RegistraPannello(frmMetePeriodo, "frmMetePeriodo", QStringLiteral("Periodo del viaggio:"), 0, 420, 2370,
                     2400);
    RegistraPannello(frmMeteVelocita, "frmMeteVelocita", QStringLiteral("Percorrenze:"), 2400, 420, 3390,
                     2400);
    RegistraPannello(frmMeteTempi, "frmMeteTempi", QStringLiteral("Tempi tecnici giornalieri/Riposi/Visite:"),
                     5820, 420, 5715, 2400);
    RegistraPannello(frmBottoni, "frmBottoni", QStringLiteral("Inserimento dati:"), 0, 6900, 11535, 975);

    Registra(mfgTab, QStringLiteral("mfgTab"), {}, 5, 2850, 11535, 4055);
    CreaComandiMeta();
    // The stage editor's panel and its commands come before the panels
    // that lie over the grid.
    RegistraPannello(frmInputBox, "frmInputBox", QStringLiteral("Inserimento itinerario:"), 7900, 2350, 3650,
                     5130);
    CreaComandiItinerario();
}

void FormViandora::CreaComandiMeta() {
    // Trip-level commands, two rows on the left of the button panel.
    static const Comando comandiMeta[] = {
        {&FormViandora::cmdNuovo, "cmdNuovo", "&Nuovo",
         "Predispone per una nuova meta (cancella tutti i campi)"},
        {&FormViandora::cmdRicerca, "cmdRicerca", "&Ricerca", "Ricerca di una meta in archivio"},
        {&FormViandora::cmdSalva, "cmdSalva", "Sal&va", "Salva la méta corrente (non l'itinerario)"},
        {&FormViandora::cmdCancMeta, "cmdCancMeta", "Canc.&Meta",
         "Annulla la meta corrente (cancella dall'archivio)"},
        {&FormViandora::cmdCalcola, "cmdCalcola", "&Calcola",
         "Calcola i tempi di percorrenza compresa la guida alle località"},
        {&FormViandora::cmdStampa, "cmdStampa", "&Stampa",
         "Stampa il percorso calcolato (compresa la guida alle località)"},
        {&FormViandora::cmdItinerario, "cmdItinerario", "&Itinerario",
         "Inserimento delle singole tappe con luogo, n. strada, km, tipo, soste, ecc."},
        {&FormViandora::cmdGuidaCitta, "cmdGuidaCitta", "&Guida città",
         "Inserimento delle visite, dei punti di sosta e dei servizi per località"},
        {&FormViandora::cmdCancItin, "cmdCancItin", "C&anc.Itin.",
         "Cancella l'itinerario relativo alla mèta"},
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
    Registra(lblElaborazione, QStringLiteral("lblElaborazione"), QStringLiteral("frmBottoni"), 5640, 300,
             4700, 300);
    Registra(cmdConverte, QStringLiteral("cmdConverte"), QStringLiteral("frmBottoni"), 10440, 225, 945, 345);
    cmdConverte.Caption = QStringLiteral("Converte");
    cmdConverte.ToolTipText = QStringLiteral("Converte i dati della versione precedente");
    // The progress bar leaves the end of the second row to the timetable's
    // summary and calendar.
    Registra(txtBase, QStringLiteral("txtBase"), QStringLiteral("frmBottoni"), 5640, 675, 3750, 250);
    txtBase.Locked = true;
    Registra(txtPerc, QStringLiteral("txtPerc"), QStringLiteral("frmBottoni"), 5640, 675, 0, 250);
    txtPerc.Locked = true;
    txtPerc.Centrato = true;
    txtPerc.BackColor = 0x000080;
    Registra(lblPrenotazioni, QStringLiteral("lblPrenotazioni"), QStringLiteral("frmBottoni"), 7230, 675,
             2200, 250);
    lblPrenotazioni.Visible = false;
    lblPrenotazioni.ToolTipText =
        QStringLiteral("Notti prenotate che la tabella calcolata non raggiunge (vedi il riepilogo)");
    Registra(cmdRiepilogo, QStringLiteral("cmdRiepilogo"), QStringLiteral("frmBottoni"), 9480, 600, 945, 345);
    cmdRiepilogo.Caption = QStringLiteral("Riepil&ogo");
    cmdRiepilogo.ToolTipText = QStringLiteral(
        "Riepilogo giorno per giorno della tabella calcolata: km, guida, notti, costi, avvisi");
    Registra(cmdCalendario, QStringLiteral("cmdCalendario"), QStringLiteral("frmBottoni"), 10440, 600, 945,
             345);
    cmdCalendario.Caption = QStringLiteral("Calen&dario");
    cmdCalendario.ToolTipText =
        QStringLiteral("Salva la tabella calcolata come calendario (.ics) o foglio di calcolo (.csv)");
}

void FormViandora::CreaPannelliSecondari() {
    // Secondary panels, created after the grid, the buttons and the stage's
    // fixed times so that they lie over them when shown.
    RegistraPannello(frmPercorso, "frmPercorso", QStringLiteral("Tratto dal percorso:"), 8000, 3500, 3200,
                     3975);
    RegistraPannello(frmLista, "frmLista", {}, 60, 2900, 7850, 4000);
    Registra(mfgCopia, QStringLiteral("mfgCopia"), QStringLiteral("frmLista"), 120, 800, 6850, 3210);
    RegistraPannello(frmGuida, "frmGuida", QStringLiteral("Guida visite e soste tecniche:"), 0, 6235, 11535,
                     1700);
    RegistraPannello(frmGuidaStampa, "frmGuidaStampa", QStringLiteral("Guida da stampare:"), 5300, 3960, 3375,
                     1815);
    RegistraPannello(frmStampa, "frmStampa", QStringLiteral("Opzioni di stampa:"), 5300, 3960, 3375, 2085);
    RegistraPannello(frmSelStampa, "frmSelStampa", QStringLiteral("Selezione stampante:"), 5300, 3120, 3375,
                     3855);
    RegistraPannello(frmStampaInCorso, "frmStampaInCorso", {}, 1440, 5760, 6975, 735);
    Registra(lblStampaInCorso, QStringLiteral("lblStampaInCorso"), QStringLiteral("frmStampaInCorso"), 120,
             120, 6735, 500);
    lblStampaInCorso.Caption = QStringLiteral("Preparazione moduli in corso... attendere...");
    RegistraPannello(frmExport, "frmExport",
                     QStringLiteral("Export/Import mete (compresi percorsi e guide città)"), 120, 2950, 11400,
                     4965);

    Registra(cmbRicerca, QStringLiteral("cmbRicerca"), {}, 450, 3100, 3750, 3800);
    Registra(cmbRicercaTappa, QStringLiteral("cmbRicercaTappa"), {}, 450, 3100, 3500, 3800);
}

void FormViandora::CreaComandiItinerario() {
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
        {&FormViandora::cmdMemorizza, "cmdMemorizza", "&Salva Reset",
         "Salva l'itinerario ed esce dalla modalità"},
        {&FormViandora::cmdDuplica, "cmdDuplica", "C&opia da altre mète", "Duplica da altra meta"},
        {&FormViandora::cmdAzzeraSoste, "cmdAzzeraSoste", "A&zzera soste itiner.",
         "Tasto disponibile per ampliamenti futuri."},
        {&FormViandora::cmdTrasferisce, "cmdTrasferisce", "Copia soste guida ->itin.",
         "Tasto disponibile per ampliamenti futuri."},
        {&FormViandora::cmdMapPoint, "cmdMapPoint", "Altri &Pacch.",
         "Importa l'itinerario da un programma di percorsi"},
    };
    int i = 0;
    for (const Comando& c : comandiItinerario) {
        Pulsante& p = this->*(c.pulsante);
        Registra(p, QString::fromLatin1(c.nome), QStringLiteral("frmInputBox"), 90 + (i % 2) * 1740,
                 2880 + (i / 2) * 360, 1710, 345);
        p.Caption = QString::fromUtf8(c.caption);
        p.ToolTipText = QString::fromUtf8(c.tooltip);
        ++i;
    }
}

void FormViandora::CollegaEventi() {
    click_.insert(QStringLiteral("cmdEsce"), [this] { cmdEsce_Click(); });
    CollegaEventiAiuto();
}

void FormViandora::Esegui(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const ErroreDatabase& e) {
        // The command is abandoned; its transaction has been rolled back.
        AzzeraPercentuale();
        piattaforma_.MsgBox(e.Messaggio(), Msg::OkOnly | Msg::Critical, Caption);
    }
    // The stage's fixed times take the vehicle's place while the stage
    // editor is open, whichever command opened or closed it.
    frmTraghetto.Visible = frmInputBox.Visible;
    frmVeicolo.Visible = !frmInputBox.Visible;
}

void FormViandora::SuClick(const QString& controllo, std::function<void()> gestore) {
    click_.insert(controllo, std::move(gestore));
}

void FormViandora::SuTasto(const QString& controllo, std::function<void(int&)> gestore) {
    tasti_.insert(controllo, std::move(gestore));
}

void FormViandora::SuTastoGiu(const QString& controllo, std::function<void(int&)> gestore) {
    tastiGiu_.insert(controllo, std::move(gestore));
}

void FormViandora::SuCambio(const QString& controllo, std::function<void()> gestore) {
    cambi_.insert(controllo, std::move(gestore));
}

void FormViandora::SuUscita(const QString& controllo, std::function<void()> gestore) {
    uscite_.insert(controllo, std::move(gestore));
}

void FormViandora::Click(const QString& controllo) {
    if (auto it = click_.constFind(controllo); it != click_.constEnd()) Esegui(*it);
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
    if (auto it = cambi_.constFind(controllo); it != cambi_.constEnd()) Esegui(*it);
}

void FormViandora::LostFocus(const QString& controllo) {
    if (auto it = uscite_.constFind(controllo); it != uscite_.constEnd()) Esegui(*it);
}

void FormViandora::SetFocus(const Controllo& controllo) {
    piattaforma_.SetFocus(controllo.NomeCompleto());
}

void FormViandora::Termina() {
    terminato_ = true;
    piattaforma_.Termina();
}
