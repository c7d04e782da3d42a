#include "printing/StampaTabellaMarcia.h"

#include "common/Avanzamento.h"
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "journey/Riepilogo.h"
#include "timetable/ServizioCalcolo.h"

namespace {

// Alignment of the printed columns 1 to 15 of a data row (0 left,
// 1 centred, 2 right), and of the headings.
const QString AllineamentoRighe = QStringLiteral("201212111110000");
const QString AllineamentoIntestazioni = QStringLiteral("101112111110000");
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

bool ConLocalita(const CelleMarcia& c) {
    return !c[MarciaLocalita].trimmed().isEmpty();
}

void ImpostaColonne(PaginaTabellare& s) {
    const QString larghezze = QStringLiteral("06,60,15,08,05,10,10,12,08,08,08,20,03,08");
    s.PosizioneColonna.fill(0);
    s.PosizioneColonna[1] = 5;
    for (int i = 1; i <= 15; ++i)
        s.PosizioneColonna[i + 1] = s.PosizioneColonna[i] + larghezze.mid(3 * i - 3, 2).toInt();
    s.PosizioneColonna[16] = 193;
    s.UltimaPosizione = 16;
}

void StampaCaratteristiche(PaginaTabellare& s, const TestataTabella& t) {
    PaginaStampa& p = s.Pagina;
    // Every text stays inside the box it is written in, sinistra..destra.
    double sinistra = 10, destra = 70;
    auto testo = [&](const QString& x, double riga, double da, double a, bool corsivo, int allineato) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, x, riga, da, a, false, corsivo, 8, allineato,
                               sinistra, destra);
    };
    auto voce = [&](const QString& x, double riga, double da, double a, int allineato = 0) {
        testo(x, riga, da, a, false, allineato);
    };
    auto titolo = [&](const QString& x, double riga, double da, double a) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, x, riga, da, a, true, false, 9, 1, sinistra,
                               destra);
    };
    const double cima = s.RigaStampa;
    const double passo = 3.2; // one line of 8 points
    const bool traghetti = Val(t.Traghetti) != 0;
    const double altezza = 21;
    p.FillSolid = false;
    p.DrawWidth = 1;

    // Period of the trip.
    p.Box(10, cima, 70, cima + altezza);
    titolo(QStringLiteral("Periodo del viaggio:"), cima + 4.5, 10, 70);
    p.Line(12, cima + 5.5, 68, cima + 5.5);
    voce(QStringLiteral("Inizio: ") + t.Inizio + QStringLiteral(" - ") + t.InizioGiorno +
             QStringLiteral(" alle ore ") + t.InizioOra,
         cima + 9.5, 12, 70);
    voce(QStringLiteral("Fine: ") + t.Fine + QStringLiteral(" - ") + t.FineGiorno +
             QStringLiteral(" alle ore ") + t.FineOra,
         cima + 9.5 + passo, 12, 70);
    voce(QStringLiteral("dopo ") + t.Giorni.trimmed() + QStringLiteral(" giorni e ") + t.KmTotali.trimmed() +
             QStringLiteral(" Km."),
         cima + 9.5 + 2 * passo, 12, 70);

    // Distances and times by road type.
    const double altezzaPercorrenze = traghetti ? altezza + passo : altezza;
    sinistra = 75;
    destra = 125;
    p.Box(75, cima, 125, cima + altezzaPercorrenze);
    titolo(QStringLiteral("Percorrenze:"), cima + 4.5, 75, 125);
    double riga = cima + 8;
    voce(QStringLiteral("km/h"), riga, 95, 103, 1);
    voce(QStringLiteral("Km."), riga, 103, 113, 2);
    voce(QStringLiteral("Tempo"), riga, 113, 125, 2);
    const char* tipi[] = {"Autostrada", "Superstrada", "Principale", "Locale"};
    for (size_t k = 0; k < 4; ++k) {
        riga += passo;
        voce(QString::fromLatin1(tipi[k]), riga, 77, 95);
        voce(t.Velocita[k], riga, 95, 103, 1);
        voce(t.Km[k], riga, 103, 113, 2);
        voce(t.Tempo[k], riga, 113, 125, 2);
    }
    if (traghetti)
        voce(QStringLiteral("(sono previsti ") + t.Traghetti.trimmed() + QStringLiteral(" traghetti)"),
             riga + passo, 77, 125);

    // Daily times and rests, in two columns; five lines of times make this
    // box the tallest.
    const double altezzaTempi = 8 + 5 * passo + 1.5;
    sinistra = 130;
    destra = 195;
    p.Box(130, cima, 195, cima + altezzaTempi);
    titolo(QStringLiteral("Tempi tecnici giornalieri/Riposi/Visite:"), cima + 4.5, 130, 195);
    riga = cima + 8;
    testo(QStringLiteral("Orari attivita"), riga, 132, 165, true, 0);
    testo(QStringLiteral("Riposi"), riga, 167, 195, true, 0);
    const struct {
        const char* etichetta;
        int ora, seconda;
    } pause[] = {{"Colazione:", 0, -1}, {"Pranzo:", 1, 4}, {"Cena:", 2, 5}, {"Notte:", 3, -1}};
    for (const auto& pausa : pause) {
        riga += passo;
        voce(QString::fromLatin1(pausa.etichetta), riga, 132, 146);
        voce(t.Orari[size_t(pausa.ora)] + (pausa.seconda >= 0
                                               ? QStringLiteral(" (") + t.Orari[size_t(pausa.seconda)] + u')'
                                               : QString()),
             riga, 146, 167);
    }
    riga += passo;
    voce(QStringLiteral("Dalle ") + t.Orari[6] + QStringLiteral(" alle ") + t.Orari[7], riga, 132, 167);
    riga = cima + 8 + passo;
    voce(t.RiposoMinuti + QStringLiteral(" minuti"), riga, 167, 181);
    voce(QStringLiteral("ogni ") + t.RiposoOre + QStringLiteral(" ore;"), riga, 181, 195);
    riga += passo;
    voce(t.RiposoGiorno + QStringLiteral(" giorni"), riga, 167, 181);
    voce(QStringLiteral("ogni ") + t.RiposoDopoGiorni + QStringLiteral(" gg."), riga, 181, 195);

    s.RigaStampa = int(cima + qMax(altezzaPercorrenze, altezzaTempi) + 0.999) + 3;
}

// The top of every page: the logo, the destination, the country and the page
// number in their boxes, placed by the timetable's columns.
void StampaTestataPagina(PaginaTabellare& s, const TestataTabella& t) {
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    // Each title inside its box.
    auto titolo = [&p](const QString& x, double riga, double da, double a, bool grassetto, bool corsivo,
                       double dimensione) {
        StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, x, riga, da, a, grassetto, corsivo, dimensione, 1,
                               da, a);
    };
    p.FontName = CarattereTabelle;
    p.FillColor = VerdeChiaro;
    s.RigaStampa = 5;

    p.DrawWidth = 2;
    p.FillSolid = true;
    p.Box(40, 5, pc[7] + 5, 15);
    p.Box(pc[8], 5, pc[12], 15);
    p.Box(pc[12] + 5, 5, pc[16], 15);
    p.PaintPicture(LogoStampa, 10, 0, 15, 15);

    s.RigaStampa += 8;
    titolo(t.Localita, s.RigaStampa, 40, pc[7] + 5, true, false, 11);
    titolo(t.Nazione, s.RigaStampa, pc[8], pc[12], false, false, 10);
    titolo(QStringLiteral("Pagina: ") + Zero(p.Page(), 2), s.RigaStampa, pc[12] + 5, pc[16], true, true, 9);

    s.RigaStampa += 4;
}

void StampaIntestaPagina(PaginaTabellare& s, const TestataTabella& t) {
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    StampaTestataPagina(s, t);
    if (p.Page() == 1) StampaCaratteristiche(s, t);

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

void StampaRigaTabella(PaginaTabellare& s, const QList<CelleMarcia>& righe, int r) {
    PaginaStampa& p = s.Pagina;
    const CelleMarcia& g = righe.at(r);
    const auto& pc = s.PosizioneColonna;
    const int riga = s.RigaStampa;
    const int cima = riga - s.AltezzaRiga;
    s.FineLocalita = 0;
    for (int c = 1; c <= 14; ++c) {
        const QString v = g[size_t(c - 1)].trimmed();
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
                    p.FontName = CarattereTabelle;
                }
            } else if (c == 2) {
                // The locality where the trip stops is in bold.
                const int seguente = Minore(r + 1, int(righe.size()) - 1);
                if (!righe.at(seguente)[MarciaSosta].trimmed().isEmpty()) {
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
            while (seguente <= 14 && g[size_t(seguente - 1)].trimmed().isEmpty())
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
        p.FontName = CarattereTabelle;
        if (c == 2 || (c > 2 && pc[c] > s.FineLocalita)) p.Line(pc[c] - 1, cima, pc[c] - 1, riga);
    }
    p.FontBold = false;
    p.FontItalic = false;
}

// The summary's columns: 13 of them over the timetable's 188 mm; the
// warnings go on a line of their own below their day.
constexpr int ColonneRiepilogo = 13;
constexpr int LarghezzeRiepilogo[ColonneRiepilogo] = {16, 8, 10, 11, 10, 10, 31, 8, 20, 15, 17, 14, 18};
// 0 left, 1 centred, 2 right.
constexpr int AllineamentoRiepilogo[ColonneRiepilogo] = {0, 1, 2, 2, 1, 1, 0, 1, 2, 2, 2, 2, 2};
constexpr int ColonnaAvvisi = ColonneRiepilogo;

void ImpostaColonneRiepilogo(PaginaTabellare& s) {
    s.PosizioneColonna.fill(0);
    s.PosizioneColonna[1] = 5;
    for (int i = 1; i <= ColonneRiepilogo; ++i)
        s.PosizioneColonna[i + 1] = s.PosizioneColonna[i] + LarghezzeRiepilogo[i - 1];
    s.UltimaPosizione = ColonneRiepilogo + 1;
}

QString TestoVeicolo(const Veicolo& v) {
    return QStringLiteral("Consumo %1 l/100 km - serbatoio %2 l, riserva %3 l - carburante %4 €/l - "
                          "pedaggio %5 €/km - notte %6 € - traghetto %7 € - guida max %8")
        .arg(TestoDecimale(v.Consumo), TestoDecimale(v.Serbatoio), TestoDecimale(v.Riserva),
             TestoDecimale(v.Prezzo), TestoDecimale(v.Pedaggio), TestoEuro(v.CostoNotte),
             TestoEuro(v.CostoTraghetto), TestoMinuti(v.GuidaMassima));
}

void StampaIntestaRiepilogo(PaginaTabellare& s, const TestataTabella& t, const Veicolo& v) {
    PaginaStampa& p = s.Pagina;
    ImpostaColonne(s);
    StampaTestataPagina(s, t);
    ImpostaColonneRiepilogo(s);
    const auto& pc = s.PosizioneColonna;
    const int destra = pc[s.UltimaPosizione];
    s.RigaStampa += 5;
    StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, QStringLiteral("Riepilogo giornaliero e costi"),
                           s.RigaStampa, pc[1], destra, true, false, 10, 0, pc[1] - 2, destra);
    s.RigaStampa += 4;
    StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, TestoVeicolo(v), s.RigaStampa, pc[1], destra, false,
                           true, 8, 0, pc[1] - 2, destra);
    s.RigaStampa += 2;

    p.DrawWidth = 3;
    p.FillSolid = true;
    p.Box(pc[1] - 2, s.RigaStampa, destra, s.RigaStampa + 6);
    p.DrawWidth = 1;
    p.FillSolid = false;
    s.RigaStampa += s.AltezzaRiga;
    const QStringList intestazioni = IntestazioniRiepilogo();
    for (int i = 1; i <= ColonneRiepilogo; ++i) {
        StampaTestoNellaCella(s, intestazioni.value(i - 1), s.RigaStampa, pc[i], pc[i + 1], true, false, 8,
                              AllineamentoRiepilogo[i - 1], i, i + 1);
        if (i >= 2) p.Line(pc[i] - 1, s.RigaStampa - 5, pc[i] - 1, s.RigaStampa + 1);
    }
    s.RigaStampa += s.AltezzaRiga + 2;
    s.PosizioneColonna[0] = s.RigaStampa - s.AltezzaRiga;
}

void StampaRigaRiepilogo(PaginaTabellare& s, const QStringList& celle, bool totale) {
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    const int riga = s.RigaStampa;
    for (int c = 1; c <= ColonneRiepilogo; ++c) {
        StampaTestoNellaCella(s, celle.value(c - 1), riga, pc[c], pc[c + 1], totale, false, 8,
                              AllineamentoRiepilogo[c - 1], c, c + 1);
        if (c >= 2) p.Line(pc[c] - 1, riga - s.AltezzaRiga, pc[c] - 1, riga);
    }
    p.FontBold = false;
}

} // namespace

TestataTabella TestataDaCalcolo(const TabellaCalcolata& t) {
    TestataTabella x;
    const ValoriMeta& v = t.Valori;
    x.Localita = t.Meta.Localita;
    x.Nazione = t.Meta.Nazione;
    x.Inizio = Data2Data(v.Inizio[0] + v.Inizio[1] + v.Inizio[2]);
    x.InizioGiorno = GiornoSettimana(v.Inizio[0] + v.Inizio[1] + v.Inizio[2]);
    x.InizioOra = v.Inizio[3] + u':' + v.Inizio[4];
    const TestiTotali totali = t.Totale();
    x.Fine = Data2Data(*totali.Fine[0] + *totali.Fine[1] + *totali.Fine[2]);
    x.FineGiorno = *totali.Fine[5];
    x.FineOra = *totali.Fine[3] + u':' + *totali.Fine[4];
    x.Giorni = *totali.Giorni;
    x.KmTotali = *totali.Km[4];
    for (size_t k = 0; k < 4; ++k) {
        x.Velocita[k] = v.MediaKm[k];
        x.Km[k] = *totali.Km[k];
        x.Tempo[k] = *totali.Tempo[k];
    }
    x.Traghetti = *totali.Traghetti;
    for (size_t k = 0; k < 9; ++k)
        x.Orari[k] = v.Ora[k] + u':' + v.Minuti[k];
    x.RiposoMinuti = v.RiposoMinuti;
    x.RiposoOre = v.RiposoOre;
    x.RiposoGiorno = v.RiposoGiorno;
    x.RiposoDopoGiorni = v.RiposoDopoGiorni;
    return x;
}

QList<CelleMarcia> CelleDaCalcolo(const TabellaCalcolata& t) {
    QList<CelleMarcia> righe;
    righe.reserve(t.RigheTabella);
    for (int r = 1; r < t.RigheTabella; ++r)
        righe << t.Celle(r);
    return righe;
}

void DisegnaTabellaMarcia(PaginaTabellare& s, const TestataTabella& testata, const QList<CelleMarcia>& righe,
                          Avanzamento* avanzamento, const std::function<void(int)>& pagina) {
    ImpostaColonne(s);
    s.RigaStampa = 900;
    s.Pagina.FontName = CarattereTabelle;
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Stampa della tabella di marcia"), righe.size());
    for (int r = 0; r < righe.size(); ++r) {
        if (avanzamento) avanzamento->Avanza();
        if (!ConLocalita(righe.at(r))) continue;
        if (s.RigaStampa > 280) {
            StampaFinePagina(s);
            StampaIntestaPagina(s, testata);
        }
        if (pagina) pagina(s.Pagina.Page());
        StampaRigaTabella(s, righe, r);
        s.RigaStampa += s.AltezzaRiga;
        const int fondo = s.RigaStampa - s.AltezzaRiga;
        s.Pagina.Line(s.PosizioneColonna[1] - 2, fondo, s.PosizioneColonna[16], fondo);
    }
    StampaFinePagina(s);
}

void DisegnaRiepilogo(PaginaTabellare& s, const TestataTabella& testata, const Veicolo& veicolo,
                      const Riepilogo& riepilogo) {
    PaginaStampa& p = s.Pagina;
    s.RigaStampa = 900;
    p.FontName = CarattereTabelle;
    const QStringList righe = RigheRiepilogo(riepilogo);
    for (int r = 0; r < righe.size(); ++r) {
        const QStringList celle = righe.at(r).split(u'\t');
        const QString avvisi = celle.value(ColonnaAvvisi);
        const bool totale = r == righe.size() - 1;
        // A day and its warnings stay on one page.
        if (s.RigaStampa + (avvisi.isEmpty() ? 0 : s.AltezzaRiga) > 280) {
            StampaFinePagina(s);
            StampaIntestaRiepilogo(s, testata, veicolo);
        }
        const auto& pc = s.PosizioneColonna;
        const int destra = pc[s.UltimaPosizione];
        if (totale && r > 0) {
            // The totals below a heavier rule.
            p.DrawWidth = 3;
            p.Line(pc[1] - 2, s.RigaStampa - s.AltezzaRiga, destra, s.RigaStampa - s.AltezzaRiga);
            p.DrawWidth = 1;
        }
        StampaRigaRiepilogo(s, celle, totale);
        s.RigaStampa += s.AltezzaRiga;
        if (!avvisi.isEmpty()) {
            StampaTestoNelRiquadro(p, AdattamentoTesto::Taglia, QStringLiteral("Avvisi: ") + avvisi,
                                   s.RigaStampa, pc[2], destra, false, true, 7, 0, pc[2] - 1, destra);
            p.FontItalic = false;
            s.RigaStampa += s.AltezzaRiga;
        }
        const int fondo = s.RigaStampa - s.AltezzaRiga;
        p.Line(pc[1] - 2, fondo, destra, fondo);
    }
    StampaFinePagina(s);
}

QStringList RigheFileTabella(const QString& localita, const QList<CelleMarcia>& righe) {
    // The heading names every value of the lines below it.
    QStringList testo{
        localita, QString(),
        QStringLiteral("Num.\tLocalita\tN.Str\tKm.\tTs\tPr/Km\tTempo\tSosta\tSosta guida\tG.Sett\t"
                       "Data\tOra\tMotivo/Note\tLimite per ritorno")};
    for (const CelleMarcia& c : righe) {
        if (!ConLocalita(c)) continue;
        QString riga;
        for (const QString& cella : c)
            riga += cella.trimmed() + u'\t';
        testo << riga;
    }
    return testo;
}
