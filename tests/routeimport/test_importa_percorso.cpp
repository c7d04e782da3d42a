// Route planners' exports: stages, roads, ferries and distances of
// real-looking exports of both layouts, recognition limits, and damaged or
// foreign input; the import in the stage editor and from viandora-cli:
// refusal with stages present, the file dialog, the unrecognised file, and a
// fixture trip imported and stored.
#include <QStringDecoder>
#include <QTest>

#include "common/Testo1252.h"
#include "itinerary/EditorProva.h"
#include "routeimport/LetturaPercorso.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

namespace {

const QString Percorsi = QStringLiteral(PERCORSI "/");

QByteArray Dati(const QString& nome) {
    return LeggiFile(Percorsi + nome);
}

QStringList Tappe(const LetturaPercorso& l) {
    QStringList righe;
    for (const TappaPercorso& t : l.Tappe)
        righe << QStringList{t.Localita, t.Strada, QString::number(t.Km), t.TipoStrada, t.Sosta}.join(u'|');
    return righe;
}

// A route of layout 1 with the given running distances, one locality each.
QByteArray Layout1(const QList<qint64>& distanze) {
    QStringList righe{QStringLiteral("Percorso di prova con distanze progressive molto lunghe"),
                      QStringLiteral("Ora\tIstruzioni\tKm\tPer\tTempo")};
    for (int i = 0; i < distanze.size(); ++i)
        righe << QStringLiteral("08:00\t%1\t%2 Localita%3, proseguire su A%3")
                     .arg(distanze[i])
                     .arg(i == 0 ? QStringLiteral("Partenza da") : QStringLiteral("a"))
                     .arg(i);
    return CodificaWindows1252(righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace

class TestImportaPercorso : public QObject {
    Q_OBJECT
private slots:
    // Nothing chosen, a file not recognised, a FIFO (never opened: it would
    // wait for ever): no stage, and the editor goes on; with a stage written
    // no file is asked for.
    void dialogoAnnullatoOFileNonRiconosciuto() {
        EditorProva e;
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.isEmpty() && Tappe(*e).isEmpty());

        QVERIFY(CreaFifo(e.dir.filePath("percorso.txt")));
        e.p.fileDaAprire << Percorsi + "intestazione_riga16.txt" << e.dir.filePath("percorso.txt");
        for (const QString atteso : {"File non riconosciuto!", "è una FIFO"}) {
            e.p.messaggi.clear();
            e->Click("cmdMapPoint");
            QCOMPARE(e.p.messaggi.size(), 1);
            QVERIFY2(e.p.messaggi.first().testo.contains(atteso), qPrintable(e.p.messaggi.first().testo));
            QVERIFY(Tappe(*e).isEmpty() && e->frmInputBox.Enabled && e->cmdInserisce.Enabled);
        }
        Scrivi(*e, "ROMA");
        e.p.messaggi.clear();
        e.p.fileDaAprire << Percorsi + "roma_cagliari.txt";
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.size() == 1 && e.p.fileDaAprire.size() == 1);
        QVERIFY(e.p.messaggi.first().testo.startsWith("Impossibile: sono presenti delle tappe!"));
        QCOMPARE(Tappe(*e), QStringList{"ROMA||||"});
    }

    void importaEMemorizza() {
        EditorProva e;
        e.p.fileDaAprire << Percorsi + "roma_cagliari.txt";
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.isEmpty());
        // The stages as read (the reader's tests check them all), with the ferry.
        QCOMPARE(Tappe(*e).size(), 8);
        QCOMPARE(Tappe(*e).at(3), QString("OLBIA|TRAGH|232|P|00:02:00"));
        QVERIFY(e->txtKmTot[4].Text == "562" && e->txtTragh.Text == "1");
        QVERIFY(e->frmInputBox.Enabled && e->cmdMemorizza.Enabled && !e->cmdMapPoint.Enabled);

        // Nothing is stored until the user saves.
        const QString codice = e->Meta.CodiceMetaCorrente;
        QVERIFY(RecordItinerario(*e, codice, {"Localita"}).isEmpty());
        e.p.risposte = {Msg::Yes};
        e->Click("cmdFine");
        QCOMPARE(RecordItinerario(*e, codice, {"Localita", "Chilometri", "NomeStrada", "TempoSosta"}).at(3),
                 QString("OLBIA|232|TRAGH |00:02:00"));
    }

    void rigaDiComando() {
        Planner pl;
        NuovaMeta(pl, "SARDEGNA");
        const QString codice = pl->Meta.CodiceMetaCorrente;
        const QString db = pl.dir.path() + "/ViandoraQuintora.mdb";
        // Without its default parameters, which loading a trip writes.
        pl->Db.CancellaTabella(TabParametri, {}, {}, nullptr);
        pl.f.reset();
        const QStringList prima = ImprontaCartella(pl.dir.path());

        // A refusal writes nothing.
        Esito e = Cli({"importa-percorso", db, "999", Percorsi + "roma_cagliari.txt"});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.err.contains("Mèta inesistente: 000999"));
        QCOMPARE(ImprontaCartella(pl.dir.path()), prima);

        e = Cli({"importa-percorso", db, codice.mid(4), Percorsi + "roma_cagliari.txt"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.out, QString("8 tappe, 562 km\n"));
        // A second import finds the stages and refuses.
        const QStringList importato = ImprontaCartella(pl.dir.path());
        e = Cli({"importa-percorso", db, codice, Percorsi + "como_lucerna.txt"});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.err.startsWith("Impossibile: sono presenti delle tappe!\n"));
        QCOMPARE(ImprontaCartella(pl.dir.path()), importato);

        pl.Riapri();
        const QStringList tappe = RecordItinerario(*pl, codice, {"Localita", "Chilometri", "TempoSosta"});
        QCOMPARE(tappe.size(), 8);
        QCOMPARE(tappe.at(3), QString("OLBIA|232|00:02:00"));
    }

    // The stages, "locality|road|km|type|stop;...".
    void percorsi() {
        const auto prova = [&](QString file, int layout, QString elenco) {
            const QStringList tappe = elenco.split(u';');
            const QByteArray dati = Dati(file);
            LetturaPercorso l;
            QCOMPARE(l.Leggi(dati), LetturaPercorso::Esito::Letto);
            QCOMPARE(l.Layout, layout);
            QCOMPARE(Tappe(l), tappe);

            // The same export saved as UTF-8 (with and without its mark) or
            // UTF-16 reads the same.
            const QString testo = DecodificaWindows1252(dati);
            QStringEncoder utf16(QStringConverter::Utf16LE);
            const QByteArray testo16 = utf16(testo);
            for (const QByteArray& altra : {testo.toUtf8(), QByteArray("\xEF\xBB\xBF") + testo.toUtf8(),
                                            QByteArray("\xFF\xFE") + testo16}) {
                LetturaPercorso u;
                QCOMPARE(u.Leggi(altra), LetturaPercorso::Esito::Letto);
                QCOMPARE(Tappe(u), tappe);
            }
        };
        const QString sardegna(
            "ROMA||0|P|;SANTA MARINELLA|A90 "
            "A12|74|A|;CIVITAVECCHIA|A12|6|A|;OLBIA|TRAGH|232|P|00:02:00;"
            "SINISCOLA|SS131|58|P|;NUORO|SS131|60|P|;ORISTANO|SS131|90|P|;CAGLIARI|SS131|42|P|");
        // traghetto per la Sardegna: km in seconda colonna
        prova("roma_cagliari.txt", 1, sardegna);
        // traghetto per la Sardegna: colonne come l'intestazione
        prova("roma_cagliari_colonne.txt", 1, sardegna);
        // confine svizzero
        prova("como_lucerna.txt", 1,
              QString("COMO||0|P|;CHIASSO|SS35|6|P|;INGRESSO IN SVIZZERA|A2|1|A|;LUGANO|A2|24|A|;"
                      "ALTDORF|A2|120|A|;LUZERN|A2|32|A|"));
        // due tratti e confine francese
        prova("torino_lione.txt", 2,
              QString("TORINO||0|P|;AVIGLIANA|A32|23|A|;SUSA|A32|27|A|;BARDONECCHIA|A32|38|A|;"
                      "INGRESSO IN FRANCIA|SS335|12|P|;MODANE||5|P|;SAINT-JEAN-DE-MAURIENNE|A43|32|A|;"
                      "CHAMBÉRY|A43|74|A|;LYON|A43|101|A|"));
        // distanza che torna indietro
        prova("distanza_indietro.txt", 1, "ROMA||0|P|;FIRENZE||277|P|;BOLOGNA|A1|0|A|;MODENA|A1|383|A|");
        // intestazione alla riga 15
        prova("intestazione_riga15.txt", 1, "VERONA||0|P|;BRESCIA||101|P|");
    }

    void nonRiconosciuti() {
        LetturaPercorso l;
        QCOMPARE(l.Leggi(Dati("intestazione_riga16.txt")), LetturaPercorso::Esito::NonRiconosciuto);
        const QByteArray corto = Dati("corto150.txt");
        QCOMPARE(corto.size(), 150);
        QCOMPARE(l.Leggi(corto), LetturaPercorso::Esito::NonRiconosciuto);
        QCOMPARE(l.Leggi(corto + ' '), LetturaPercorso::Esito::Letto);
        QCOMPARE(Tappe(l), (QStringList{"LECCO||0|P|", "BERGAMO||30|P|", "BRESCIA|A4|44|A|"}));

        // Binary data, even around a valid header, is no route.
        QByteArray binario = Dati("roma_cagliari.txt");
        binario.insert(40, QByteArray(64, '\0'));
        QCOMPARE(l.Leggi(binario), LetturaPercorso::Esito::NonRiconosciuto);
        QVERIFY(l.Tappe.isEmpty());
        // Bytes that are not UTF-8 are read as Windows-1252.
        QVERIFY(LetturaPercorso::RigheTesto("Citt\xE0\r\nb").startsWith(QStringLiteral("Città")));
    }

    void distanzeOltre16Bit() {
        // A stage over 32,767 km comes as slices of 999 km of one locality;
        // the total is kept whole.
        LetturaPercorso l;
        QCOMPARE(l.Leggi(Layout1({0, 40000, 70000})), LetturaPercorso::Esito::Letto);
        QCOMPARE(l.Tappe.size(), 1 + 41 + 1);
        qint64 totale = 0;
        for (const TappaPercorso& t : l.Tappe) {
            QVERIFY(t.Km >= 0 && t.Km <= LetturaPercorso::KmMassimiRiga);
            totale += t.Km;
        }
        QCOMPARE(totale, qint64(70000));
        QCOMPARE(l.Tappe.at(41).Localita, QStringLiteral("LOCALITA1"));
        QCOMPARE(l.Tappe.last().Km, qint64(30000));

        // A stage longer than the Equator is refused as not believable, not
        // cut into more slices than a grid holds.
        for (const qint64 km : {40176LL, 9999999999LL}) {
            QCOMPARE(l.Leggi(Layout1({0, 100, km})), LetturaPercorso::Esito::DistanzaNonCredibile);
            QVERIFY(l.Tappe.isEmpty() && l.LocalitaNonCredibile == "LOCALITA2");
        }
    }

    void valoreKm() {
        const auto prova = [&](QString testo, qint64 km) { QCOMPARE(LetturaPercorso::ValoreKm(testo), km); };
        // decimali italiani
        prova("12,8 km", qint64(12));
        // migliaia italiane
        prova("1.234,5 km", qint64(1234));
        // solo migliaia
        prova("1.234.567", qint64(1234567));
        // decimali col punto
        prova("12.5", qint64(12));
        // mezzo chilometro
        prova("0.500 km", qint64(0));
        // forma inglese
        prova("1,234.5 km", qint64(1234));
        // senza numero
        prova("KM", qint64(0));
        // enorme
        prova("99999999999999999999999 km", qint64(10000000));
    }

    void strade() {
        const auto prova = [&](QString istruzione, QStringList strade) {
            LetturaPercorso l;
            l.EstraeTappaStrada(istruzione);
            QCOMPARE(l.StradeTappa, strade);
        };
        // numero europeo tra parentesi
        prova("Entrare su A1 (E35) verso Roma", {"A1"});
        // solo tra parentesi
        prova("Prendere l'uscita (A12) per Genova", {"A12"});
        // apostrofo e barra
        prova("Immettersi nell'A4/E64 verso Venezia", {"A4/E64"});
        // piazza, non strada
        prova("Girare in P.ZA REPUBBLICA/2, poi SS36", {"SS36"});
        // numeri che non sono strade
        prova("Continuare per 37 km, alle 12:30", {});
        // traghetto
        prova("Imbarcarsi sul traghetto per Olbia", {"TRAGH"});
    }

    void colonne() {
        LetturaPercorso l;
        QStringList parti;
        for (int i = 1; i <= 25; ++i)
            parti << QStringLiteral(" c%1 ").arg(i);
        l.EstraeColonneTappa(parti.join(u'\t'));
        QVERIFY(l.ColonneTappa[1] == "c1" && l.ColonneTappa[20] == "c20");
        l.EstraeColonneTappa(QStringLiteral("a\t\"b, c\"\t"));
        QCOMPARE(l.ColonneTappa[2], QStringLiteral("b, c"));
        QVERIFY(l.ColonneTappa[3].isEmpty() && l.ColonneTappa[20].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestImportaPercorso)
#include "test_importa_percorso.moc"
