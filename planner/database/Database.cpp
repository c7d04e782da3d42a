#include "database/Database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <unistd.h>

#include "database/Confronto.h"

namespace {

const QString ContestoLettura = QStringLiteral("Errore di lettura dal database");
const QString ContestoScrittura = QStringLiteral("Errore di scrittura nel database");
const QString ContestoStruttura = QStringLiteral("Errore di aggiornamento della struttura del database");

// Marks the file as ours; "Vian".
constexpr int IdApplicazione = 0x5669616E;
// A second running copy waits this long for the file instead of failing.
constexpr int AttesaOccupato = 5000;

QString Quota(const QString& nome) {
    return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// SQLite index names are global to the file, and CodiceMeta is indexed in
// two tables: the index of a field is stored as "Tabella.Campo" and counts
// as the index named after the field of that table.
QString NomeIndice(const QString& tabella, const QString& campo) {
    return tabella + u'.' + campo;
}

// Ends the name of a safety copy while it is being written.
const QString SuffissoParziale = QStringLiteral(".parziale");

// Ends the name of an index over the rows whose field is not "0".
const QString SuffissoSegnato = QStringLiteral("_segnato");

QString Dichiarazione(const SpecificaCampo& c) {
    switch (c.tipo) {
    case TipoCampo::Testo:
        return QStringLiteral("TEXT(%1) COLLATE NOCASE").arg(c.dimensione);
    case TipoCampo::SiNo:
        return QStringLiteral("YESNO NOT NULL DEFAULT 0");
    case TipoCampo::Binario:
        return QStringLiteral("BLOB");
    case TipoCampo::Data:
        return QStringLiteral("DATETIME");
    case TipoCampo::Intero:
        return QStringLiteral("SMALLINT");
    case TipoCampo::Singola:
        return QStringLiteral("REAL");
    case TipoCampo::Doppia:
        return QStringLiteral("DOUBLE");
    }
    return QString();
}

// Type and size as the declared type of a column gives them.
InfoCampo CampoDaDichiarazione(const QString& nome, const QString& dichiarato) {
    const QString t = dichiarato.trimmed().toUpper();
    InfoCampo c;
    c.nome = nome;
    if (t.startsWith(QLatin1String("YESNO")) || t.contains(QLatin1String("BOOL"))) {
        c.tipo = TipoCampo::SiNo;
    } else if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME"))) {
        c.tipo = TipoCampo::Data;
    } else if (t.contains(QLatin1String("INT"))) {
        c.tipo = TipoCampo::Intero;
    } else if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) ||
               t.contains(QLatin1String("TEXT"))) {
        c.tipo = TipoCampo::Testo;
        static const QRegularExpression dimensione(QStringLiteral("\\(\\s*(\\d+)"));
        const QRegularExpressionMatch m = dimensione.match(t);
        c.dimensione = m.hasMatch() ? m.captured(1).toInt() : 255;
    } else if (t.isEmpty() || t.contains(QLatin1String("BLOB"))) {
        c.tipo = TipoCampo::Binario;
    } else if (t.contains(QLatin1String("REAL"))) {
        c.tipo = TipoCampo::Singola;
    } else {
        c.tipo = TipoCampo::Doppia;
    }
    return c;
}

// A declared type copied into a new table only when it is a plain type name;
// anything stranger becomes a column without a type, which keeps any value.
QString TipoSicuro(const QString& dichiarato) {
    static const QRegularExpression semplice(
        QStringLiteral("^[A-Za-z][A-Za-z0-9_ ]*(\\(\\s*\\d+\\s*(,\\s*\\d+\\s*)?\\))?$"));
    return semplice.match(dichiarato.trimmed()).hasMatch() ? dichiarato.trimmed() : QString();
}

// The value of an old column brought to a schema field.
QString EspressioneCopia(const SpecificaCampo& voce, const QString& sorgente) {
    if (sorgente.isEmpty())
        return voce.tipo == TipoCampo::SiNo ? QStringLiteral("0") : QStringLiteral("NULL");
    switch (voce.tipo) {
    case TipoCampo::Testo:
        return QStringLiteral("substr(CAST(%1 AS TEXT), 1, %2)").arg(sorgente).arg(voce.dimensione);
    case TipoCampo::SiNo:
        return QStringLiteral("CASE WHEN %1 IS NULL THEN 0"
                              " WHEN typeof(%1) IN ('integer', 'real') THEN (%1 <> 0)"
                              " WHEN upper(trim(%1)) IN ('TRUE', 'VERO', 'YES', 'SI', 'SÌ', 'Sì', '-1', '1')"
                              " THEN 1 ELSE 0 END")
            .arg(sorgente);
    default:
        return sorgente;
    }
}

// A copy written under a temporary name, once on the disk, takes its final
// name; false with the reason otherwise.
bool DaiNome(const QString& parziale, const QString& percorso, QString* errore) {
    QFile copia(parziale);
    if (!copia.open(QIODevice::ReadWrite) || ::fsync(copia.handle()) != 0) {
        *errore = copia.errorString();
        return false;
    }
    copia.close();
    if (!QFile::rename(parziale, percorso)) {
        *errore = QStringLiteral("impossibile rinominare ") + parziale;
        return false;
    }
    return true;
}

// The first column of the first row, -1 when the statement fails.
qint64 LeggiIntero(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    qint64 valore = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        valore = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return valore;
}

// Files of earlier builds named the program's collation in their schema,
// which no other SQLite tool could then read or write.
bool NominaCollazioneNostra(const QString& sql) {
    static const QRegularExpression collazione(QStringLiteral("COLLATE\\s*[\"'`\\[]?VIANDORA\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    return collazione.match(sql).hasMatch();
}

QString TestoColonna(sqlite3_stmt* st, int colonna) {
    const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, colonna));
    return QString::fromUtf8(p, sqlite3_column_bytes(st, colonna));
}

QVariant LeggiColonna(sqlite3_stmt* st, int colonna, TipoCampo tipo) {
    const int classe = sqlite3_column_type(st, colonna);
    if (classe == SQLITE_NULL) return QVariant();
    switch (tipo) {
    case TipoCampo::Testo:
    case TipoCampo::Data:
        return TestoColonna(st, colonna);
    case TipoCampo::SiNo:
        if (classe == SQLITE_TEXT) return TestoSiNo(TestoColonna(st, colonna));
        return sqlite3_column_double(st, colonna) != 0;
    default:
        break;
    }
    switch (classe) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(st, colonna));
    case SQLITE_FLOAT:
        return sqlite3_column_double(st, colonna);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(st, colonna)),
                          sqlite3_column_bytes(st, colonna));
    default:
        return TestoColonna(st, colonna);
    }
}

int Lega(sqlite3_stmt* st, int indice, const QVariant& valore, TipoCampo tipo) {
    if (tipo == TipoCampo::SiNo) return sqlite3_bind_int(st, indice, valore.toBool() ? 1 : 0);
    if (!valore.isValid() || valore.isNull()) return sqlite3_bind_null(st, indice);
    switch (valore.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (tipo != TipoCampo::Testo) return sqlite3_bind_int64(st, indice, valore.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        if (tipo != TipoCampo::Testo) return sqlite3_bind_double(st, indice, valore.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = valore.toByteArray();
        return sqlite3_bind_blob64(st, indice, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
    }
    default:
        break;
    }
    const QByteArray testo = valore.toString().toUtf8();
    return sqlite3_bind_text64(st, indice, testo.constData(), sqlite3_uint64(testo.size()), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
}

// A cached statement is reset and its bindings cleared however its use ends.
class Uso {
public:
    explicit Uso(sqlite3_stmt* st) : st_(st) {}
    ~Uso() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    Uso(const Uso&) = delete;
    Uso& operator=(const Uso&) = delete;

private:
    sqlite3_stmt* st_;
};

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
        sqlite3_backup* backup = sqlite3_backup_init(copia, "main", origine, "main");
        if (!backup) {
            rc = SQLITE_ERROR;
        } else {
            rc = sqlite3_backup_step(backup, -1);
            const int fine = sqlite3_backup_finish(backup);
            rc = rc == SQLITE_DONE ? fine : rc;
        }
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
        sqlite3_backup* backup = sqlite3_backup_init(a, "main", da, "main");
        if (!backup) {
            rc = SQLITE_ERROR;
        } else {
            rc = sqlite3_backup_step(backup, -1);
            const int fine = sqlite3_backup_finish(backup);
            rc = rc == SQLITE_DONE ? fine : rc;
        }
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

// ---- the schema -------------------------------------------------------------

QList<QPair<QString, QString>> Database::ColonneDichiarate(const QString& tabella) {
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), ContestoLettura);
    Uso uso(st);
    const QByteArray nome = tabella.toUtf8();
    sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
    QList<QPair<QString, QString>> colonne;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        colonne.append({TestoColonna(st, 0), TestoColonna(st, 1)});
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return colonne;
}

QList<InfoCampo> Database::CampiTabella(const QString& tabella) {
    const QString chiave = tabella.toLower();
    if (campiTabella_.contains(chiave)) return campiTabella_.value(chiave);
    QList<InfoCampo> campi;
    for (const auto& [nome, tipo] : ColonneDichiarate(tabella))
        campi.append(CampoDaDichiarazione(nome, tipo));
    if (!campi.isEmpty()) campiTabella_.insert(chiave, campi);
    return campi;
}

QStringList Database::NomiTabelle() {
    sqlite3_stmt* st = Prepara(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"
                                              " AND substr(name, 1, 7) <> 'sqlite_' ORDER BY rowid"),
                               ContestoLettura);
    Uso uso(st);
    QStringList nomi;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        nomi.append(TestoColonna(st, 0));
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return nomi;
}

QStringList Database::NomiIndici(const QString& tabella) {
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT name FROM pragma_index_list(?) ORDER BY name"), ContestoLettura);
    Uso uso(st);
    const QByteArray nome = tabella.toUtf8();
    sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
    const QString prefisso = NomeIndice(tabella, QString());
    QStringList nomi;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const QString indice = TestoColonna(st, 0);
        nomi.append(indice.startsWith(prefisso, Qt::CaseInsensitive) ? indice.mid(prefisso.size()) : indice);
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return nomi;
}

bool Database::EsisteTabella(const QString& tabella) {
    return NomiTabelle().contains(tabella, Qt::CaseInsensitive);
}

void Database::DatabaseTabelleCreazione() {
    Transazione transazione(*this);
    for (int t = TabMete; t <= TabParametri; ++t)
        DatabaseTabellaCrea(t);
    transazione.Conferma();
}

void Database::DatabaseTabellaCrea(int tabella) {
    ControllaTabella(tabella);
    QStringList colonne;
    for (const SpecificaCampo& c : AnalizzaStruttura(schema_.StrutturaTabella[tabella]))
        colonne.append(Quota(c.nome) + u' ' + Dichiarazione(c));
    campiTabella_.clear();
    EseguiScrittura(QStringLiteral("CREATE TABLE %1 (%2)")
                        .arg(Quota(schema_.NomeTabella[tabella]), colonne.join(QStringLiteral(", "))),
                    ContestoStruttura);
}

bool Database::TabellaConformeSchema(int tabella) {
    const QString nome = schema_.NomeTabella[tabella];
    {
        sqlite3_stmt* st =
            Prepara(QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = ? COLLATE NOCASE"),
                    ContestoLettura);
        Uso uso(st);
        const QByteArray testo = nome.toUtf8();
        sqlite3_bind_text(st, 1, testo.constData(), int(testo.size()), SQLITE_TRANSIENT);
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            if (NominaCollazioneNostra(TestoColonna(st, 0))) return false;
        if (rc != SQLITE_DONE) Errore(ContestoLettura);
    }
    const QList<InfoCampo> campi = CampiTabella(nome);
    for (const SpecificaCampo& voce : AnalizzaStruttura(schema_.StrutturaTabella[tabella])) {
        const auto trovato =
            std::find_if(campi.begin(), campi.end(), [&](const InfoCampo& c) { return c.nome == voce.nome; });
        if (trovato == campi.end() || trovato->tipo != voce.tipo) return false;
        if (voce.tipo == TipoCampo::Testo && trovato->dimensione != voce.dimensione) return false;
    }
    return true;
}

void Database::DataBaseTabelleAggiorna() {
    copiaDiSicurezza_.clear();
    QList<int> daRicostruire;
    for (int t = TabMete; t <= TabParametri; ++t)
        if (EsisteTabella(schema_.NomeTabella[t]) && !TabellaConformeSchema(t)) daRicostruire.append(t);
    // The copy cannot be taken inside a transaction, so it comes first and
    // holds the file exactly as it was found.
    // A copy in memory leaves its file as it was: nothing to keep.
    if (!daRicostruire.isEmpty() && !CopiaInMemoria()) FaiCopiaDiSicurezza();

    ChiudiIstruzioni();
    try {
        AggiornaTabelle(daRicostruire);
    } catch (...) {
        // The file is as it was: a copy of it would only pile up.
        if (!copiaDiSicurezza_.isEmpty()) QFile::remove(copiaDiSicurezza_);
        copiaDiSicurezza_.clear();
        throw;
    }
}

void Database::AggiornaTabelle(const QList<int>& daRicostruire) {
    Transazione transazione(*this);
    for (int t = TabMete; t <= TabParametri; ++t) {
        if (!EsisteTabella(schema_.NomeTabella[t]))
            DatabaseTabellaCrea(t);
        else if (daRicostruire.contains(t))
            RicostruisciTabella(t);
        DataBaseVerificaIndici(t);
    }
    if (LeggiIntero(db_, "PRAGMA application_id") != IdApplicazione)
        EseguiScrittura(QStringLiteral("PRAGMA application_id = %1").arg(IdApplicazione), ContestoStruttura);
    transazione.Conferma();
}

// Written under a temporary name and renamed only when complete: a copy
// under its final name is always a whole database. What a killed start left
// half written is removed by the next one.
void Database::FaiCopiaDiSicurezza() {
    const QFileInfo file(FileDatabase);
    const QDir cartella = file.dir();
    const QString suffisso = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    const QString radice = file.completeBaseName() + QStringLiteral("_copia_");
    for (const QString& resto : cartella.entryList({radice + QStringLiteral("*") + SuffissoParziale + u'*'},
                                                   QDir::Files | QDir::Hidden))
        QFile::remove(cartella.filePath(resto));

    const QString base = radice + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    QString percorso = cartella.filePath(base + suffisso);
    for (int n = 2; QFileInfo::exists(percorso); ++n)
        percorso = cartella.filePath(base + QStringLiteral("_%1").arg(n) + suffisso);
    const QString parziale = percorso + SuffissoParziale;

    const QString contesto = QStringLiteral("Errore nella copia di sicurezza del database");
    auto fallita = [&](const QString& dettaglio) {
        QFile::remove(parziale);
        QFile::remove(parziale + QStringLiteral("-journal"));
        throw ErroreDatabase(contesto + QStringLiteral(": ") + dettaglio);
    };
    QFile::remove(parziale);
    {
        sqlite3_stmt* st = Prepara(QStringLiteral("VACUUM INTO ?"), contesto);
        Uso uso(st);
        const QByteArray nome = parziale.toUtf8();
        sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE) fallita(QString::fromUtf8(sqlite3_errmsg(db_)));
    }
    QString errore;
    if (!DaiNome(parziale, percorso, &errore)) fallita(errore);
    copiaDiSicurezza_ = percorso;
}

// A new table with the schema's fields in order, then any field the old one
// has beyond the schema; every row is copied with its row id, text cut to the
// new sizes; the old table is then dropped and the new one takes its name.
void Database::RicostruisciTabella(int tabella) {
    const QString nome = schema_.NomeTabella[tabella];
    const QList<QPair<QString, QString>> vecchie = ColonneDichiarate(nome);
    QVector<bool> usata(vecchie.size(), false);
    auto cerca = [&](const QString& campo, Qt::CaseSensitivity cs) -> int {
        for (int i = 0; i < vecchie.size(); ++i)
            if (!usata.at(i) && vecchie.at(i).first.compare(campo, cs) == 0) return i;
        return -1;
    };

    QStringList colonne, destinazioni, sorgenti;
    for (const SpecificaCampo& voce : AnalizzaStruttura(schema_.StrutturaTabella[tabella])) {
        int k = cerca(voce.nome, Qt::CaseSensitive);
        if (k < 0) k = cerca(voce.nome, Qt::CaseInsensitive);
        QString sorgente;
        if (k >= 0) {
            usata[k] = true;
            sorgente = Quota(vecchie.at(k).first);
        }
        colonne.append(Quota(voce.nome) + u' ' + Dichiarazione(voce));
        destinazioni.append(Quota(voce.nome));
        sorgenti.append(EspressioneCopia(voce, sorgente));
    }
    for (int k = 0; k < vecchie.size(); ++k) {
        if (usata.at(k)) continue;
        colonne.append((Quota(vecchie.at(k).first) + u' ' + TipoSicuro(vecchie.at(k).second)).trimmed());
        destinazioni.append(Quota(vecchie.at(k).first));
        sorgenti.append(Quota(vecchie.at(k).first));
    }

    QString nuova = nome + QStringLiteral("_ricostruita");
    while (EsisteTabella(nuova))
        nuova += u'_';
    const QString virgola = QStringLiteral(", ");

    Transazione transazione(*this);
    campiTabella_.clear();
    EseguiScrittura(QStringLiteral("CREATE TABLE %1 (%2)").arg(Quota(nuova), colonne.join(virgola)),
                    ContestoStruttura);
    EseguiScrittura(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT rowid, %3 FROM %4 ORDER BY rowid")
                        .arg(Quota(nuova), destinazioni.join(virgola), sorgenti.join(virgola), Quota(nome)),
                    ContestoStruttura);
    EseguiScrittura(QStringLiteral("DROP TABLE %1").arg(Quota(nome)), ContestoStruttura);
    EseguiScrittura(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(Quota(nuova), Quota(nome)),
                    ContestoStruttura);
    transazione.Conferma();
    campiTabella_.clear();
}

void Database::DataBaseVerificaIndici(int tabella) {
    ControllaTabella(tabella);
    const QString nome = schema_.NomeTabella[tabella];
    QStringList mancanti, segnatiMancanti;
    for (const QString& campo : schema_.IndiciTabella[tabella].split(u',', Qt::SkipEmptyParts))
        mancanti.append(campo.trimmed());
    for (const QString& campo : schema_.IndiciSegnati[tabella].split(u',', Qt::SkipEmptyParts))
        segnatiMancanti.append(campo.trimmed());
    for (const QString& esistente : NomiIndici(nome)) {
        mancanti.removeAll(esistente);
        if (esistente.endsWith(SuffissoSegnato))
            segnatiMancanti.removeAll(esistente.chopped(SuffissoSegnato.size()));
    }
    if (mancanti.isEmpty() && segnatiMancanti.isEmpty()) return;
    Transazione transazione(*this);
    for (const InfoCampo& campo : CampiTabella(nome)) {
        if (mancanti.contains(campo.nome))
            EseguiScrittura(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                                .arg(Quota(NomeIndice(nome, campo.nome)), Quota(nome), Quota(campo.nome)),
                            ContestoStruttura);
        // The condition is the one SegnaRighe writes, so that it can use it.
        if (segnatiMancanti.contains(campo.nome))
            EseguiScrittura(QStringLiteral("CREATE INDEX %1 ON %2 (%3) WHERE %3 IS NOT '0'")
                                .arg(Quota(NomeIndice(nome, campo.nome + SuffissoSegnato)), Quota(nome),
                                     Quota(campo.nome)),
                            ContestoStruttura);
    }
    transazione.Conferma();
}

bool Database::ScriviTipiGuidaDefault() {
    const QString nome = schema_.NomeTabella[TabTipoGuida];
    {
        sqlite3_stmt* st =
            Prepara(QStringLiteral("SELECT count(*) FROM %1").arg(Quota(nome)), ContestoLettura);
        Uso uso(st);
        if (sqlite3_step(st) != SQLITE_ROW) Errore(ContestoLettura);
        if (sqlite3_column_int64(st, 0) > 0) return false;
    }
    const QList<InfoCampo> campi = CampiTabella(nome);
    auto posizione = [&](const char* campo) {
        for (int i = 0; i < campi.size(); ++i)
            if (campi.at(i).nome.compare(QLatin1String(campo), Qt::CaseInsensitive) == 0) return i;
        throw ErroreDatabase(
            QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(QLatin1String(campo), nome));
    };
    const int codice = posizione("CodiceGuida");
    const int descrizione = posizione("Descrizione");
    const int obbligatorio = posizione("TempoObbligatorio");

    Transazione transazione(*this);
    for (const TipoGuidaDefault& tipo : TipiGuidaDefault) {
        QVector<QVariant> valori(campi.size());
        valori[codice] = QString::fromUtf8(tipo.codice);
        valori[descrizione] = QString::fromUtf8(tipo.descrizione);
        valori[obbligatorio] = tipo.tempoObbligatorio;
        Inserisci(nome, campi, valori);
    }
    transazione.Conferma();
    for (RecordSet& rs : slot_)
        if (rs.Aperto() && rs.Tabella().compare(nome, Qt::CaseInsensitive) == 0) RicaricaRecordSet(rs);
    return true;
}

// ---- record sets ------------------------------------------------------------

void Database::RecordSetImpostaDefault() {
    for (int t = TabMete; t <= TabParametri; ++t)
        RecordSetImposta(t, Query(schema_.NomeTabella[t]));
}

void Database::RecordSetImposta(int slot, const Query& query) {
    ControllaSlot(slot);
    TestoQuery = query.Testo();
    RecordSet nuovo;
    CaricaRighe(nuovo, query);
    // Loaded inside a transaction, it must be reloaded if that is undone.
    nuovo.modificato_ = livelloTransazione_ > 0;
    slot_[slot] = std::move(nuovo);
    NumeroRecord = double(slot_[slot].RecordCount());
}

RecordSet& Database::Rs(int slot) {
    ControllaSlot(slot);
    return slot_[slot];
}

void Database::Leggi(const Query& query, const QStringList& campi,
                     const std::function<void(qint64, const QStringList&)>& riga) {
    sqlite3_stmt* st = Prepara(query.Sql(campi), ContestoLettura);
    Uso uso(st);
    const QStringList parametri = query.Parametri();
    for (int i = 0; i < parametri.size(); ++i) {
        const QByteArray valore = parametri.at(i).toUtf8();
        sqlite3_bind_text(st, i + 1, valore.constData(), int(valore.size()), SQLITE_TRANSIENT);
    }
    QStringList valori;
    const QString vuoto = QStringLiteral("");
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        valori.clear();
        for (int c = 0; c < campi.size(); ++c) {
            if (sqlite3_column_type(st, c + 1) == SQLITE_NULL)
                valori.append(QString());
            else if (sqlite3_column_bytes(st, c + 1) == 0)
                valori.append(vuoto);
            else
                valori.append(TestoColonna(st, c + 1));
        }
        riga(sqlite3_column_int64(st, 0), valori);
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
}

void Database::CaricaRighe(RecordSet& rs, const Query& query) {
    CaricaSql(rs, query.Tabella(), query.Sql(), query.Parametri());
}

void Database::CaricaSql(RecordSet& rs, const QString& tabella, const QString& sql,
                         const QStringList& parametri) {
    sqlite3_stmt* st = Prepara(sql, ContestoLettura);
    Uso uso(st);
    for (int i = 0; i < parametri.size(); ++i) {
        const QByteArray valore = parametri.at(i).toUtf8();
        sqlite3_bind_text(st, i + 1, valore.constData(), int(valore.size()), SQLITE_TRANSIENT);
    }
    // Column 0 is the row id; the others are the table's fields in order.
    QList<InfoCampo> campi;
    for (int c = 1; c < sqlite3_column_count(st); ++c)
        campi.append(CampoDaDichiarazione(QString::fromUtf8(sqlite3_column_name(st, c)),
                                          QString::fromUtf8(sqlite3_column_decltype(st, c))));
    QVector<RecordSet::Riga> righe;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        RecordSet::Riga riga;
        riga.rowid = sqlite3_column_int64(st, 0);
        riga.valori.reserve(campi.size());
        for (int c = 0; c < campi.size(); ++c)
            riga.valori.append(LeggiColonna(st, c + 1, campi.at(c).tipo));
        righe.append(std::move(riga));
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);

    rs = RecordSet();
    rs.db_ = this;
    rs.tabella_ = tabella;
    rs.campi_ = campi;
    rs.righe_ = std::move(righe);
    rs.corrente_ = 0;
    rs.sql_ = sql;
    rs.parametri_ = parametri;
}

// Back in line with the file after a rollback, on the same row when it is
// still there.
void Database::RicaricaRecordSet(RecordSet& rs) {
    const bool eof = rs.corrente_ >= rs.righe_.size();
    const qint64 rowid = (rs.corrente_ >= 0 && !eof) ? rs.righe_.at(rs.corrente_).rowid : -1;
    const int vecchia = rs.corrente_;
    const bool modificato = rs.modificato_;
    RecordSet nuovo;
    CaricaSql(nuovo, rs.tabella_, rs.sql_, rs.parametri_);
    if (eof) {
        nuovo.corrente_ = int(nuovo.righe_.size());
    } else {
        nuovo.corrente_ = qMin(vecchia, int(nuovo.righe_.size()));
        for (int i = 0; i < nuovo.righe_.size(); ++i)
            if (nuovo.righe_.at(i).rowid == rowid) nuovo.corrente_ = i;
    }
    nuovo.modificato_ = modificato;
    rs = std::move(nuovo);
}

// The field names of a record set joined, as a key for its statements.
static QString NomiCampi(const QList<InfoCampo>& campi) {
    QString nomi;
    for (const InfoCampo& c : campi) {
        nomi += c.nome;
        nomi += QLatin1Char(',');
    }
    return nomi;
}

const QString& Database::SqlInserimento(const QString& tabella, const QList<InfoCampo>& campi) {
    // The statement text is the same for every row of a table: built once.
    const QString chiave = QStringLiteral("I\x1f") + tabella + QStringLiteral("\x1f") + NomiCampi(campi);
    QString& sql = sqlScrittura_[chiave];
    if (sql.isEmpty()) {
        QStringList nomi, segnaposto;
        for (const InfoCampo& c : campi) {
            nomi.append(Quota(c.nome));
            segnaposto.append(QStringLiteral("?"));
        }
        sql = campi.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quota(tabella))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(Quota(tabella), nomi.join(QStringLiteral(", ")),
                                         segnaposto.join(QStringLiteral(", ")));
    }
    return sql;
}

qint64 Database::Inserisci(const QString& tabella, const QList<InfoCampo>& campi,
                           const QVector<QVariant>& valori) {
    ControllaGuasto();
    return Inserisci(Prepara(SqlInserimento(tabella, campi), ContestoScrittura), campi, valori);
}

qint64 Database::Inserisci(sqlite3_stmt* st, const QList<InfoCampo>& campi, const QVector<QVariant>& valori) {
    Uso uso(st);
    for (int i = 0; i < campi.size(); ++i)
        Lega(st, i + 1, valori.value(i), campi.at(i).tipo);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    return sqlite3_last_insert_rowid(db_);
}

void Database::Aggiorna(const QString& tabella, const QList<InfoCampo>& campi, qint64 rowid,
                        const QVector<QVariant>& valori, const QVector<int>& posizioni) {
    ControllaGuasto();
    // Only the fields that change: an index over an untouched field is left
    // alone, and a change made meanwhile to another field is kept.
    // Keyed by table and positions: thousands of rows are written in a row.
    QString chiave = QStringLiteral("U\x1f") + tabella;
    chiave.reserve(chiave.size() + 1 + posizioni.size());
    chiave += QChar(0x1f);
    for (const int p : posizioni)
        chiave += QChar(char16_t(0x100 + p));
    QString& sql = sqlScrittura_[chiave];
    if (sql.isEmpty()) {
        QStringList assegnazioni;
        for (const int p : posizioni)
            assegnazioni.append(Quota(campi.at(p).nome) + QStringLiteral(" = ?"));
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(Quota(tabella), assegnazioni.join(QStringLiteral(", ")));
    }
    sqlite3_stmt* st = Prepara(sql, ContestoScrittura);
    Uso uso(st);
    for (int i = 0; i < posizioni.size(); ++i)
        Lega(st, i + 1, valori.value(posizioni.at(i)), campi.at(posizioni.at(i)).tipo);
    sqlite3_bind_int64(st, int(posizioni.size()) + 1, rowid);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    if (sqlite3_changes(db_) == 0)
        throw ErroreDatabase(ContestoScrittura + QStringLiteral(": il record non esiste più"));
    // Other record sets over the table show the new values, as they would
    // when reading the row again.
    for (RecordSet& rs : slot_) {
        if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0 ||
            rs.campi_.size() != campi.size())
            continue;
        const int i = rs.RigaDelRowid(rowid);
        if (i >= 0 && !rs.righe_.at(i).cancellata) {
            QVector<QVariant>& riga = rs.righe_[i].valori;
            for (const int p : posizioni)
                riga[p] = valori.at(p);
            rs.SegnaModificato();
        }
    }
}

void Database::SegnaRighe(const QString& tabella, const QString& campo, const QVector<qint64>& segnare,
                          const QVector<qint64>& tenere) {
    const QList<InfoCampo> campi = CampiTabella(tabella);
    const InfoCampo* info = nullptr;
    for (const InfoCampo& c : campi)
        if (c.nome.compare(campo.trimmed(), Qt::CaseInsensitive) == 0) info = &c;
    if (!info)
        throw ErroreDatabase(QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(campo, tabella));
    const QString t = Quota(tabella), c = Quota(info->nome);
    auto json = [](const QVector<qint64>& a, const QVector<qint64>& b) {
        QJsonArray elenco;
        for (const qint64 rowid : a)
            elenco.append(rowid);
        for (const qint64 rowid : b)
            elenco.append(rowid);
        return QJsonDocument(elenco).toJson(QJsonDocument::Compact);
    };
    // One statement, one write; the rows it changed, in every open set.
    auto aggiorna = [&](const QString& condizione, const QString& valore, const QByteArray& righe) {
        ControllaGuasto();
        sqlite3_stmt* st = Prepara(
            QStringLiteral("UPDATE %1 SET %2 = '%3' WHERE %4 RETURNING rowid").arg(t, c, valore, condizione),
            ContestoScrittura);
        Uso uso(st);
        sqlite3_bind_text(st, 1, righe.constData(), int(righe.size()), SQLITE_TRANSIENT);
        QVector<qint64> cambiate;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            cambiate.append(sqlite3_column_int64(st, 0));
        if (rc != SQLITE_DONE) Errore(ContestoScrittura);
        for (RecordSet& rs : slot_) {
            if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0) continue;
            const int p = rs.PosizioneCampo(info->nome);
            if (p < 0) continue;
            bool toccato = false;
            for (const qint64 rowid : std::as_const(cambiate)) {
                const int i = rs.RigaDelRowid(rowid);
                if (i >= 0 && !rs.righe_.at(i).cancellata) {
                    rs.righe_[i].valori[p] = valore;
                    toccato = true;
                }
            }
            if (toccato) rs.SegnaModificato();
        }
    };
    if (!segnare.isEmpty())
        aggiorna(QStringLiteral("rowid IN (SELECT value FROM json_each(?)) AND %1 IS NOT '1'").arg(c),
                 QStringLiteral("1"), json(segnare, {}));
    // Through the partial index: when the marked rows are as many as the
    // rows to keep marked, no other row is marked and nothing is written.
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NOT '0'").arg(t, c), ContestoLettura);
    qint64 segnate;
    {
        Uso uso(st);
        if (sqlite3_step(st) != SQLITE_ROW) Errore(ContestoLettura);
        segnate = sqlite3_column_int64(st, 0);
    }
    if (segnate > qint64(segnare.size()) + tenere.size())
        aggiorna(QStringLiteral("%1 IS NOT '0' AND rowid NOT IN (SELECT value FROM json_each(?))").arg(c),
                 QStringLiteral("0"), json(segnare, tenere));
}

void Database::SostituisciRighe(const Query& query, const QStringList& campi,
                                const QVector<QStringList>& righe) {
    const QString tabella = query.Tabella();
    const QList<InfoCampo> info = CampiTabella(tabella);
    QVector<int> posizioni;
    for (const QString& campo : campi) {
        int p = -1;
        for (int i = 0; i < info.size(); ++i)
            if (info.at(i).nome.compare(campo.trimmed(), Qt::CaseInsensitive) == 0) p = i;
        if (p < 0)
            throw ErroreDatabase(
                QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(campo, tabella));
        if (info.at(p).tipo != TipoCampo::Testo)
            throw ErroreDatabase(
                QStringLiteral("Il campo %1 della tabella %2 non è di testo").arg(campo, tabella));
        posizioni.append(p);
    }
    // The rows there are, in the query's order; Null stays apart from "".
    QVector<qint64> rowid;
    QVector<QStringList> vecchie;
    Leggi(query, campi, [&](qint64 r, const QStringList& valori) {
        rowid.append(r);
        vecchie.append(valori);
    });
    QVector<QVariant> valori(info.size());
    sqlite3_stmt* inserimento = nullptr;
    for (int n = 0; n < righe.size(); ++n) {
        const QStringList& riga = righe.at(n);
        QVector<int> cambiati;
        for (int k = 0; k < posizioni.size(); ++k) {
            const int p = posizioni.at(k);
            const QString nuovo = TagliaTesto(riga.value(k), info.at(p).dimensione);
            valori[p] = nuovo;
            if (n >= vecchie.size()) continue;
            const QString& vecchio = vecchie.at(n).at(k);
            if (vecchio != nuovo || vecchio.isNull() != nuovo.isNull()) cambiati.append(p);
        }
        if (n >= vecchie.size()) {
            // Thousands of rows: the statement is looked up once.
            ControllaGuasto();
            if (!inserimento) inserimento = Prepara(SqlInserimento(tabella, info), ContestoScrittura);
            Inserisci(inserimento, info, valori);
        } else if (!cambiati.isEmpty())
            Aggiorna(tabella, info, rowid.at(n), valori, cambiati);
    }
    for (qsizetype n = righe.size(); n < rowid.size(); ++n)
        Elimina(tabella, rowid.at(n));
}

void Database::Elimina(const QString& tabella, qint64 rowid) {
    ControllaGuasto();
    sqlite3_stmt* st =
        Prepara(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Quota(tabella)), ContestoScrittura);
    Uso uso(st);
    sqlite3_bind_int64(st, 1, rowid);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    // The row is gone for every record set over the table, not only this one.
    for (RecordSet& rs : slot_) {
        if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0) continue;
        const int i = rs.RigaDelRowid(rowid);
        if (i >= 0 && !rs.righe_.at(i).cancellata) {
            rs.righe_[i].cancellata = true;
            ++rs.cancellate_;
            rs.SegnaModificato();
        }
    }
}

// ---- deleting rows and the field map -------------------------------------

void Database::CancellaTabella(int tabella, const QString& campo, const QString& valore,
                               Avanzamento* avanzamento) {
    ControllaTabella(tabella);
    const QString nome = schema_.NomeTabella[tabella];
    Query query(nome);
    if (!campo.isEmpty()) query.DoveCome(campo, valore);

    Transazione transazione(*this);
    RecordSetImposta(7, query);
    RecordSet& rs = slot_[7];
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Cancellazione tabella ") + nome,
                                       double(rs.RecordCount()));
    try {
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            if (avanzamento) avanzamento->Avanza();
            rs.Delete();
        }
        transazione.Conferma();
    } catch (...) {
        if (avanzamento) avanzamento->FineAvanzamento();
        throw;
    }
    if (avanzamento) avanzamento->FineAvanzamento();
}

std::optional<int> Database::CercaCampoTabella(int slot, const QString& nomeMinuscolo) const {
    ControllaSlot(slot);
    const QList<InfoCampo>& campi = slot_[slot].Campi();
    for (int f = 0; f < campi.size(); ++f)
        if (campi.at(f).nome.toLower() == nomeMinuscolo) return f;
    return std::nullopt;
}

QString Database::CaricaRiferimentiVettoreCampiTabelleDatabase(int slot, const RigaColonne& colonne) const {
    ControllaSlot(slot);
    const QList<InfoCampo>& campi = slot_[slot].Campi();
    const int numero = qBound(0, int(colonne.NumeroColonne), int(colonne.ColonneRiga.size()) - 1);
    QString riferimenti;
    for (int c = 1; c <= numero; ++c) {
        for (int f = 0; f < campi.size(); ++f) {
            if (campi.at(f).nome == colonne.ColonneRiga[c]) {
                riferimenti += Zero(double(c), 2) + Zero(double(f), 2) + u'\\';
                break;
            }
        }
    }
    return riferimenti;
}

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
