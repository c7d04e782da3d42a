#include "database/Database.h"

#include "database/DatabaseInterno.h"
#include <sqlite3.h>

using namespace db_interno;

// ---- transactions -----------------------------------------------------------

Database::Transazione::Transazione(Database& db) : db_(db) {
    if (db_.livelloTransazione_ == 0) {
        // IMMEDIATE takes the write lock now, so a second running copy waits
        // here rather than failing half way through the command.
        db_.Esegui(QStringLiteral("BEGIN IMMEDIATE"), ContestoScrittura);
    } else {
        nome_ = QStringLiteral("livello%1").arg(db_.livelloTransazione_);
        db_.Esegui(QStringLiteral("SAVEPOINT ") + nome_, ContestoScrittura);
    }
    ++db_.livelloTransazione_;
}

void Database::Transazione::Conferma() {
    if (!attiva_) return;
    db_.Esegui(nome_.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + nome_,
               ContestoScrittura);
    attiva_ = false;
    db_.FineTransazione(false);
}

Database::Transazione::~Transazione() {
    if (!attiva_) return;
    try {
        if (nome_.isEmpty()) {
            db_.Esegui(QStringLiteral("ROLLBACK"), ContestoScrittura);
        } else {
            db_.Esegui(QStringLiteral("ROLLBACK TO ") + nome_, ContestoScrittura);
            db_.Esegui(QStringLiteral("RELEASE ") + nome_, ContestoScrittura);
        }
    } catch (...) {
        // SQLite may already have rolled back by itself; nothing else to undo.
    }
    db_.FineTransazione(true);
}

void Database::FineTransazione(bool annullata) {
    if (livelloTransazione_ > 0) --livelloTransazione_;
    for (RecordSet& rs : slot_) {
        if (!rs.modificato_) continue;
        if (annullata) {
            try {
                RicaricaRecordSet(rs);
            } catch (...) {
                // Left as it was: the caller is already handling a failure.
            }
        }
        if (livelloTransazione_ == 0) rs.modificato_ = false;
    }
}
