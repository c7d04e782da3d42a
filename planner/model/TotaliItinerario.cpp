#include "model/TotaliItinerario.h"

#include "common/Numeri.h"
#include "common/Tempi.h"
#include "model/ControlloMeta.h"

std::array<double, 4> VelocitaTotali(const std::array<QString, 4>& medie) {
    std::array<double, 4> velocita{};
    for (size_t t = 0; t < 4; ++t) {
        const double v = Val(medie[t]);
        velocita[t] = v > 0 ? v : ListeMeta::VelocitaMinima[t];
    }
    return velocita;
}

TotaliItinerario CalcolaTotaliItinerario(const QList<Tappa>& tappe, const std::array<double, 4>& velocita) {
    TotaliItinerario t;
    t.Righe.resize(tappe.size());
    for (qsizetype r = 0; r < tappe.size(); ++r) {
        const Tappa& tappa = tappe.at(r);
        if (tappa.Vuota()) continue;
        if (tappa.Traghetto()) ++t.Traghetti;
        // A pure stop keeps what its time columns held.
        if (tappa.Km == 0) continue;
        const int tipo = tappa.IndiceTipo();
        const double tempo = Int(tappa.Km / velocita[size_t(tipo)] * 100 + 0.5);
        t.KmTipo[size_t(tipo)] += tappa.Km;
        t.TempoTipo[size_t(tipo)] += tempo;
        t.Km += tappa.Km;
        t.Tempo += tempo;
        t.Righe[r].Tempo = float(tempo);
        t.Righe[r].KmProgressivi = t.Km;
    }
    return t;
}

QString TotaliItinerario::TestoTempo() const {
    return Km != 0 ? ghmCentesimi2Stringa(float(Tempo), CentesimiGiorno) : QString();
}

int TotaliItinerario::GiorniMinimi() const {
    if (Km == 0) return 0;
    const QString totale = TestoTempo();
    return int(Val(totale.left(2))) + (totale.mid(3) != QLatin1String("00:00") ? 1 : 0);
}

qint16 TotaliItinerario::GiorniRichiesti(const QString& giorni) const {
    qint16 richiesti = CInt(Val(giorni));
    const int minimo = GiorniMinimi();
    if (richiesti != 0 && richiesti < minimo) richiesti = qint16(minimo);
    return richiesti;
}
