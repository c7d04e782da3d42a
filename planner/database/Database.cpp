#include "database/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "database/Confronto.h"
#include "database/DatabaseInterno.h"

using namespace db_interno;

namespace {

// Copies the whole of one open database into another through SQLite's
// backup; SQLite's result code.
int CopiaIntera(sqlite3* origine, sqlite3* destinazione) {
    sqlite3_backup* backup = sqlite3_backup_init(destinazione, "main", origine, "main");
    if (!backup) return SQLITE_ERROR;
    const int rc = sqlite3_backup_step(backup, -1);
    const int fine = sqlite3_backup_finish(backup);
    return rc == SQLITE_DONE ? fine : rc;
}

} // namespace

Database::Database() : schema_(SchemaViandora()) {
    for (int t = TabMete; t <= TabUltima; ++t) {
        QHash<QString, int>& dimensioni = dimensioniSchema_[schema_.NomeTabella[t].toLower()];
        for (const SpecificaCampo& c : AnalizzaStruttura(schema_.StrutturaTabella[t]))
            if (c.tipo == TipoCampo::Testo) dimensioni.insert(c.nome.toLower(), c.dimensione);
    }
}

Database::~Database() {
    Chiudi();
}

// ---- opening and closing ------------------------------------------------

bool Database::DatabaseCrea() {
    if (CopiaInMemoria() || FileDatabase.isEmpty() || QFileInfo::exists(FileDatabase)) return false;
    // Made under another name and renamed once it carries our id: a start
    // killed half way never leaves, under the database's name, an empty file
    // that the next start would have to refuse as not ours.
    const QString nuovo = FileDatabase + SuffissoParziale;
    QFile::remove(nuovo);
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(nuovo.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // Writing the header makes it a real database file rather than an empty one.
    bool creato =
        rc == SQLITE_OK &&
        sqlite3_exec(db,
                     QStringLiteral("PRAGMA application_id = %1").arg(IdApplicazione).toUtf8().constData(),
                     nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    QString errore;
    creato = creato && DaiNome(nuovo, FileDatabase, &errore);
    if (!creato) QFile::remove(nuovo);
    return creato;
}

bool Database::DatabaseApre() {
    Chiudi();
    codiceApertura_ = SQLITE_OK;
    sqlite3* nuovo = nullptr;
    // Nothing is written before the check below: a file that is not a
    // database stays exactly as it was.
    int rc = SQLITE_OK;
    if (CopiaInMemoria()) {
        rc = ApriCopia(&nuovo);
    } else {
        rc = sqlite3_open_v2(FileDatabase.toUtf8().constData(), &nuovo, SQLITE_OPEN_READWRITE, nullptr);
    }
    if (rc == SQLITE_OK && sqlite3_db_readonly(nuovo, "main") == 1) rc = SQLITE_READONLY;
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(nuovo, 1);
        sqlite3_busy_timeout(nuovo, AttesaOccupato);
        // Otherwise a misspelt "Campo" would be read as the text 'Campo' and
        // a LIKE '*' on it would match, and delete, every row.
        rc = sqlite3_db_config(nuovo, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = RegistraConfronti(nuovo);
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(nuovo, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK && !FileNostro(nuovo)) rc = SQLITE_NOTADB;
    if (rc == SQLITE_OK) rc = sqlite3_exec(nuovo, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(nuovo);
        codiceApertura_ = rc & 0xff;
        return false;
    }
    db_ = nuovo;
    return true;
}

// A file is ours when it carries our application id or, made by an earlier
// build that did not set it, holds our tables and nothing else. Any other
// SQLite file (an empty one too, or one that only shares a table name with
// us) is someone else's and is not touched.
bool Database::FileNostro(sqlite3* db) const {
    const qint64 id = LeggiIntero(db, "PRAGMA application_id");
    if (id == IdApplicazione) return true;
    if (id != 0) return false;
    QStringList nomi;
    for (int t = TabMete; t <= TabUltima; ++t)
        nomi.append(u'\'' + schema_.NomeTabella[t] + u'\'');
    const QString tabelle = QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                                           " AND substr(name, 1, 7) <> 'sqlite_'");
    const qint64 tutte = LeggiIntero(db, tabelle.toUtf8().constData());
    const qint64 nostre =
        LeggiIntero(db, (tabelle + QStringLiteral(" AND name COLLATE NOCASE IN (%1)").arg(nomi.join(u',')))
                            .toUtf8()
                            .constData());
    return tutte > 0 && nostre == tutte;
}

// The copy in memory of fileOrigine_ into *copia; SQLite's result code
// (SQLITE_BUSY when another program kept the file locked for writing longer
// than the wait).
int Database::ApriCopia(sqlite3** copia) {
    *copia = nullptr;
    if (!QFileInfo(fileOrigine_).isFile()) return SQLITE_CANTOPEN;
    const QString giornale = fileOrigine_ + QStringLiteral("-journal");
    const int rc = LeggiInMemoria(fileOrigine_, false, copia);
    if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED || !QFileInfo::exists(giornale))
        return rc;
    // A writer killed half way left its journal, which a reader that must not
    // write cannot roll back: the file and its journal are copied to a folder
    // of our own, where opening the copy rolls it back.
    QTemporaryDir privata;
    const QString percorso = privata.filePath(QStringLiteral("copia.mdb"));
    if (!privata.isValid() || !QFile::copy(fileOrigine_, percorso) ||
        !QFile::copy(giornale, percorso + QStringLiteral("-journal")))
        return SQLITE_CANTOPEN;
    QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(percorso + QStringLiteral("-journal"), QFile::ReadOwner | QFile::WriteOwner);
    return LeggiInMemoria(percorso, true, copia);
}

// The file read through SQLite's backup, page by page, under a read lock, into
// a new database in memory: a copy as consistent as the file, even while
// another program has it open. SQLite's result code; *risultato is null
// unless it is SQLITE_OK. A file opened for writing has its hot journal
// rolled back first.
int Database::LeggiInMemoria(const QString& file, bool scrittura, sqlite3** risultato) {
    *risultato = nullptr;
    sqlite3* origine = nullptr;
    sqlite3* copia = nullptr;
    int rc = sqlite3_open_v2(file.toUtf8().constData(), &origine,
                             scrittura ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(origine, AttesaOccupato);
        rc = sqlite3_open_v2(":memory:", &copia, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = CopiaIntera(origine, copia);
    }
    sqlite3_close(origine);
    if (rc != SQLITE_OK) {
        sqlite3_close(copia);
        return rc & 0xff;
    }
    *risultato = copia;
    return SQLITE_OK;
}

bool Database::CopiaDatabase(const QString& origine, const QString& destinazione, QString* errore) {
    const QString parziale = destinazione + SuffissoParziale;
    QFile::remove(parziale);
    sqlite3* da = nullptr;
    sqlite3* a = nullptr;
    int rc = sqlite3_open_v2(origine.toUtf8().constData(), &da, SQLITE_OPEN_READONLY, nullptr);
    sqlite3* ultimo = da;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(da, AttesaOccupato);
        rc = sqlite3_open_v2(parziale.toUtf8().constData(), &a, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
        ultimo = a;
    }
    if (rc == SQLITE_OK) {
        rc = CopiaIntera(da, a);
    }
    QString dettaglio = rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
    if (rc != SQLITE_OK && ultimo) dettaglio = QString::fromUtf8(sqlite3_errmsg(ultimo));
    sqlite3_close(da);
    sqlite3_close(a);
    if (rc == SQLITE_OK && DaiNome(parziale, destinazione, &dettaglio)) return true;
    QFile::remove(parziale);
    QFile::remove(parziale + QStringLiteral("-journal"));
    if (errore) *errore = dettaglio;
    return false;
}

void Database::Chiudi() {
    ChiudiIstruzioni();
    for (RecordSet& rs : slot_)
        rs = RecordSet();
    campiTabella_.clear();
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
    livelloTransazione_ = 0;
}

void Database::ChiudiIstruzioni() {
    for (sqlite3_stmt* st : std::as_const(istruzioni_))
        sqlite3_finalize(st);
    istruzioni_.clear();
}

// ---- statements -----------------------------------------------------------

void Database::Errore(const QString& contesto) {
    if (!db_) throw ErroreDatabase(contesto + QStringLiteral(": database non aperto"));
    const int codice = sqlite3_extended_errcode(db_) & 0xff;
    throw ErroreDatabase(contesto + QStringLiteral(": ") +
                             DettaglioErrore(codice, QString::fromUtf8(sqlite3_errmsg(db_))),
                         codice);
}

sqlite3_stmt* Database::Prepara(const QString& sql, const QString& contesto) {
    if (!db_) Errore(contesto);
    if (sqlite3_stmt* st = istruzioni_.value(sql)) return st;
    sqlite3_stmt* st = nullptr;
    const QByteArray testo = sql.toUtf8();
    if (sqlite3_prepare_v3(db_, testo.constData(), int(testo.size()), SQLITE_PREPARE_PERSISTENT, &st,
                           nullptr) != SQLITE_OK ||
        !st) {
        sqlite3_finalize(st);
        Errore(contesto);
    }
    istruzioni_.insert(sql, st);
    return st;
}

void Database::Esegui(const QString& sql, const QString& contesto) {
    sqlite3_stmt* st = Prepara(sql, contesto);
    Uso uso(st);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) Errore(contesto);
}

void Database::EseguiScrittura(const QString& sql, const QString& contesto) {
    ControllaGuasto();
    Esegui(sql, contesto);
}

void Database::ControllaGuasto() {
    if (!db_) Errore(ContestoScrittura);
    if (solaLettura_ && servizio_ == 0)
        throw ErroreDatabase(QStringLiteral("Il database è aperto in sola lettura: le modifiche non possono "
                                            "essere memorizzate."),
                             SQLITE_READONLY);
    // After some failures SQLite ends the transaction by itself; writing on
    // would commit each row alone and break the all-or-nothing promise.
    if (livelloTransazione_ > 0 && sqlite3_get_autocommit(db_))
        throw ErroreDatabase(ContestoScrittura + QStringLiteral(": la transazione è stata annullata"));
    if (GuastoSimulato())
        throw ErroreDatabase(
            ContestoScrittura + QStringLiteral(": ") + DettaglioErrore(SQLITE_FULL, QString()), SQLITE_FULL);
}

bool Database::GuastoSimulato() {
    return guastoTra_ > 0 && --guastoTra_ == 0;
}

void Database::ControllaTabella(int tabella) const {
    if (tabella < TabMete || tabella > TabUltima)
        throw ErroreDatabase(QStringLiteral("Numero di tabella non valido: %1").arg(tabella));
}

void Database::ControllaSlot(int slot) const {
    if (slot < 0 || slot >= int(slot_.size()))
        throw ErroreDatabase(QStringLiteral("Numero di record set non valido: %1").arg(slot));
}

QString MessaggioErroreApertura(const QString& file, int codice) {
    switch (codice & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral("Il file %1 non è un database di Viandora").arg(file);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Il database %1 è in uso da un altro programma").arg(file);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("Il database %1 è in sola lettura").arg(file);
    case SQLITE_FULL:
        return QStringLiteral("Il disco del database %1 è pieno").arg(file);
    case SQLITE_CORRUPT:
        return QStringLiteral("Il database %1 è danneggiato").arg(file);
    default:
        return QStringLiteral("Errore apertura database %1").arg(file);
    }
}
