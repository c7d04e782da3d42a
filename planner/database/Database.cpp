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

Database::Database() : schema_(SchemaViandora()) {}

Database::~Database() {
    Chiudi();
}

// ---- opening and closing ------------------------------------------------

bool Database::DatabaseCrea() {
    if (CopiaInMemoria() || FileDatabase.isEmpty() || QFileInfo::exists(FileDatabase)) return false;
    sqlite3* nuovo = nullptr;
    const int rc = sqlite3_open_v2(FileDatabase.toUtf8().constData(), &nuovo,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // Writing the header makes it a real database file rather than an empty one.
    const bool creato =
        rc == SQLITE_OK &&
        sqlite3_exec(nuovo,
                     QStringLiteral("PRAGMA application_id = %1").arg(IdApplicazione).toUtf8().constData(),
                     nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(nuovo);
    if (!creato) QFile::remove(FileDatabase);
    return creato;
}

bool Database::DatabaseApre() {
    Chiudi();
    sqlite3* nuovo = nullptr;
    // Nothing is written before the check below: a file that is not a
    // database stays exactly as it was.
    int rc = SQLITE_OK;
    if (CopiaInMemoria()) {
        nuovo = ApriCopia();
        if (!nuovo) return false;
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
        return false;
    }
    db_ = nuovo;
    return true;
}

// A file is ours when it carries our application id or, made by an earlier
// build that did not set it, holds one of our tables. Any other SQLite file
// (an empty one too) is someone else's and is not touched.
bool Database::FileNostro(sqlite3* db) const {
    if (LeggiIntero(db, "PRAGMA application_id") == IdApplicazione) return true;
    QStringList nomi;
    for (int t = TabMete; t <= TabParametri; ++t)
        nomi.append(u'\'' + schema_.NomeTabella[t] + u'\'');
    const QString sql = QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                                       " AND name COLLATE NOCASE IN (%1)")
                            .arg(nomi.join(u','));
    return LeggiIntero(db, sql.toUtf8().constData()) > 0;
}

// Null when the file cannot be read as a database.
sqlite3* Database::ApriCopia() {
    occupato_ = false;
    if (!QFileInfo(fileOrigine_).isFile()) return nullptr;
    const QString giornale = fileOrigine_ + QStringLiteral("-journal");
    sqlite3* copiaInMemoria = nullptr;
    int rc = LeggiInMemoria(fileOrigine_, false, &copiaInMemoria);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        occupato_ = true;
        return nullptr;
    }
    if (rc == SQLITE_OK || !QFileInfo::exists(giornale)) return copiaInMemoria;
    // A writer killed half way left its journal, which a reader that must not
    // write cannot roll back: the file and its journal are copied to a folder
    // of our own, where opening the copy rolls it back.
    QTemporaryDir privata;
    const QString copia = privata.filePath(QStringLiteral("copia.mdb"));
    if (!privata.isValid() || !QFile::copy(fileOrigine_, copia) ||
        !QFile::copy(giornale, copia + QStringLiteral("-journal")))
        return nullptr;
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(copia + QStringLiteral("-journal"), QFile::ReadOwner | QFile::WriteOwner);
    LeggiInMemoria(copia, true, &copiaInMemoria);
    return copiaInMemoria;
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
    const QString dettaglio =
        db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("database non aperto");
    throw ErroreDatabase(contesto + QStringLiteral(": ") + dettaglio);
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
    // After some failures SQLite ends the transaction by itself; writing on
    // would commit each row alone and break the all-or-nothing promise.
    if (livelloTransazione_ > 0 && sqlite3_get_autocommit(db_))
        throw ErroreDatabase(ContestoScrittura + QStringLiteral(": la transazione è stata annullata"));
    if (guastoTra_ > 0 && --guastoTra_ == 0)
        throw ErroreDatabase(ContestoScrittura + QStringLiteral(": disco pieno"));
}

void Database::ControllaTabella(int tabella) const {
    if (tabella < TabMete || tabella > TabParametri)
        throw ErroreDatabase(QStringLiteral("Numero di tabella non valido: %1").arg(tabella));
}

void Database::ControllaSlot(int slot) const {
    if (slot < 0 || slot >= int(slot_.size()))
        throw ErroreDatabase(QStringLiteral("Numero di record set non valido: %1").arg(slot));
}
