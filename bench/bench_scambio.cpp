// Times the export of every trip of a database to an exchange file and the
// import of that file into an empty database. Scale 1 is 1,000 trips with
// 50,000 stages and 20,000 guide entries (each reached by a stage).
// Wall-clock and processor times in milliseconds: on a busy machine the
// processor time is the steadier figure. Usage: bench_scambio [scale ...]
// (default 1 4).
//
// bench_scambio --memoria [trips ...] (default 100000) measures instead the
// peak memory of importing a file of that many trips, every field filled,
// as "viandora-cli importa --tutte" does it: each import runs in a process
// of its own, which reports its peak resident size (VmHWM) before and after.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "common/Stringhe.h"
#include "common/Testo1252.h"
#include "exchange/Scambio.h"

namespace {

constexpr int MetePerScala = 1000;
constexpr int TappePerMeta = 50;
constexpr int VociPerMeta = 20;

bool Apri(Database& db, const QString& file) {
    db.FileDatabase = file;
    const bool creato = db.DatabaseCrea();
    if (!db.DatabaseApre()) return false;
    if (creato) db.DatabaseTabelleCreazione();
    db.DataBaseTabelleAggiorna();
    return true;
}

QStringList Riempi(Database& db, int mete) {
    QStringList codici;
    Database::Transazione t(db);
    db.RecordSetImposta(
        1, Query(QStringLiteral("MeteViandora")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
    db.RecordSetImposta(
        2, Query(QStringLiteral("Itinerari")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
    db.RecordSetImposta(
        3, Query(QStringLiteral("GuidaCitta")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
    RecordSet& m = db.Rs(1);
    RecordSet& it = db.Rs(2);
    RecordSet& g = db.Rs(3);
    for (int i = 1; i <= mete; ++i) {
        const QString codice = Zero(double(i), 6);
        codici << codice;
        m.AddNew();
        m.Imposta(QStringLiteral("CodiceMeta"), codice);
        m.Imposta(QStringLiteral("Localita"), QStringLiteral("META %1").arg(i));
        m.Imposta(QStringLiteral("Nazione"), QStringLiteral("ITALIA"));
        m.Imposta(QStringLiteral("DataInizio"), QStringLiteral("05082006"));
        m.Update();
        for (int s = 1; s <= TappePerMeta; ++s) {
            it.AddNew();
            it.Imposta(QStringLiteral("CodiceMeta"), codice);
            it.Imposta(QStringLiteral("Sequenza"), Zero(double(s), 4));
            it.Imposta(QStringLiteral("Localita"), QStringLiteral("LOCALITA %1-%2").arg(i).arg(s));
            it.Imposta(QStringLiteral("Chilometri"), QStringLiteral("0120"));
            it.Imposta(QStringLiteral("NomeStrada"), QStringLiteral("A1"));
            it.Imposta(QStringLiteral("TipoStrada"), QStringLiteral("A"));
            it.Imposta(QStringLiteral("FineGiorno"), QStringLiteral("0"));
            it.Update();
        }
        for (int v = 1; v <= VociPerMeta; ++v) {
            g.AddNew();
            g.Imposta(QStringLiteral("Localita"), QStringLiteral("LOCALITA %1-%2").arg(i).arg(v));
            g.Imposta(QStringLiteral("CodiceGuida"), QStringLiteral("01"));
            g.Imposta(QStringLiteral("Descrizione"), QStringLiteral("Voce di guida %1").arg(v));
            g.Imposta(QStringLiteral("TempoSosta"), QStringLiteral("01:00"));
            g.Imposta(QStringLiteral("FlagVisto"), QStringLiteral("0"));
            g.Update();
        }
    }
    t.Conferma();
    db.RecordSetImpostaDefault();
    return codici;
}

// The peak resident size of this process so far, in kB (Linux).
long long PiccoMemoriaKb() {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// An exchange file of that many trips with every field filled, no stages
// and no guide: about 150 bytes a trip.
bool ScriviFileMete(const QString& file, int mete) {
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return false;
    Database schema;
    QStringList campi;
    for (const QString& voce : schema.Schema().StrutturaTabella[TabMete].split(u','))
        campi << voce.section(u'[', 0, 0);
    auto scrivi = [&](const QStringList& valori, int sezione) {
        f.write(CodificaWindows1252(RigaScambio(valori, sezione)) + "\r\n");
    };
    scrivi(campi, SezMete);
    for (int i = 1; i <= mete; ++i)
        scrivi({Zero(double(i), 6),
                QStringLiteral("LOCALITA DI PROVA NUM %1").arg(i, 6, 10, QChar(u'0')),
                QStringLiteral("REPUBBLICA ITALIANA"),
                QStringLiteral("05082006"),
                QStringLiteral("0800"),
                QStringLiteral("100"),
                QStringLiteral("70"),
                QStringLiteral("50"),
                QStringLiteral("30"),
                QStringLiteral("0900"),
                QStringLiteral("1230"),
                QStringLiteral("0130"),
                QStringLiteral("2000"),
                QStringLiteral("0130"),
                QStringLiteral("2230"),
                QStringLiteral("15"),
                QStringLiteral("03"),
                QStringLiteral("01"),
                QStringLiteral("05"),
                QStringLiteral("0900"),
                QStringLiteral("1800"),
                QStringLiteral("0600"),
                QStringLiteral("0010"),
                QStringLiteral("3")},
               SezMete);
    scrivi({QStringLiteral("CodiceMeta"), QStringLiteral("Sequenza"), QStringLiteral("Localita")},
           SezItinerari);
    scrivi({QStringLiteral("Localita"), QStringLiteral("Descrizione")}, SezGuida);
    return f.error() == QFileDevice::NoError;
}

// The child's part: the file listed, then every trip imported into a new
// database, as the command line does it. Prints the peak before and after.
int ImportaInProcesso(const QString& file, const QString& fileDb) {
    const long long prima = PiccoMemoriaKb();
    Database db;
    if (!Apri(db, fileDb)) return 1;
    QElapsedTimer tempo;
    tempo.start();
    ContenutoScambio contenuto;
    const QString errore = LeggiFileScambio(file, contenuto);
    if (!errore.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(errore));
        return 1;
    }
    QStringList codici;
    for (const ContenutoScambio::Meta& m : contenuto.Mete())
        codici << m.codice;
    const RiepilogoImportazione r = ImportaMete(db, file, codici, nullptr);
    std::printf("%d\t%lld\t%lld\t%lld\n", r.mete, static_cast<long long>(tempo.elapsed()), prima,
                PiccoMemoriaKb());
    return 0;
}

int Memoria(const QList<int>& quante) {
    std::printf("mete\tbyte\tinserite\timport ms\tpicco prima kB\tpicco dopo kB\n");
    for (const int mete : quante) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("mete.iei"));
        if (!ScriviFileMete(file, mete)) return 1;
        QProcess figlio;
        figlio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        figlio.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--importa"), file, dir.filePath(QStringLiteral("nuovo.db"))});
        if (!figlio.waitForFinished(-1) || figlio.exitCode() != 0) return 1;
        std::printf("%d\t%lld\t%s", mete, static_cast<long long>(QFileInfo(file).size()),
                    figlio.readAllStandardOutput().constData());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--importa") == 0)
        return ImportaInProcesso(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc >= 2 && qstrcmp(argv[1], "--memoria") == 0) {
        QList<int> quante;
        for (int i = 2; i < argc; ++i)
            quante << QString::fromLocal8Bit(argv[i]).toInt();
        return Memoria(quante.isEmpty() ? QList<int>{100000} : quante);
    }
    QList<int> scale;
    for (int i = 1; i < argc; ++i)
        scale << QString::fromLocal8Bit(argv[i]).toInt();
    if (scale.isEmpty()) scale = {1, 4};
    std::printf("scala\tmete\ttappe\tvoci\tbyte\texport ms (cpu)\timport ms (cpu)\n");
    auto cpu = [] { return static_cast<long long>(std::clock() * 1000.0 / CLOCKS_PER_SEC); };
    for (const int k : scale) {
        QTemporaryDir dir;
        Database origine;
        if (!Apri(origine, dir.filePath(QStringLiteral("origine.db")))) return 1;
        const QStringList codici = Riempi(origine, MetePerScala * k);
        const QString file = dir.filePath(QStringLiteral("tutte.iei"));

        QElapsedTimer tempo;
        tempo.start();
        long long inizioCpu = cpu();
        EsitoEsportazione esito;
        QString errore;
        if (!EsportaMete(origine, codici, file, nullptr, esito, errore)) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        const qint64 esportazione = tempo.elapsed();
        const long long esportazioneCpu = cpu() - inizioCpu;

        Database destinazione;
        if (!Apri(destinazione, dir.filePath(QStringLiteral("destinazione.db")))) return 1;
        tempo.restart();
        inizioCpu = cpu();
        ContenutoScambio contenuto;
        errore = LeggiFileScambio(file, contenuto);
        if (!errore.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        const RiepilogoImportazione r = ImportaMete(destinazione, file, codici, nullptr);
        const qint64 importazione = tempo.elapsed();
        const long long importazioneCpu = cpu() - inizioCpu;
        std::printf("%d\t%d\t%d\t%d\t%lld\t%lld (%lld)\t%lld (%lld)\n", k, r.mete, r.tappe, r.voci,
                    static_cast<long long>(QFileInfo(file).size()), static_cast<long long>(esportazione),
                    esportazioneCpu, static_cast<long long>(importazione), importazioneCpu);
    }
    return 0;
}
