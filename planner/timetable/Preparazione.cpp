// The prepared stage table that a calculation drives: the stages without
// gaps, each with its locality's city-guide time and the stop that the trip's
// choice keeps.
#include <QDate>

#include "model/TestiCalcolo.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

namespace {

// Which of the itinerary stop Si and the guide time G a stop choice keeps;
// false when the end of the day goes as well.
bool ApplicaScelta(int scelta, float& Si, float& G) {
    switch (scelta) {
    case 2:
        Si = 0;
        return false;
    case 3:
        // The larger; equal times keep the itinerary stop.
        if (0 < G && G <= Si)
            G = 0;
        else if (G >= Si)
            Si = 0;
        return true;
    case 4:
        // The smaller; without an itinerary stop there is none at all.
        if (G >= Si)
            G = 0;
        else if (G > 0)
            Si = 0;
        return true;
    case 5:
        Si = 0;
        G = 0;
        return false;
    default:
        return true;
    }
}

} // namespace

QStringList LocalitaTappe(const QList<Tappa>& tappe) {
    QStringList localita;
    localita.reserve(tappe.size());
    for (const Tappa& tappa : tappe)
        localita << tappa.Localita;
    return localita;
}

bool CalcoloTabellaDiMarcia::Prepara() {
    s_.TotaleSoste = 0;
    if (!ControllaIngresso()) return false;
    // As many rows as the stage list: those after the last stage stay empty
    // and the passes number them all the same.
    s_.Preparata = QList<TappaPreparata>(in_.Tappe.size() + 1);
    if (servizi_.Etichetta) servizi_.Etichetta(QStringLiteral("Elaborazione delle soste e guida città"));

    QString precedente = QStringLiteral("\\");
    int k = 0;
    for (int i = 0; i < in_.Tappe.size(); ++i) {
        const Tappa& tappa = in_.Tappe.at(i);
        if (tappa.Vuota()) continue;
        ++k;
        Avanza(k, in_.Tappe.size());
        TappaPreparata& t = s_.Preparata[k];
        t.Riga = i;
        t.Dati = tappa;

        // A locality's guide time counts once, at the first stage that
        // reaches it: its entries are marked visited.
        float G = 0;
        if (tappa.Localita != precedente) {
            precedente = tappa.Localita;
            G = float(guida_.TempoLocalita(tappa.Localita));
        }
        t.Guida = G;
        t.FineGiornata = tappa.FineGiornata;
        float Si = tappa.Sosta;
        if (Si == 0 && G == 0) continue;
        if (!ApplicaScelta(in_.Meta.SceltaSoste, Si, G)) t.FineGiornata = false;
        const float S = G + Si;
        s_.TotaleSoste += S;
        t.SostaItinerario = Si;
        t.SostaGuida = G;
        t.SostaApplicata = AiMinuti(S);
    }
    return true;
}

// Values that only a file or an edit outside the planner can hold: a start
// date that is no date, or a negative stop, would run the calendar or the
// clock into nonsense.
bool CalcoloTabellaDiMarcia::ControllaIngresso() {
    const QString meta =
        in_.Meta.CodiceMeta.isEmpty() ? QStringLiteral("(non salvata)") : in_.Meta.CodiceMeta;
    const QString& data = in_.Meta.DataInizio;
    bool cifre = data.size() == 8;
    for (QChar c : data)
        cifre = cifre && c.isDigit();
    const QDate giorno =
        cifre ? QDate(data.right(4).toInt(), data.mid(2, 2).toInt(), data.left(2).toInt()) : QDate();
    if (!giorno.isValid() || giorno.year() < 1900 || giorno.year() > 2100) {
        errore_ =
            QStringLiteral("Mèta %1, campo DataInizio: \"%2\" non è una data valida (ggmmaaaa, anni dal "
                           "1900 al 2100).")
                .arg(meta, data);
        return false;
    }
    int k = 0;
    for (const Tappa& tappa : std::as_const(in_.Tappe)) {
        if (tappa.Vuota()) continue;
        ++k;
        if (tappa.Sosta >= 0) continue;
        errore_ = QStringLiteral("Mèta %1, tappa %2 (%3), campo TempoSosta: \"%4\" è un tempo negativo.")
                      .arg(meta, QString::number(k), tappa.Localita.trimmed(), tappa.SostaTesto);
        return false;
    }
    return true;
}
