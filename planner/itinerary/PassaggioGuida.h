#pragma once
// One pass over an itinerary's localities through the city guide: every
// entry of a locality is counted once, on the first stage that reaches it,
// and the pass leaves "FlagVisto" = "1" on the entries it counted and "0" on
// all the others.
//
// The guide is read once into memory and the flags are written at the end,
// only where they change: a pass over thousands of stages costs one read of
// the guide rather than a query per stage, and reloading an itinerary
// rewrites nothing. Run it inside a transaction, so that what was read is
// what gets written.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>
#include <functional>
#include <string>

class Database;

class PassaggioGuida {
public:
    // tempo turns an entry's "hh:mm" into hundredths of an hour; avanza, when
    // given, is told how many entries have been read.
    using TempoVoce = double (*)(const QString& tempo);
    PassaggioGuida(Database& db, int slot, TempoVoce tempo, const std::function<void(double)>& avanza = {});
    // The same, writing the flags of each locality as soon as it is counted,
    // for callers that do not call ScriviVisti; the second slot is unused.
    PassaggioGuida(Database& db, int slot, int, TempoVoce tempo);

    qsizetype NumeroVoci() const { return voci_.size(); }

    // Hundredths of an hour of the locality's entries not yet counted in
    // this pass; they count as visited from now on. The locality is matched
    // as a pattern, its quotes standing for any one character.
    double TempoLocalita(const QString& localita);

    // Writes the flags that differ from what the pass leaves so far.
    void ScriviVisti();

private:
    struct Voce {
        QString localita;
        QString codice, descrizione, tempo, visto;
        bool contata = false;
    };
    struct Gruppo {
        QString localita;      // as stored in its first entry
        std::u32string chiave; // as the comparisons of the database see it
        QVector<int> voci;     // in the order of the file
    };

    Database& db_;
    int slot_;
    TempoVoce tempoVoce_;
    QVector<Voce> voci_;
    // Entries whose localities compare equal, as "=" compares them.
    QHash<QString, int> perChiave_;
    QVector<Gruppo> gruppi_;
    // Groups by the length of their name in code points.
    QHash<qsizetype, QVector<int>> perLunghezza_;
    QSet<QString> contati_;
    // Groups that may hold a flag to write.
    QSet<int> daScrivere_;
    bool scriviSubito_ = false;
};
