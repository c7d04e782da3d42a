#pragma once
// The timetable printout: a heading with the trip's characteristics on the
// first page, then the timetable's rows, ruled; and the lines of the
// timetable's text file. Both read the rows as the timetable shows them.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "model/ColonneTabella.h"
#include "model/TestataTabella.h"
#include "printing/PaginaTabellare.h"

class Avanzamento;
struct Riepilogo;
struct TabellaCalcolata;
struct Veicolo;

using CelleMarcia = std::array<QString, ColonneMarcia>;

// The heading of a calculated trip, as the trip screen shows it afterwards.
TestataTabella TestataDaCalcolo(const TabellaCalcolata& tabella);
// Every row of the timetable, empty ones included (they are not printed).
QList<CelleMarcia> CelleDaCalcolo(const TabellaCalcolata& tabella);

// Draws the whole table; the document stays open for the caller to end.
// pagina is told each page as it starts.
void DisegnaTabellaMarcia(PaginaTabellare& s, const TestataTabella& testata, const QList<CelleMarcia>& righe,
                          Avanzamento* avanzamento = nullptr,
                          const std::function<void(int pagina)>& pagina = {});
// The day-by-day summary with its costs on pages of its own (one for most
// trips), after the timetable's: the same heading, frame and fonts, the
// vehicle's values, one row a day with its warnings below it, the totals
// last. The document stays open for the caller to end.
void DisegnaRiepilogo(PaginaTabellare& s, const TestataTabella& testata, const Veicolo& veicolo,
                      const Riepilogo& riepilogo);
// The timetable's text file: the destination, an empty line, the heading
// and one tab-separated line per row with a locality.
QStringList RigheFileTabella(const QString& localita, const QList<CelleMarcia>& righe);
