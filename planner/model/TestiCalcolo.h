#pragma once
// The texts of the timetable's cells: clock values, dates and return limits.
#include <QString>

#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Tempi.h"

// "hh:mm" of a clock value or a duration; empty for zero.
inline QString OraTesto(float valore) {
    return ghmCentesimi2Stringa(valore, CentesimiGiorno).mid(3);
}

// "gg/mm" of a day number.
inline QString DataTesto(float giorno) {
    return Data2Data(Giu2Datas(giorno)).left(5);
}

inline QString GiornoSettimanaDi(float giorno) {
    return GiornoSettimana(Giu2Datas(giorno));
}

// A return limit: ">" or "<", "gg/mm", "-", "hh:mm".
inline QString TestoLimite(QChar segno, float giorno, float ora) {
    return segno + DataTesto(giorno) + u'-' + OraTesto(ora);
}

// Hundredths of an hour of a time shown as hours and minutes.
inline double CentesimiOreMinuti(const QString& ore, const QString& minuti) {
    return Int(Val(ore) * 100 + Val(minuti) * 100 / 60 + 0.5);
}

// A time value as "gg:hh:mm" holds it: to the whole minute (and the days
// within the two digits of the text).
inline float AiMinuti(float centesimi) {
    QString testo = ghmCentesimi2Stringa(centesimi, CentesimiGiorno);
    return ghmStringa2Centesimi(testo, CentesimiGiorno);
}
