// The city-guide printout on a recording page: both list kinds, both
// detail kinds, the page layout, and the panels around it.
#include <QTest>

#include "StampaProva.h"
#include "guide/Guida.h"
#include "trip/Meta.h"

using P = PaginaRegistrata;

namespace {
// The trip's stages as stored, in order.
void Itinerario(FormViandora& f, const QString& codice, const QStringList& localita) {
    f.Db.RecordSetImposta(7, Query("Itinerari").Dove("CodiceMeta", "\\"));
    RecordSet& rs = f.Db.Rs(7);
    for (int i = 0; i < localita.size(); ++i) {
        rs.AddNew();
        rs.Imposta("CodiceMeta", codice);
        rs.Imposta("Sequenza", QString("%1").arg(i + 1, 4, 10, QChar('0')));
        rs.Imposta("Localita", localita[i]);
        rs.Update();
    }
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
    QCOMPARE(s->frmSelStampa.Height, 3240);
    s.p.fileDaSalvare << s.pdf();
    s->Click("cmdSelStampante(0)");
}

QList<P::Chiamata> Nomi(const P& pg) {
    QList<P::Chiamata> nomi;
    for (const auto& t : pg.Di(P::Testo))
        if (t.size == 8) nomi << t;
    return nomi;
}
} // namespace

class TestStampaGuida : public QObject {
    Q_OBJECT

private slots:
    void guidaVuotaNonStampaNulla() {
        PlannerStampa s;
        s->ComandiMeta = "zz";
        StampaGuida(s, 1, 1);
        QVERIFY(s.Pagina().Di(P::Testo).isEmpty());
        QVERIFY(s.Pagina().Di(P::FineDocumento).isEmpty());
        QVERIFY(!s->frmGuidaStampa.Visible && s->frmGuida.Visible && s->frmGuida.Enabled);
        QCOMPARE(s->ComandiMeta, QString("zz"));
    }

    // Seven localities, names only: a row of five closed by its line, then
    // two names closed by the page frame.
    void soloNomiCinquePerRiga() {
        PlannerStampa s;
        const QStringList nomi = {"ANCONA", "BARI", "COMO", "DERUTA", "ENNA", "FANO", "GENOVA"};
        for (const QString& n : nomi) {
            AggiungiVoce(*s, n, "01", "Duomo", "0100");
            AggiungiVoce(*s, n, "02", "Museo", "0030");
        }
        StampaGuida(s, 1, 1);
        const P& pg = s.Pagina();
        const auto stampati = Nomi(pg);
        QCOMPARE(stampati.size(), 7);
        const double x[] = {5, 43, 81, 119, 157, 5, 43};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(stampati[i].testo, nomi[i]);
            QCOMPARE(stampati[i].x1, x[i]);
        }
        const double riga1 = stampati[0].y1 + 8 * 0.4;
        QCOMPARE(stampati[5].y1, stampati[0].y1 + 5);
        int righeDiFondo = 0;
        for (const auto& l : pg.Di(P::Linea))
            if (l.y1 == l.y2 && l.x1 == 3 && l.x2 == 195) ++righeDiFondo;
        QCOMPARE(righeDiFondo, 1);
        QVERIFY(pg.HaForma(P::Linea, 3, riga1, 195, riga1));
        const auto cornice = pg.Di(P::Riquadro).last();
        QVERIFY(cornice.drawWidth == 3 && cornice.x2 == 195 && P::Vicino(cornice.y2, riga1 + 5));
        QVERIFY(pg.TestoUguale("Guida Città: - Tutte - Località"));
        QCOMPARE(pg.Testi().count("Località"), 5);
        QCOMPARE(pg.chiamate.last().tipo, P::FineDocumento);
    }

    // The trip's localities in stage order, once per visit; a stage without
    // entries is left out. Every entry: type by name, last column clipped.
    void localitaDellaMetaOgniVoce() {
        PlannerStampa s;
        s->Meta.CodiceMetaCorrente = "000007";
        s->txtLocalita.Text = "SICILIA";
        Itinerario(*s, "000007", {"PALERMO", "CEFALU", "MESSINA", "PALERMO"});
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
        QCOMPARE(celle[1].x1, 45.0);
        QCOMPARE(celle[2].x1, 65.0);
        QVERIFY(pg.TestoUguale("Guida Città: - Inerenti la Meta: SICILIA - Località e Guida"));
        for (const QString h : {"Localita", "Tipo", "Descrizione", "Sosta"})
            QVERIFY(pg.TestoUguale(h));
        QCOMPARE(pg.Di(P::Riquadro).last().x2, 195.0);
    }
};

QTEST_GUILESS_MAIN(TestStampaGuida)
#include "test_stampa_guida.moc"
