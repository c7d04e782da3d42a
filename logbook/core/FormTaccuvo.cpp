#include "core/FormTaccuvo.h"

#include <QRegularExpression>

#include "common/Date.h"
#include "common/Stringhe.h"

namespace Taccuvo {

const QString FormTaccuvo::VocePdf = QStringLiteral("File PDF");

FormTaccuvo::FormTaccuvo(Piattaforma& piattaforma, const QString& versione)
    : piattaforma_(piattaforma), versione_(versione) {
    frmLocalita.Caption = QStringLiteral("D&estinazione:");
    txtLocalita.MaxLength = LunghezzaMassimaDestinazione;
    frmPeriodo.Caption = QStringLiteral("Periodo:");
    lblDal.Caption = QStringLiteral("&Dal");
    lblAl.Caption = QStringLiteral("&Al");
    for (Elenco* e : {&cmbg1, &cmbm1, &cmba1})
        e->ToolTipText = QStringLiteral("Indica giorno, mese ed anno di inizio dell'itinerario");
    for (Elenco* e : {&cmbg2, &cmbm2, &cmba2})
        e->ToolTipText = QStringLiteral("Indica giorno, mese ed anno di fine dell'itinerario");
    frmBianco.Caption = QStringLiteral("Stampa dei fogli in bianco:");
    chkBianco.Caption = QStringLiteral("&Moduli in bianco");
    lblCopie.Caption = QStringLiteral("&Num. pagine:");
    cmdStampa.Caption = QStringLiteral("&Stampa");
    cmdStampa.ToolTipText = QStringLiteral("Stampa i moduli per il Diario di Bordo");
    cmdAnnulla.Caption = QStringLiteral("&Annulla");
    cmdAnnulla.ToolTipText = QStringLiteral("Annulla la stampa in corso");
    cmdFine.Caption = QStringLiteral("&Fine");
    cmdFine.ToolTipText = QStringLiteral("Fine dell'esecuzione del programma");
    cmdHelp.Caption = QStringLiteral("&?");
    cmdHelp.ToolTipText = QStringLiteral("Istruzioni per l'uso");
    frmSelStampa.Caption = QStringLiteral("Selezione stampante:");
    cmdSelStampante[0].Caption = QStringLiteral("&Stampa");
    cmdSelStampante[0].ToolTipText = QStringLiteral("Avvio della stampa");
    cmdSelStampante[1].Caption = QStringLiteral("&Rinuncia");
    cmdSelStampante[1].ToolTipText = QStringLiteral("Rinuncia alla stampa");
}

void FormTaccuvo::form_load(const QString& parametriAvvio, const QString& filePdf) {
    ParametriAvvio.clear();
    lblVersione.Caption = versione_;

    cmdStampa.Enabled = false;
    frmSelStampa.Visible = false;
    cmdHelp.Visible = true;
    DimensionafrmBase(false);
    txtFondo.Text.clear();
    for (Elenco* e : {&cmbg1, &cmbm1, &cmba1, &cmbg2, &cmbm2, &cmba2})
        e->Clear();
    cmdAnnulla.Visible = false;
    cmdStampa.Visible = true;
    cmbCopie.Enabled = false;

    const QDate oggi = piattaforma_.Oggi();
    for (int i = 1; i <= 31; ++i) {
        cmbg1.AddItem(Zero(i, 2));
        cmbg2.AddItem(Zero(i, 2));
    }
    for (int i = 1; i <= 12; ++i) {
        cmbm1.AddItem(Zero(i, 2));
        cmbm2.AddItem(Zero(i, 2));
    }
    for (int a = oggi.year() - 1; a <= oggi.year() + 2; ++a) {
        cmba1.AddItem(QString::number(a));
        cmba2.AddItem(QString::number(a));
    }
    cmbCopie.Clear();
    for (int i = 1; i <= 99; ++i)
        cmbCopie.AddItem(Zero(i, 2));
    cmbCopie.Text = QStringLiteral("01");

    cmbg1.Text = Zero(oggi.day(), 2);
    cmbm1.Text = cmbm2.Text = Zero(oggi.month(), 2);
    cmba1.Text = cmba2.Text = QString::number(oggi.year());
    // The end of this month, not a 31 that the month may not have.
    cmbg2.Text = Zero(oggi.daysInMonth(), 2);
    GiorniDelMese(cmbg2, cmbm2, cmba2);

    ParametriAvvio = parametriAvvio;
    FilePdf = filePdf;
    ErrorePeriodo.clear();
    if (!ParametriAvvio.isEmpty()) {
        const ParametriStampa p = SeparaParametriAvvio(ParametriAvvio);
        ErrorePeriodo = p.Errore;
        txtLocalita.Text = p.Destinazione;
        // Without a readable date the fields show today.
        const DataAvvio oggiAvvio{true, oggi.day(), oggi.month(), oggi.year()};
        ImpostaData(cmbg1, cmbm1, cmba1, p.Inizio.Valida ? p.Inizio : oggiAvvio);
        ImpostaData(cmbg2, cmbm2, cmba2, p.Fine.Valida ? p.Fine : oggiAvvio);
        cmdHelp.Visible = false;
        txtLocalita.Enabled = false;
        for (Elenco* e : {&cmbg1, &cmbm1, &cmba1, &cmbg2, &cmbm2, &cmba2})
            e->Enabled = false;
        chkBianco.Enabled = false;
        StampaVisibile();
        StampaModuli();
        return;
    }
    StampaVisibile();
}

void FormTaccuvo::ImpostaData(Elenco& g, Elenco& m, Elenco& a, const DataAvvio& data) {
    const QString anno = QString::number(data.Anno);
    // A year outside the four offered joins the list, so the period printed
    // is the one asked for.
    if (!a.Voci.contains(anno)) {
        a.Voci.append(anno);
        a.Voci.sort();
    }
    a.Text = anno;
    m.Text = Zero(data.Mese, 2);
    GiorniDelMese(g, m, a);
    g.Text = Zero(data.Giorno, 2);
}

QString FormTaccuvo::DataInizio() const {
    return Gma2Data(cmbg1.Text, cmbm1.Text, cmba1.Text);
}
QString FormTaccuvo::DataFine() const {
    return Gma2Data(cmbg2.Text, cmbm2.Text, cmba2.Text);
}

void FormTaccuvo::StampaVisibile() {
    const float inizio = Data2Giul(DataInizio());
    const float fine = Data2Giul(DataFine());
    cmdStampa.Enabled = !txtLocalita.Text.isEmpty() && inizio <= fine;
    cmdStampa.Default = true;
}

void FormTaccuvo::chkBianco_Click() {
    const bool bianco = chkBianco.Value;
    const quint32 colore = bianco ? Bianco : Nero;
    txtLocalita.ForeColor = colore;
    for (Elenco* e : {&cmbg1, &cmbm1, &cmba1, &cmbg2, &cmbm2, &cmba2})
        e->ForeColor = colore;
    if (bianco) {
        cmdStampa.Enabled = true;
        cmdStampa.Default = true;
    } else {
        StampaVisibile();
    }
    frmLocalita.Enabled = !bianco;
    frmPeriodo.Enabled = !bianco;
    cmbCopie.Enabled = bianco;
}

void FormTaccuvo::GiorniDelMese(Elenco& giorni, const Elenco& mese, const Elenco& anno) {
    const int n = GiorniMese(anno.Text.toInt(), mese.Text.toInt());
    int giorno = giorni.Text.toInt();
    giorni.Voci.clear();
    for (int i = 1; i <= n; ++i)
        giorni.AddItem(Zero(i, 2));
    if (giorno > n) giorno = n;
    giorni.Text = Zero(giorno, 2);
}

void FormTaccuvo::cmbM1_Click() {
    GiorniDelMese(cmbg1, cmbm1, cmba1);
    StampaVisibile();
}

void FormTaccuvo::cmbM2_Click() {
    GiorniDelMese(cmbg2, cmbm2, cmba2);
    StampaVisibile();
}

// A change of year moves 29 February too.
void FormTaccuvo::cmbA1_Click() {
    cmbM1_Click();
}
void FormTaccuvo::cmbA2_Click() {
    cmbM2_Click();
}

int FormTaccuvo::txtLocalita_KeyPress(int KeyAscii) {
    const QString maiuscola = QString(QChar(KeyAscii)).toUpper();
    return maiuscola.size() == 1 ? maiuscola.at(0).unicode() : KeyAscii;
}

void FormTaccuvo::txtLocalita_Change(const QString& testo) {
    txtLocalita.Text = testo.toUpper().left(LunghezzaMassimaDestinazione);
    StampaVisibile();
}

void FormTaccuvo::StatoStampa(int Corr, int Totale) {
    txtFondo.RiempimentoVisibile = true;
    txtFondo.Riempimento = Totale > 0 ? qBound(0.0, static_cast<double>(Corr) / Totale, 1.0) : 0;
}

void FormTaccuvo::DimensionafrmBase(bool flag) {
    txtFondo.RiempimentoVisibile = flag;
    if (!flag) txtFondo.Riempimento = 0;
    Height = 4000;
}

QString FormTaccuvo::NomePdf() const {
    const QString inizio = DataInizio();
    const QString fine = DataFine();
    QString nome = QStringLiteral("Diario di Bordo");
    QString destinazione = chkBianco.Value ? QStringLiteral("in bianco") : txtLocalita.Text;
    // Only what every file system takes.
    destinazione.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")),
                         QStringLiteral("_"));
    destinazione = destinazione.simplified();
    if (!destinazione.isEmpty()) nome += QStringLiteral(" - ") + destinazione;
    if (!chkBianco.Value)
        nome += QStringLiteral(" - %1-%2-%3 %4-%5-%6")
                    .arg(inizio.mid(0, 2), inizio.mid(2, 2), inizio.mid(4, 4), fine.mid(0, 2), fine.mid(2, 2),
                         fine.mid(4, 4));
    return nome + QStringLiteral(".pdf");
}

void FormTaccuvo::cmdStampa_Click() {
    // VisualizzaListaStampanti: the installed printers, then the PDF file.
    lstStampanti.Voci = piattaforma_.Stampanti();
    lstStampanti.Voci.append(VocePdf);
    const qsizetype predefinita = lstStampanti.Voci.indexOf(piattaforma_.StampantePredefinita());
    lstStampanti.ListIndex = predefinita >= 0 ? static_cast<int>(predefinita) : 0;
    frmSelStampa.Visible = true;
}

void FormTaccuvo::cmdSelStampante_Click(int Index) {
    frmSelStampa.Visible = false;
    if (Index != 0) return;
    const QString scelta = lstStampanti.Text();
    FilePdf.clear();
    StampanteScelta.clear();
    if (scelta == VocePdf || (scelta.isEmpty() && piattaforma_.StampantePredefinita().isEmpty())) {
        FilePdf = piattaforma_.SalvaFile(QStringLiteral("Stampa su file PDF"),
                                         QStringLiteral("File PDF (*.pdf)"), NomePdf());
        if (FilePdf.isEmpty()) return;
    } else if (piattaforma_.Stampanti().contains(scelta)) {
        StampanteScelta = scelta;
    }
    StampaModuli();
}

void FormTaccuvo::cmdAnnulla_Click() {
    StampaAnnullata =
        piattaforma_.MsgBox(QStringLiteral("Vuoi annullare la stampa?"), Msg::YesNo | Msg::Question,
                            QStringLiteral("Stampa dei moduli")) == Msg::Yes;
}

void FormTaccuvo::cmdFine_Click() {
    // Ending in the middle of a printing discards the document, whole.
    if (Stampando) StampaAnnullata = true;
    piattaforma_.Termina(0);
}

QString FormTaccuvo::TestoAiuto() {
    return QStringList{
        QStringLiteral("Stampa con dati inseriti ('Moduli in bianco' non settato):"),
        QStringLiteral("Campi obbligatori:"),
        QStringLiteral("   * località;"),
        QStringLiteral("   * data iniziale dell'itinerario;"),
        QStringLiteral("   * data finale dell'itinerario (almeno pari all'iniziale)."),
        QString(),
        QStringLiteral("Per la stampa di 'Moduli in bianco', settare l'apposita casella"),
        QStringLiteral("e indicare il numero di pagine desiderate (1-99). Questo dato non"),
        QStringLiteral("influisce nella stampa dei moduli compilati dove è sempre pari ad 1."),
        QString(),
        QStringLiteral("L'applicazione 'Quintora' utilizza questo modulo di"),
        QStringLiteral("programma inserendo automaticamente i dati necessari."),
    }
        .join(QStringLiteral("\r\n"));
}

void FormTaccuvo::cmdHelp_Click() {
    piattaforma_.MsgBox(TestoAiuto(), Msg::OkOnly | Msg::Information,
                        QStringLiteral("Help - istruzioni per l'uso"));
}

} // namespace Taccuvo
