#pragma once
// Helpers shared by the database tests: real files in a temporary folder.
#include <QFile>
#include <QString>
#include <QStringList>
#include <sqlite3.h>

#include "database/Confronto.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "support/ProgrammaProva.h"

// A file as a first start leaves it: six tables, indexes, guide types.
inline bool PreparaDatabase(Database& db, const QString& percorso) {
    db.FileDatabase = percorso;
    const bool creato = db.DatabaseCrea();
    if (!db.DatabaseApre()) return false;
    if (creato) db.DatabaseTabelleCreazione();
    db.DataBaseTabelleAggiorna();
    ScriviTipiGuidaDefault(db);
    db.RecordSetImpostaDefault();
    return true;
}

// One statement run on the file as the sqlite3 shell would: a bare
// connection that knows nothing of the program (but its comparison, when
// asked: the file may name it). The first value of the first row, or
// "errore: ..." when the statement fails.
inline QString ValoreGrezzo(const QString& percorso, const QString& sql, bool confronti = false) {
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    QString esito;
    sqlite3_open_v2(percorso.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (confronti) RegistraConfronti(db);
    sqlite3_busy_timeout(db, 5000);
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            if (esito.isNull())
                esito = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        if (rc != SQLITE_DONE) esito = QString();
    }
    if (esito.isNull() && sqlite3_errcode(db) != SQLITE_OK && sqlite3_errcode(db) != SQLITE_DONE)
        esito = "errore: " + QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return esito.isNull() ? QString("") : esito;
}

// Rows of a table read by a bare connection, as another program would; -1
// when they cannot be counted.
inline qint64 ContaGrezzo(const QString& percorso, const QString& tabella) {
    bool numero = false;
    const qint64 n = ValoreGrezzo(percorso, "SELECT count(*) FROM \"" + tabella + '"').toLongLong(&numero);
    return numero ? n : -1;
}

inline void AggiungiTappa(Database& db, const QString& codice, const QString& sequenza,
                          const QString& localita) {
    RecordSet& rs = db.Rs(TabItinerari);
    rs.AddNew();
    rs.Imposta("CodiceMeta", codice);
    rs.Imposta("Sequenza", sequenza);
    rs.Imposta("Localita", localita);
    rs.Update();
}

// One field of every row of a slot, in order.
inline QStringList Colonna(Database& db, int slot, const QString& campo) {
    QStringList valori;
    RecordSet& rs = db.Rs(slot);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        valori.append(rs.Testo(campo));
    return valori;
}

// Our six tables and their indexes in SQL, as a file of ours holds them:
// text fields at least larghezza wide (a later version's), with the
// collation named (earlier builds named the program's own).
inline QString SqlTabelleNostre(int larghezza = 0, const QString& collazione = "NOCASE") {
    const SchemaDatabase schema = SchemaViandora();
    QString sql;
    for (int t = TabMete; t <= TabParametri; ++t) {
        QStringList colonne;
        for (const SpecificaCampo& c : AnalizzaStruttura(schema.StrutturaTabella[t]))
            colonne << (c.tipo == TipoCampo::SiNo ? c.nome + " YESNO NOT NULL DEFAULT 0"
                                                  : QStringLiteral("%1 TEXT(%2) COLLATE %3")
                                                        .arg(c.nome)
                                                        .arg(qMax(c.dimensione, larghezza))
                                                        .arg(collazione));
        sql += QStringLiteral("CREATE TABLE %1 (%2);").arg(schema.NomeTabella[t], colonne.join(", "));
        for (const QString& campo : schema.IndiciTabella[t].split(',', Qt::SkipEmptyParts))
            sql += QStringLiteral("CREATE INDEX \"%1.%2\" ON %1 (%2);").arg(schema.NomeTabella[t], campo);
    }
    return sql;
}

// A file as earlier builds made it: the program's collation named in the
// schema, no application id; righe adds rows in SQL.
inline bool CreaFileCollazioneVecchia(const QString& percorso, const QString& righe) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(percorso.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK &&
              RegistraConfronti(db) == SQLITE_OK;
    const QString sql = "BEGIN;" + SqlTabelleNostre(0, "VIANDORA") + righe + "COMMIT;";
    ok = ok && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}
