#pragma once
// A stage of an itinerary, as a calculation reads it, and the stored record
// it comes from.
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "model/ValoriTappa.h"

// The record of "Itinerari", every field as its stored text.
struct RecordTappa {
    QString CodiceMeta, Sequenza, Localita, Chilometri, NomeStrada, TipoStrada;
    QString TempoSosta, SostaGuidaCitta, FineGiorno;
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

    bool Vuota() const { return Localita.trimmed().isEmpty(); }
    bool Traghetto() const { return Strada.contains(QLatin1String("TRAGH")); }
    int IndiceTipo() const { return IndiceTipoStrada(TipoStrada); }
};

// A row of the stage grid (columns of ColonnaTappa) as a stage.
Tappa TappaDaCelle(const QStringList& celle);
// A stored stage as the stage grid shows it: number, locality, road, km in
// the grid's "#,###" form, road type, stop with its end-of-day mark, and the
// end-of-day flag in its working column.
QStringList CelleDaRecordTappa(const RecordTappa& record, int numero);
