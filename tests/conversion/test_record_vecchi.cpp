// The old files' records: how many a file holds, what a slot reads as, and
// what each kind of record becomes.
#include <QBuffer>
#include <QTest>

#include "common/Testo1252.h"
#include "conversion/FileARecord.h"
#include "conversion/RecordVecchi.h"

namespace {

// Fields laid end to end, each blank-padded to its width, in code page 1252.
QByteArray Record(const QList<QPair<QString, int>>& campi) {
    QByteArray r;
    for (const auto& [testo, larghezza] : campi) {
        QByteArray b = CodificaWindows1252(testo);
        r += b + QByteArray(larghezza - b.size(), ' ');
    }
    return r;
}

QByteArray Tappa(const QString& campo1, const QString& km = "", const QString& tipo = "",
                 const QString& sosta = "") {
    return Record({{campo1, 24}, {km, 3}, {tipo, 1}, {sosta, 6}});
}

// A trip record: destination, trip number, the rest filled in.
QByteArray Meta(const QString& localita, const QString& numero) {
    return Record({{localita, 30}, {"ITALIA", 19}, {"01062004", 8}, {"0800", 4}, {"110", 3},  {"90", 3},
                   {"70", 3},      {"50", 3},      {"0830", 4},     {"1300", 4}, {"0100", 4}, {"2000", 4},
                   {"0130", 4},    {"2300", 4},    {numero, 4},     {"15", 2},   {"02", 2},   {"01", 2},
                   {"05", 2},      {"0900", 4},    {"1800", 4}});
}

} // namespace

class TestRecordVecchi : public QObject {
    Q_OBJECT
private slots:
    void numeroDeiRecord_data() {
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("record");
        QTest::newRow("vuoto") << 0 << 128 << 0;
        QTest::newRow("un byte") << 1 << 128 << 1;
        QTest::newRow("senza coda") << 117 << 128 << 1;
        QTest::newRow("uno intero") << 128 << 128 << 1;
        QTest::newRow("un byte oltre") << 129 << 128 << 2;
        QTest::newRow("secondo senza coda") << 245 << 128 << 2;
        QTest::newRow("due interi") << 256 << 128 << 2;
        QTest::newRow("itinerario") << 64 * 7 << 64 << 7;
        QTest::newRow("itinerario tagliato") << 64 * 2 + 26 << 64 << 3;
    }

    // The count, and every slot read back whole: a short last record and
    // anything past the end read as blanks.
    void numeroDeiRecord() {
        QFETCH(int, lunghezza);
        QFETCH(int, slot);
        QFETCH(int, record);
        QByteArray dati(lunghezza, 'x');
        QBuffer buffer(&dati);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        FileARecord file(buffer, slot, "prova.dat");
        QCOMPARE(file.NumeroRecord(), qint64(record));
        QCOMPARE(ContaRecord(lunghezza, slot), qint64(record));
        for (int n = 1; n <= record + 1; ++n) {
            const QByteArray letto = file.Record(n);
            QCOMPARE(letto.size(), slot);
            const int pieni = qBound(0, lunghezza - (n - 1) * slot, slot);
            QCOMPARE(letto.count('x'), pieni);
            QCOMPARE(letto.count(' '), slot - pieni);
        }
    }

    void campiInCodePage1252() {
        QByteArray record = CodificaWindows1252("CITTÀ€") + QByteArray("\0\0X", 3);
        QCOMPARE(CampoRecord(record, 0, 6), QString("CITTÀ€"));
        // NUL bytes of a slot never written, and bytes past the record, are blanks.
        QCOMPARE(CampoRecord(record, 6, 5), QString("  X  "));
        QCOMPARE(CampoRecord(record, 40, 3), QString("   "));
    }

    void meteConvertiteOScartate_data() {
        QTest::addColumn<QString>("localita");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("codice"); // empty: passed over
        QTest::newRow("numero con blanchi") << "LISBONA"
                                            << "  71"
                                            << "000071";
        QTest::newRow("numero pieno") << "LISBONA"
                                      << "9999"
                                      << "009999";
        QTest::newRow("accentata minuscola") << "Città di Castello"
                                             << "0012"
                                             << "000012";
        QTest::newRow("numero zero") << "OSLO"
                                     << "0000"
                                     << "";
        QTest::newRow("numero vuoto") << "OSLO"
                                      << ""
                                      << "";
        QTest::newRow("numero negativo") << "OSLO"
                                         << "-5"
                                         << "";
        QTest::newRow("numero non numerico") << "OSLO"
                                             << "AB"
                                             << "";
        QTest::newRow("destinazione cancellata") << "..OSLO"
                                                 << "0005"
                                                 << "";
        QTest::newRow("destinazione vuota") << ""
                                            << "0005"
                                            << "";
        QTest::newRow("un punto solo") << ".OSLO"
                                       << "0005"
                                       << "000005";
    }

    void meteConvertiteOScartate() {
        QFETCH(QString, localita);
        QFETCH(QString, numero);
        QFETCH(QString, codice);
        const std::optional<MetaVecchia> meta = MetaDaRecord(Meta(localita, numero));
        QCOMPARE(meta.has_value(), !codice.isEmpty());
        if (!meta) return;
        QCOMPARE(meta->codice, codice);
        QCOMPARE(meta->campi.size(), 20);
        QCOMPARE(meta->campi.at(0), qMakePair(QString("Localita"), localita));
        // Everything but the destination as it stands, blanks included.
        QCOMPARE(meta->campi.at(1), qMakePair(QString("Nazione"), QString("ITALIA").leftJustified(19)));
        QCOMPARE(meta->campi.at(14), qMakePair(QString("RiposoMinuti"), QString("15")));
        QCOMPARE(meta->campi.at(19), qMakePair(QString("FineVisita"), QString("1800")));
        QCOMPARE(FileItinerarioVecchio(meta->codice), "vian" + codice.right(4) + ".dat");
    }

    void intestazioneItinerario_data() {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("seconda");
        QTest::addColumn<int>("tappe");
        QTest::newRow("concordi") << "5"
                                  << "5" << 5;
        QTest::newRow("discordi") << "5"
                                  << "4" << 0;
        QTest::newRow("con blanchi") << "  12"
                                     << " 12" << 12;
        QTest::newRow("vuote") << ""
                               << "" << 0;
        QTest::newRow("negative") << "-3"
                                  << "-3" << -3;
    }

    void intestazioneItinerario() {
        QFETCH(QString, prima);
        QFETCH(QString, seconda);
        QFETCH(int, tappe);
        QCOMPARE(TappeIntestazione(Record({{prima, 24}, {seconda, 3}})), tappe);
    }

    void tappe_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("attesa"); // "localita|km|strada|tipo|sosta", empty: passed over
        QTest::newRow("con strada") << Tappa("ROMA*A1", "120", "A", "010230") << "ROMA|120|A1 |A|01:02:30";
        QTest::newRow("senza strada") << Tappa("BOLOGNA", " 95", "S", "000000") << "BOLOGNA| 95| |S| ";
        QTest::newRow("blanchi attorno")
            << Tappa("SAN MARINO *  SS72 ", "5", "P", "000030") << "SAN MARINO|5  |SS72 |P|00:00:30";
        QTest::newRow("minuscola") << Tappa("roma*A1", "120") << "";
        QTest::newRow("solo l'iniziale conta") << Tappa("Roma") << "Roma|   | | | ";
        QTest::newRow("cifra") << Tappa("9 MAGGIO") << "";
        QTest::newRow("accentata") << Tappa("ÉVORA*N4") << "";
        QTest::newRow("blanco iniziale") << Tappa(" ROMA") << "";
        QTest::newRow("solo strada") << Tappa("*A1") << "";
        QTest::newRow("vuota") << Tappa("") << "";
        QTest::newRow("tagliata") << Record({{"VALENCIA*E15", 24}, {"34", 2}}) << "VALENCIA|34 |E15 | | ";
    }

    void tappe() {
        QFETCH(QByteArray, record);
        QFETCH(QString, attesa);
        const std::optional<TappaVecchia> t = TappaDaRecord(record);
        const QString letta =
            t ? QStringList({t->localita, t->chilometri, t->strada, t->tipo, t->sosta}).join(u'|') : QString();
        QCOMPARE(letta, attesa);
    }

    void sequenze() {
        QCOMPARE(SequenzaTappa(2), QString("0001"));
        QCOMPARE(SequenzaTappa(11), QString("0010"));
        QCOMPARE(SequenzaTappa(1000), QString("0999"));
    }

    void vociGuida_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("ore e minuti")
            << Record({{"ROMA", 30}, {"5", 1}, {"COLOSSEO", 60}, {"130", 5}, {"1", 1}})
            << "ROMA|05|COLOSSEO|01:30|1";
        QTest::newRow("solo minuti")
            << Record({{"BOLOGNA", 30}, {"2", 1}, {"DUE TORRI", 60}, {"  45", 5}, {"0", 1}})
            << "BOLOGNA|02|DUE TORRI|00:45|0";
        QTest::newRow("senza tempo") << Record({{"Città", 30}, {"3", 1}, {"Duomo", 60}, {"", 5}, {"0", 1}})
                                     << "Città|03|Duomo|00:00|0";
        // Only the four last digits of a five-digit time count.
        QTest::newRow("cinque cifre")
            << Record({{"PISA", 30}, {"1", 1}, {"TORRE", 60}, {"10130", 5}, {"0", 1}})
            << "PISA|01|TORRE|01:30|0";
        QTest::newRow("vuota") << QByteArray() << "|0 ||00:00| ";
    }

    void vociGuida() {
        QFETCH(QByteArray, record);
        QFETCH(QString, attesa);
        const VoceGuidaVecchia v = VoceDaRecord(record);
        QCOMPARE(QStringList({v.localita, v.codice, v.descrizione, v.tempo, v.visto}).join(u'|'), attesa);
    }
};

QTEST_GUILESS_MAIN(TestRecordVecchi)
#include "test_record_vecchi.moc"
