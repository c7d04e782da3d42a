// The timetable printout on a recording page: geometry of the header, the
// rows and the footer, the row rules, the text file, the options and the
// reports, and the printer panel; the city-guide printout, both list kinds
// and both detail kinds; every text inside its box, in the print fonts.
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "StampaProva.h"
#include "common/Testo1252.h"
#include "core/PagineDiario.h"
#include "guide/ControlloreGuida.h"
#include "stampa/FontStampa.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

using P = PaginaRegistrata;

namespace {
// The row lines (vertical separators) drawn between y1 and y2 at x.
bool Separatore(const PaginaRegistrata& pagina, double x, double y1, double y2) {
    return pagina.HaForma(P::Linea, x, y1, x, y2);
}
// Prints the guide with the options given: list 0 the trip's, 1 all;
// detail 0 every entry, 1 names only.
void StampaGuida(PlannerStampa& s, int lista, int dettaglio) {
    s->Click("cmdStampaGuidaCitta");
    QVERIFY(s->frmGuidaStampa.Visible);
    s->Click(QString("optGuidaListaStampa(%1)").arg(lista));
    s->Click(QString("optGuidaDettaglioStampa(%1)").arg(dettaglio));
    s->Click("cmdStampaGuida(0)");
    QVERIFY(s->frmSelStampa.Visible && !s->frmGuida.Enabled);
    s.p.fileDaSalvare << s.pdf();
    s->Click("cmdSelStampante(0)");
}

// The cells' texts: regular, where headings are bold and the footer italic.
QList<P::Chiamata> Nomi(const P& pg) {
    QList<P::Chiamata> nomi;
    for (const auto& t : pg.Di(P::Testo))
        if (!t.bold && !t.italic) nomi << t;
    return nomi;
}

// Text widths in the print fonts on a 1200 dpi device, as on the PDF.
double LarghezzaStampata(const PaginaStampa& pagina, const QString& testo) {
    static QImage dispositivo = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(47244);
        i.setDotsPerMeterY(47244);
        return i;
    }();
    return QFontMetricsF(FontDellaPagina(pagina), &dispositivo).horizontalAdvance(testo) * 25.4 /
           dispositivo.logicalDpiX();
}

// A text's band from the top of its capitals down to its baseline: above
// is the font's leading, below the descenders, which may reach the rule the
// text stands on.
QRectF Banda(const P::Chiamata& t) {
    P misura;
    misura.FontName = t.font;
    misura.FontSize = t.size;
    misura.FontBold = t.bold;
    misura.FontItalic = t.italic;
    const double altezza = t.size * 0.4;
    return QRectF(t.x1, t.y1 + 0.2 * altezza, LarghezzaStampata(misura, t.testo), 0.6 * altezza);
}

// The texts that come within 0.3 mm of a line's side, that a fill drawn
// after them covers or that run into another text, as "page: text / what".
QStringList TestiCoperti(const P& p) {
    const QList<P::Chiamata>& c = p.chiamate;
    auto incontra = [](const QRectF& a, const QRectF& b) {
        const QRectF comune = a.intersected(b);
        return comune.width() > 0.01 && comune.height() > 0.05;
    };
    QStringList coperti;
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (c[i].tipo != P::Testo) continue;
        const QRectF testo = Banda(c[i]), discosto = testo.adjusted(-0.3, 0, 0.3, 0);
        for (qsizetype j = 0; j < c.size(); ++j) {
            const P::Chiamata& f = c[j];
            if (f.pagina != c[i].pagina || j == i) continue;
            const double m = qMax(1, f.drawWidth) * PaginaStampa::PixelStampanteMm / 2;
            auto tratto = [&](double x1, double y1, double x2, double y2) {
                return incontra(discosto,
                                QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-m, -m, m, m));
            };
            const bool coperto =
                (f.tipo == P::Linea && tratto(f.x1, f.y1, f.x2, f.y2)) ||
                (f.tipo == P::Riquadro &&
                 (tratto(f.x1, f.y1, f.x2, f.y1) || tratto(f.x1, f.y2, f.x2, f.y2) ||
                  tratto(f.x1, f.y1, f.x1, f.y2) || tratto(f.x2, f.y1, f.x2, f.y2) ||
                  (f.fillSolid && j > i &&
                   incontra(testo, QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)).normalized())))) ||
                (f.tipo == P::Testo && j > i && incontra(testo, Banda(f)));
            if (coperto)
                coperti << QString::asprintf("%d: %s / %s %g %g %g %g", f.pagina, qPrintable(c[i].testo),
                                             qPrintable(f.testo), f.x1, f.y1, f.x2, f.y2);
        }
    }
    return coperti;
}

const QString LocalitaLunga = QStringLiteral("MARINA DI CAMEROTA WEST MOLISE"); // 30 characters

void StampaTabella(P& pagina) {
    TestataTabella testata;
    testata.Localita = LocalitaLunga;
    testata.Nazione = QStringLiteral("BOSNIA-ERZEGOVINA W"); // 19 characters
    testata.RiposoOre = QStringLiteral("03");
    StampaCelle(
        pagina,
        {"1|ROMA|SS123-E45-A1-A90-SS100|12345|A|12.345|10:30|01:00:00||Me|06/08|* 14:00|"
         "+ Riposo 15'PranzoCenaNotte|>06/08-14:00",
         "2|" + LocalitaLunga + "|A1|999|A|99.999|23:59||00:30|Me|06/08|23:59|ps Parcheggio custodito|",
         "|> " + QString(94, u'W') + "||||||01:30|||||Museo, pinacoteca, galleria d'ar|",
         "3|>Traghetto per Olbia|||||||||||Riposo|"},
        testata);
}

void StampaGuidaLarga(PlannerStampa& s, int dettaglio) {
    s->Guida.DescrizioneTipoGuida[1] = QStringLiteral("Museo, pinacoteca, galleria d'ar"); // 32
    for (const QString& l : {LocalitaLunga, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW")})
        AggiungiVoce(*s, l, "01", QString(96, u'W'), "01:30");
    s->Click("cmdStampaGuidaCitta");
    s->Click("optGuidaListaStampa(1)");
    s->Click(QString("optGuidaDettaglioStampa(%1)").arg(dettaglio));
    s->Click("cmdStampaGuida(0)");
    s.p.fileDaSalvare << s.pdf();
    s->Click("cmdSelStampante(0)");
}

void StampaDiario(P& p, bool compilati) {
    Taccuvo::DatiDiario d;
    d.Compilati = compilati;
    d.Destinazione = LocalitaLunga;
    d.Periodo = QStringLiteral("28/12 - 02/01/2027");
    d.PrimoGiorno = 730138; // a Tuesday: "Ma" and "Me", the widest days
    d.AltezzaStampabile = 287;
    d.Versione = QStringLiteral("Taccuvo 2.0.0");
    p.FontName = QStringLiteral("Times new roman"); // as the logbook printer sets it
    Taccuvo::StampaCopertina(p, d);
    for (int k = 1; k <= 2; ++k) {
        Taccuvo::StampaPaginaGiorno(p, d, k);
        p.NewPage();
    }
}
} // namespace

class TestStampaTabella : public QObject {
    Q_OBJECT

private slots:
    // The head with the trip in bold; rows go on the page while the line is
    // at most 280; the footer frames the body and ends the page; the
    // document ends without a blank page.
    void pagineTestaEPiede() {
        QStringList righe;
        for (int i = 1; i <= 100; ++i)
            righe << QString("%1|LOCALITA %1|A1|10|A|100|0:06||||06/08/2006|10:00||").arg(i);
        TestataTabella testata;
        testata.Localita = "CAPO NORD";
        P pg;
        StampaCelle(pg, righe, testata);
        const P::Chiamata* meta = pg.TestoUguale("CAPO NORD");
        QVERIFY(meta && meta->bold);
        QCOMPARE(pg.Di(P::NuovaPagina).size(), 3);
        QCOMPARE(pg.chiamate.last().tipo, P::FineDocumento);
        QCOMPARE(pg.Di(P::Testo, 4).size(), 0);
        int stampate = 0;
        for (int pagina = 1; pagina <= 3; ++pagina) {
            double ultima = 0, cima = 0;
            for (const auto& t : pg.Di(P::Testo, pagina)) {
                if (t.testo.startsWith("LOCALITA ")) {
                    ultima = qMax(ultima, t.y1 + t.size * 0.4);
                    ++stampate;
                }
                if (t.testo == "N.") cima = t.y1 + t.size * 0.4 + 2;
            }
            QVERIFY(ultima <= 280);
            if (pagina < 3) QVERIFY(ultima + 5 > 280);
            QVERIFY2(pg.TestoUguale("Pagina: 0" + QString::number(pagina)), "numero di pagina");
            // Footer: the date and the window's title, then the frame.
            const auto box = pg.Di(P::Riquadro, pagina).last();
            QVERIFY(P::Vicino(box.x1, 3) && P::Vicino(box.x2, 193) && P::Vicino(box.y1, cima) &&
                    P::Vicino(box.y2, ultima));
            const QStringList testi = pg.Testi(pagina);
            QVERIFY(testi.contains("05/08/2006") && testi.contains(TitoloProgramma));
        }
        QCOMPARE(stampate, 100);
    }

    void regoleDellaRiga() {
        const QString lunga = "SANTA MARIA DELLA VERSA E DINTORNI NORD"; // 39 characters
        P pg;
        StampaCelle(pg,
                    {"1|ROMA|A1|10|A|100|0:06||||06/08|10:00|ps parcheggio|L08:3012:15",
                     "2|" + lunga + "|||A|100|0:06|1:00|||06/08|10:00|PS sosta|",
                     "3|>Traghetto|||||||||||Riposo|", "4|FINE|SS123-E45-A1|10|A|100|0:06||||06/08|10:00||",
                     "5|" + QString(80, u'X') + "|||||||||||||"});
        // ROMA comes before a stop: bold.
        const P::Chiamata* roma = pg.TestoUguale("ROMA");
        QVERIFY(roma && roma->bold);
        const double riga1 = roma->y1 + 9 * 0.4;
        QVERIFY(Separatore(pg, 70, riga1 - 5, riga1)); // a short locality leaves every separator
        // Notes starting with "ps" or "PS": "ps" in the margin box.
        QCOMPARE(pg.Testi().count("ps"), 2);
        QVERIFY(pg.HaForma(P::Riquadro, 193, riga1 - 5, 197, riga1));
        // The return limit in three cells.
        QVERIFY(pg.TestoUguale("L") && pg.TestoUguale("08:30") && pg.TestoUguale("12:15"));
        // The long locality covers the empty cells' separators at 71 and 86,
        // not the one at 94 before the road type.
        QVERIFY(!pg.TestoUguale(lunga)->bold);
        const double riga2 = riga1 + 5;
        QVERIFY(!Separatore(pg, 70, riga2 - 5, riga2) && !Separatore(pg, 85, riga2 - 5, riga2) &&
                Separatore(pg, 93, riga2 - 5, riga2));
        // The road number shrinks until it fits between the rules of its
        // 15 mm cell, clear of both (at 6 points it would be 14.4 mm).
        QCOMPARE(pg.TestoUguale("SS123-E45-A1")->size, 5);
        // A code locality is italic without a margin box; "Riposo" notes italic.
        QVERIFY(pg.TestoUguale(">Traghetto")->italic && pg.TestoUguale("Riposo")->italic);
        QVERIFY(!pg.HaForma(P::Riquadro, 193, riga2, 197, riga2 + 5));
        // 1.8 mm a character at 9 points: under 122 mm are 67 characters.
        QVERIFY(pg.TestoUguale(QString(67, u'X')));
    }

    void fileDiTesto() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Viantabl.txt");
        QList<CelleMarcia> celle;
        for (const char* riga : {"1|CANTÙ|SS36|12|S|100|0:10|1:00|0:30|Sa|05/08|10:00|Visita|L08:3012:15",
                                 "|||||||||||||", "2| COMO |A9|5|A|90|0:03||||05/08|11:00||"}) {
            CelleMarcia c;
            const QStringList v = QString(riga).split('|');
            for (int k = 0; k < ColonneMarcia; ++k)
                c[size_t(k)] = v.value(k);
            celle << c;
        }
        QVERIFY(ScriviRigheWindows1252(file, RigheFileTabella("CANTÙ", celle)));
        const QByteArray dati = LeggiFile(file);
        QVERIFY(dati.startsWith(QByteArray("CANT\xD9\r\n\r\nNum.\tLocalita\t")));
        const QStringList righe = DecodificaWindows1252(dati).split("\r\n");
        QCOMPARE(righe.size(), 6); // five lines and the end of the last
        QCOMPARE(
            righe[3],
            QString("1\tCANTÙ\tSS36\t12\tS\t100\t0:10\t1:00\t0:30\tSa\t05/08\t10:00\tVisita\tL08:3012:15\t"));
        QCOMPARE(righe[4], QString("2\tCOMO\tA9\t5\tA\t90\t0:03\t\t\t\t05/08\t11:00\t\t\t"));
    }

    // What is ticked decides what is printed and reported; a failure is
    // reported, never as "completata".
    void opzioni() {
        // guasto: "programma" the logbook printer does not start, "stampante"
        // the document does not end, "file" the text file's place is a folder
        // messaggi: "*" at the end for the start of a message
        const auto prova = [&](bool tabella, bool moduli, QString guasto, int documenti,
                               QStringList messaggi) {
            PlannerStampa s;
            s->txtLocalita.Text = "PARIGI";
            s.p.avvioRiesce = guasto != "programma";
            if (guasto == "stampante")
                s.p.preparaPagina = [](PaginaRegistrata& pg) { pg.fineRiuscita = false; };
            if (guasto == "file") QVERIFY(QDir(s.dir.path()).mkdir("Viantabl.txt"));
            s.Righe(3);
            for (int k = 0; k < 3; ++k)
                s->txtFine[k].Text = QString("12082006").mid(2 * k, k == 2 ? 4 : 2);
            s.Stampa(tabella, moduli);
            QCOMPARE(s.p.pagineAperte.size(), documenti);
            QCOMPARE(s.p.proposteSalvataggio.size(), documenti);
            const QStringList visti = s.Messaggi();
            QCOMPARE(visti.size(), messaggi.size());
            for (int i = 0; i < visti.size(); ++i) {
                QString atteso = messaggi[i];
                atteso.replace("FILE", QDir::toNativeSeparators(s.fileTesto()));
                if (atteso.endsWith('*'))
                    QVERIFY2(visti[i].startsWith(atteso.chopped(1)), qPrintable(visti[i]));
                else
                    QCOMPARE(visti[i], atteso);
            }
            QCOMPARE(s.p.programmiAvviati.size(), moduli ? 1 : 0);
            if (moduli) {
                QVERIFY(s.p.programmiAvviati[0].first.endsWith("/Taccuvo"));
                QCOMPARE(s.p.programmiAvviati[0].second, QString("PARIGI,05/08/2006,12/08/2006"));
            }
            QCOMPARE(s->ComandiMeta, QString("CaSt")); // "all" on a calculated timetable
            QVERIFY(!s->frmStampa.Visible && !s->frmSelStampa.Visible && !s->frmStampaInCorso.Visible);
        };
        const QString file = "Stampa sul file FILE: completata!",
                      tabella = "Stampa Tabella di Marcia  completata...";
        // tabella
        prova(true, false, "", 1, {tabella, file});
        // solo moduli
        prova(false, true, "", 0, {"Stampa Moduli per Diario di Bordo completata...", file});
        // nessuna
        prova(false, false, "", 0, {file});
        // moduli senza programma
        prova(false, true, "programma", 0,
              {"Impossibile avviare il programma di stampa dei Moduli per Diario di Bordo:*", file});
        // stampante che non finisce il documento
        prova(true, false, "stampante", 1,
              {"Stampa della Tabella di Marcia non riuscita.\r\nStampante spenta.", file});
        // file di testo non scrivibile
        prova(true, false, "file", 1, {tabella, "Stampa sul file FILE non riuscita.*"});
    }

    void senzaLocalitaNessunaPagina() {
        P pg;
        StampaCelle(pg, {"1||||||||||||||", "2||||||||||||||"});
        QVERIFY(pg.Di(P::Testo).isEmpty() && pg.Di(P::NuovaPagina).isEmpty());
        QCOMPARE(RigheFileTabella("X", {CelleMarcia{}, CelleMarcia{}}).size(), 3);
    }

    // "Riepilogo e costi": one more page after the timetable, in its heading
    // and frame, with the panel's vehicle and the totals last in bold; values
    // that cannot be used are refused before a printer is chosen.
    void riepilogoECosti() {
        PlannerStampa s;
        s->txtLocalita.Text = "PARIGI";
        s.Righe(3);
        s->txtVeicolo[5].Text = "25 €";
        s->Click("cmdStampa");
        s->Stampa.chkRiepilogo.Value = true;
        s->Click("CmdEsegui(0)");
        QVERIFY(s->frmStampa.Visible && !s->frmSelStampa.Visible);
        QVERIFY(s.Messaggi().last().startsWith("Costo notte €: \"25 €\" non è un numero valido."));
        s->Click("CmdEsegui(1)");
        s->txtVeicolo[5].Text = "25";
        s.Stampa();
        QCOMPARE(s.Messaggi().at(1),
                 QString("Stampa Tabella di Marcia con Riepilogo e costi  completata..."));
        const P& pg = s.Pagina();
        QCOMPARE(pg.Di(P::NuovaPagina).size(), 2);
        QVERIFY(pg.TestoUguale("LOCALITA 3", 1) && !pg.TestoUguale("LOCALITA 3", 2));
        const QStringList testi = pg.Testi(2);
        QVERIFY(testi.contains("PARIGI") && testi.contains("Pagina: 02") && testi.contains("Spesa €") &&
                testi.contains(TitoloProgramma));
        QString veicolo;
        for (const QString& t : testi)
            if (t.startsWith("Consumo 12 l/100 km")) veicolo = t;
        QVERIFY2(veicolo.contains("notte 25.00 €"), qPrintable(veicolo));
        const P::Chiamata* totale = pg.TestoUguale("Totale", 2);
        QVERIFY(totale && totale->bold);
        const auto cornice = pg.Di(P::Riquadro, 2).last();
        QVERIFY(cornice.drawWidth == 3 && P::Vicino(cornice.x1, 3) && P::Vicino(cornice.x2, 193) &&
                cornice.y2 >= totale->y1);
    }

    void pannelloStampanti() {
        PlannerStampa s;
        s.p.stampanti = QStringList{"Ufficio", "Casa", "Ufficio"};
        s.p.predefinita = "Casa";
        s.Righe(1);
        s->txtLocalita.Text = "LISBONA/PORTO";
        s->Click("cmdStampa");
        s->Click("CmdEsegui(0)");
        QCOMPARE(s->Stampa.lstStampanti.Voci(), (QStringList{"Ufficio", "Casa", "Ufficio", "File PDF"}));
        // The default printer is offered; the choice goes by device name.
        QCOMPARE(s->Stampa.lstStampanti.ListIndex, 1);
        s->Stampa.lstStampanti.ListIndex = 0;
        s->Click("cmdSelStampante(0)");
        QCOMPARE(s.p.pagineAperte, QStringList{"stampante:Ufficio"});
        QVERIFY(s.Pagina().TestoUguale("LOCALITA 1"));

        // The PDF: the save dialog proposes a name; giving up prints nothing
        // and leaves the options panel as "&Rinuncia" does.
        s.p.pagineAperte.clear();
        s.p.messaggi.clear();
        s->Click("cmdStampa");
        s->Click("CmdEsegui(0)");
        s->Stampa.lstStampanti.ListIndex = 3;
        s->Click("cmdSelStampante(0)");
        QCOMPARE(s.p.proposteSalvataggio.last(), s.dir.path() + "/Tabella di marcia - LISBONA PORTO.pdf");
        QVERIFY(s.p.pagineAperte.isEmpty() && s.p.messaggi.isEmpty());
        QVERIFY(!s->frmSelStampa.Visible && s->frmStampa.Visible);
        s->Click("CmdEsegui(1)");

        // A printer gone since the list was shown: the default one prints.
        s->Click("cmdStampa");
        s->Click("CmdEsegui(0)");
        s->Stampa.lstStampanti.ListIndex = 0;
        s.p.stampanti = QStringList{"Casa"};
        s->Click("cmdSelStampante(0)");
        QCOMPARE(s.p.pagineAperte, QStringList{"stampante:Casa"});

        // A printer that cannot be opened: said; the text file is written.
        QFile::remove(s.fileTesto());
        s.p.messaggi.clear();
        s.p.aperturaRiesce = false;
        s->Click("cmdStampa");
        s->Click("CmdEsegui(0)");
        s->Click("cmdSelStampante(0)");
        QCOMPARE(s.Messaggi().value(0), QString("Impossibile aprire stampante:Casa"));
        QVERIFY(QFile::exists(s.fileTesto()) && !s->frmStampa.Visible && !s->frmSelStampa.Visible);
    }

    // Seven localities, names only: a row of five closed by its line, then
    // two names closed by the page frame.
    void soloNomiCinquePerRiga() {
        PlannerStampa s;
        // No entries: nothing printed, the guide screen back as it was.
        s->ComandiMeta = "zz";
        StampaGuida(s, 1, 1);
        QVERIFY(s.Pagina().Di(P::Testo).isEmpty() && s.Pagina().Di(P::FineDocumento).isEmpty());
        QVERIFY(!s->frmGuidaStampa.Visible && s->frmGuida.Visible && s->frmGuida.Enabled);
        QCOMPARE(s->ComandiMeta, QString("zz"));
        const QStringList nomi = {"ANCONA", "BARI", "COMO", "DERUTA", "ENNA", "FANO", "GENOVA"};
        for (const QString& n : nomi) {
            AggiungiVoce(*s, n, "01", "Duomo", "0100");
            AggiungiVoce(*s, n, "02", "Museo", "0030");
        }
        StampaGuida(s, 1, 1);
        const P& pg = s.Pagina();
        const auto stampati = Nomi(pg);
        QCOMPARE(stampati.size(), 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(stampati[i].testo, nomi[i]);
        const double riga1 = stampati[0].y1 + 8 * 0.4;
        QVERIFY(stampati[5].x1 == stampati[0].x1 && stampati[5].y1 == stampati[0].y1 + 5);
        int righeDiFondo = 0;
        for (const auto& l : pg.Di(P::Linea))
            if (l.y1 == l.y2 && l.x1 == 3 && l.x2 == 195) ++righeDiFondo;
        QCOMPARE(righeDiFondo, 1);
        QVERIFY(pg.HaForma(P::Linea, 3, riga1, 195, riga1));
        const auto cornice = pg.Di(P::Riquadro).last();
        QVERIFY(cornice.drawWidth == 3 && cornice.x2 == 195 && P::Vicino(cornice.y2, riga1 + 5));
        QCOMPARE(pg.chiamate.last().tipo, P::FineDocumento);
    }

    // The trip's localities in stage order, once per visit; a stage without
    // entries is left out. Every entry: type by name, last column clipped.
    void localitaDellaMetaOgniVoce() {
        PlannerStampa s;
        s->Meta.CodiceMetaCorrente = "000007";
        s->txtLocalita.Text = "SICILIA";
        SalvaTappe(*s, "000007", {"PALERMO||", "CEFALU||", "MESSINA||", "PALERMO||"});
        AggiungiVoce(*s, "PALERMO", "02", "Cattedrale", "0100");
        AggiungiVoce(*s, "PALERMO", "01", "Teatro Massimo", "0045");
        AggiungiVoce(*s, "MESSINA", "01", "Orologio astronomico", "0030");
        AggiungiVoce(*s, "TAORMINA", "01", "Teatro antico", "0130");
        StampaGuida(s, 0, 0);
        const P& pg = s.Pagina();
        QStringList righe;
        const auto celle = Nomi(pg);
        for (int i = 0; i + 3 < celle.size(); i += 4)
            righe << QStringList{celle[i].testo, celle[i + 1].testo, celle[i + 2].testo, celle[i + 3].testo}
                         .join('|');
        const QString tipo1 = s->Guida.DescrizioneTipoGuida[1], tipo2 = s->Guida.DescrizioneTipoGuida[2];
        QCOMPARE(righe, (QStringList{"PALERMO|" + tipo1 + "|Teatro Massimo|0045",
                                     "PALERMO|" + tipo2 + "|Cattedrale|0100",
                                     "MESSINA|" + tipo1 + "|Orologio astronomico|0030",
                                     "PALERMO|" + tipo1 + "|Teatro Massimo|0045",
                                     "PALERMO|" + tipo2 + "|Cattedrale|0100"}));
        QVERIFY(pg.TestoUguale("Guida Città: - Inerenti la Meta: SICILIA - Località e Guida"));
    }

    // Every text of the printouts stays inside the lines round it and under
    // no fill drawn later, measured in the print fonts as the PDF measures
    // them: pages of the timetable, the city guide and the logbook holding
    // the widest values each cell can get.
    void testiNeiRiquadri() {
        // interi: numbers and names shrunk, not cut
        const auto prova = [&](QString stampa, QStringList interi) {
            PlannerStampa s;
            s.p.preparaPagina = [](P& p) { p.larghezza = LarghezzaStampata; };
            P diario;
            diario.larghezza = LarghezzaStampata;
            if (stampa == "tabella") StampaTabella(diario);
            if (stampa == "voci" || stampa == "nomi") StampaGuidaLarga(s, stampa == "voci" ? 0 : 1);
            if (stampa == "diario" || stampa == "bianco") StampaDiario(diario, stampa == "diario");
            const P& pagina = diario.chiamate.isEmpty() ? s.Pagina() : diario;
            for (const QString& t : interi)
                QVERIFY2(pagina.TestoUguale(t), qPrintable(t));
            const QStringList coperti = TestiCoperti(pagina);
            QVERIFY2(coperti.isEmpty(), qPrintable(coperti.join(u'\n')));
        };
        // tabella di marcia
        prova("tabella", {LocalitaLunga, "12.345", "99.999", "* 14:00", "ogni 03 ore;"});
        // guida, ogni voce
        prova("voci", {LocalitaLunga, "01:30"});
        // guida, solo nomi
        prova("nomi", {LocalitaLunga});
        // diario compilato
        prova("diario", {LocalitaLunga, "Ma", "Me"});
        // diario in bianco
        prova("bianco", {"Cod.", "Div."});
    }
};

QTEST_MAIN(TestStampaTabella)
#include "test_stampa_tabella.moc"
