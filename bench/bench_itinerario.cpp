// Times the loading and storing of itineraries on a synthetic database with a
// city guide of 20,000 entries, next to a bare SQLite insert of the same rows
// in one transaction. Usage: bench_itinerario [stages ...] (default 500 2000 8000).
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

#include "common/Stringhe.h"
#include "database/Confronto.h"
#include "itinerary/ControlloreItinerario.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"
#include "trip/Meta.h"

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
    void SetFocus(const QString&) override {}
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
    f.Tappe.CancellaMatrice();
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
    f.Db.RecordSetImposta(SlotLibero, Query(QStringLiteral("Itinerari"))
                                          .Dove(QStringLiteral("CodiceMeta"), f.Meta.CodiceMetaCorrente)
                                          .OrdinaPer(QStringLiteral("Sequenza")));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    QVector<QStringList> righe;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList riga;
        for (int c = 0; c < rs.NumeroCampi(); ++c)
            riga << rs.Testo(c);
        righe << riga;
    }
    // Closed again: an open set over the table slows every later write.
    f.Db.RecordSetImposta(SlotLibero,
                          Query(QStringLiteral("Itinerari")).Dove(QStringLiteral("CodiceMeta"), QString()));
    return righe;
}

// The planner's own definition of the stage table and its indexes.
QStringList DefinizioneItinerari(const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT sql FROM sqlite_master WHERE tbl_name = 'Itinerari' AND sql IS NOT NULL"
                       " ORDER BY type DESC",
                       -1, &st, nullptr);
    QStringList sql;
    while (sqlite3_step(st) == SQLITE_ROW)
        sql << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return sql;
}

// The same rows into a table of the same definition, indexes and
// comparisons, in one transaction, through the raw API.
double InserimentoNudo(const QString& file, const QStringList& definizione,
                       const QVector<QStringList>& righe) {
    QFile::remove(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    RegistraConfronti(db);
    for (const QString& istruzione : definizione)
        Sql(db, istruzione.toUtf8().constData());
    Sql(db, "PRAGMA synchronous = FULL");
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

struct Tempi {
    double nuovo = 1e300, altro = 1e300, ancora = 1e300, carica = 1e300;
};

// Best of three of each: a store into trips without stages, a store of
// another itinerary over the stored one (other localities, other guide
// entries), a load, and a store of the loaded stages unchanged. The last
// trip keeps its stages, which the bare insert then writes again.
Tempi Misura(FormViandora& f, int tappe, int& codice) {
    Tempi t;
    for (int giro = 0; giro < 3; ++giro) {
        f.Meta.CodiceMetaCorrente = Zero(++codice, 6);
        // Each trip its own localities: the guide flags of the one before change.
        MettiInGriglia(f, tappe, giro * 1009);
        t.nuovo = std::min(t.nuovo, Tempo([&] { f.Tappe.MemorizzaTappeItinerario(); }));
    }
    for (int giro = 1; giro <= 3; ++giro) {
        MettiInGriglia(f, tappe, giro * 3371);
        t.altro = std::min(t.altro, Tempo([&] { f.Tappe.MemorizzaTappeItinerario(); }));
        t.carica = std::min(t.carica, Tempo([&] { f.Tappe.CaricaTappeItinerario(); }));
    }
    for (int giro = 0; giro < 3; ++giro)
        t.ancora = std::min(t.ancora, Tempo([&] { f.Tappe.MemorizzaTappeItinerario(); }));
    return t;
}

} // namespace

int main(int argc, char** argv) {
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << std::atoi(argv[i]);
    if (misure.isEmpty()) misure = {500, 2000, 8000};

    QTemporaryDir cartella;
    PiattaformaMuta piattaforma;
    // Two databases: one with the city guide, one with none, where storing
    // is the stages' work alone.
    const QString base = cartella.path() + QStringLiteral("/");
    const QString senzaGuida = cartella.path() + QStringLiteral("/senza-guida/");
    QDir().mkpath(senzaGuida);
    for (const QString& c : {base, senzaGuida}) {
        FormViandora creazione(piattaforma, c);
        if (!creazione.Form_Load()) return 1;
    }
    const QString file = base + QString::fromLatin1(NomeFileDatabase);
    RiempiGuida(file);

    FormViandora f(piattaforma, base);
    FormViandora g(piattaforma, senzaGuida);
    if (!f.Form_Load() || !g.Form_Load()) return 1;
    const QStringList definizione = DefinizioneItinerari(file);

    std::printf("guide entries: %d, localities with entries: %d of %d\n\n", VociGuida,
                VociGuida / VociPerLocalita, LocalitaTotali);
    std::printf("Times in ms, best of three. bare: the stored rows inserted through the raw API into\n"
                "a table of the same definition. new: storing into a trip without stages; other: a\n"
                "different itinerary over the stored one; again: the loaded stages unchanged.\n"
                "x: times the bare insert.\n\n");
    std::printf("%6s %7s %6s | %-44s | %s\n", "", "", "", "with the city guide", "no guide entries");
    std::printf("%6s %7s %6s | %6s %6s %6s %6s %5s %5s %5s | %6s %6s %6s %5s %5s %5s\n", "stages", "records",
                "bare", "new", "other", "again", "load", "x new", "x oth", "x agn", "new", "other", "again",
                "x new", "x oth", "x agn");
    int codice = 0;
    for (const int tappe : misure) {
        const Tempi con = Misura(f, tappe, codice);
        const Tempi senza = Misura(g, tappe, codice);
        const QVector<QStringList> righe = RigheMemorizzate(f);
        double nudo = 1e300;
        for (int giro = 0; giro < 3; ++giro)
            nudo = std::min(nudo, InserimentoNudo(base + QStringLiteral("nudo.db"), definizione, righe));
        std::printf("%6d %7lld %6.1f | %6.1f %6.1f %6.1f %6.1f %5.1f %5.1f %5.1f | %6.1f %6.1f %6.1f %5.1f "
                    "%5.1f %5.1f\n",
                    tappe, qlonglong(righe.size()), nudo, con.nuovo, con.altro, con.ancora, con.carica,
                    con.nuovo / nudo, con.altro / nudo, con.ancora / nudo, senza.nuovo, senza.altro,
                    senza.ancora, senza.nuovo / nudo, senza.altro / nudo, senza.ancora / nudo);
        std::fflush(stdout);
    }
    return 0;
}
