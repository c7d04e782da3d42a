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
#include "support/ProgrammaProva.h"

namespace {

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
    void testi() {
        const auto prova = [&](QString ottenuto, QString atteso) { QCOMPARE(ottenuto, atteso); };
        // Data2Data
        prova(Data2Data("05082006"), "05/08/2006");
        // Gma2Data testi
        prova(Gma2Data("5", " 8 ", "2006"), "05082006");
        // settimana corta
        prova(GiornoSettimana("0101200"), "");
        // A malformed date has a negative day number; it still picks a name.
        // settimana di 00000000
        prova(QString::number(GiornoSettimana("00000000").size()), "3");
        // Zero spazi tolti
        prova(Zero(" 5 ", 3), "005");
        // Zero tagliato a sinistra
        prova(Zero("123", 2), "23");
        // Zero numero tagliato
        prova(Zero(123, 2), "23");
        // Zero decimale
        prova(Zero(2.5, 4), "02,5");
        // AntStr taglia
        prova(AntStr("abcdef", 3, "0"), "def");
        // AntStr primo carattere
        prova(AntStr("ab", 4, "xyz"), "xxab");
        // AggStr taglia
        prova(AggStr("abcdef", 3, "0"), "abc");
        // AggStr codice 128
        prova(AggStr("a", 2, "128"), "a\u20AC");
        // AggStr senza riempimento
        prova(AggStr("a", 3, ""), "a  ");
        // AggStr lunghezza negativa
        prova(AggStr("a", -1, "0"), "");
        // LikeTesto
        prova(LikeTesto("l'a=b\\c>d<e\"f*"), "l?a?b?c?d?e?f*");
        // maiuscole e spazi
        prova(PrimoMaiuscolo("  ROMA  "), "Roma");
        // trattino
        prova(PrimoMaiuscolo("emilia-romagna"), "Emilia-Romagna");
        // dopo una lettera accentata
        prova(PrimoMaiuscolo("perùgia"), "PerùGia");
        // TestoNumero negativo
        prova(TestoNumero(-12.0), "-12");
        // TestoNumero zero negativo
        prova(TestoNumero(-0.0), "0");
        // TestoNumero sette cifre
        prova(TestoNumero(1.0 / 3), "0,3333333");
        // negativo
        prova(Formato(-1234.0, "#,##0"), "-1.234");
        // zero con cifra
        prova(Formato(0.0, "#,##0"), "0");
        // meno di mezzo
        prova(Formato(0.4, "#,###"), "");
        // negativo che arrotonda a zero
        prova(Formato(-0.4, "#0"), "0");
        // metà negativa
        prova(Formato(-2.5, "#0"), "-3");
        // riporto nel gruppo
        prova(Formato(999.5, "#,##0"), "1.000");
        // decimale scritto
        prova(Formato(1.005, "0.00"), "1,01");
        // grande
        prova(Formato(1e15, "#,##0"), "1.000.000.000.000.000");
        // meno di mezzo minuto
        prova(ghmCentesimi2Stringa(0.8f, CentesimiGiorno), "");
        // un giorno
        prova(ghmCentesimi2Stringa(2400, CentesimiGiorno), "01:00:00");
        // minuti a 60 a fine giorno
        prova(ghmCentesimi2Stringa(2399.9f, CentesimiGiorno), "01:00:00");
    }

    void numeri() {
        const auto prova = [&](double ottenuto, double atteso) { QCOMPARE(ottenuto, atteso); };
        // cifre iniziali
        prova(Val("  12abc"), 12.0);
        // spazio tra le cifre
        prova(Val("1 2"), 12.0);
        // negativo decimale
        prova(Val("-3.5x"), -3.5);
        // segno staccato
        prova(Val("- 3"), -3.0);
        // due segni
        prova(Val("--3"), 0.0);
        // solo decimali
        prova(Val(".5"), 0.5);
        // secondo punto
        prova(Val("1.2.3"), 1.2);
        // esponente E
        prova(Val("2.5E-1"), 0.25);
        // esponente D
        prova(Val("1d2"), 100.0);
        // esponente vuoto
        prova(Val("1e"), 1.0);
        // troppo grande
        prova(Val("1e400"), Infinito);
        // Int negativo
        prova(Int(-0.5), -1.0);
        // migliaia
        prova(ValoreSenzaPunti("1.234"), 1234.0);
        // virgola e segno
        prova(ValoreSenzaPunti("-12,50"), 1250.0);
        // QuasiUguale limite basso
        prova(double(QuasiUguale(95.0, 100.0f, 5)), 1.0);
        // QuasiUguale sotto
        prova(double(QuasiUguale(94.0, 100.0f, 5)), 0.0);
        // QuasiUguale sopra
        prova(double(QuasiUguale(105.01, 100.0f, 5)), 0.0);
        // Leap years; month 0 is the December before, 13 the February after.
        // 2000 bisestile
        prova(double(GiorniMese(2000, 2)), 29.0);
        // 1900 no
        prova(double(GiorniMese(1900, 2)), 28.0);
        // mese 0
        prova(double(GiorniMese(2023, 0)), 31.0);
        // mese 13
        prova(double(GiorniMese(2024, 13)), 28.0);
    }

    void arrotondamenti() {
        const auto prova = [&](double x, int cint, qint32 clng) {
            QCOMPARE(int(CInt(x)), cint);
            QCOMPARE(CLng(x), clng);
        };
        // 2.5 al pari
        prova(2.5, 2, 2);
        // 3.5 al pari
        prova(3.5, 4, 4);
        // -2.5 al pari
        prova(-2.5, -2, -2);
        // oltre 16 bit
        prova(40000.0, 32767, 40000);
        // sotto 16 bit
        prova(-40000.0, -32768, -40000);
        // oltre 32 bit
        prova(1e10, 32767, 2147483647);
        // infinito
        prova(Infinito, 32767, 2147483647);
        // non numero
        prova(NonNumero, 0, 0);
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

    void stringa2Centesimi() {
        const auto prova = [&](QString stringa, float centesimi, QString riempita) {
            QCOMPARE(ghmStringa2Centesimi(stringa, CentesimiGiorno), centesimi);
            QCOMPARE(stringa, riempita);
        };
        // ora di una cifra
        prova("9:30", 950.0f, "00009:30");
        // gg:hh:mm
        prova("01:02:30", 2650.0f, "01:02:30");
        // 20 minuti
        prova("00:00:20", 33.0f, "00:00:20");
        // vuota
        prova("", 0.0f, "00000000");
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
        // A second name of the old file: the new one takes the name's place
        // instead of being written into the old one.
        const QString vecchio = cartella.filePath("vecchio.txt");
        QCOMPARE(::link(QFile::encodeName(percorso).constData(), QFile::encodeName(vecchio).constData()), 0);
        QVERIFY(ScriviRigheWindows1252(percorso, {DecodificaWindows1252(byte), "seconda"}));
        QCOMPARE(LeggiFile(percorso), byte + "\r\nseconda\r\n");
        QCOMPARE(LeggiFile(vecchio), QByteArray("una riga vecchia e lunga\r\nun'altra\r\ne un'altra\r\n"));
        QVERIFY(QFile::remove(vecchio));
        QVERIFY(ScriviRigheWindows1252(percorso, {}));
        QCOMPARE(LeggiFile(percorso), QByteArray());
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
    void percorsiNonOrdinari() {
        const auto prova = [&](QString tipo, bool leggibile, bool scrivibile, QString motivo) {
            QTemporaryDir cartella;
            const QString percorso = tipo.startsWith('/') ? tipo : cartella.filePath("x");
            QVERIFY(tipo.startsWith('/') || Crea(tipo, percorso));
            const TipoPercorso prima = TipoDelPercorso(percorso);
            QString errore;
            QStringList righe;
            QCOMPARE(LeggiRigheWindows1252(percorso, righe, &errore), leggibile);
            QVERIFY2(errore.contains(motivo) &&
                         (leggibile || errore.startsWith("Impossibile leggere il file ")),
                     qPrintable(errore));
            errore.clear();
            QCOMPARE(ControllaFileDaScrivere(percorso, &errore), scrivibile);
            // A device is only asked about: run as root, a writer that lost its
            // check would replace it.
            if (!tipo.startsWith('/'))
                QCOMPARE(ScriviRigheWindows1252(percorso, {"riga"}, &errore), scrivibile);
            if (scrivibile) return;
            QVERIFY2(errore.startsWith("Impossibile scrivere il file ") && errore.contains(motivo),
                     qPrintable(errore));
            QCOMPARE(TipoDelPercorso(percorso), prima);
        };
        // file
        prova("file", true, true, "");
        // nome nuovo
        prova("nuovo", false, true, "il file non esiste");
        // cartella
        prova("cartella", false, false, "è una cartella, non un file");
        // FIFO
        prova("fifo", false, false, "è una FIFO");
        // collegamento a una FIFO
        prova("link", false, false, "è una FIFO");
        // socket
        prova("socket", false, false, "è un socket");
        // dispositivo
        prova("/dev/null", false, false, "è un dispositivo");
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
        QCOMPARE(LeggiFile(percorso), QByteArray("vecchio\r\n"));
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
