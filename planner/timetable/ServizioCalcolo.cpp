#include "timetable/ServizioCalcolo.h"

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "guide/TipiGuida.h"
#include "model/ControlloMeta.h"
#include "timetable/GuidaDatabase.h"

std::array<QString, ColonneMarcia> TabellaCalcolata::Celle(int r) const {
    if (r < 1 || r >= Righe.size()) return {};
    return CelleRiga(Righe.at(r), r, TipiGuida);
}

TestiTotali TabellaCalcolata::Totale() const {
    TestiTotali t = TestiDeiTotali(Totali);
    auto resta = [](std::optional<QString>& calcolato, const std::optional<QString>& schermo) {
        if (!calcolato) calcolato = schermo.value_or(QString());
    };
    for (size_t k = 0; k < 5; ++k) {
        resta(t.Km[k], TotaliSchermo.Km[k]);
        resta(t.Tempo[k], TotaliSchermo.Tempo[k]);
    }
    resta(t.Traghetti, TotaliSchermo.Traghetti);
    for (size_t k = 0; k < 6; ++k)
        resta(t.Fine[k], TotaliSchermo.Fine[k]);
    resta(t.Giorni, TotaliSchermo.Giorni);
    return t;
}

EsitoCalcolo CalcolaViaggio(Database& db, ViaggioCaricato viaggio, const ServiziCalcolo& servizi) {
    EsitoCalcolo esito;
    TabellaCalcolata& t = esito.Tabella;
    const TotaliItinerario& it = viaggio.Totali;
    for (size_t k = 0; k < 4; ++k) {
        const bool km = it.KmTipo[k] != 0;
        t.TotaliSchermo.Km[k] = km ? Formato(it.KmTipo[k], QStringLiteral("#,##0")) : QString();
        t.TotaliSchermo.Tempo[k] =
            km ? ghmCentesimi2Stringa(float(it.TempoTipo[k]), CentesimiGiorno) : QString();
    }
    t.TotaliSchermo.Km[4] = it.Km != 0 ? Formato(it.Km, QStringLiteral("#,##0")) : QString();
    t.TotaliSchermo.Tempo[4] = it.TestoTempo();
    t.TotaliSchermo.Traghetti = Formato(it.Traghetti, QStringLiteral("#0"));
    t.TipiGuida = LeggiTipiGuida(db).Descrizione;

    IngressoCalcolo ingresso;
    ingresso.Meta = ViaggioDaCalcolare(viaggio);
    t.Meta = ingresso.Meta;
    QString tempoGuida = it.TestoTempo();
    ingresso.TempoGuidaTotale = ghmStringa2Centesimi(tempoGuida, CentesimiGiorno);
    ingresso.Tappe = viaggio.Tappe;
    ingresso.TipiGuida = t.TipiGuida;

    // Nothing is written: the visited flags of this run stay in memory.
    GuidaDatabase guida(db, LocalitaTappe(ingresso.Tappe));
    ServiziCalcolo s = servizi;
    ValoriMeta& valori = viaggio.Valori;
    if (!s.Ricontrolla) s.Ricontrolla = [&valori](ParametriMetaTipo& p) { p = AggiornaValoriMeta(valori); };
    CalcoloTabellaDiMarcia motore(std::move(ingresso), guida, s);
    if (!motore.Prepara()) {
        esito.Errore = motore.Errore();
        return esito;
    }
    if (!motore.Passate()) {
        esito.Errore = QStringLiteral("Calcolo interrotto.");
        return esito;
    }
    motore.LimitiRitorno();
    const StatoCalcolo& stato = motore.Stato();
    t.Righe = stato.Righe;
    t.RigheTabella = stato.RigheTabella;
    t.Totali = stato.Totali;
    t.Passate = stato.NumeroTentativo;
    t.Messaggio = motore.MessaggioFinale();
    esito.Riuscito = true;
    return esito;
}

EsitoCalcolo CalcolaMeta(Database& db, const QString& codice, const ServiziCalcolo& servizi) {
    QString errore;
    std::optional<ViaggioCaricato> viaggio = CaricaViaggio(db, codice, errore);
    if (!viaggio) {
        EsitoCalcolo esito;
        esito.Errore = errore;
        return esito;
    }
    return CalcolaViaggio(db, std::move(*viaggio), servizi);
}
