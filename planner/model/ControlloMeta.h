#pragma once
// The check of a trip's parameters, from the values the trip screen holds (or
// a stored trip gives) to the numbers a calculation reads. Nothing is ever
// refused: each value is brought into its list's range or in order with the
// others, and the values corrected are the ones the screen then shows.
#include <array>

#include "model/Viaggio.h"

// The entries of the trip screen's lists that the check keeps values within.
namespace ListeMeta {
// The hour lists of the nine daily times, first and last hour.
inline constexpr std::array<int, 9> PrimaOra = {0, 11, 18, 20, 0, 0, 0, 16, 1};
inline constexpr std::array<int, 9> UltimaOra = {11, 15, 21, 24, 2, 2, 11, 24, 24};
// The speed lists, km/h: what a speed below 1 km/h becomes.
inline constexpr std::array<int, 4> VelocitaMinima = {50, 45, 30, 20};
inline constexpr std::array<int, 4> VelocitaMassima = {140, 110, 70, 60};
} // namespace ListeMeta

// Corrects the values (empty times, hours outside their lists, meals out of
// order, speeds below 1 km/h) and gives the parameters they hold.
ParametriMetaTipo ControllaValoriMeta(ValoriMeta& valori);

// The check, then the daily times brought to a day that can be travelled
// (meals after breakfast and before the night, visits within the day), the
// lists set from the result.
ParametriMetaTipo AggiornaValoriMeta(ValoriMeta& valori);

// The speeds a calculation drives at: those of the lists, never below 1 km/h.
std::array<double, 4> VelocitaValori(const ValoriMeta& valori);
// The start date as the lists give it, ggmmaaaa.
QString DataInizioValori(const ValoriMeta& valori);

// A stored trip on the trip screen, and the built-in defaults.
ValoriMeta ValoriDaRecord(const RecordMeta& record);
ValoriMeta ValoriIncorporati();
// The stop choice of a stored "CalcoloSoste": empty, or beyond the five
// choices, is the usual 3; below 1 the first.
int SceltaSosteDaTesto(const QString& calcoloSoste);

// The trip for a calculation: values checked, speeds, start date, stop
// choice (destination and country are the caller's).
Viaggio ViaggioDaValori(const QString& codiceMeta, ValoriMeta& valori);
