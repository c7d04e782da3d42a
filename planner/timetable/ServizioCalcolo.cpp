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

void TabellaCalcolata::RiprendiStato(const StatoCalcolo& stato) {
    Righe = stato.Righe;
    Tappe.clear();
    Tappe.reserve(stato.Preparata.size());
    for (const TappaPreparata& p : stato.Preparata)
        Tappe << p.Dati;
    RigheTabella = stato.RigheTabella;
    Totali = stato.Totali;
    Passate = stato.NumeroTentativo;
}

EsitoCalcolo EseguiCalcolo(IngressoCalcolo ingresso, GuidaCalcolo& guida, const ServiziCalcolo& servizi) {
    EsitoCalcolo esito;
    TabellaCalcolata& t = esito.Tabella;
    t.Meta = ingresso.Meta;
    t.TipiGuida = ingresso.TipiGuida;
    CalcoloTabellaDiMarcia motore(std::move(ingresso), guida, servizi);
    if (!motore.Prepara()) {
        esito.Errore = motore.Errore();
        return esito;
    }
    if (!motore.Passate()) {
        esito.Errore = QStringLiteral("Calcolo interrotto.");
        return esito;
    }
    motore.LimitiRitorno();
    t.RiprendiStato(motore.Stato());
    t.Messaggio = motore.MessaggioFinale();
    esito.Riuscito = true;
    return esito;
}

EsitoCalcolo CalcolaViaggio(Database& db, ViaggioCaricato viaggio, const ServiziCalcolo& servizi) {
    const TotaliItinerario& it = viaggio.Totali;
    TestiTotali schermo;
    for (size_t k = 0; k < 4; ++k) {
        const bool km = it.KmTipo[k] != 0;
        schermo.Km[k] = km ? Formato(it.KmTipo[k], QStringLiteral("#,##0")) : QString();
        schermo.Tempo[k] = km ? ghmCentesimi2Stringa(float(it.TempoTipo[k]), CentesimiGiorno) : QString();
    }
    schermo.Km[4] = it.Km != 0 ? Formato(it.Km, QStringLiteral("#,##0")) : QString();
    schermo.Tempo[4] = it.TestoTempo();
    schermo.Traghetti = Formato(it.Traghetti, QStringLiteral("#0"));

    IngressoCalcolo ingresso;
    ingresso.Meta = ViaggioDaCalcolare(viaggio);
    QString tempoGuida = it.TestoTempo();
    ingresso.TempoGuidaTotale = ghmStringa2Centesimi(tempoGuida, CentesimiGiorno);
    ingresso.Tappe = viaggio.Tappe;
    ingresso.TipiGuida = LeggiTipiGuida(db).Descrizione;

    // Nothing is written: the visited flags of this run stay in memory.
    GuidaDatabase guida(db, LocalitaTappe(ingresso.Tappe));
    ServiziCalcolo s = servizi;
    ValoriMeta& valori = viaggio.Valori;
    if (!s.Ricontrolla) s.Ricontrolla = [&valori](ParametriMetaTipo& p) { p = AggiornaValoriMeta(valori); };
    EsitoCalcolo esito = EseguiCalcolo(std::move(ingresso), guida, s);
    esito.Tabella.TotaliSchermo = schermo;
    esito.Tabella.Valori = valori;
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
