#include <QTest>

#include "core/RigaComando.h"

using namespace Taccuvo;

class TestRigaComando : public QObject {
    Q_OBJECT
private slots:
    void argomenti_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("parametri");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<bool>("aiuto");
        QTest::addColumn<bool>("errore");
        QTest::newRow("one argument")
            << QStringList{"PARIGI,01/07/2006,15/07/2006"} << "PARIGI,01/07/2006,15/07/2006"
            << "" << false << false;
        QTest::newRow("split by the shell") << QStringList{"PORTO", "SANTO", "STEFANO,01/07/2026,03/07/2026"}
                                            << "PORTO SANTO STEFANO,01/07/2026,03/07/2026"
                                            << "" << false << false;
        QTest::newRow("pdf first") << QStringList{"--pdf", "out.pdf", "LISBONA,30/12/2026,02/01/2027"}
                                   << "LISBONA,30/12/2026,02/01/2027"
                                   << "out.pdf" << false << false;
        QTest::newRow("dash destination with comma")
            << QStringList{"-X,01/01/2026,02/01/2026"} << "-X,01/01/2026,02/01/2026"
            << "" << false << false;
        QTest::newRow("options end") << QStringList{"--", "--help"} << "--help"
                                     << "" << false << false;
        QTest::newRow("options after the text are text")
            << QStringList{"ROMA,01/07/2026,02/07/2026", "--pdf", "x.pdf"}
            << "ROMA,01/07/2026,02/07/2026 --pdf x.pdf"
            << "" << false << false;
        QTest::newRow("help") << QStringList{"--help"} << ""
                              << "" << true << false;
        QTest::newRow("no arguments") << QStringList{} << ""
                                      << "" << false << false;
        QTest::newRow("pdf without file") << QStringList{"--pdf"} << ""
                                          << "" << false << true;
        QTest::newRow("pdf without period") << QStringList{"--pdf", "a.pdf"} << ""
                                            << "a.pdf" << false << true;
        QTest::newRow("unknown option") << QStringList{"--stampante", "X"} << ""
                                        << "" << false << true;
    }
    void argomenti() {
        QFETCH(QStringList, argomenti);
        const Argomenti a = LeggiArgomenti(argomenti);
        QFETCH(bool, errore);
        QCOMPARE(!a.Errore.isEmpty(), errore);
        if (errore) return;
        QTEST(a.ParametriAvvio, "parametri");
        QTEST(a.FilePdf, "pdf");
        QTEST(a.Aiuto, "aiuto");
    }

    void parametri_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("inizio"); // g/m/a or "" when not valid
        QTest::addColumn<QString>("fine");
        QTest::newRow("planner") << "PARIGI,01/07/2006,15/07/2006"
                                 << "PARIGI"
                                 << "1/7/2006"
                                 << "15/7/2006";
        QTest::newRow("blanks round fields") << " ROMA , 01/07/2026 , 3/7/2026 "
                                             << "ROMA"
                                             << "1/7/2026"
                                             << "3/7/2026";
        QTest::newRow("no comma") << "ROMA 01/07/2026"
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("one comma") << "ROMA,01/07/2026"
                                   << "ROMA"
                                   << "1/7/2026"
                                   << "";
        QTest::newRow("control characters") << "\tSAN\x1c MARINO\x7f\n,01/07/2026,02/07/2026"
                                            << "SAN  MARINO"
                                            << "1/7/2026"
                                            << "2/7/2026";
        QTest::newRow("empty destination") << ",01/07/2026,02/07/2026"
                                           << ""
                                           << "1/7/2026"
                                           << "2/7/2026";
        QTest::newRow("31 February") << "X,31/02/2026,01/03/2026"
                                     << "X"
                                     << ""
                                     << "1/3/2026";
        QTest::newRow("29 February leap") << "X,29/02/2028,29/02/2028"
                                          << "X"
                                          << "29/2/2028"
                                          << "29/2/2028";
        QTest::newRow("29 February not leap") << "X,29/02/2027,01/03/2027"
                                              << "X"
                                              << ""
                                              << "1/3/2027";
        QTest::newRow("month 13") << "X,01/13/2026,01/01/2027"
                                  << "X"
                                  << ""
                                  << "1/1/2027";
        QTest::newRow("outside the day numbers") << "X,01/01/1900,01/01/2100"
                                                 << "X"
                                                 << ""
                                                 << "";
        QTest::newRow("two-digit year") << "X,01/07/26,02/07/26"
                                        << "X"
                                        << ""
                                        << "";
        QTest::newRow("trailing text") << "X,01/07/2026x,02/07/2026,03/07/2026"
                                       << "X"
                                       << ""
                                       << "";
        QTest::newRow("iso form") << "X,2026-07-01,2026-07-02"
                                  << "X"
                                  << ""
                                  << "";
    }
    void parametri() {
        QFETCH(QString, testo);
        const ParametriStampa p = SeparaParametriAvvio(testo);
        auto forma = [](const DataAvvio& d) {
            return d.Valida ? QStringLiteral("%1/%2/%3").arg(d.Giorno).arg(d.Mese).arg(d.Anno) : QString();
        };
        QTEST(p.Destinazione, "destinazione");
        QTEST(forma(p.Inizio), "inizio");
        QTEST(forma(p.Fine), "fine");
    }

    void destinazioneTroppoLunga() {
        const QString lunga(5000, QLatin1Char('A'));
        const ParametriStampa p = SeparaParametriAvvio(lunga + QStringLiteral(",01/07/2026,02/07/2026"));
        QCOMPARE(p.Destinazione.size(), LunghezzaMassimaDestinazione);
        QVERIFY(p.Fine.Valida);
        // Cut where a blank falls, it keeps no blank at its end.
        const QString spezzata =
            QString(LunghezzaMassimaDestinazione - 1, QLatin1Char('B')) + QStringLiteral(" CD");
        QCOMPARE(SeparaParametriAvvio(spezzata + QLatin1Char(',')).Destinazione.size(),
                 LunghezzaMassimaDestinazione - 1);
    }
};

QTEST_APPLESS_MAIN(TestRigaComando)
#include "test_riga_comando.moc"
