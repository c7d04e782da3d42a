#pragma once
// A query of the shape SELECT * FROM table [WHERE cond AND ...] [ORDER BY ...].
// Values are bound as parameters, never placed into the SQL text; Testo()
// gives the readable form for diagnostics.
#include <QList>
#include <QString>
#include <QStringList>

class Query {
public:
    enum class Operatore { Uguale, Come, UnoDi };
    struct Condizione {
        QString campo;
        Operatore operatore;
        QString valore;
        QStringList valori; // UnoDi only
    };

    explicit Query(const QString& tabella);

    // campo = 'valore' (letter case ignored).
    Query& Dove(const QString& campo, const QString& valore);
    // campo LIKE 'modello': "*" any run, "?" one character, letter case
    // ignored. The pattern's start before its first wildcard is looked up
    // through the field's index.
    Query& DoveCome(const QString& campo, const QString& modello);
    // campo equal to one of the values, as "=" compares them: one indexed
    // lookup per value.
    Query& DoveUnoDi(const QString& campo, const QStringList& valori);
    // Comma-separated field list, each optionally followed by DESC.
    Query& OrdinaPer(const QString& campi);
    // Rows in whatever order the database finds them, rather than in the
    // order they were stored: for readers that need no order.
    Query& SenzaOrdine() {
        senzaOrdine_ = true;
        return *this;
    }

    const QString& Tabella() const { return tabella_; }
    const QList<Condizione>& Condizioni() const { return condizioni_; }
    const QString& Ordine() const { return ordine_; }

    // The readable text: SELECT * FROM MeteViandora WHERE Localita LIKE 'L?AQUILA'
    QString Testo() const;
    // SQL with "?" placeholders, and the values to bind in order. Throws
    // ErroreDatabase for a table or field name that is not a plain name.
    // With a field list, only those fields follow the row id.
    QString Sql(const QStringList& campi = {}) const;
    QStringList Parametri() const;

private:
    QString tabella_;
    QList<Condizione> condizioni_;
    QString ordine_;
    bool senzaOrdine_ = false;
};
