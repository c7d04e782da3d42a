#pragma once
// The day-by-day summary of a calculated trip: kilometres, driving time,
// first and last clock, where the night is spent, refuels, costs and the
// warnings that make a day hard to live; all derived from the timetable's
// rows, which it never changes.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "timetable/ServizioCalcolo.h"
#include "trip/Veicolo.h"

struct GiornoRiepilogo {
    float Giorno = 0; // day number
    int Km = 0;
    int MinutiGuida = 0;
    // "hh:mm": the departure of the day's first stretch (or the clock of its
    // first row when that is a stop) and the clock of its last row; empty on
    // a day without rows.
    QString PrimaOra, UltimaOra;
    QString Notte; // where the night is spent; empty on the last day
    int Rifornimenti = 0;
    double Carburante = 0, Pedaggi = 0, Traghetti = 0, CostoNotte = 0;
    QStringList Avvisi;

    double Costo() const { return Carburante + Pedaggi + Traghetti + CostoNotte; }
    QString Data() const;            // AAAA-MM-GG
    QString GiornoSettimana() const; // "Lun"
};

struct Riepilogo {
    QList<GiornoRiepilogo> Giorni;
    GiornoRiepilogo Totale; // sums of the days, before any rounding
    // The day (0 the first) of each timetable row, by row; a row without a
    // date belongs to the day of the dated row before it.
    QList<int> GiornoRiga;
    // Where the tank is filled: the rows whose arrival takes a refuel.
    QList<int> RigheRifornimento;
    // Nights booked at a stage that the plan does not spend there.
    int PrenotazioniMancate = 0;
};

// sostaCamper tells whether the city guide has a place to stop for the night
// at a locality.
Riepilogo CalcolaRiepilogo(const TabellaCalcolata& tabella, const Veicolo& veicolo,
                           const std::function<bool(const QString& localita)>& sostaCamper);

// The summary as lines of tab-separated columns: one per day, then "Totale".
QStringList RigheRiepilogo(const Riepilogo& riepilogo);
// The headings of those columns, as the window and the printout show them.
QStringList IntestazioniRiepilogo();
