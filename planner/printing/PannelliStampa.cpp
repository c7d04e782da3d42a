// The controls of the print panels and their events.
#include "printing/Stampa.h"
#include "shell/FinestraComune.h"

void ControlloreStampa::CreaPannelli() {
    ControlloreStampa& s = *this;
    auto pulsanti = [this](std::deque<Pulsante>& array, const QString& nome, const QString& pannello, int top,
                           const char* suggerimento0, const char* suggerimento1) {
        const char* caption[] = {"&Stampa", "&Rinuncia"};
        const char* suggerimenti[] = {suggerimento0, suggerimento1};
        for (int k = 0; k < 2; ++k) {
            Pulsante& p = finestra_.Aggiungi(array, nome, pannello, 120 + k * 1620, top, 1500, 375);
            p.Caption = QString::fromLatin1(caption[k]);
            p.ToolTipText = QString::fromUtf8(suggerimenti[k]);
        }
        array[0].Default = true;
        array[1].Cancel = true;
    };

    // Options of the timetable printout.
    const QString stampa = QStringLiteral("frmStampa");
    finestra_.Registra(s.chkTabella, QStringLiteral("chkTabella"), stampa, 120, 240, 3100, 255);
    s.chkTabella.Caption = QStringLiteral("Tabella di marcia");
    s.chkTabella.Value = true;
    // The summary comes after the timetable, on paper as in the list.
    finestra_.Registra(s.chkRiepilogo, QStringLiteral("chkRiepilogo"), stampa, 120, 510, 3100, 255);
    s.chkRiepilogo.Caption = QStringLiteral("Riepilogo e costi");
    s.chkRiepilogo.ToolTipText = QStringLiteral(
        "Una pagina in più con il riepilogo giorno per giorno: km, guida, notti, costi, avvisi");
    finestra_.Registra(s.chkModuli, QStringLiteral("chkModuli"), stampa, 120, 780, 3100, 255);
    s.chkModuli.Caption = QStringLiteral("Moduli \"Diario di bordo\"");
    finestra_.Registra(s.txtStampasuFile, QStringLiteral("txtStampasuFile"), stampa, 120, 1050, 3135, 255);
    s.txtStampasuFile.Text = QStringLiteral("Stampa su file \"\\viantabl.txt\" ");
    s.txtStampasuFile.Locked = true;
    finestra_.Registra(s.txtfileTabella, QStringLiteral("txtfileTabella"), stampa, 120, 1305, 3135, 285);
    s.txtfileTabella.Locked = true;
    s.txtfileTabella.ToolTipText = QStringLiteral("Nome del file dati relativo alla tabella corrente");
    pulsanti(s.CmdEsegui, QStringLiteral("CmdEsegui"), stampa, 1650,
             "Scelta della stampante e avvio della stampa", "Rinuncia alla stampa");

    // Printer choice: the list leaves room for the buttons also when the
    // panel is shortened for the city guide.
    const QString selezione = QStringLiteral("frmSelStampa");
    finestra_.Registra(s.lstStampanti, QStringLiteral("lstStampanti"), selezione, 120, 270, 3135, 2370);
    s.lstStampanti.ToolTipText = QStringLiteral("Stampanti installate; \"File PDF\" scrive un documento PDF");
    pulsanti(s.cmdSelStampante, QStringLiteral("cmdSelStampante"), selezione, 2760, "Avvio della stampa",
             "Rinuncia alla stampa");

    // The city guide's print command and options.
    finestra_.Registra(s.cmdStampaGuidaCitta, QStringLiteral("cmdStampaGuidaCitta"),
                       QStringLiteral("frmGuida"), 10350, 900, 1150, 345);
    s.cmdStampaGuidaCitta.Caption = QStringLiteral("Stam&pa guida");
    s.cmdStampaGuidaCitta.ToolTipText = QStringLiteral("Stampa della guida città");
    // The options panel is widened so that every caption fits.
    p_.frmGuidaStampa.Move(4450, 3960, 5070, 1815);
    const QString guida = QStringLiteral("frmGuidaStampa");
    finestra_.Registra(s.fraGuidaLista, QStringLiteral("fraGuidaLista"), guida, 60, 210, 2430, 900);
    s.fraGuidaLista.Caption = QStringLiteral("Località in stampa:");
    finestra_.Registra(s.fraGuidaDettaglio, QStringLiteral("fraGuidaDettaglio"), guida, 2550, 210, 2430, 900);
    s.fraGuidaDettaglio.Caption = QStringLiteral("Dettaglio:");
    const char* liste[] = {"Inerenti la &Meta", "&Tutte"};
    const char* dettagli[] = {"Località e &Guida", "&Località"};
    for (int k = 0; k < 2; ++k) {
        finestra_
            .Aggiungi(s.optGuidaListaStampa, QStringLiteral("optGuidaListaStampa"),
                      QStringLiteral("fraGuidaLista"), 90, 270 + k * 300, 2250, 255)
            .Caption = QString::fromUtf8(liste[k]);
        finestra_
            .Aggiungi(s.optGuidaDettaglioStampa, QStringLiteral("optGuidaDettaglioStampa"),
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
    finestra_.Registra(s.lblStampaInCorsoAttesa, QStringLiteral("lblStampaInCorsoAttesa"),
                       QStringLiteral("frmStampaInCorso"), 120, 390, 6700, 255);
    s.lblStampaInCorsoAttesa.Caption =
        QStringLiteral("(Il tempo di attesa dipende dalla capacità del sistema)");
}

void ControlloreStampa::CollegaEventi() {
    ControlloreStampa& s = *this;
    finestra_.SuClick(QStringLiteral("cmdStampa"), [this] { cmdStampa_Click(); });
    finestra_.SuClick(QStringLiteral("cmdStampaGuidaCitta"), [this] { cmdStampaGuidaCitta_Click(); });
    for (int k = 0; k < 2; ++k) {
        finestra_.SuClick(s.CmdEsegui[k].NomeCompleto(), [this, k] { CmdEsegui_Click(k); });
        finestra_.SuClick(s.cmdSelStampante[k].NomeCompleto(), [this, k] { cmdSelStampante_Click(k); });
        finestra_.SuClick(s.cmdStampaGuida[k].NomeCompleto(), [this, k] { cmdStampaGuida_Click(k); });
        finestra_.SuClick(s.optGuidaListaStampa[k].NomeCompleto(),
                          [this, k] { optGuidaStampa_Click(optGuidaListaStampa, k); });
        finestra_.SuClick(s.optGuidaDettaglioStampa[k].NomeCompleto(),
                          [this, k] { optGuidaStampa_Click(optGuidaDettaglioStampa, k); });
    }
}

void ControlloreStampa::optGuidaStampa_Click(std::deque<Opzione>& gruppo, int Index) {
    for (int k = 0; k < int(gruppo.size()); ++k)
        gruppo[k].Value = k == Index;
}
