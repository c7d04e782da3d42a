#pragma once
// A stage of an itinerary, as a calculation reads it, and the stored record
// it comes from.
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

#include "model/ValoriTappa.h"

// The record of "Itinerari", every field as its stored text.
struct RecordTappa {
    QString CodiceMeta, Sequenza, Localita, Chilometri, NomeStrada, TipoStrada;
    QString TempoSosta, SostaGuidaCitta, FineGiorno;
};

// When a ferry sails: with departures set, a ferry stage waits at the port
// for the first one it can board and crosses in the time given.
struct OrariTraghetto {
    QList<int> Partenze;         // minutes from midnight, in order
    quint8 Giorni = 0x7F;        // the days it sails: bit 0 Monday ... bit 6 Sunday
    int Durata = 0;              // minutes of the crossing
    int Anticipo = 60;           // minutes of check-in before the departure
    std::optional<double> Costo; // €, in place of the trip's flat crossing cost

    bool NavigaIl(float giorno) const;
};

struct Tappa {
    // As typed or stored, spaces included: a row without one is no stage.
    QString Localita;
    QString Strada;
    qint16 Km = 0; // never negative
    // "A", "S", "P" or "L"; any other text is shown as it is and driven as "L".
    QString TipoStrada;
    bool FineGiornata = false; // the day ends after the stop ("*")
    bool SenzaSosta = true;    // no stop at all, not even the end-of-day mark
    // Hundredths of an hour of the stop; negative only from a file or an edit
    // outside the planner, which a calculation refuses.
    float Sosta = 0;
    QString SostaTesto; // the stop as typed, after the end-of-day mark
    // Data of the stage beyond its stored record.
    std::optional<OrariTraghetto> Orari; // a ferry's departures
    std::optional<float> NottePrenotata; // day number of a night booked there

    bool Vuota() const { return Localita.trimmed().isEmpty(); }
    bool Traghetto() const { return Strada.contains(QLatin1String("TRAGH")); }
    // A ferry that sails at fixed hours.
    bool ConPartenze() const { return Traghetto() && Orari && !Orari->Partenze.isEmpty(); }
    int IndiceTipo() const { return IndiceTipoStrada(TipoStrada); }
};

// A row of the stage grid (columns of ColonnaTappa) as a stage.
Tappa TappaDaCelle(const QStringList& celle);
// A stored stage as the stage grid shows it: number, locality, road, km in
// the grid's "#,###" form, road type, stop with its end-of-day mark, and the
// end-of-day flag in its working column.
QStringList CelleDaRecordTappa(const RecordTappa& record, int numero);

// Monday 0 ... Sunday 6 of a day number.
inline int GiornoDellaSettimana(float giorno) {
    int k = int(qint64(giorno) % 7); // 0 is a Saturday
    if (k < 0) k += 7;
    return (k + 5) % 7;
}
// "lun,mar,..." as a set of days (bit 0 Monday), "" for none; nullopt when a
// name is no day.
std::optional<quint8> GiorniDaTesto(const QString& testo);
QString TestoGiorni(quint8 giorni);
// "lunedì" ... "domenica".
QString NomeGiorno(int giornoDellaSettimana);
