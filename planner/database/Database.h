#pragma once
// The planner's database file on SQLite: creation, the schema check that
// brings older files to the current tables, the record-set slots and
// transactions.
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "common/Avanzamento.h"
#include "common/Stringhe.h"
#include "database/ErroreDatabase.h"
#include "database/Query.h"
#include "database/RecordSet.h"
#include "database/Schema.h"

struct sqlite3;
struct sqlite3_stmt;

class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const SchemaDatabase& Schema() const { return schema_; }

    QString FileDatabase;    // full path of the file
    QString TestoQuery;      // readable text of the last query opened
    double NumeroRecord = 0; // rows of the last query opened

    // Creates an empty database file when none exists at FileDatabase;
    // true when it did.
    bool DatabaseCrea();
    // Opens the file for reading and writing. False when it is not a
    // database of ours or cannot be opened; the file is then left untouched
    // and CodiceApertura() says why (MessaggioErroreApertura).
    bool DatabaseApre();
    bool Aperto() const { return db_ != nullptr; }
    void Chiudi();
    // SQLite's primary result code of the last DatabaseApre that failed:
    // SQLITE_NOTADB for a file that is not a database of ours, SQLITE_BUSY
    // for one another program kept locked longer than the wait, ...
    int CodiceApertura() const { return codiceApertura_; }

    // From the next DatabaseApre on, works on a copy in memory of the given
    // file, which is opened read-only and never written: DatabaseCrea then
    // creates nothing and no safety copy is kept beside it. An empty text
    // goes back to FileDatabase itself.
    void UsaCopiaInMemoria(const QString& fileOrigine) { fileOrigine_ = fileOrigine; }
    bool CopiaInMemoria() const { return !fileOrigine_.isEmpty(); }
    // The file DatabaseApre reads: the one copied into memory, or FileDatabase.
    const QString& FileAperto() const { return CopiaInMemoria() ? fileOrigine_ : FileDatabase; }
    // Refuses every write of the user's data with a message, for a window
    // that only looks at a database another one is writing (on a copy in
    // memory). What the program keeps up by itself while reading (the
    // guide's visited marks, the current trip, the default parameters) is
    // still written, inside a ScritturaDiServizio, to that copy.
    void ImpostaSolaLettura(bool solaLettura) { solaLettura_ = solaLettura; }
    bool SolaLettura() const { return solaLettura_; }
    class ScritturaDiServizio {
    public:
        explicit ScritturaDiServizio(Database& db) : db_(db) { ++db_.servizio_; }
        ~ScritturaDiServizio() { --db_.servizio_; }
        ScritturaDiServizio(const ScritturaDiServizio&) = delete;
        ScritturaDiServizio& operator=(const ScritturaDiServizio&) = delete;

    private:
        Database& db_;
    };

    // Copies a database file whole, through SQLite's backup under a read
    // lock, to a new file that takes its name only when complete. False with
    // the reason when the source cannot be read or the copy written.
    static bool CopiaDatabase(const QString& origine, const QString& destinazione, QString* errore = nullptr);

    void DatabaseTabelleCreazione();
    void DatabaseTabellaCrea(int tabella);
    // Creates missing tables and indexes. A table lacking a schema field, or
    // with a text field of another size, is rebuilt to the schema keeping its
    // rows (and any extra fields), after a copy of the whole file has been
    // kept beside it. Everything in one transaction.
    void DataBaseTabelleAggiorna();
    void DataBaseVerificaIndici(int tabella);
    // The copy made before the last rebuild, empty when none was needed or
    // when the rebuild failed (the copy is then removed: the file is intact).
    const QString& CopiaDiSicurezza() const { return copiaDiSicurezza_; }
    // Keeps a copy of the whole file beside it, named after it with
    // "_copia_", the date and the time; CopiaDiSicurezza() then gives it.
    // Not inside a transaction.
    void FaiCopiaDiSicurezza();

    // Adds rows at the end of the table, in one transaction, each given as
    // its values by field name (fields not named stay Null). Open record sets
    // on the table are reloaded and show them.
    void AggiungiRighe(const QString& tabella, const QList<QHash<QString, QVariant>>& righe);

    void RecordSetImpostaDefault();
    void RecordSetImposta(int slot, const Query& query);
    RecordSet& Rs(int slot);

    // Reads the given fields of the rows a query selects, as text (a null
    // QString for Null), straight from the file: no record set is filled and
    // nothing is kept. riga is called once per row, in the query's order.
    void Leggi(const Query& query, const QStringList& campi,
               const std::function<void(qint64 rowid, const QStringList& valori)>& riga);

    // Deletes the table's rows, all of them (empty field name) or those whose
    // field matches the value as a pattern, in one transaction.
    void CancellaTabella(int tabella, const QString& campo, const QString& valore, Avanzamento* avanzamento);

    // Makes the rows the query selects, in its order, hold the given text
    // values, each list giving the fields of campi (text fields only, cut to
    // their sizes): the first rows are rewritten where a field differs (each
    // row one write), rows left over are deleted, rows missing are added.
    // An unchanged row costs no write. Open record sets see the rewritten and
    // deleted rows, as with Edit and Delete.
    void SostituisciRighe(const Query& query, const QStringList& campi, const QVector<QStringList>& righe);
    // Sets the mark field to "1" on the rows of segnare and to "0" on every
    // marked row (anything but "0") that is in neither list; the rows of
    // tenere must hold "1" already. Only rows that change are written, by at
    // most two statements, each one write; the other marked rows are found
    // through the field's partial index (SchemaDatabase::IndiciSegnati).
    // Open record sets show the new marks.
    void SegnaRighe(const QString& tabella, const QString& campo, const QVector<qint64>& segnare,
                    const QVector<qint64>& tenere);

    // Position of the field whose lower-case name equals the text.
    std::optional<int> CercaCampoTabella(int slot, const QString& nomeMinuscolo) const;
    // "ccff\" for each column c of the split line that names field f.
    QString CaricaRiferimentiVettoreCampiTabelleDatabase(int slot, const RigaColonne& colonne) const;

    // The field list of a table as the file has it.
    QList<InfoCampo> CampiTabella(const QString& tabella);
    QStringList NomiTabelle();
    QStringList NomiIndici(const QString& tabella);

    // Failure seam for tests: the n-th write from now (1 = the next) fails
    // as a full disk would; a safety copy counts as one write. 0 turns it off.
    void ImpostaGuastoScrittura(int ennesimaScrittura) { guastoTra_ = ennesimaScrittura; }

    // All or nothing: writes between construction and Conferma() are
    // rolled back if Conferma() is not reached. Nests.
    class Transazione {
    public:
        explicit Transazione(Database& db);
        ~Transazione();
        void Conferma();
        Transazione(const Transazione&) = delete;
        Transazione& operator=(const Transazione&) = delete;

    private:
        Database& db_;
        QString nome_;
        bool attiva_ = true;
    };

private:
    friend class RecordSet;
    friend class Transazione;

    void Esegui(const QString& sql, const QString& contesto);
    void EseguiScrittura(const QString& sql, const QString& contesto);
    sqlite3_stmt* Prepara(const QString& sql, const QString& contesto);
    void ChiudiIstruzioni();
    void ControllaGuasto();
    // True when the failure seam makes this write fail.
    bool GuastoSimulato();
    [[noreturn]] void Errore(const QString& contesto);
    void ControllaTabella(int tabella) const;
    void ControllaSlot(int slot) const;
    void CaricaRighe(RecordSet& rs, const Query& query);
    void CaricaSql(RecordSet& rs, const QString& tabella, const QString& sql, const QStringList& parametri);
    void RicaricaRecordSet(RecordSet& rs);
    void FineTransazione(bool annullata);
    const QString& SqlInserimento(const QString& tabella, const QList<InfoCampo>& campi);
    qint64 Inserisci(const QString& tabella, const QList<InfoCampo>& campi, const QVector<QVariant>& valori);
    // The same through the table's insert statement, already prepared.
    qint64 Inserisci(sqlite3_stmt* st, const QList<InfoCampo>& campi, const QVector<QVariant>& valori);
    // Writes the fields at the given positions of valori to the row.
    void Aggiorna(const QString& tabella, const QList<InfoCampo>& campi, qint64 rowid,
                  const QVector<QVariant>& valori, const QVector<int>& posizioni);
    void Elimina(const QString& tabella, qint64 rowid);
    QList<QPair<QString, QString>> ColonneDichiarate(const QString& tabella);
    bool EsisteTabella(const QString& tabella);
    bool TabellaConformeSchema(int tabella);
    void RicostruisciTabella(int tabella);
    void AggiornaTabelle(const QList<int>& daRicostruire);
    int ApriCopia(sqlite3** copia);
    static int LeggiInMemoria(const QString& file, bool scrittura, sqlite3** risultato);
    bool FileNostro(sqlite3* db) const;
    // The schema's sizes on the fields of a table it describes.
    void DimensioniSchema(const QString& tabella, QList<InfoCampo>& campi) const;

    SchemaDatabase schema_;
    // Text sizes of the schema: table and field in lower case.
    QHash<QString, QHash<QString, int>> dimensioniSchema_;
    sqlite3* db_ = nullptr;
    std::array<RecordSet, 11> slot_;
    QHash<QString, sqlite3_stmt*> istruzioni_;
    // Insert and update texts by table and field list.
    QHash<QString, QString> sqlScrittura_;
    QHash<QString, QList<InfoCampo>> campiTabella_;
    int livelloTransazione_ = 0;
    int guastoTra_ = 0;
    QString copiaDiSicurezza_;
    QString fileOrigine_;
    int codiceApertura_ = 0;
    bool solaLettura_ = false;
    int servizio_ = 0;
};
