#include "common/Testo1252.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<illeggibile>");
}

void Scrivi(const QString& percorso, const QByteArray& byte) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(byte), byte.size());
}

QByteArray TuttiIByte() {
    QByteArray byte;
    for (int i = 0; i < 256; ++i)
        byte += char(i);
    return byte;
}

} // namespace

class TestTesto1252 : public QObject {
    Q_OBJECT

private slots:
    void comeIlDecoderDiQt() {
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid()) QSKIP("questo Qt non ha windows-1252");
        QCOMPARE(DecodificaWindows1252(TuttiIByte()), decoder.decode(TuttiIByte()));
    }

    void caratteriNoti() {
        QCOMPARE(CodificaWindows1252(QStringLiteral("€ é Œ ’ ÿ")), QByteArray("\x80 \xE9 \x8C \x92 \xFF"));
        QCOMPARE(DecodificaWindows1252("\x80\xE9\x8C\x92\xFF"), QStringLiteral("€éŒ’ÿ"));
    }

    void nonCodificabili_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("polacco") << QStringLiteral("ń") << QByteArray("?");
        QTest::newRow("cinese") << QStringLiteral("a中b") << QByteArray("a?b");
        QTest::newRow("fuori dai 16 bit") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("surrogato isolato") << QString(QChar(0xD800)) + QLatin1Char('a') << QByteArray("?a");
        QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("?");
    }
    void nonCodificabili() {
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        QCOMPARE(CodificaWindows1252(testo), byte);
    }

    // Every byte but the line ends goes out and comes back unchanged through a real file.
    void tuttiIByteInUnFile() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString percorso = cartella.filePath("tutti.txt");
        const QByteArray byte = TuttiIByte().replace('\r', "").replace('\n', "");
        const QString riga = DecodificaWindows1252(byte);
        QCOMPARE(CodificaWindows1252(riga), byte);

        QVERIFY(ScriviRigheWindows1252(percorso, {riga, "seconda"}));
        QCOMPARE(Leggi(percorso), byte + "\r\nseconda\r\n");
        QStringList righe;
        QVERIFY(LeggiRigheWindows1252(percorso, righe));
        QCOMPARE(righe, QStringList({riga, "seconda"}));
    }

    void fineRiga_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QStringList>("righe");
        QTest::newRow("misti") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("fine riga finale") << QByteArray("a\r\n") << QStringList{"a"};
        QTest::newRow("riga vuota finale") << QByteArray("a\n\n") << QStringList{"a", ""};
        QTest::newRow("CR poi CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("solo fine riga") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("vuoto") << QByteArray() << QStringList{};
    }
    void fineRiga() {
        QFETCH(QByteArray, byte);
        QFETCH(QStringList, righe);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("righe.txt");
        Scrivi(percorso, byte);
        QStringList lette{"resto di prima"};
        QVERIFY(LeggiRigheWindows1252(percorso, lette));
        QCOMPARE(lette, righe);
    }

    void letturaImpossibile() {
        QTemporaryDir cartella;
        for (const QString& percorso : {cartella.filePath("manca.txt"), cartella.path()}) {
            QStringList righe{"resto di prima"};
            QString errore;
            QVERIFY(!LeggiRigheWindows1252(percorso, righe, &errore));
            QVERIFY(righe.isEmpty());
            QVERIFY(errore.startsWith("Impossibile leggere il file"));
            QVERIFY(errore.contains(percorso));
        }
    }

    void sovrascriveTutto() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("viaggio.txt");
        Scrivi(percorso, "una riga vecchia e lunga\r\nun'altra\r\n");
        QVERIFY(ScriviRigheWindows1252(percorso, {"nuova"}));
        QCOMPARE(Leggi(percorso), QByteArray("nuova\r\n"));
        QVERIFY(ScriviRigheWindows1252(percorso, {}));
        QCOMPARE(Leggi(percorso), QByteArray());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{"viaggio.txt"});
    }

    void scritturaImpossibile() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("manca/viaggio.txt");
        QString errore;
        QVERIFY(!ScriviRigheWindows1252(percorso, {"riga"}, &errore));
        QVERIFY(errore.startsWith("Impossibile scrivere il file"));
        QVERIFY(errore.contains(percorso));
        QVERIFY(!QFile::exists(percorso));
    }

    // The longest name a folder allows leaves no room for the temporary file beside it: the write
    // fails, and the file already there must not be touched.
    void fallimentoLasciaIlFileVecchio() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QString(250, u'v'));
        QFile vecchio(percorso);
        if (!vecchio.open(QIODevice::WriteOnly)) QSKIP("nomi di 250 caratteri non ammessi qui");
        vecchio.write("vecchio\r\n");
        vecchio.close();
        if (ScriviRigheWindows1252(percorso, {"nuovo"})) QSKIP("questo file system accetta nomi più lunghi");
        QCOMPARE(Leggi(percorso), QByteArray("vecchio\r\n"));
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTesto1252)
#include "test_testo1252.moc"
