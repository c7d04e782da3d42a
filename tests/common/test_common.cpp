// The shared helpers of both programs: dates, times, numbers, strings,
// Windows-1252 files and what a path names.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "common/Date.h"
#include "common/FileOrdinario.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "common/Testo1252.h"

namespace {

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<illeggibile>");
}

// A node of that kind at the path: "file", "cartella", "fifo", "socket",
// "link" (to a FIFO); "nuovo" makes nothing.
bool Crea(const QString& tipo, const QString& percorso) {
    const QByteArray nome = QFile::encodeName(percorso);
    if (tipo == "file") return QFile(percorso).open(QIODevice::WriteOnly);
    if (tipo == "cartella") return QDir().mkdir(percorso);
    if (tipo == "fifo") return ::mkfifo(nome.constData(), 0600) == 0;
    if (tipo == "link")
        return ::mkfifo((nome + "-fifo").constData(), 0600) == 0 && QFile::link(percorso + "-fifo", percorso);
    if (tipo == "socket") {
        sockaddr_un indirizzo{};
        indirizzo.sun_family = AF_UNIX;
        if (nome.size() >= qsizetype(sizeof indirizzo.sun_path)) return false;
        qstrcpy(indirizzo.sun_path, nome.constData());
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool fatto = ::bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0;
        ::close(s);
        return fatto;
    }
    return tipo == "nuovo";
}

QByteArray TuttiIByte() {
    QByteArray byte;
    for (int i = 0; i < 256; ++i)
        byte += char(i);
    return byte;
}

const double Infinito = std::numeric_limits<double>::infinity();
const double NonNumero = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestCommon : public QObject {
    Q_OBJECT

private slots:
    // Each row computes its value while the table is built.
    void testi_data() {
        QTest::addColumn<QString>("ottenuto");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("Data2Data") << Data2Data("05082006") << "05/08/2006";
        QTest::newRow("Gma2Data testi")
            << Gma2Data(QString("5"), QString(" 8 "), QString("2006")) << "05082006";
        QTest::newRow("settimana corta") << GiornoSettimana("0101200") << "";
        // A malformed date has a negative day number; it still picks a name.
        QTest::newRow("settimana di 00000000") << QString::number(GiornoSettimana("00000000").size()) << "3";
        QTest::newRow("Zero spazi tolti") << Zero(" 5 ", 3) << "005";
        QTest::newRow("Zero tagliato a sinistra") << Zero("123", 2) << "23";
        QTest::newRow("Zero numero tagliato") << Zero(123, 2) << "23";
        QTest::newRow("Zero decimale") << Zero(2.5, 4) << "02,5";
        QTest::newRow("AntStr taglia") << AntStr("abcdef", 3, "0") << "def";
        QTest::newRow("AntStr primo carattere") << AntStr("ab", 4, "xyz") << "xxab";
        QTest::newRow("AggStr taglia") << AggStr("abcdef", 3, "0") << "abc";
        QTest::newRow("AggStr codice 128") << AggStr("a", 2, "128") << "a\u20AC";
        QTest::newRow("AggStr senza riempimento") << AggStr("a", 3, "") << "a  ";
        QTest::newRow("AggStr lunghezza negativa") << AggStr("a", -1, "0") << "";
        QTest::newRow("LikeTesto") << LikeTesto("l'a=b\\c>d<e\"f*") << "l?a?b?c?d?e?f*";
        QTest::newRow("maiuscole e spazi") << PrimoMaiuscolo("  ROMA  ") << "Roma";
        QTest::newRow("trattino") << PrimoMaiuscolo("emilia-romagna") << "Emilia-Romagna";
        QTest::newRow("dopo una lettera accentata") << PrimoMaiuscolo("perùgia") << "PerùGia";
        QTest::newRow("TestoNumero negativo") << TestoNumero(-12.0) << "-12";
        QTest::newRow("TestoNumero zero negativo") << TestoNumero(-0.0) << "0";
        QTest::newRow("TestoNumero sette cifre") << TestoNumero(1.0 / 3) << "0,3333333";
        QTest::newRow("negativo") << Formato(-1234.0, "#,##0") << "-1.234";
        QTest::newRow("zero con cifra") << Formato(0.0, "#,##0") << "0";
        QTest::newRow("meno di mezzo") << Formato(0.4, "#,###") << "";
        QTest::newRow("negativo che arrotonda a zero") << Formato(-0.4, "#0") << "0";
        QTest::newRow("metà negativa") << Formato(-2.5, "#0") << "-3";
        QTest::newRow("riporto nel gruppo") << Formato(999.5, "#,##0") << "1.000";
        QTest::newRow("decimale scritto") << Formato(1.005, "0.00") << "1,01";
        QTest::newRow("grande") << Formato(1e15, "#,##0") << "1.000.000.000.000.000";
        QTest::newRow("meno di mezzo minuto") << ghmCentesimi2Stringa(0.8f, CentesimiGiorno) << "";
        QTest::newRow("un giorno") << ghmCentesimi2Stringa(2400, CentesimiGiorno) << "01:00:00";
        QTest::newRow("minuti a 60 a fine giorno")
            << ghmCentesimi2Stringa(2399.9f, CentesimiGiorno) << "01:00:00";
    }
    void testi() {
        QFETCH(QString, ottenuto);
        QTEST(ottenuto, "atteso");
    }

    void numeri_data() {
        QTest::addColumn<double>("ottenuto");
        QTest::addColumn<double>("atteso");
        QTest::newRow("cifre iniziali") << Val("  12abc") << 12.0;
        QTest::newRow("spazio tra le cifre") << Val("1 2") << 12.0;
        QTest::newRow("negativo decimale") << Val("-3.5x") << -3.5;
        QTest::newRow("segno staccato") << Val("- 3") << -3.0;
        QTest::newRow("due segni") << Val("--3") << 0.0;
        QTest::newRow("solo decimali") << Val(".5") << 0.5;
        QTest::newRow("secondo punto") << Val("1.2.3") << 1.2;
        QTest::newRow("esponente E") << Val("2.5E-1") << 0.25;
        QTest::newRow("esponente D") << Val("1d2") << 100.0;
        QTest::newRow("esponente vuoto") << Val("1e") << 1.0;
        QTest::newRow("troppo grande") << Val("1e400") << Infinito;
        QTest::newRow("Int negativo") << Int(-0.5) << -1.0;
        QTest::newRow("migliaia") << ValoreSenzaPunti("1.234") << 1234.0;
        QTest::newRow("virgola e segno") << ValoreSenzaPunti("-12,50") << 1250.0;
        QTest::newRow("QuasiUguale limite basso") << double(QuasiUguale(95.0, 100.0f, 5)) << 1.0;
        QTest::newRow("QuasiUguale sotto") << double(QuasiUguale(94.0, 100.0f, 5)) << 0.0;
        QTest::newRow("QuasiUguale sopra") << double(QuasiUguale(105.01, 100.0f, 5)) << 0.0;
        // Leap years; month 0 is the December before, 13 the February after.
        QTest::newRow("2000 bisestile") << double(GiorniMese(2000, 2)) << 29.0;
        QTest::newRow("1900 no") << double(GiorniMese(1900, 2)) << 28.0;
        QTest::newRow("mese 0") << double(GiorniMese(2023, 0)) << 31.0;
        QTest::newRow("mese 13") << double(GiorniMese(2024, 13)) << 28.0;
    }
    void numeri() {
        QFETCH(double, ottenuto);
        QTEST(ottenuto, "atteso");
    }

    void arrotondamenti_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("cint");
        QTest::addColumn<qint32>("clng");
        QTest::newRow("2.5 al pari") << 2.5 << 2 << 2;
        QTest::newRow("3.5 al pari") << 3.5 << 4 << 4;
        QTest::newRow("-2.5 al pari") << -2.5 << -2 << -2;
        QTest::newRow("oltre 16 bit") << 40000.0 << 32767 << 40000;
        QTest::newRow("sotto 16 bit") << -40000.0 << -32768 << -40000;
        QTest::newRow("oltre 32 bit") << 1e10 << 32767 << 2147483647;
        QTest::newRow("infinito") << Infinito << 32767 << 2147483647;
        QTest::newRow("non numero") << NonNumero << 0 << 0;
    }
    void arrotondamenti() {
        QFETCH(double, x);
        QTEST(int(CInt(x)), "cint");
        QTEST(CLng(x), "clng");
    }

    // Every day of the valid range: consecutive numbers from 730135 on
    // 1 January 2000, the date back and the right weekday.
    void ogniGiorno19012099() {
        const QString settimana[] = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
        const qint64 scarto = QDate(2000, 1, 1).toJulianDay() - 730135;
        for (QDate d(1901, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1)) {
            const QString data = d.toString("ddMMyyyy");
            const float numero = Data2Giul(data);
            if (numero != float(d.toJulianDay() - scarto)) QFAIL(qPrintable("numero di " + data));
            if (Giu2Datas(numero) != data) QFAIL(qPrintable("ritorno di " + data));
            if (GiornoSettimana(data) != settimana[d.dayOfWeek() - 1]) QFAIL(qPrintable("settimana " + data));
        }
    }

    void stringa2Centesimi_data() {
        QTest::addColumn<QString>("stringa");
        QTest::addColumn<float>("centesimi");
        QTest::addColumn<QString>("riempita");
        QTest::newRow("ora di una cifra") << "9:30" << 950.0f << "00009:30";
        QTest::newRow("gg:hh:mm") << "01:02:30" << 2650.0f << "01:02:30";
        QTest::newRow("20 minuti") << "00:00:20" << 33.0f << "00:00:20";
        QTest::newRow("vuota") << "" << 0.0f << "00000000";
    }
    void stringa2Centesimi() {
        QFETCH(QString, stringa);
        QTEST(ghmStringa2Centesimi(stringa, CentesimiGiorno), "centesimi");
        QTEST(stringa, "riempita");
    }

    // Every minute of three days survives string -> value -> string.
    void tempiAndataRitorno() {
        for (int g = 0; g < 3; ++g)
            for (int h = 0; h < 24; ++h)
                for (int m = 0; m < 60; ++m) {
                    QString testo = QString::asprintf("%02d:%02d:%02d", g, h, m);
                    const float valore = ghmStringa2Centesimi(testo, CentesimiGiorno);
                    const QString atteso = valore == 0 ? QString() : testo;
                    if (ghmCentesimi2Stringa(valore, CentesimiGiorno) != atteso) QFAIL(qPrintable(testo));
                }
    }

    void windows1252() {
        QStringDecoder decoder("windows-1252");
        if (decoder.isValid()) QCOMPARE(DecodificaWindows1252(TuttiIByte()), decoder.decode(TuttiIByte()));
        QCOMPARE(CodificaWindows1252(QStringLiteral("€ é Œ ’ ÿ")), QByteArray("\x80 \xE9 \x8C \x92 \xFF"));
        // What the code page cannot hold becomes "?", one per character.
        QCOMPARE(CodificaWindows1252(QStringLiteral("ń a中b a😀b ")), QByteArray("? a?b a?b "));
        QCOMPARE(CodificaWindows1252(QString(QChar(0xD800)) + QChar(0x80) + 'a'), QByteArray("??a"));
    }

    // Every byte but the line ends goes out and comes back unchanged through
    // a real file, which is replaced whole.
    void scritturaDiRighe() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("tutti.txt");
        const QByteArray byte = TuttiIByte().replace('\r', "").replace('\n', "");
        QVERIFY(ScriviRigheWindows1252(percorso, {"una riga vecchia e lunga", "un'altra", "e un'altra"}));
        QVERIFY(ScriviRigheWindows1252(percorso, {DecodificaWindows1252(byte), "seconda"}));
        QCOMPARE(Leggi(percorso), byte + "\r\nseconda\r\n");
        QVERIFY(ScriviRigheWindows1252(percorso, {}));
        QCOMPARE(Leggi(percorso), QByteArray());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{"tutti.txt"});

        QString errore;
        const QString manca = cartella.filePath("manca/viaggio.txt");
        QVERIFY(!ScriviRigheWindows1252(manca, {"riga"}, &errore));
        QVERIFY(errore.startsWith("Impossibile scrivere il file") && errore.contains(manca));
        QVERIFY(!QFile::exists(manca));
    }

    // Only a regular file is read, only a regular file or a new name is
    // written (by renaming a temporary file over it); anything else is
    // refused with the reason before it is opened, so a FIFO cannot hang
    // the program and no node is replaced.
    void percorsiNonOrdinari_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("leggibile");
        QTest::addColumn<bool>("scrivibile");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("file") << "file" << true << true << "";
        QTest::newRow("nome nuovo") << "nuovo" << false << true << "il file non esiste";
        QTest::newRow("cartella") << "cartella" << false << false << "è una cartella, non un file";
        QTest::newRow("FIFO") << "fifo" << false << false << "è una FIFO";
        QTest::newRow("collegamento a una FIFO") << "link" << false << false << "è una FIFO";
        QTest::newRow("socket") << "socket" << false << false << "è un socket";
        QTest::newRow("dispositivo") << "/dev/null" << false << false << "è un dispositivo";
    }
    void percorsiNonOrdinari() {
        QFETCH(QString, tipo);
        QFETCH(bool, leggibile);
        QFETCH(bool, scrivibile);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        const QString percorso = tipo.startsWith('/') ? tipo : cartella.filePath("x");
        QVERIFY(tipo.startsWith('/') || Crea(tipo, percorso));
        const TipoPercorso prima = TipoDelPercorso(percorso);
        QString errore;
        QStringList righe;
        QCOMPARE(LeggiRigheWindows1252(percorso, righe, &errore), leggibile);
        QVERIFY2(errore.contains(motivo) && (leggibile || errore.startsWith("Impossibile leggere il file ")),
                 qPrintable(errore));
        errore.clear();
        QCOMPARE(ControllaFileDaScrivere(percorso, &errore), scrivibile);
        // A device is only asked about: run as root, a writer that lost its
        // check would replace it.
        if (!tipo.startsWith('/')) QCOMPARE(ScriviRigheWindows1252(percorso, {"riga"}, &errore), scrivibile);
        if (scrivibile) return;
        QVERIFY2(errore.startsWith("Impossibile scrivere il file ") && errore.contains(motivo),
                 qPrintable(errore));
        QCOMPARE(TipoDelPercorso(percorso), prima);
    }

    // The longest name a folder allows leaves no room for the temporary file
    // beside it: the write fails, and the file already there is not touched.
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

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
