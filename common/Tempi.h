#pragma once
// Time values ("centesimi"): hundredths of an hour in single precision,
// one day = 2400, 30 minutes = 50. Time strings: "gg:hh:mm", also "hh:mm".
#include <QString>

constexpr float CentesimiGiorno = 2400.0f;

// The string is replaced by its form left-padded with "0" to 8 characters.
float ghmStringa2Centesimi(QString& stringa, float centesimiGiorno);
// "gg:hh:mm", or "" for a value that gives 00:00:00. Rounded minutes that
// reach 60 carry into the hours, hours that reach a day into the days.
QString ghmCentesimi2Stringa(float valore, float centesimiGiorno);
// A stop or visit time read from a file with a minus sign anywhere
// ("-01:00", "-00:01:00", "00:-1:00"): no stop lasts less than nothing, and
// the digits alone would read as a positive time.
bool SostaNegativa(const QString& testo);
// The line that tells the user how many of them were taken as no stop.
QString TestoSosteNegative(int quante);
// Six digits gghhmm (left-padded with "0") -> "gg:hh:mm".
QString ghmStringa2Stringa2Punti(const QString& cifre);
