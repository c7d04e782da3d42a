#include "database/Query.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "common/Stringhe.h"
#include "database/Confronto.h"
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
        }
    }
    if (!ordine_.isEmpty()) testo += QStringLiteral(" ORDER BY ") + ordine_;
    return testo;
}

QString Query::Sql(const QStringList& campi) const {
    // The file's columns and indexes compare with the engine's NOCASE, which
    // folds ASCII letters only; each condition names the program's own
    // collation or LIKE, which decide, and where it can narrows the rows first
    // to those starting like the value (InizioIndicizzabile), a range that
    // the field's index serves.
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
        if (c.operatore == Operatore::UnoDi) {
            // The values travel as one JSON array of [start, past the start,
            // value]: one indexed range per value.
            sql += QStringLiteral("rowid IN (SELECT t.rowid FROM json_each(?) AS v, %1 AS t"
                                  " WHERE t.%2 >= json_extract(v.value, '$[0]') COLLATE NOCASE"
                                  " AND t.%2 < json_extract(v.value, '$[1]') COLLATE NOCASE"
                                  " AND t.%2 = json_extract(v.value, '$[2]') COLLATE VIANDORA)")
                       .arg(Nome(tabella_), campo);
            continue;
        }
        if (!InizioIndicizzabile(c.valore).isEmpty())
            sql += campo + QStringLiteral(" >= ? COLLATE NOCASE AND ") + campo +
                   QStringLiteral(" < ? COLLATE NOCASE AND ");
        // Without wildcards LIKE and "=" give the same rows.
        if (c.operatore == Operatore::Come && HaJolly(c.valore))
            sql += campo + QStringLiteral(" LIKE ?");
        else
            sql += campo + QStringLiteral(" = ? COLLATE VIANDORA");
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
        if (c.operatore == Operatore::UnoDi) {
            QJsonArray elenco;
            for (const QString& v : c.valori) {
                const QString inizio = InizioIndicizzabile(v);
                elenco.append(QJsonArray{inizio, OltreInizio(inizio), v});
            }
            valori.append(QString::fromUtf8(QJsonDocument(elenco).toJson(QJsonDocument::Compact)));
            continue;
        }
        const QString inizio = InizioIndicizzabile(c.valore);
        if (!inizio.isEmpty()) valori << inizio << OltreInizio(inizio);
        valori.append(c.valore);
    }
    return valori;
}
