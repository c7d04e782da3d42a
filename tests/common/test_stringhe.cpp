#include "common/Stringhe.h"

#include <QTest>

class TestStringhe : public QObject {
    Q_OBJECT

private slots:
    void zero_data() {
        QTest::addColumn<QString>("valore");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("risultato");
        QTest::newRow("riempito") << "7" << 2 << "07";
        QTest::newRow("spazi tolti") << " 5 " << 3 << "005";
        QTest::newRow("giusto") << "2006" << 4 << "2006";
        QTest::newRow("tagliato a sinistra") << "123" << 2 << "23";
        QTest::newRow("vuoto") << "" << 2 << "00";
        QTest::newRow("larghezza zero") << "12" << 0 << "";
    }
    void zero() {
        QFETCH(QString, valore);
        QFETCH(int, n);
        QFETCH(QString, risultato);
        QCOMPARE(Zero(valore, n), risultato);
    }

    void zeroNumero() {
        QCOMPARE(Zero(7, 2), QStringLiteral("07"));
        QCOMPARE(Zero(123, 2), QStringLiteral("23"));
        QCOMPARE(Zero(2006.0f, 4), QStringLiteral("2006"));
        QCOMPARE(Zero(2.5, 4), QStringLiteral("02,5"));
    }

    void riempimento_data() {
        QTest::addColumn<bool>("aSinistra");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("riempimento");
        QTest::addColumn<QString>("risultato");
        QTest::newRow("AntStr zeri") << true << "5" << 3 << "0" << QString("005");
        QTest::newRow("AntStr taglia") << true << "abcdef" << 3 << "0" << QString("def");
        QTest::newRow("AntStr primo carattere") << true << "ab" << 4 << "xyz" << QString("xxab");
        QTest::newRow("AggStr codice 32") << false << "ab" << 4 << "32" << QString("ab  ");
        QTest::newRow("AggStr taglia") << false << "abcdef" << 3 << "0" << QString("abc");
        QTest::newRow("AggStr cifra 9") << false << "a" << 3 << "9" << QString("a99");
        QTest::newRow("AggStr codice 128") << false << "a" << 2 << "128" << QString("a\u20AC");
        QTest::newRow("AggStr senza riempimento") << false << "a" << 3 << "" << QString("a  ");
        QTest::newRow("lunghezza negativa") << false << "a" << -1 << "0" << QString("");
    }
    void riempimento() {
        QFETCH(bool, aSinistra);
        QFETCH(QString, testo);
        QFETCH(int, n);
        QFETCH(QString, riempimento);
        QFETCH(QString, risultato);
        QCOMPARE(aSinistra ? AntStr(testo, n, riempimento) : AggStr(testo, n, riempimento), risultato);
    }

    void likeTesto() {
        QCOMPARE(LikeTesto("l'a=b\\c>d<e\"f*"), QStringLiteral("l?a?b?c?d?e?f*"));
        QCOMPARE(LikeTesto(""), QString());
    }

    void primoMaiuscolo_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("risultato");
        QTest::newRow("apostrofo") << "l'aquila" << QString("L'Aquila");
        QTest::newRow("due parole") << "san marino" << QString("San Marino");
        QTest::newRow("maiuscole e spazi") << "  ROMA  " << QString("Roma");
        QTest::newRow("trattino") << "emilia-romagna" << QString("Emilia-Romagna");
        QTest::newRow("accento finale") << "città di castello" << QString("Città Di Castello");
        QTest::newRow("dopo una lettera accentata") << "perùgia" << QString("PerùGia");
        QTest::newRow("vuoto") << "" << QString("");
    }
    void primoMaiuscolo() {
        QFETCH(QString, testo);
        QFETCH(QString, risultato);
        QCOMPARE(PrimoMaiuscolo(testo), risultato);
    }

    void valoreSenzaPunti_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        QTest::newRow("migliaia") << "1.234" << 1234.0;
        QTest::newRow("milioni") << "1.234.567" << 1234567.0;
        QTest::newRow("virgola e segno") << "-12,50" << 1250.0;
        QTest::newRow("nessuna cifra") << "abc" << 0.0;
    }
    void valoreSenzaPunti() {
        QFETCH(QString, testo);
        QFETCH(double, valore);
        QCOMPARE(ValoreSenzaPunti(testo), valore);
    }

    void quasiUguale_data() {
        QTest::addColumn<double>("controllo");
        QTest::addColumn<float>("fisso");
        QTest::addColumn<int>("ampiezza");
        QTest::addColumn<bool>("risultato");
        QTest::newRow("limite basso") << 95.0 << 100.0f << 5 << true;
        QTest::newRow("sotto") << 94.0 << 100.0f << 5 << false;
        QTest::newRow("limite alto") << 105.0 << 100.0f << 5 << true;
        QTest::newRow("sopra") << 105.01 << 100.0f << 5 << false;
        QTest::newRow("ampiezza zero") << 100.0 << 100.0f << 0 << true;
    }
    void quasiUguale() {
        QFETCH(double, controllo);
        QFETCH(float, fisso);
        QFETCH(int, ampiezza);
        QFETCH(bool, risultato);
        QCOMPARE(QuasiUguale(controllo, fisso, qint16(ampiezza)), risultato);
    }

    void separaColonne_data() {
        QTest::addColumn<QString>("riga");
        QTest::addColumn<QStringList>("colonne");
        QTest::newRow("chiusa da separatore") << "a;b;" << QStringList{"a", "b"};
        QTest::newRow("ultima senza separatore") << "a;b" << QStringList{"a", "b"};
        QTest::newRow("spazi tolti") << " a ; b ;" << QStringList{"a", "b"};
        QTest::newRow("colonna vuota") << "a;;b;" << QStringList{"a", "", "b"};
        QTest::newRow("spazi dopo l'ultimo") << "a;b; " << QStringList{"a", "b"};
        QTest::newRow("virgola prima del punto e virgola") << "a;b,c;" << QStringList{"a;b", "c;"};
        QTest::newRow("tabulazione prima della virgola") << "x\ty,z\t" << QStringList{"x", "y,z"};
        QTest::newRow("255 prima di 254") << "a\u00FEb\u00FFc\u00FF" << QStringList{"a\u00FEb", "c"};
        QTest::newRow("252") << "a\u00FCb\u00FC" << QStringList{"a", "b"};
        QTest::newRow("punto esclamativo") << "a!b!" << QStringList{"a", "b"};
        QTest::newRow("virgolette e controlli") << "\"Roma\";\x01\"Lazio\";\r\n"
                                                << QStringList{"Roma", "Lazio"};
        QTest::newRow("nessun separatore") << " solo testo \r" << QStringList{"solo testo"};
        QTest::newRow("solo separatore") << ";" << QStringList{""};
        QTest::newRow("vuota") << "" << QStringList{};
    }
    void separaColonne() {
        QFETCH(QString, riga);
        QFETCH(QStringList, colonne);
        RigaColonne risultato;
        risultato.ColonneRiga[1] = "resto di prima";
        risultato.ColonneRiga[50] = "resto di prima";
        SeparaColonne(riga, risultato);
        QCOMPARE(risultato.NumeroColonne, qint16(colonne.size()));
        for (int i = 0; i < colonne.size(); ++i)
            QCOMPARE(risultato.ColonneRiga[i + 1], colonne[i]);
        for (int i = colonne.size() + 1; i <= 100; ++i)
            QVERIFY(risultato.ColonneRiga[i].isEmpty());
        QVERIFY(risultato.ColonneRiga[0].isEmpty());
    }

    void separaColonneAlPiu100() {
        QStringList campi;
        for (int i = 1; i <= 150; ++i)
            campi << QString("c%1").arg(i);
        RigaColonne risultato;
        SeparaColonne(campi.join(u'\t') + u'\t', risultato);
        QCOMPARE(risultato.NumeroColonne, qint16(100));
        QCOMPARE(risultato.ColonneRiga[1], QStringLiteral("c1"));
        QCOMPARE(risultato.ColonneRiga[100], QStringLiteral("c100"));
    }
};

QTEST_GUILESS_MAIN(TestStringhe)
#include "test_stringhe.moc"
