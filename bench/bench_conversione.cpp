// Times the conversion of the earlier version's data files into a new
// database: trips of 50 stages each, their itinerary files and a guide of
// ten entries per trip, written in the old fixed-record format. Wall-clock
// and processor times in milliseconds: on a busy machine the processor time
// is the steadier figure. Usage: bench_conversione [trips ...] (default 250
// 1000 2000).
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "common/Stringhe.h"
#include "conversion/Conversione.h"
#include "conversion/FileARecord.h"
#include "database/Database.h"

namespace {

constexpr int TappePerMeta = 50;
constexpr int VociPerMeta = 10;

// A blank-padded field of the old records.
QByteArray Campo(const QString& testo, int larghezza) {
    QByteArray b = testo.toLatin1().left(larghezza);
    return b + QByteArray(larghezza - b.size(), ' ');
}

QByteArray Slot(const QByteArray& record, int lunghezza) {
    return record + QByteArray(lunghezza - record.size(), ' ');
}

bool Scrivi(const QString& percorso, const QByteArray& contenuto) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size();
}

// The old files of that many trips in the folder.
bool CreaVecchiFile(const QString& cartella, int mete) {
    QByteArray fileMete, fileGuida;
    for (int m = 1; m <= mete; ++m) {
        QByteArray r = Campo(QStringLiteral("META %1").arg(m), 30) + Campo(QStringLiteral("ITALIA"), 19) +
                       Campo(QStringLiteral("01062004"), 8) + Campo(QStringLiteral("0800"), 4);
        for (const char* v : {"110", "90", "70", "50"})
            r += Campo(QString::fromLatin1(v), 3);
        for (const char* t : {"0830", "1300", "0100", "2000", "0130", "2300"})
            r += Campo(QString::fromLatin1(t), 4);
        r += Campo(QString::number(m), 4);
        for (const char* x : {"15", "02", "01", "05"})
            r += Campo(QString::fromLatin1(x), 2);
        r += Campo(QStringLiteral("0900"), 4) + Campo(QStringLiteral("1800"), 4);
        fileMete += Slot(r, 128);

        QByteArray itinerario =
            Slot(Campo(QString::number(TappePerMeta), 24) + Campo(QString::number(TappePerMeta), 3), 64);
        for (int s = 1; s <= TappePerMeta; ++s)
            itinerario += Slot(Campo(QStringLiteral("LOCALITA %1-%2*A1").arg(m).arg(s), 24) +
                                   Campo(QStringLiteral("120"), 3) + Campo(QStringLiteral("A"), 1) +
                                   Campo(QStringLiteral("000130"), 6),
                               64);
        const QString nome = QStringLiteral("vian") + Zero(double(m), 6).right(4) + QStringLiteral(".dat");
        if (!Scrivi(cartella + u'/' + nome, itinerario)) return false;

        for (int v = 1; v <= VociPerMeta; ++v)
            fileGuida +=
                Slot(Campo(QStringLiteral("LOCALITA %1-%2").arg(m).arg(v), 30) + "1" +
                         Campo(QStringLiteral("VOCE %1").arg(v), 60) + Campo(QStringLiteral("100"), 5) + "0",
                     128);
    }
    return Scrivi(cartella + QStringLiteral("/VianMete.dat"), fileMete) &&
           Scrivi(cartella + QStringLiteral("/VianGuid.dat"), fileGuida);
}

} // namespace

int main(int argc, char** argv) {
    QList<int> prove;
    for (int i = 1; i < argc; ++i)
        prove << QByteArray(argv[i]).toInt();
    if (prove.isEmpty()) prove = {250, 1000, 2000};
    std::printf("%8s %8s %10s %14s %14s\n", "mete", "tappe", "voci", "conversione ms", "processore ms");
    for (const int mete : prove) {
        QTemporaryDir cartella;
        if (!CreaVecchiFile(cartella.path(), mete)) {
            std::fprintf(stderr, "Impossibile scrivere i vecchi file\n");
            return 1;
        }
        Database db;
        db.FileDatabase = cartella.filePath(QString::fromLatin1(NomeFileDatabase));
        if (!db.DatabaseCrea() || !db.DatabaseApre()) {
            std::fprintf(stderr, "Impossibile creare il database\n");
            return 1;
        }
        db.DatabaseTabelleCreazione();
        db.DataBaseTabelleAggiorna();
        ConversioneVecchiFile conversione(db, cartella.path());
        conversione.copiaDiSicurezza = false;
        QElapsedTimer orologio;
        const std::clock_t inizio = std::clock();
        orologio.start();
        RiepilogoConversione r;
        try {
            r = conversione.Esegui();
        } catch (const ErroreConversione& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Messaggio()));
            return 1;
        }
        const qint64 ms = orologio.elapsed();
        const double cpu = double(std::clock() - inizio) * 1000.0 / CLOCKS_PER_SEC;
        if (r.meteConvertite != mete || r.tappeConvertite != mete * TappePerMeta) {
            std::fprintf(stderr, "Conversione incompleta: %d mète, %d tappe\n", r.meteConvertite,
                         r.tappeConvertite);
            return 1;
        }
        std::printf("%8d %8d %10d %14lld %14.0f\n", mete, r.tappeConvertite, r.vociGuida, ms, cpu);
        std::fflush(stdout);
    }
    return 0;
}
