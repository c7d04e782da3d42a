#pragma once
// The vehicle and the costs of a trip: what the day-by-day summary needs to
// tell where the tank runs dry, what each day costs and how long it drives.
#include <QString>
#include <optional>

struct Veicolo {
    double Consumo = 12;       // litres per 100 km
    double Serbatoio = 90;     // litres
    double Riserva = 15;       // litres left when a refuel is due
    double Prezzo = 1.85;      // € per litre
    double Pedaggio = 0.09;    // € per km of motorway
    double CostoNotte = 0;     // € of one night
    double CostoTraghetto = 0; // € of one crossing
    int GuidaMassima = 9 * 60; // minutes of driving in one day

    // Kilometres one tank drives before the reserve.
    double Autonomia() const { return (Serbatoio - Riserva) / Consumo * 100; }
    // Why the values cannot be used, empty when they can.
    QString Errore() const;
    bool operator==(const Veicolo&) const = default;
};

// A number typed with a decimal point or a comma; nullopt when it is none.
std::optional<double> NumeroDecimale(const QString& testo);
// "hh:mm" to minutes; nullopt when it is no time of a day.
std::optional<int> MinutiOra(const QString& testo);
QString TestoMinuti(int minuti);      // "hh:mm"
QString TestoEuro(double euro);       // two decimals, a point
QString TestoDecimale(double valore); // as few decimals as it needs, a point
