// The timetable calculation from arbitrary stored trip and stage values, on
// the path of "viandora-cli calcola" (the calculation service): the input's lines are the trip's fields
// after its code (23), then 7 fields per stage (locality, km, road, road type,
// stop, guide stop, end of day), at most 64 stages. A stage's kilometres keep
// their first 3 characters: 64 stages of 32,767 km at 1 km/h make millions of
// rows, which are bounded but cost minutes each under the sanitizers (long
// trips are measured by the benchmark instead).
#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstddef>
#include <cstdint>
#include <sqlite3.h>

#include "Verifica.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "timetable/ServizioCalcolo.h"

namespace {

QTemporaryDir* cartella = nullptr;
QString file;

constexpr int CampiMeta = 23;
constexpr int CampiTappa = 7;
constexpr int TappeMassime = 64;
constexpr int CampoKm = 1;
constexpr int CifreKm = 3;

bool Esegui(sqlite3* db, const char* sql, const QStringList& valori) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) return false;
    for (int i = 0; i < valori.size(); ++i)
        sqlite3_bind_text(st, i + 1, valori.at(i).toUtf8().constData(), -1, SQLITE_TRANSIENT);
    const bool ok = sqlite3_step(st) == SQLITE_DONE;
    sqlite3_finalize(st);
    return ok;
}

QString Segnaposti(int n) {
    QStringList s;
    for (int i = 0; i < n; ++i)
        s << QStringLiteral("?");
    return s.join(u',');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    cartella = new QTemporaryDir;
    file = cartella->filePath(QString::fromLatin1(NomeFileDatabase));
    Database db;
    db.FileDatabase = file;
    db.DatabaseCrea();
    VERIFICA(db.DatabaseApre());
    db.DatabaseTabelleCreazione();
    db.DataBaseTabelleAggiorna();
    ScriviTipiGuidaDefault(db);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QStringList valori =
        QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(dimensione)).split(u'\n');
    sqlite3* db = nullptr;
    VERIFICA(sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK);
    VERIFICA(Esegui(db, "BEGIN", {}) && Esegui(db, "DELETE FROM MeteViandora", {}) &&
             Esegui(db, "DELETE FROM Itinerari", {}));
    QStringList meta{QStringLiteral("000001")};
    for (int i = 0; i < CampiMeta; ++i)
        meta << valori.value(i);
    VERIFICA(Esegui(
        db, qPrintable(QStringLiteral("INSERT INTO MeteViandora VALUES (%1)").arg(Segnaposti(1 + CampiMeta))),
        meta));
    const QString inserisciTappa =
        QStringLiteral(
            "INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita, Chilometri, NomeStrada, TipoStrada,"
            " TempoSosta, SostaGuidaCitta, FineGiorno) VALUES (%1)")
            .arg(Segnaposti(2 + CampiTappa));
    for (int t = 0; t < TappeMassime && CampiMeta + t * CampiTappa < valori.size(); ++t) {
        QStringList tappa{QStringLiteral("000001"), QStringLiteral("%1").arg(t + 1, 4, 10, QLatin1Char('0'))};
        tappa << valori.mid(CampiMeta + t * CampiTappa, CampiTappa);
        if (tappa.size() > 2 + CampoKm) tappa[2 + CampoKm].truncate(CifreKm);
        while (tappa.size() < 2 + CampiTappa)
            tappa << QString();
        VERIFICA(Esegui(db, qPrintable(inserisciTappa), tappa));
    }
    VERIFICA(Esegui(db, "COMMIT", {}));
    sqlite3_close(db);

    try {
        Database lettura;
        lettura.UsaCopiaInMemoria(file);
        lettura.FileDatabase = file;
        VERIFICA(lettura.DatabaseApre());
        const EsitoCalcolo esito = CalcolaMeta(lettura, QStringLiteral("000001"));
        // A run that succeeds has every row in its table; one that fails says why.
        if (esito.Riuscito) {
            VERIFICA(esito.Tabella.Righe.size() <= esito.Tabella.RigheTabella + 1);
            for (int r = 1; r < esito.Tabella.RigheTabella; ++r)
                esito.Tabella.Celle(r);
            VERIFICA(esito.Tabella.Totale().Giorni.has_value());
        } else {
            VERIFICA(!esito.Errore.isEmpty());
        }
    } catch (const ErroreDatabase&) {
        // Reported by viandora-cli as a message and a non-zero exit.
    }
    return 0;
}
