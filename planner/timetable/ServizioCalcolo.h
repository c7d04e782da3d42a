#pragma once
// The calculation of a stored trip, as "&Calcola" runs it on the trip chosen
// from the list: what the command line, the printouts without a window and
// the journey's exports read. The database is only read: the guide's visited
// flags are not written.
#include <QList>
#include <QString>
#include <array>

#include "model/RigaMarcia.h"
#include "timetable/CalcoloTabellaDiMarcia.h"
#include "trip/CaricaViaggio.h"

class Database;

struct TabellaCalcolata {
    Viaggio Meta;
    // The trip's parameters as the trip screen shows them after the run.
    ValoriMeta Valori;
    QList<RigaMarcia> Righe; // index = row; row 0 is the heading's place
    // The stages as the rows number them (RigaMarcia::Tappa), 0 unused.
    QList<Tappa> Tappe;
    int RigheTabella = 0; // as many rows as the grid would show
    TotaliMarcia Totali;
    // The trip screen's totals as the trip was loaded: what a total the
    // calculation did not reach keeps showing.
    TestiTotali TotaliSchermo;
    int Passate = 0;
    QString Messaggio; // the final message, empty without days asked for
    std::array<QString, 11> TipiGuida;

    // The rows, stages, totals and passes of a finished run.
    void RiprendiStato(const StatoCalcolo& stato);
    // The cells of row r (1 the first).
    std::array<QString, ColonneMarcia> Celle(int r) const;
    // The totals as the trip screen shows them after the calculation.
    TestiTotali Totale() const;
};

struct EsitoCalcolo {
    bool Riuscito = false;
    QString Errore; // why not, in the planner's words
    TabellaCalcolata Tabella;
};

// The run itself: the prepared table, the passes, the return limits.
EsitoCalcolo EseguiCalcolo(IngressoCalcolo ingresso, GuidaCalcolo& guida, const ServiziCalcolo& servizi = {});

EsitoCalcolo CalcolaViaggio(Database& db, ViaggioCaricato viaggio, const ServiziCalcolo& servizi = {});
// The same from the trip's code.
EsitoCalcolo CalcolaMeta(Database& db, const QString& codice, const ServiziCalcolo& servizi = {});
