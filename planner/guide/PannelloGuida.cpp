// The guide panel's controls and events.
#include "guide/ControlloreGuida.h"
#include "shell/FinestraComune.h"

void ControlloreGuida::CreaPannello() {
    const QString guida = QStringLiteral("frmGuida");
    auto etichetta = [&](Etichetta& e, const char* nome, const char* caption, int l, int t, int w) {
        finestra_.Registra(e, QString::fromLatin1(nome), guida, l, t, w, 255);
        e.Caption = QString::fromUtf8(caption);
    };
    etichetta(lblGLocalita, "lblGLocalita", "Località di riferimento (automatico da riga selezionata)", 120,
              210, 4200);
    finestra_.Registra(txtGLocalita, QStringLiteral("txtGLocalita"), guida, 120, 450, 4200, 285);
    txtGLocalita.Locked = true;
    txtGLocalita.MaxLength = 30;
    etichetta(lblGTipo, "lblGTipo", "Tipologia", 4440, 210, 1900);
    finestra_.Registra(cmbGTipo_, QStringLiteral("cmbGTipo"), guida, 4440, 450, 1900, 285);
    etichetta(lblGTempo, "lblGTempo", "Tempo necessario per la visita dell'oggetto (obbligatorio per visite)",
              6460, 210, 5000);
    finestra_.Registra(cmbGH_, QStringLiteral("cmbGH"), guida, 6460, 450, 600, 285);
    finestra_.Registra(cmbGM_, QStringLiteral("cmbGM"), guida, 7120, 450, 600, 285);
    etichetta(lblGDescrizione, "lblGDescrizione", "Descrizione dell'oggetto della guida", 120, 780, 4200);
    finestra_.Registra(txtGDescrizione, QStringLiteral("txtGDescrizione"), guida, 120, 1000, 7600, 285);
    txtGDescrizione.MaxLength = 96;
    // When the entry can be visited: the days it is closed, its hours.
    etichetta(lblGChiuso, "lblGChiuso", "Chiuso il:", 120, 1375, 900);
    finestra_.Registra(txtGChiuso, QStringLiteral("txtGChiuso"), guida, 1050, 1345, 2900, 285);
    txtGChiuso.MaxLength = 40;
    txtGChiuso.ToolTipText =
        QStringLiteral("Giorni di chiusura (lun,mar,mer,gio,ven,sab,dom); vuoto: nessuno");
    etichetta(lblGDalle, "lblGDalle", "Aperto dalle", 4440, 1375, 1100);
    finestra_.Registra(txtGDalle, QStringLiteral("txtGDalle"), guida, 5560, 1345, 650, 285);
    txtGDalle.MaxLength = 5;
    txtGDalle.ToolTipText = QStringLiteral("Ora di apertura (hh:mm); vuoto con \"alle\": sempre aperto");
    etichetta(lblGAlle, "lblGAlle", "alle", 6300, 1375, 420);
    finestra_.Registra(txtGAlle, QStringLiteral("txtGAlle"), guida, 6740, 1345, 650, 285);
    txtGAlle.MaxLength = 5;
    txtGAlle.ToolTipText = QStringLiteral("Ora di chiusura (hh:mm)");

    struct Bottone {
        Pulsante* pulsante;
        const char* nome;
        const char* caption;
        int left, top, width;
    };
    // Two columns of commands, and a third on the lower row for printing.
    const Bottone bottoni[] = {
        {&cmdSalvaRiga, "cmdSalvaRiga", "&Salva riga", 7850, 450, 1150},
        {&cmdCancellaRiga, "cmdCancellaRiga", "&Cancella riga", 9050, 450, 1250},
        {&cmdFind, "cmdFind", "C&erca", 7850, 900, 1150},
        {&cmdFineInserimento, "cmdFineInserimento", "&Fine inserimento", 9050, 900, 1250},
    };
    for (const Bottone& b : bottoni) {
        finestra_.Registra(*b.pulsante, QString::fromLatin1(b.nome), guida, b.left, b.top, b.width, 345);
        b.pulsante->Caption = QString::fromUtf8(b.caption);
    }
}

void ControlloreGuida::CollegaEventi() {
    finestra_.SuClick(QStringLiteral("cmdGuidaCitta"), [this] { cmdGuidaCitta_Click(); });
    finestra_.SuClick(QStringLiteral("cmdSalvaRiga"), [this] { CmdSalvaRiga_Click(); });
    finestra_.SuClick(QStringLiteral("cmdCancellaRiga"), [this] { cmdCancellaRiga_Click(); });
    finestra_.SuClick(QStringLiteral("cmdFind"), [this] { cmdFind_Click(); });
    finestra_.SuClick(QStringLiteral("cmdFineInserimento"), [this] { cmdFineInserimento_Click(); });
    auto ora = [](int& k) {
        if (k >= 32 && (k < '0' || k > '9') && k != ':') k = 0;
    };
    finestra_.SuTasto(QStringLiteral("txtGDalle"), ora);
    finestra_.SuTasto(QStringLiteral("txtGAlle"), ora);
}
