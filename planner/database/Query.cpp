#include "database/Query.h"

#include "common/Stringhe.h"
#include "database/ErroreDatabase.h"

namespace {

// Only plain names reach the SQL text; values always travel as parameters.
bool NomeSemplice(const QString& nome) {
    if (nome.isEmpty()) return false;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        const char16_t c = nome.at(i).unicode();
        const bool lettera = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool cifra = c >= u'0' && c <= u'9';
        if (!lettera && !(cifra && i > 0)) return false;
    }
    return true;
}

QString Nome(const QString& nome) {
    if (!NomeSemplice(nome)) throw ErroreDatabase(QStringLiteral("Nome non valido nella query: ") + nome);
    return u'"' + nome + u'"';
}

bool HaJolly(const QString& modello) {
    return modello.contains(u'*') || modello.contains(u'?');
}

} // namespace

Query::Query(const QString& tabella) : tabella_(tabella.trimmed()) {}

Query& Query::Dove(const QString& campo, const QString& valore) {
    condizioni_.append({campo.trimmed(), Operatore::Uguale, valore});
    return *this;
}

Query& Query::DoveCome(const QString& campo, const QString& modello) {
    condizioni_.append({campo.trimmed(), Operatore::Come, modello});
    return *this;
}

Query& Query::OrdinaPer(const QString& campi) {
    ordine_ = campi.trimmed();
    return *this;
}

QString Query::Testo() const {
    QString testo = QStringLiteral("SELECT * FROM ") + tabella_;
    for (qsizetype i = 0; i < condizioni_.size(); ++i) {
        const Condizione& c = condizioni_.at(i);
        testo += i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        testo += c.campo +
                 (c.operatore == Operatore::Uguale ? QStringLiteral(" = '") : QStringLiteral(" LIKE '")) +
                 LikeTesto(c.valore) + u'\'';
    }
    if (!ordine_.isEmpty()) testo += QStringLiteral(" ORDER BY ") + ordine_;
    return testo;
}

QString Query::Sql() const {
    // The explicit collation keeps "=" and ORDER BY case-insensitive even on a
    // column declared without it; on our own columns it still uses the index.
    QString sql = QStringLiteral("SELECT rowid, * FROM ") + Nome(tabella_);
    for (qsizetype i = 0; i < condizioni_.size(); ++i) {
        const Condizione& c = condizioni_.at(i);
        sql += i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        // Without wildcards LIKE and "=" give the same rows, and "=" can use
        // the index.
        if (c.operatore == Operatore::Come && HaJolly(c.valore))
            sql += Nome(c.campo) + QStringLiteral(" LIKE ?");
        else
            sql += Nome(c.campo) + QStringLiteral(" = ? COLLATE VIANDORA");
    }
    sql += QStringLiteral(" ORDER BY ");
    if (!ordine_.isEmpty()) {
        for (const QString& voce : ordine_.split(u',')) {
            const QStringList parti = voce.simplified().split(u' ', Qt::SkipEmptyParts);
            if (parti.isEmpty() || parti.size() > 2)
                throw ErroreDatabase(QStringLiteral("Ordinamento non valido nella query: ") + ordine_);
            sql += Nome(parti.at(0)) + QStringLiteral(" COLLATE VIANDORA");
            if (parti.size() == 2) {
                const QString verso = parti.at(1).toUpper();
                if (verso != QLatin1String("ASC") && verso != QLatin1String("DESC"))
                    throw ErroreDatabase(QStringLiteral("Ordinamento non valido nella query: ") + ordine_);
                sql += u' ' + verso;
            }
            sql += QStringLiteral(", ");
        }
    }
    // Rows that compare equal keep the order in which they were stored.
    sql += QStringLiteral("rowid");
    return sql;
}

QStringList Query::Parametri() const {
    QStringList valori;
    for (const Condizione& c : condizioni_)
        valori.append(c.valore);
    return valori;
}
