#pragma once
// A query of the shape SELECT * FROM table [WHERE cond AND ...] [ORDER BY ...].
// Values are bound as parameters, never placed into the SQL text; Testo()
// gives the readable form for diagnostics.
#include <QList>
#include <QString>
#include <QStringList>

class Query {
public:
    enum class Operatore { Uguale, Come };
    struct Condizione {
        QString campo;
        Operatore operatore;
        QString valore;
    };

    explicit Query(const QString& tabella);

    // campo = 'valore' (letter case ignored).
    Query& Dove(const QString& campo, const QString& valore);
    // campo LIKE 'modello': "*" any run, "?" one character, letter case ignored.
    Query& DoveCome(const QString& campo, const QString& modello);
    // Comma-separated field list, each optionally followed by DESC.
    Query& OrdinaPer(const QString& campi);

    const QString& Tabella() const { return tabella_; }
    const QList<Condizione>& Condizioni() const { return condizioni_; }
    const QString& Ordine() const { return ordine_; }

    // The readable text: SELECT * FROM MeteViandora WHERE Localita LIKE 'L?AQUILA'
    QString Testo() const;
    // SQL with "?" placeholders, and the values to bind in order. Throws
    // ErroreDatabase for a table or field name that is not a plain name.
    QString Sql() const;
    QStringList Parametri() const;

private:
    QString tabella_;
    QList<Condizione> condizioni_;
    QString ordine_;
};
