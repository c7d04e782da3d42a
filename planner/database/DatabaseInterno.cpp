#include "database/DatabaseInterno.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>
#include <unistd.h>

#include "database/Confronto.h"

namespace db_interno {

QString Quota(const QString& nome) {
    return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// SQLite index names are global to the file, and CodiceMeta is indexed in
// two tables: the index of a field is stored as "Tabella.Campo" and counts
// as the index named after the field of that table.
QString NomeIndice(const QString& tabella, const QString& campo) {
    return tabella + u'.' + campo;
}

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
        // What the column declares; Database::DimensioniSchema puts the
        // schema's size in dimensione where it knows the field.
        c.dimensione = m.hasMatch() ? m.captured(1).toInt() : 255;
        c.dimensioneFile = c.dimensione;
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
        // Never cut: a value longer than the field stays as the user had it.
        return QStringLiteral("CAST(%1 AS TEXT)").arg(sorgente);
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

QString DettaglioErrore(int codice, const QString& messaggioSqlite) {
    switch (codice & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("il database è in uso da un altro programma");
    case SQLITE_FULL:
        return QStringLiteral("disco pieno");
    case SQLITE_READONLY:
        return QStringLiteral("il database è in sola lettura");
    default:
        return messaggioSqlite;
    }
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

Uso::~Uso() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

} // namespace db_interno
