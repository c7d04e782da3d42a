// The timetable printout: the text file, the ruled table, the start of the
// logbook printer and the report.
#include <QCoreApplication>
#include <QDir>

#include "common/Stringhe.h"
#include "common/Testo1252.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"

namespace {
const QString Serif = QStringLiteral("Times new roman");
// Alignment of the printed columns 1 to 15 of a data row (0 left,
// 1 centred, 2 right).
const QString AllineamentoRighe = QStringLiteral("201212111110000");
// The smallest size the road number is shrunk to.
constexpr double DimensioneMinimaStrada = 4;

int Allineamento(const QString& codici, int colonna) {
    return codici.at(colonna - 1).digitValue();
}

// The first boundary of the cell that printed column c goes in: the two
// stop columns share one cell.
int Cella(int c) {
    return c <= 8 ? c : c - 1;
}

// Locality and note cells that carry a code rather than a name: the two-
// letter codes print in the margin box, the others only in italics.
bool CodiceDueLettere(const QString& v) {
    return QStringLiteral("\\ps\\cs\\rs\\cm\\gp").contains(v.left(2).toLower());
}
bool RigaCodice(const QString& v) {
    return CodiceDueLettere(v) || QStringLiteral(">\\a\\*\\").contains(v.left(1));
}
} // namespace

void FormViandora::ImpostaColonneTabella() {
    StatoStampa& s = Stampa;
    const QString larghezze = QStringLiteral("06,60,15,08,05,10,10,12,08,08,08,20,03,08");
    s.PosizioneColonna.fill(0);
    s.PosizioneColonna[1] = 5;
    for (int i = 1; i <= 15; ++i)
        s.PosizioneColonna[i + 1] = s.PosizioneColonna[i] + larghezze.mid(3 * i - 3, 2).toInt();
    s.PosizioneColonna[16] = 193;
    s.UltimaPosizione = 16;
}

bool FormViandora::StampaDellItinerario() {
    StatoStampa& s = Stampa;
    const Griglia& g = mfgTab;
    const bool tabella = s.chkTabella.Value && s.Pagina;
    const bool moduli = s.chkModuli.Value;
    frmStampa.Visible = false;

    // The heading names every value of the lines below it.
    QStringList righe{
        txtLocalita.Text, QString(),
        QStringLiteral("Num.\tLocalita\tN.Str\tKm.\tTs\tPr/Km\tTempo\tSosta\tSosta guida\tG.Sett\t"
                       "Data\tOra\tMotivo/Note\tLimite per ritorno")};
    ImpostaColonneTabella();
    s.RigaStampa = 900;
    if (s.Pagina) s.Pagina->FontName = Serif;

    InizioAvanzamento(QStringLiteral("Stampa della tabella di marcia"), g.Rows() - 1);
    for (int r = 1; r < g.Rows(); ++r) {
        ContatoreProgresso = r;
        AggiornaPercentuale();
        if (g.TextMatrix(r, 1).trimmed().isEmpty()) continue;
        if (tabella) {
            if (s.RigaStampa > 280) {
                StampaFinePagina();
                StampaIntestaPagina();
            }
            lblElaborazione.Caption =
                QStringLiteral("Stampa della tabella di marcia (pag. %1)").arg(s.Pagina->Page());
            StampaRigaTabella(r);
            s.RigaStampa += s.AltezzaRiga;
            const int fondo = s.RigaStampa - s.AltezzaRiga;
            s.Pagina->Line(s.PosizioneColonna[1] - 2, fondo, s.PosizioneColonna[16], fondo);
        }
        QString riga;
        for (int c = 0; c <= 13; ++c)
            riga += g.TextMatrix(r, c).trimmed() + u'\t';
        righe.append(riga);
    }
    AzzeraPercentuale();

    bool riuscita = true;
    QString erroreFile;
    const bool fileScritto =
        s.FileTabella.isEmpty() || ScriviRigheWindows1252(s.FileTabella, righe, &erroreFile);
    if (tabella) StampaFinePagina();
    const bool moduliAvviati = moduli && AvviaTaccuvo();
    riuscita = moduliAvviati == moduli;

    bool tabellaStampata = false;
    if (s.Pagina) {
        tabellaStampata = s.Pagina->EndDoc() && tabella;
        if (tabella && !tabellaStampata) {
            riuscita = false;
            const QString motivo = s.Pagina->Errore();
            piattaforma_.MsgBox(QStringLiteral("Stampa della Tabella di Marcia non riuscita.") +
                                    (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                                Msg::OkOnly | Msg::Critical, QString());
        }
    }
    QString testo;
    if (tabellaStampata) testo = QStringLiteral("Tabella di Marcia ");
    if (tabellaStampata && moduliAvviati) testo += QStringLiteral(" e \r\n");
    if (moduliAvviati) testo += QStringLiteral("Moduli per Diario di Bordo");
    if (!testo.isEmpty())
        piattaforma_.MsgBox(QStringLiteral("Stampa ") + testo + QStringLiteral(" completata..."), Msg::OkOnly,
                            QString());
    if (!s.FileTabella.isEmpty()) {
        const QString file = QDir::toNativeSeparators(s.FileTabella);
        if (fileScritto)
            piattaforma_.MsgBox(QStringLiteral("Stampa sul file ") + file + QStringLiteral(": completata!"),
                                Msg::OkOnly, QString());
        else
            piattaforma_.MsgBox(QStringLiteral("Stampa sul file ") + file +
                                    QStringLiteral(" non riuscita.\r\n") + erroreFile,
                                Msg::OkOnly | Msg::Critical, QString());
    }
    riuscita = riuscita && fileScritto;

    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
    return riuscita;
}

void FormViandora::StampaRigaTabella(int r) {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    const Griglia& g = mfgTab;
    const auto& pc = s.PosizioneColonna;
    const int riga = s.RigaStampa;
    const int cima = riga - s.AltezzaRiga;
    s.FineLocalita = 0;
    for (int c = 1; c <= 14; ++c) {
        const QString v = g.TextMatrix(r, c - 1).trimmed();
        bool grassetto = false, corsivo = false;
        double dimensione = c == 2 ? 9 : 8;
        if (c == 2 || c == 13) {
            if (RigaCodice(v)) {
                corsivo = true;
                dimensione = 8;
                if (CodiceDueLettere(v) && !v.isEmpty()) {
                    p.Box(pc[16], cima, pc[16] + 4, riga);
                    p.FontName = QStringLiteral("Arial Narrow");
                    StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, v.left(2).toLower(), riga - 1,
                                           pc[16] + 2, pc[16] + 4, false, false, 8, 1, pc[16], pc[16] + 4);
                    p.FontName = Serif;
                }
            } else if (c == 2) {
                // The locality where the trip stops is in bold.
                const int seguente = Minore(r + 1, g.Rows() - 1);
                if (!g.TextMatrix(seguente, 7).trimmed().isEmpty()) {
                    grassetto = true;
                    p.FontName = QStringLiteral("arial");
                }
            }
        }
        if (c == 14) {
            // The return limit, "g hh:mm hh:mm", in three cells.
            StampaTestoNellaCella(s, v.left(1), riga, pc[13], pc[14], grassetto, corsivo, dimensione, 1, 13,
                                  14);
            StampaTestoNellaCella(s, v.mid(1, 5), riga, pc[14], pc[15], grassetto, corsivo, dimensione, 1, 14,
                                  15);
            StampaTestoNellaCella(s, v.right(5), riga, pc[15], pc[16] + 1, grassetto, corsivo, dimensione, 1,
                                  15, 16);
            p.Line(pc[14] - 1, cima, pc[14] - 1, riga);
            p.Line(pc[15] - 1, cima, pc[15] - 1, riga);
            continue;
        }
        if (c == 3) {
            p.FontBold = grassetto;
            p.FontItalic = corsivo;
            p.FontSize = dimensione;
            while (dimensione - 1 >= DimensioneMinimaStrada && p.TextWidth(v) > pc[4] - pc[3]) {
                dimensione -= 1;
                p.FontSize = dimensione;
            }
        }
        if (c == 13 && v.contains(QLatin1String("Riposo"))) corsivo = true;
        if (c == 8 && v.size() == 5) corsivo = true;
        const int allineato = Allineamento(AllineamentoRighe, c);
        if (c == 2) {
            // A long locality runs on over the next columns while they are
            // empty, and ends before the rule of the first one with a text.
            int seguente = 3;
            while (seguente <= 14 && g.TextMatrix(r, seguente - 1).trimmed().isEmpty())
                ++seguente;
            const double fine = seguente <= 14 ? pc[Cella(seguente)] - 1 : 1000;
            const double larghezza =
                seguente <= 14
                    ? StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, v, riga, pc[2], pc[3] + 60,
                                             grassetto, corsivo, dimensione, allineato, pc[2] - 1, fine)
                    : StampaTesto(p, AdattamentoTesto::Taglia, v, riga, pc[2], pc[3] + 60, grassetto, corsivo,
                                  dimensione, allineato);
            s.FineLocalita = qMin(pc[2] + larghezza + 5, fine);
        } else {
            const int cella = Cella(c);
            StampaTestoNellaCella(s, v, riga, pc[cella], pc[cella + 1], grassetto, corsivo, dimensione,
                                  allineato, cella, cella + 1);
        }
        p.FontName = Serif;
        if (c == 2 || (c > 2 && pc[c] > s.FineLocalita)) p.Line(pc[c] - 1, cima, pc[c] - 1, riga);
    }
    p.FontBold = false;
    p.FontItalic = false;
}

bool FormViandora::AvviaTaccuvo() {
    frmStampaInCorso.Visible = true;
    lblStampaInCorso.Caption = QStringLiteral("Preparazione moduli in corso... attendere...");
    frmBottoni.Enabled = false;
    piattaforma_.ElaboraEventi();
#ifdef Q_OS_WIN
    const QString nome = QStringLiteral("Taccuvo.exe");
#else
    const QString nome = QStringLiteral("Taccuvo");
#endif
    const QString programma = QCoreApplication::applicationDirPath() + u'/' + nome;
    const QString argomento = txtLocalita.Text + u',' + cmbInizio[0].Text() + u'/' + cmbInizio[1].Text() +
                              u'/' + cmbInizio[2].Text() + u',' + txtFine[0].Text + u'/' + txtFine[1].Text +
                              u'/' + txtFine[2].Text;
    const bool avviato = piattaforma_.AvviaProgramma(programma, argomento);
    frmBottoni.Enabled = true;
    frmStampaInCorso.Visible = false;
    if (!avviato)
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile avviare il programma di stampa dei Moduli per Diario di "
                           "Bordo:\r\n") +
                QDir::toNativeSeparators(programma),
            Msg::OkOnly | Msg::Exclamation, QString());
    return avviato;
}
