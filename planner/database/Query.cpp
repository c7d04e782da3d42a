#include "database/Query.h"

#include <QJsonArray>
#include <QJsonDocument>

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
    condizioni_.append({campo.trimmed(), Operatore::Uguale, valore, {}});
    return *this;
}

Query& Query::DoveCome(const QString& campo, const QString& modello) {
    condizioni_.append({campo.trimmed(), Operatore::Come, modello, {}});
    return *this;
}

Query& Query::DoveUnoDi(const QString& campo, const QStringList& valori) {
    condizioni_.append({campo.trimmed(), Operatore::UnoDi, QString(), valori});
    return *this;
}

Query& Query::DoveTra(const QString& campo, const QString& da, const QString& prima) {
    condizioni_.append({campo.trimmed(), Operatore::Da, da, {}});
    condizioni_.append({campo.trimmed(), Operatore::Prima, prima, {}});
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
        testo += c.campo;
        switch (c.operatore) {
        case Operatore::Uguale:
            testo += QStringLiteral(" = '") + LikeTesto(c.valore) + u'\'';
            break;
        case Operatore::Come:
            testo += QStringLiteral(" LIKE '") + LikeTesto(c.valore) + u'\'';
            break;
        case Operatore::UnoDi: {
            QStringList voci;
            for (const QString& v : c.valori)
                voci.append(u'\'' + LikeTesto(v) + u'\'');
            testo += QStringLiteral(" IN (") + voci.join(QStringLiteral(", ")) + u')';
            break;
        }
        case Operatore::Da:
            testo += QStringLiteral(" >= '") + LikeTesto(c.valore) + u'\'';
            break;
        case Operatore::Prima:
            testo += QStringLiteral(" < '") + LikeTesto(c.valore) + u'\'';
            break;
        }
    }
    if (!ordine_.isEmpty()) testo += QStringLiteral(" ORDER BY ") + ordine_;
    return testo;
}

QString Query::Sql(const QStringList& campi) const {
    // The explicit collation keeps "=" and ORDER BY case-insensitive even on a
    // column declared without it; on our own columns it still uses the index.
    QString sql = QStringLiteral("SELECT rowid, ");
    if (campi.isEmpty()) {
        sql += u'*';
    } else {
        QStringList nomi;
        for (const QString& campo : campi)
            nomi.append(Nome(campo.trimmed()));
        sql += nomi.join(QStringLiteral(", "));
    }
    sql += QStringLiteral(" FROM ") + Nome(tabella_);
    for (qsizetype i = 0; i < condizioni_.size(); ++i) {
        const Condizione& c = condizioni_.at(i);
        sql += i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        const QString campo = Nome(c.campo);
        switch (c.operatore) {
        case Operatore::Uguale:
        case Operatore::Come:
            // Without wildcards LIKE and "=" give the same rows, and "=" can
            // use the index.
            if (c.operatore == Operatore::Come && HaJolly(c.valore))
                sql += campo + QStringLiteral(" LIKE ?");
            else
                sql += campo + QStringLiteral(" = ? COLLATE VIANDORA");
            break;
        case Operatore::UnoDi:
            // The values travel as one JSON array.
            sql += campo + QStringLiteral(" COLLATE VIANDORA IN (SELECT value FROM json_each(?))");
            break;
        case Operatore::Da:
            sql += campo + QStringLiteral(" >= ? COLLATE VIANDORA");
            break;
        case Operatore::Prima:
            sql += campo + QStringLiteral(" < ? COLLATE VIANDORA");
            break;
        }
    }
    if (senzaOrdine_ && ordine_.isEmpty()) return sql;
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
    for (const Condizione& c : condizioni_) {
        if (c.operatore == Operatore::UnoDi)
            valori.append(QString::fromUtf8(
                QJsonDocument(QJsonArray::fromStringList(c.valori)).toJson(QJsonDocument::Compact)));
        else
            valori.append(c.valore);
    }
    return valori;
}
