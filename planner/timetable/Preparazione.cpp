// The prepared stage table that a calculation drives: the stages copied
// without gaps, each with its locality's city-guide time and the stop that
// the trip's choice keeps.
#include <QDate>

#include "common/Numeri.h"
#include "common/Tempi.h"
#include "itinerary/ColonneGriglie.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

namespace {

QString Tempo(float centesimi) {
    return ghmCentesimi2Stringa(centesimi, CentesimiGiorno);
}

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

QStringList LocalitaTappe(const QList<QStringList>& tappe) {
    QStringList localita;
    for (const QStringList& tappa : tappe)
        localita << tappa.value(TappaLocalita);
    return localita;
}

bool CalcoloTabellaDiMarcia::Prepara() {
    s_.TotaleSoste = 0;
    if (!ControllaIngresso()) return false;
    const int colonne = in_.Tappe.isEmpty() ? int(ColonneMarcia) : int(in_.Tappe.first().size());
    s_.Preparata = QList<QStringList>(in_.Tappe.size() + 1, QStringList(colonne));
    if (servizi_.Etichetta) servizi_.Etichetta(QStringLiteral("Elaborazione delle soste e guida città"));

    QString precedente = QStringLiteral("\\");
    int k = 0;
    for (const QStringList& tappa : std::as_const(in_.Tappe)) {
        const QString localita = tappa.value(TappaLocalita);
        if (localita.trimmed().isEmpty()) continue;
        ++k;
        Avanza(k, in_.Tappe.size());
        QStringList& t = s_.Preparata[k];
        t = tappa;
        while (t.size() <= TappaSostaApplicata)
            t.append(QString());

        // A locality's guide time counts once, at the first stage that
        // reaches it: its entries are marked visited.
        float G = 0;
        if (localita != precedente) {
            precedente = localita;
            G = float(guida_.TempoLocalita(localita));
        }
        t[TappaGuida] = Tempo(G);

        QString I = t.at(TappaSosta).trimmed();
        for (int c = TappaFineGiornata; c <= TappaSostaApplicata; ++c)
            t[c].clear();
        if (I.startsWith(u'*')) {
            t[TappaFineGiornata] = QStringLiteral("1");
            I = I.mid(1);
        }
        float Si = ghmStringa2Centesimi(I, CentesimiGiorno);
        if (Si == 0 && G == 0) continue;
        if (!ApplicaScelta(in_.SceltaSoste, Si, G)) t[TappaFineGiornata].clear();
        const float S = G + Si;
        s_.TotaleSoste += S;
        t[TappaSostaItinerario] = Tempo(Si);
        t[TappaSostaGuida] = Tempo(G);
        t[TappaSostaApplicata] = Tempo(S);
    }
    return true;
}

// Values that only a file or an edit outside the planner can hold: a start
// date that is no date, or a negative stop, would run the calendar or the
// clock into nonsense.
bool CalcoloTabellaDiMarcia::ControllaIngresso() {
    const QString meta = in_.CodiceMeta.isEmpty() ? QStringLiteral("(non salvata)") : in_.CodiceMeta;
    const QString& data = in_.DataInizioTesto;
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
    for (const QStringList& tappa : std::as_const(in_.Tappe)) {
        const QString localita = tappa.value(TappaLocalita);
        if (localita.trimmed().isEmpty()) continue;
        ++k;
        QString sosta = tappa.value(TappaSosta).trimmed();
        if (sosta.startsWith(u'*')) sosta = sosta.mid(1);
        QString tempo = sosta;
        if (ghmStringa2Centesimi(tempo, CentesimiGiorno) >= 0) continue;
        errore_ = QStringLiteral("Mèta %1, tappa %2 (%3), campo TempoSosta: \"%4\" è un tempo negativo.")
                      .arg(meta, QString::number(k), localita.trimmed(), sosta);
        return false;
    }
    return true;
}
