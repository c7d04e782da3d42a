// Times the loading and storing of itineraries on a synthetic database with a
// city guide of 20,000 entries, next to a bare SQLite insert of the same rows
// in one transaction. Usage: bench_itinerario [stages ...] (default 500 2000 8000).
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

#include "common/Stringhe.h"
#include "database/Confronto.h"
#include "shell/FormViandora.h"

namespace {

class PiattaformaMuta : public Piattaforma {
public:
    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(titolo), qPrintable(testo));
        return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::Yes;
    }
    QString ApriFile(const QString&, const QString&) override { return {}; }
    QString SalvaFile(const QString&, const QString&) override { return {}; }
    void ElaboraEventi() override {}
    bool AvviaProgramma(const QString&, const QString&) override { return false; }
    QDateTime Adesso() override { return QDateTime::currentDateTime(); }
    void Termina() override {}
};

constexpr int VociGuida = 20000;
constexpr int VociPerLocalita = 4;
constexpr int LocalitaTotali = 10000; // the first 5,000 have guide entries

// One name in twenty has an apostrophe, as "Sant'Angelo" does.
QString NomeLocalita(int i) {
    const QString numero = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    return (i % 20 == 0 ? QStringLiteral("SANT'ANGELO ") : QStringLiteral("LOCALITA ")) + numero;
}

void Sql(sqlite3* db, const char* testo) {
    char* errore = nullptr;
    if (sqlite3_exec(db, testo, nullptr, nullptr, &errore) != SQLITE_OK) {
        std::fprintf(stderr, "SQLite: %s\n", errore ? errore : "?");
        sqlite3_free(errore);
        std::exit(1);
    }
}

void Lega(sqlite3_stmt* st, int i, const QString& valore) {
    const QByteArray b = valore.toUtf8();
    sqlite3_bind_text(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

void RiempiGuida(const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    // The indexes of the planner's tables need its comparisons.
    RegistraConfronti(db);
    Sql(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(
            db,
            "INSERT INTO GuidaCitta (Localita, CodiceGuida, Descrizione, TempoSosta, FlagVisto)"
            " VALUES (?, ?, ?, ?, '0')",
            -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "SQLite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    for (int i = 0; i < VociGuida; ++i) {
        Lega(st, 1, NomeLocalita(i / VociPerLocalita));
        Lega(st, 2, Zero(i % 9 + 1, 2));
        Lega(st, 3, QStringLiteral("Voce di guida %1").arg(i));
        Lega(st, 4,
             QStringLiteral("0%1:%2").arg(i % 4).arg(i % 2 ? QStringLiteral("30") : QStringLiteral("15")));
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Sql(db, "COMMIT");
    sqlite3_close(db);
}

void MettiInGriglia(FormViandora& f, int tappe, int seme) {
    f.CancellaMatrice();
    f.mfgTab.SetRows(tappe + 2);
    for (int i = 1; i <= tappe; ++i) {
        const int k = i + seme;
        f.mfgTab.SetTextMatrix(i, 0, QString::number(i));
        f.mfgTab.SetTextMatrix(i, 1, NomeLocalita(int((qint64(k) * 7919) % LocalitaTotali)));
        f.mfgTab.SetTextMatrix(i, 2, QStringLiteral("SS%1").arg(k % 700));
        f.mfgTab.SetTextMatrix(i, 3, QString::number(k % 97 == 0 ? 1500 : (k * 37) % 400));
        f.mfgTab.SetTextMatrix(i, 4, QString(QStringLiteral("ASPL").at(k % 4)));
        const QString sosta = k % 3 == 0 ? QStringLiteral("00:01:30") : QString();
        f.mfgTab.SetTextMatrix(i, 7, k % 5 == 4 ? QStringLiteral("*") + sosta : sosta);
    }
}

// The trip's stored rows, read back to be inserted bare.
QVector<QStringList> RigheMemorizzate(FormViandora& f) {
    f.Db.RecordSetImposta(7, Query(QStringLiteral("Itinerari"))
                                 .Dove(QStringLiteral("CodiceMeta"), f.CodiceMetaCorrente)
                                 .OrdinaPer(QStringLiteral("Sequenza")));
    RecordSet& rs = f.Db.Rs(7);
    QVector<QStringList> righe;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList riga;
        for (int c = 0; c < rs.NumeroCampi(); ++c)
            riga << rs.Testo(c);
        righe << riga;
    }
    // Closed again: an open set over the table slows every later write.
    f.Db.RecordSetImposta(7,
                          Query(QStringLiteral("Itinerari")).Dove(QStringLiteral("CodiceMeta"), QString()));
    return righe;
}

// The same rows into a table of the same shape and indexes, in one
// transaction, through the raw API.
double InserimentoNudo(const QString& file, const QVector<QStringList>& righe) {
    QFile::remove(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    Sql(db, "CREATE TABLE Itinerari (CodiceMeta TEXT(6), Sequenza TEXT(4), Localita TEXT(30),"
            " Chilometri TEXT(4), NomeStrada TEXT(64), TipoStrada TEXT(1), TempoSosta TEXT(8),"
            " SostaGuidaCitta TEXT(8), FineGiorno TEXT(1));"
            "CREATE INDEX i1 ON Itinerari (CodiceMeta); CREATE INDEX i2 ON Itinerari (Sequenza);"
            "CREATE INDEX i3 ON Itinerari (Localita); PRAGMA synchronous = FULL;");
    QElapsedTimer t;
    t.start();
    Sql(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Itinerari VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &st, nullptr);
    for (const QStringList& riga : righe) {
        for (int c = 0; c < 9; ++c)
            Lega(st, c + 1, riga.at(c));
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Sql(db, "COMMIT");
    const double ms = t.nsecsElapsed() / 1e6;
    sqlite3_close(db);
    return ms;
}

template <typename F> double Tempo(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << std::atoi(argv[i]);
    if (misure.isEmpty()) misure = {500, 2000, 8000};

    QTemporaryDir cartella;
    const QString base = cartella.path() + QStringLiteral("/");
    PiattaformaMuta piattaforma;
    {
        FormViandora creazione(piattaforma, base);
        if (!creazione.Form_Load()) return 1;
    }
    const QString file = base + QString::fromLatin1(NomeFileDatabase);
    RiempiGuida(file);

    FormViandora f(piattaforma, base);
    if (!f.Form_Load()) return 1;

    std::printf("guide entries: %d, localities with entries: %d of %d\n\n", VociGuida,
                VociGuida / VociPerLocalita, LocalitaTotali);
    std::printf("Times in ms, best of three. store new: into a trip without stages; store other: a\n"
                "different itinerary over the stored one; store again: the loaded stages unchanged.\n\n");
    std::printf("%7s %8s %8s %10s %12s %12s %8s %12s %12s\n", "stages", "records", "bare", "store new",
                "store other", "store again", "load", "other/bare", "again/bare");
    int codice = 0;
    for (const int tappe : misure) {
        f.CodiceMetaCorrente = Zero(++codice, 6);
        MettiInGriglia(f, tappe, 0);
        const double nuovo = Tempo([&] { f.MemorizzaTappeItinerario(); });
        // Best of three: a store over the stages stored before, then a load.
        double sostituzione = 1e300, caricamento = 1e300;
        for (int giro = 1; giro <= 3; ++giro) {
            // Another itinerary each time: other localities, other guide entries.
            MettiInGriglia(f, tappe, giro * 3371);
            sostituzione = std::min(sostituzione, Tempo([&] { f.MemorizzaTappeItinerario(); }));
            caricamento = std::min(caricamento, Tempo([&] { f.CaricaTappeItinerario(); }));
        }
        double ancora = 1e300;
        for (int giro = 0; giro < 3; ++giro)
            ancora = std::min(ancora, Tempo([&] { f.MemorizzaTappeItinerario(); }));
        const QVector<QStringList> righe = RigheMemorizzate(f);
        double nudo = 1e300;
        for (int giro = 0; giro < 3; ++giro)
            nudo = std::min(nudo, InserimentoNudo(base + QStringLiteral("nudo.db"), righe));
        std::printf("%7d %8lld %8.1f %10.1f %12.1f %12.1f %8.1f %12.1f %12.1f\n", tappe,
                    qlonglong(righe.size()), nudo, nuovo, sostituzione, ancora, caricamento,
                    sostituzione / nudo, ancora / nudo);
        std::fflush(stdout);
    }
    return 0;
}
