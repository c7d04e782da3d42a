#pragma once
// An entry of the city guide.
#include <QString>

#include <optional>

#include "common/Numeri.h"

struct VoceGuida {
    QString Localita;
    QString Descrizione;
    QString TempoSosta;  // the visit, "hh:mm" as stored
    QString CodiceGuida; // "01".."10", a code of the guide types
    bool Visto = false;
    // When it can be visited: the days it is closed (bit 0 Monday) and its
    // opening hours in minutes; none set: always.
    quint8 Chiuso = 0;
    std::optional<int> Dalle, Alle;

    bool ConOrari() const { return Chiuso != 0 || (Dalle && Alle); }

    // The type's code when the stored one is a whole number that the guide
    // types can name, -1 otherwise.
    int CodiceTipo() const {
        const double codice = Val(CodiceGuida);
        return codice >= 0 && codice < 11 && codice == Int(codice) ? int(codice) : -1;
    }
};
