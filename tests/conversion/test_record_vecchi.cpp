// Slots of the old files: how many records a file holds and what a slot
// reads as when the file ends early.
#include <QBuffer>
#include <QTest>

#include "common/Testo1252.h"
#include "conversion/FileARecord.h"

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
        QTest::newRow("itinerario tagliato") << 64 * 2 + 26 << 64 << 3;
    }

    // Every slot reads back whole: the part in the file as it is, the rest,
    // and any slot past the end, as blanks.
    void numeroDeiRecord() {
        QFETCH(int, lunghezza);
        QFETCH(int, slot);
        QFETCH(int, record);
        QByteArray dati(lunghezza, 'x');
        QBuffer buffer(&dati);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        FileARecord file(buffer, slot, "prova.dat");
        QCOMPARE(file.NumeroRecord(), qint64(record));
        for (int n = 1; n <= record + 1; ++n) {
            const QByteArray letto = file.Record(n);
            const int pieni = qBound(0, lunghezza - (n - 1) * slot, slot);
            QCOMPARE(letto, QByteArray(pieni, 'x') + QByteArray(slot - pieni, ' '));
        }
    }

    void campiInCodePage1252() {
        const QByteArray record = CodificaWindows1252("CITTÀ€") + QByteArray("\0\r\tX\x7f", 5);
        QCOMPARE(CampoRecord(record, 0, 6), QString("CITTÀ€"));
        // Control characters, and bytes past the record, are blanks.
        QCOMPARE(CampoRecord(record, 6, 7), QString("   X   "));
        QCOMPARE(CampoRecord(record, 40, 3), QString("   "));
    }
};

QTEST_GUILESS_MAIN(TestRecordVecchi)
#include "test_record_vecchi.moc"
