#pragma once
// One pass over an itinerary's localities through the city guide: every
// entry of a locality is counted once, on the first stage that reaches it,
// and the pass leaves "FlagVisto" = "1" on the entries it counted and "0" on
// all the others.
//
// Only the entries of the localities named when the pass starts (or later,
// when first asked for) are read, looked up through the index. The flags are
// written at the end, only where they change: reloading an itinerary
// rewrites nothing. Run it inside a transaction, so that what was read is
// what gets written.
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <string>
#include <unordered_map>

class Database;
class Query;

class PassaggioGuida {
public:
    // tempo turns an entry's "hh:mm" into hundredths of an hour.
    using TempoVoce = double (*)(const QString& tempo);
    PassaggioGuida(Database& db, TempoVoce tempo, const QStringList& localita = {});

    // Hundredths of an hour of the locality's entries not yet counted in
    // this pass; they count as visited from now on. The locality is matched
    // as a pattern, its quotes standing for any one character.
    double TempoLocalita(const QString& localita);

    // Leaves "1" on the entries counted so far and "0" on all the others,
    // writing only the flags that change.
    void ScriviVisti();

private:
    struct Voce {
        qint64 rowid = 0;
        double centesimi = 0;
        bool visto = false; // its flag holds "1"
        bool contata = false;
    };
    struct Gruppo {
        std::u32string chiave; // as the comparisons of the database see it
        QVector<int> voci;
    };

    void Leggi(const QStringList& localita);
    void LeggiVoci(const Query& query);

    Database& db_;
    TempoVoce tempoVoce_;
    QVector<Voce> voci_;
    QSet<qint64> rowid_;
    // Entries whose localities compare equal, as "=" compares them.
    std::unordered_map<std::u32string, int> perChiave_;
    QVector<Gruppo> gruppi_;
    // Groups by the length of their name in code points.
    QHash<qsizetype, QVector<int>> perLunghezza_;
    // Patterns met: whose entries have all been read, and already counted.
    enum : quint8 { Letto = 1, Contato = 2 };
    QHash<QString, quint8> modelli_;
    bool tuttaLetta_ = false;
    QHash<QString, double> tempi_;
};
