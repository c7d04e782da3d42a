// The timetable's page header, the trip's characteristics on the first page
// and the page footer (shared with the city guide).
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"

namespace {
const QString Serif = QStringLiteral("Times new roman");
constexpr quint32 VerdeChiaro = 0xC0FFC0;
const QString Logo = QStringLiteral(":/stampa/logo.png");
// Alignment of the printed headings 1 to 15 (0 left, 1 centred, 2 right).
const QString AllineamentoIntestazioni = QStringLiteral("101112111110000");

// Hours and minutes of two lists as "hh:mm".
QString Orario(const Elenco& ora, const Elenco& minuti) {
    return ora.Text() + u':' + minuti.Text();
}
} // namespace

void FormViandora::StampaIntestaPagina() {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    const auto& pc = s.PosizioneColonna;
    // Each title inside its box.
    auto titolo = [&p](const QString& t, double riga, double da, double a, bool grassetto, bool corsivo,
                       double dimensione) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, t, riga, da, a, grassetto, corsivo, dimensione, 1,
                               da, a);
    };
    p.FontName = Serif;
    p.FillColor = VerdeChiaro;
    s.RigaStampa = 5;

    p.DrawWidth = 2;
    p.FillSolid = true;
    p.Box(40, 5, pc[7] + 5, 15);
    p.Box(pc[8], 5, pc[12], 15);
    p.Box(pc[12] + 5, 5, pc[16], 15);
    p.PaintPicture(Logo, 10, 0, 15, 15);

    s.RigaStampa += 8;
    titolo(txtLocalita.Text, s.RigaStampa, 40, pc[7] + 5, true, false, 11);
    titolo(txtNazione.Text, s.RigaStampa, pc[8], pc[12], false, false, 10);
    titolo(QStringLiteral("Pagina: ") + Zero(p.Page(), 2), s.RigaStampa, pc[12] + 5, pc[16], true, true, 9);

    s.RigaStampa += 4;
    if (p.Page() == 1) StampaCaratteristiche();

    p.DrawWidth = 3;
    p.FillSolid = true;
    p.Box(pc[1] - 2, s.RigaStampa, pc[16], s.RigaStampa + 6);
    p.DrawWidth = 1;
    p.FillSolid = false;
    s.RigaStampa += s.AltezzaRiga;

    const char* intestazioni[] = {"N.",   "Localita", "N.Strada", "Km",          "Ts", "", "Tempo", "Sosta",
                                  "G.S.", "Data",     "Ora",      "Motivo/Note", "",   "", ""};
    for (int i = 1; i <= 15; ++i) {
        StampaTestoNellaCella(s, QString::fromLatin1(intestazioni[i - 1]), s.RigaStampa, pc[i], pc[i + 1],
                              true, false, 9, AllineamentoIntestazioni.at(i - 1).digitValue(), i, i + 1);
        if (i >= 2 && i <= 13) p.Line(pc[i] - 1, s.RigaStampa - 5, pc[i] - 1, s.RigaStampa + 1);
    }
    // Two headings over wider spans, within the rules round their columns.
    StampaTestoNellaCella(s, QStringLiteral("Pr/km"), s.RigaStampa, pc[6] - 5, pc[7] + 5, true, false, 8, 1,
                          6, 7);
    StampaTestoNellaCella(s, QStringLiteral("Limite ritorno"), s.RigaStampa, pc[13] + 2, pc[16], true, false,
                          8, 1, 13, 16);

    s.RigaStampa += s.AltezzaRiga + 2;
    s.PosizioneColonna[0] = s.RigaStampa - s.AltezzaRiga;
}

void FormViandora::StampaCaratteristiche() {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    // Every text stays inside the box it is written in, sinistra..destra.
    double sinistra = 10, destra = 70;
    auto testo = [&](const QString& t, double riga, double da, double a, bool corsivo, int allineato) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, t, riga, da, a, false, corsivo, 8, allineato,
                               sinistra, destra);
    };
    auto voce = [&](const QString& t, double riga, double da, double a, int allineato = 0) {
        testo(t, riga, da, a, false, allineato);
    };
    auto titolo = [&](const QString& t, double riga, double da, double a) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, t, riga, da, a, true, false, 9, 1, sinistra,
                               destra);
    };
    const double cima = s.RigaStampa;
    const double passo = 3.2; // one line of 8 points
    const bool traghetti = Val(txtTragh.Text) != 0;
    const double altezza = 21;
    p.FillSolid = false;
    p.DrawWidth = 1;

    // Period of the trip.
    p.Box(10, cima, 70, cima + altezza);
    titolo(frmMetePeriodo.Caption, cima + 4.5, 10, 70);
    p.Line(12, cima + 5.5, 68, cima + 5.5);
    const QString inizio = Data2Data(cmbInizio[0].Text() + cmbInizio[1].Text() + cmbInizio[2].Text());
    const QString fine = Data2Data(txtFine[0].Text + txtFine[1].Text + txtFine[2].Text);
    voce(frmMeteInizio.Caption + u' ' + inizio + QStringLiteral(" - ") + txtInizioGSett.Text +
             QStringLiteral(" alle ore ") + Orario(cmbInizio[3], cmbInizio[4]),
         cima + 9.5, 12, 70);
    voce(frmMeteFine.Caption + u' ' + fine + QStringLiteral(" - ") + txtFine[5].Text +
             QStringLiteral(" alle ore ") + txtFine[3].Text + u':' + txtFine[4].Text,
         cima + 9.5 + passo, 12, 70);
    voce(QStringLiteral("dopo ") + txtGiorni.Text.trimmed() + QStringLiteral(" giorni e ") +
             txtKmTot[4].Text.trimmed() + QStringLiteral(" Km."),
         cima + 9.5 + 2 * passo, 12, 70);

    // Distances and times by road type.
    const double altezzaPercorrenze = traghetti ? altezza + passo : altezza;
    sinistra = 75;
    destra = 125;
    p.Box(75, cima, 125, cima + altezzaPercorrenze);
    titolo(frmMeteVelocita.Caption, cima + 4.5, 75, 125);
    double riga = cima + 8;
    voce(lblKmh.Caption, riga, 95, 103, 1);
    voce(lblKm.Caption, riga, 103, 113, 2);
    voce(lblTempo.Caption, riga, 113, 125, 2);
    for (int k = 0; k < 4; ++k) {
        riga += passo;
        voce(lblTipoStrada[k].Caption, riga, 77, 95);
        voce(cmbMediaKm[k].Text(), riga, 95, 103, 1);
        voce(txtKmTot[k].Text, riga, 103, 113, 2);
        voce(txtTempo[k].Text, riga, 113, 125, 2);
    }
    if (traghetti)
        voce(QStringLiteral("(sono previsti ") + txtTragh.Text.trimmed() + QStringLiteral(" traghetti)"),
             riga + passo, 77, 125);

    // Daily times and rests, in two columns; five lines of times make this
    // box the tallest.
    const double altezzaTempi = 8 + 5 * passo + 1.5;
    sinistra = 130;
    destra = 195;
    p.Box(130, cima, 195, cima + altezzaTempi);
    titolo(frmMeteTempi.Caption, cima + 4.5, 130, 195);
    riga = cima + 8;
    testo(QStringLiteral("Orari attivita"), riga, 132, 165, true, 0);
    testo(QStringLiteral("Riposi"), riga, 167, 195, true, 0);
    const struct {
        const Etichetta* etichetta;
        int ora, seconda;
    } pause[] = {{&lblMetePauseColaz, 0, -1},
                 {&lblMetePausaPranzo, 1, 4},
                 {&lblMetePausaCena, 2, 5},
                 {&lblMetePauseNotte, 3, -1}};
    for (const auto& pausa : pause) {
        riga += passo;
        voce(pausa.etichetta->Caption, riga, 132, 146);
        voce(Orario(cmbOra[pausa.ora], cmbMin[pausa.ora]) +
                 (pausa.seconda >= 0
                      ? QStringLiteral(" (") + Orario(cmbOra[pausa.seconda], cmbMin[pausa.seconda]) + u')'
                      : QString()),
             riga, 146, 167);
    }
    riga += passo;
    voce(QStringLiteral("Dalle ") + Orario(cmbOra[6], cmbMin[6]) + QStringLiteral(" alle ") +
             Orario(cmbOra[7], cmbMin[7]),
         riga, 132, 167);
    riga = cima + 8 + passo;
    voce(cmbRipM.Text() + QStringLiteral(" minuti"), riga, 167, 181);
    voce(QStringLiteral("ogni ") + cmbRipH.Text() + QStringLiteral(" ore;"), riga, 181, 195);
    riga += passo;
    voce(cmbRipG.Text() + QStringLiteral(" giorni"), riga, 167, 181);
    voce(QStringLiteral("ogni ") + cmbRipGG.Text() + QStringLiteral(" gg."), riga, 181, 195);

    s.RigaStampa = int(cima + qMax(altezzaPercorrenze, altezzaTempi) + 0.999) + 3;
}

void FormViandora::StampaFinePagina() {
    StatoStampa& s = Stampa;
    if (s.RigaStampa >= 800) return;
    PaginaStampa& p = *s.Pagina;
    const auto& pc = s.PosizioneColonna;
    const QDate oggi = piattaforma_.Adesso().date();
    StampaTesto(p, AdattamentoTesto::Taglia, oggi.toString(QStringLiteral("dd/MM/yyyy")), s.RigaStampa, pc[1],
                pc[4], false, true, 6, 0);
    // The right edge is the layout's last boundary: the city guide has no
    // boundary 16.
    const int destra = pc[s.UltimaPosizione];
    StampaTesto(p, AdattamentoTesto::Taglia, Caption, s.RigaStampa, 1, destra, false, true, 6, 2);
    s.RigaStampa -= s.AltezzaRiga;
    p.DrawWidth = 3;
    p.FillSolid = false;
    p.Box(pc[1] - 2, pc[0], destra, s.RigaStampa);
    p.DrawWidth = 1;
    p.NewPage();
}
