// The stage editor's stop commands: clearing every stop, and adding the
// city guide's visit times to the stops.
#include <QHash>

#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "database/Database.h"
#include "guide/PassaggioGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"

namespace {

// Localita of the guide holds what the itinerary stores: 29 characters.
constexpr int LunghezzaLocalita = 29;

double CentesimiVoceGuida(const QString& tempo) {
    QString testo = tempo;
    return ghmStringa2Centesimi(testo, CentesimiGiorno);
}

QString AvvisoModifica(const char* domanda, const char* effetto) {
    return QString::fromUtf8(domanda) +
           QStringLiteral("\r\n\r\nI tempi traghetto e riposi non sono influenzati e la\r\n") +
           QString::fromUtf8(effetto) +
           QStringLiteral(" sarà effettiva dopo il salvataggio dell'itinerario.") +
           QStringLiteral("\r\n\r\nProcedo?");
}

} // namespace

void ControlloreItinerario::cmdAzzeraSoste_Click() {
    if (f_.Sistema().MsgBox(
            AvvisoModifica("Vuoi azzerare le soste indicate nell'itinerario?", "cancellazione"),
            Msg::YesNo | Msg::Question, QStringLiteral("Azzera soste itinerario")) != Msg::Yes)
        return;
    Griglia& g = mfgTab;
    // The end-of-day mark goes with the stop, and so does its colour.
    for (int r = 1; r < g.Rows(); ++r) {
        g.SetTextMatrix(r, TappaSosta, QString());
        Griglia::StileCella stile = g.Stile(r, TappaSosta);
        stile.BackColor = int(Itinerario.ColoreBaseCelle);
        g.SetStile(r, TappaSosta, stile);
    }
    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
}

void ControlloreItinerario::cmdTrasferisce_Click() {
    if (f_.Sistema().MsgBox(
            AvvisoModifica("Vuoi copiare le soste indicate nella Guida nelle tappe dell'itinerario?",
                           "modifica"),
            Msg::YesNo | Msg::Question, QStringLiteral("Copia soste Guida -> Itinerario")) != Msg::Yes)
        return;
    Griglia& g = mfgTab;
    // The new stops reach the grid only once the visited flags are
    // committed: a failure leaves both as they were.
    QHash<int, QString> soste;
    f_.FineAvanzamento();
    try {
        Database::Transazione transazione(Db());
        // The pass leaves what resetting every flag and then marking would.
        QStringList tutte;
        for (int r = 1; r < g.Rows(); ++r)
            tutte << g.TextMatrix(r, TappaLocalita).trimmed().left(LunghezzaLocalita);
        PassaggioGuida guida(Db(), &CentesimiVoceGuida, tutte);
        f_.InizioAvanzamento(QStringLiteral("Copia soste Guida -> Itinerario"), g.Rows() - 1);
        for (int r = 1; r < g.Rows(); ++r) {
            f_.Avanza();
            const QString localita = g.TextMatrix(r, TappaLocalita).trimmed();
            if (localita.isEmpty()) continue;
            // Each locality's entries count once, on its first stage.
            const double tempoGuida = guida.TempoLocalita(localita.left(LunghezzaLocalita));
            if (tempoGuida <= 0) continue;
            QString sosta = g.TextMatrix(r, TappaSosta).trimmed();
            const bool fineGiornata = sosta.startsWith(u'*');
            if (fineGiornata) sosta = sosta.mid(1).trimmed();
            const double totale = ghmStringa2Centesimi(sosta, CentesimiGiorno) + tempoGuida;
            soste.insert(r, (fineGiornata ? QStringLiteral("*") : QString()) +
                                ghmCentesimi2Stringa(float(totale), CentesimiGiorno));
        }
        guida.ScriviVisti();
        transazione.Conferma();
    } catch (...) {
        f_.FineAvanzamento();
        throw;
    }
    f_.FineAvanzamento();
    for (auto it = soste.cbegin(); it != soste.cend(); ++it)
        g.SetTextMatrix(it.key(), TappaSosta, it.value());
    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
}
