// The controls of the print panels and their events.
#include "printing/Stampa.h"
#include "shell/FormViandora.h"

void FormViandora::CreaPannelliStampa() {
    StatoStampa& s = Stampa;
    auto pulsanti = [this](std::deque<Pulsante>& array, const QString& nome, const QString& pannello, int top,
                           const char* suggerimento0, const char* suggerimento1) {
        const char* caption[] = {"&Stampa", "&Rinuncia"};
        const char* suggerimenti[] = {suggerimento0, suggerimento1};
        for (int k = 0; k < 2; ++k) {
            Pulsante& p = Aggiungi(array, nome, pannello, 120 + k * 1620, top, 1500, 375);
            p.Caption = QString::fromLatin1(caption[k]);
            p.ToolTipText = QString::fromUtf8(suggerimenti[k]);
        }
        array[0].Default = true;
        array[1].Cancel = true;
    };

    // Options of the timetable printout.
    const QString stampa = QStringLiteral("frmStampa");
    Registra(s.chkTabella, QStringLiteral("chkTabella"), stampa, 120, 240, 3100, 255);
    s.chkTabella.Caption = QStringLiteral("Tabella di marcia");
    s.chkTabella.Value = true;
    // The summary comes after the timetable, on paper as in the list.
    Registra(s.chkRiepilogo, QStringLiteral("chkRiepilogo"), stampa, 120, 510, 3100, 255);
    s.chkRiepilogo.Caption = QStringLiteral("Riepilogo e costi");
    s.chkRiepilogo.ToolTipText = QStringLiteral(
        "Una pagina in più con il riepilogo giorno per giorno: km, guida, notti, costi, avvisi");
    Registra(s.chkModuli, QStringLiteral("chkModuli"), stampa, 120, 780, 3100, 255);
    s.chkModuli.Caption = QStringLiteral("Moduli \"Diario di bordo\"");
    Registra(s.txtStampasuFile, QStringLiteral("txtStampasuFile"), stampa, 120, 1050, 3135, 255);
    s.txtStampasuFile.Text = QStringLiteral("Stampa su file \"\\viantabl.txt\" ");
    s.txtStampasuFile.Locked = true;
    Registra(s.txtfileTabella, QStringLiteral("txtfileTabella"), stampa, 120, 1305, 3135, 285);
    s.txtfileTabella.Locked = true;
    s.txtfileTabella.ToolTipText = QStringLiteral("Nome del file dati relativo alla tabella corrente");
    pulsanti(s.CmdEsegui, QStringLiteral("CmdEsegui"), stampa, 1650,
             "Scelta della stampante e avvio della stampa", "Rinuncia alla stampa");

    // Printer choice: the list leaves room for the buttons also when the
    // panel is shortened for the city guide.
    const QString selezione = QStringLiteral("frmSelStampa");
    Registra(s.lstStampanti, QStringLiteral("lstStampanti"), selezione, 120, 270, 3135, 2370);
    s.lstStampanti.ToolTipText = QStringLiteral("Stampanti installate; \"File PDF\" scrive un documento PDF");
    pulsanti(s.cmdSelStampante, QStringLiteral("cmdSelStampante"), selezione, 2760, "Avvio della stampa",
             "Rinuncia alla stampa");

    // The city guide's print command and options.
    Registra(s.cmdStampaGuidaCitta, QStringLiteral("cmdStampaGuidaCitta"), QStringLiteral("frmGuida"), 10350,
             900, 1150, 345);
    s.cmdStampaGuidaCitta.Caption = QStringLiteral("Stam&pa guida");
    s.cmdStampaGuidaCitta.ToolTipText = QStringLiteral("Stampa della guida città");
    // The options panel is widened so that every caption fits.
    frmGuidaStampa.Move(4450, 3960, 5070, 1815);
    const QString guida = QStringLiteral("frmGuidaStampa");
    Registra(s.fraGuidaLista, QStringLiteral("fraGuidaLista"), guida, 60, 210, 2430, 900);
    s.fraGuidaLista.Caption = QStringLiteral("Località in stampa:");
    Registra(s.fraGuidaDettaglio, QStringLiteral("fraGuidaDettaglio"), guida, 2550, 210, 2430, 900);
    s.fraGuidaDettaglio.Caption = QStringLiteral("Dettaglio:");
    const char* liste[] = {"Inerenti la &Meta", "&Tutte"};
    const char* dettagli[] = {"Località e &Guida", "&Località"};
    for (int k = 0; k < 2; ++k) {
        Aggiungi(s.optGuidaListaStampa, QStringLiteral("optGuidaListaStampa"),
                 QStringLiteral("fraGuidaLista"), 90, 270 + k * 300, 2250, 255)
            .Caption = QString::fromUtf8(liste[k]);
        Aggiungi(s.optGuidaDettaglioStampa, QStringLiteral("optGuidaDettaglioStampa"),
                 QStringLiteral("fraGuidaDettaglio"), 90, 270 + k * 300, 2250, 255)
            .Caption = QString::fromUtf8(dettagli[k]);
    }
    s.optGuidaListaStampa[0].Value = true;
    s.optGuidaDettaglioStampa[0].Value = true;
    pulsanti(s.cmdStampaGuida, QStringLiteral("cmdStampaGuida"), guida, 1260,
             "Scelta della stampante e stampa della guida", "Rinuncia alla stampa");
    for (auto& p : s.cmdStampaGuida)
        p.Height = 345;

    // The wait panel's second line.
    Registra(s.lblStampaInCorsoAttesa, QStringLiteral("lblStampaInCorsoAttesa"),
             QStringLiteral("frmStampaInCorso"), 120, 390, 6700, 255);
    s.lblStampaInCorsoAttesa.Caption =
        QStringLiteral("(Il tempo di attesa dipende dalla capacità del sistema)");
}

void FormViandora::CollegaEventiStampa() {
    StatoStampa& s = Stampa;
    click_.insert(QStringLiteral("cmdStampa"), [this] { cmdStampa_Click(); });
    click_.insert(QStringLiteral("cmdStampaGuidaCitta"), [this] { cmdStampaGuidaCitta_Click(); });
    for (int k = 0; k < 2; ++k) {
        click_.insert(s.CmdEsegui[k].NomeCompleto(), [this, k] { CmdEsegui_Click(k); });
        click_.insert(s.cmdSelStampante[k].NomeCompleto(), [this, k] { cmdSelStampante_Click(k); });
        click_.insert(s.cmdStampaGuida[k].NomeCompleto(), [this, k] { cmdStampaGuida_Click(k); });
        click_.insert(s.optGuidaListaStampa[k].NomeCompleto(),
                      [this, k] { optGuidaStampa_Click(Stampa.optGuidaListaStampa, k); });
        click_.insert(s.optGuidaDettaglioStampa[k].NomeCompleto(),
                      [this, k] { optGuidaStampa_Click(Stampa.optGuidaDettaglioStampa, k); });
    }
}

void FormViandora::optGuidaStampa_Click(std::deque<Opzione>& gruppo, int Index) {
    for (int k = 0; k < int(gruppo.size()); ++k)
        gruppo[k].Value = k == Index;
}
