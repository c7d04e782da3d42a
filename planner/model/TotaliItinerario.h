#pragma once
// The driving times and kilometres of a stage list, and the fewest days the
// trip can take, as the trip screen shows them while the stages are edited.
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "model/Tappa.h"

struct TotaliItinerario {
    std::array<double, 4> KmTipo{}, TempoTipo{}; // by road type; time in hundredths
    double Km = 0, Tempo = 0;
    int Traghetti = 0;
    // Of each stage row with kilometres: its driving time and the kilometres
    // so far; the others keep what their row shows.
    struct Riga {
        std::optional<float> Tempo;
        std::optional<double> KmProgressivi;
    };
    QList<Riga> Righe;

    // The overall driving time as the trip screen shows it, "gg:hh:mm"; empty
    // without kilometres.
    QString TestoTempo() const;
    // The fewest days the driving alone takes; 0 without kilometres.
    int GiorniMinimi() const;
    // The days asked for, at least the fewest possible (none asked stays none).
    qint16 GiorniRichiesti(const QString& giorni) const;
};

// The speeds of the totals: those of the lists, or the lists' first entries
// when one reads as 0.
std::array<double, 4> VelocitaTotali(const std::array<QString, 4>& medie);
TotaliItinerario CalcolaTotaliItinerario(const QList<Tappa>& tappe, const std::array<double, 4>& velocita);
