#pragma once
// The calculated trip outside the program: an iCalendar file for the phone's
// calendar and a CSV sheet for a spreadsheet.
#include <QByteArray>
#include <QString>

#include "journey/Riepilogo.h"

// The time zone the calendar's times are written in: the one given, or the
// system's, or Europe/Rome when neither names a zone the calendar knows.
QString FusoCalendario(const QString& richiesto = {});
// Whether the calendar knows the zone (an IANA name such as "Europe/Rome").
bool FusoConosciuto(const QString& fuso);

// RFC 5545: one event per stretch driven (from its departure to its
// arrival), one per stop (from the arrival it follows to its end), one
// all-day event per day with its kilometres, driving time and warnings; the
// destination names the calendar. Each event's UID is made of the trip's
// code, the row and the kind, so that importing the file again updates it.
QByteArray CalendarioIcs(const TabellaCalcolata& tabella, const Riepilogo& riepilogo, const QString& fuso);

// RFC 4180, UTF-8, CR LF: a heading, then the rows that "calcola" prints with
// their date as AAAA-MM-GG, numbers without thousands separators, and the
// day of the summary each row belongs to.
QByteArray FoglioCsv(const TabellaCalcolata& tabella, const Riepilogo& riepilogo);
