#pragma once
// What the parts of the database layer share: the error contexts, the names
// of copies and indexes, reading and binding values, and the statement guard.
// Only for the files of this folder.
#include <QString>
#include <QVariant>

#include "database/RecordSet.h"
#include "database/Schema.h"

struct sqlite3;
struct sqlite3_stmt;

namespace db_interno {

inline const QString ContestoLettura = QStringLiteral("Errore di lettura dal database");
inline const QString ContestoScrittura = QStringLiteral("Errore di scrittura nel database");
inline const QString ContestoStruttura =
    QStringLiteral("Errore di aggiornamento della struttura del database");

// Marks the file as ours; "Vian".
constexpr int IdApplicazione = 0x5669616E;
// A second running copy waits this long for the file instead of failing.
constexpr int AttesaOccupato = 5000;

// Ends the name of a safety copy while it is being written.
inline const QString SuffissoParziale = QStringLiteral(".parziale");
// Ends the name of an index over the rows whose field is not "0".
inline const QString SuffissoSegnato = QStringLiteral("_segnato");

// A name quoted for SQL.
QString Quota(const QString& nome);
// The stored name of the index of a table's field.
QString NomeIndice(const QString& tabella, const QString& campo);
// The column declaration of a schema field.
QString Dichiarazione(const SpecificaCampo& c);
// Type and size as the declared type of a column gives them.
InfoCampo CampoDaDichiarazione(const QString& nome, const QString& dichiarato);
// A declared type safe to copy into a new table.
QString TipoSicuro(const QString& dichiarato);
// The value of an old column brought to a schema field.
QString EspressioneCopia(const SpecificaCampo& voce, const QString& sorgente);
// A copy written under a temporary name takes its final name once on the
// disk; false with the reason otherwise.
bool DaiNome(const QString& parziale, const QString& percorso, QString* errore);
// A failure in words: Italian for what the user can act on (another program
// holding the file, a full disk, a read-only file), SQLite's own otherwise.
QString DettaglioErrore(int codice, const QString& messaggioSqlite);
// The first column of the first row, -1 when the statement fails.
qint64 LeggiIntero(sqlite3* db, const char* sql);
// Whether a schema text names the collation of earlier builds.
bool NominaCollazioneNostra(const QString& sql);
QString TestoColonna(sqlite3_stmt* st, int colonna);
QVariant LeggiColonna(sqlite3_stmt* st, int colonna, TipoCampo tipo);
// Binds a value as the field's type wants it; SQLite's result code.
int Lega(sqlite3_stmt* st, int indice, const QVariant& valore, TipoCampo tipo);

// A cached statement is reset and its bindings cleared however its use ends.
class Uso {
public:
    explicit Uso(sqlite3_stmt* st) : st_(st) {}
    ~Uso();
    Uso(const Uso&) = delete;
    Uso& operator=(const Uso&) = delete;

private:
    sqlite3_stmt* st_;
};

} // namespace db_interno
