// Times the export of every trip of a database to an exchange file and the
// import of that file into an empty database. Scale 1 is 1,000 trips with
// 50,000 stages and 20,000 guide entries (each reached by a stage).
// Wall-clock and processor times in milliseconds: on a busy machine the
// processor time is the steadier figure. Usage: bench_scambio [scale ...]
// (default 1 4).
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "common/Stringhe.h"
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

} // namespace

int main(int argc, char** argv) {
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
        const RiepilogoImportazione r = ImportaMete(destinazione, contenuto, codici, nullptr);
        const qint64 importazione = tempo.elapsed();
        const long long importazioneCpu = cpu() - inizioCpu;
        std::printf("%d\t%d\t%d\t%d\t%lld\t%lld (%lld)\t%lld (%lld)\n", k, r.mete, r.tappe, r.voci,
                    static_cast<long long>(QFileInfo(file).size()), static_cast<long long>(esportazione),
                    esportazioneCpu, static_cast<long long>(importazione), importazioneCpu);
    }
    return 0;
}
