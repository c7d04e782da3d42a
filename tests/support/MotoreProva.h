#pragma once
// The timetable engine fed directly, without a database or a window: a trip
// from the built-in parameters and a few "chiave=valore" changes, its stages
// as "locality|road|km|type|stop", and a city guide in memory.
#include <QHash>
#include <QSet>
#include <QStringList>

#include "common/Date.h"
#include "common/Tempi.h"
#include "model/ControlloMeta.h"
#include "model/TotaliItinerario.h"
#include "timetable/ServizioCalcolo.h"

class GuidaInMemoria : public GuidaCalcolo {
public:
    // "locality|code|description|hh:mm", then optionally the days it is
    // closed ("lun,mar") and its hours ("09:00-13:00").
    explicit GuidaInMemoria(const QStringList& voci = {}) {
        for (const QString& v : voci) {
            const QStringList c = v.split(u'|');
            VoceGuida voce;
            voce.Localita = c.at(0);
            voce.CodiceGuida = c.at(1);
            voce.Descrizione = c.at(2);
            voce.TempoSosta = c.at(3);
            if (c.size() > 4) voce.Chiuso = GiorniDaTesto(c.at(4)).value_or(0);
            if (c.size() > 5 && c.at(5).size() == 11) {
                voce.Dalle = c.at(5).left(2).toInt() * 60 + c.at(5).mid(3, 2).toInt();
                voce.Alle = c.at(5).mid(6, 2).toInt() * 60 + c.at(5).right(2).toInt();
            }
            voci_[c.at(0)].append(voce);
        }
    }
    double TempoLocalita(const QString& localita) override {
        if (contate_.contains(localita)) return 0;
        contate_.insert(localita);
        double tempo = 0;
        for (const VoceGuida& v : voci_.value(localita))
            tempo += CentesimiTempoGuida(v.TempoSosta);
        return tempo;
    }
    const QList<VoceGuida>& Voci(const QString& localita) override { return voci_[localita]; }

private:
    QHash<QString, QList<VoceGuida>> voci_;
    QSet<QString> contate_;
};

// The trip's values: the built-in ones, a start, and changes such as
// "A=100" (speeds A, S, P, L), "ora1=13:00" (the daily times, as the trip
// screen's lists 0..8), "ripM=15", "ripH=02", "ripG=01", "ripGG=03",
// "giorni=004", "soste=2".
inline ValoriMeta ValoriProva(const QString& data, const QString& ora, const QStringList& modifiche) {
    ValoriMeta v = ValoriIncorporati();
    v.Inizio = {data.left(2), data.mid(3, 2), data.right(4), ora.left(2), ora.right(2)};
    v.RiposoMinuti = QStringLiteral("15");
    v.RiposoOre = v.RiposoGiorno = v.RiposoDopoGiorni = QStringLiteral("00");
    v.Giorni = QStringLiteral("000");
    const QHash<QString, QString*> testi = {{"ripM", &v.RiposoMinuti},
                                            {"ripH", &v.RiposoOre},
                                            {"ripG", &v.RiposoGiorno},
                                            {"ripGG", &v.RiposoDopoGiorni},
                                            {"giorni", &v.Giorni}};
    for (const QString& m : modifiche) {
        const QString chiave = m.section(u'=', 0, 0);
        const QString valore = m.section(u'=', 1);
        const qsizetype tipo = QStringLiteral("ASPL").indexOf(chiave);
        if (chiave.size() == 1 && tipo >= 0)
            v.MediaKm[size_t(tipo)] = valore;
        else if (chiave.startsWith(QLatin1String("ora"))) {
            const size_t k = size_t(chiave.mid(3).toInt());
            v.Ora[k] = valore.left(2);
            v.Minuti[k] = valore.right(2);
        } else if (testi.contains(chiave))
            *testi.value(chiave) = valore;
        else if (chiave == QLatin1String("soste"))
            v.SceltaSoste = valore.toInt();
    }
    return v;
}

// A sixth field gives a ferry's departures: "08:00,22:00;giorni;durata;anticipo"
// (days as "lun,mar", empty for every day; durata "hh:mm"; anticipo minutes);
// a seventh a night booked there, "gg/mm/aaaa".
inline QList<Tappa> TappeProva(const QStringList& tappe) {
    QList<Tappa> t;
    for (const QString& riga : tappe) {
        const QStringList c = riga.split(u'|');
        QStringList celle(8);
        for (int k = 0; k < c.size() && k < 5; ++k)
            celle[k == 4 ? 7 : k + 1] = c.at(k);
        Tappa tappa = TappaDaCelle(celle);
        if (c.size() > 5 && !c.at(5).isEmpty()) {
            const QStringList f = c.at(5).split(u';');
            OrariTraghetto o;
            for (const QString& p : f.at(0).split(u','))
                o.Partenze << p.left(2).toInt() * 60 + p.right(2).toInt();
            if (f.value(1).size()) o.Giorni = *GiorniDaTesto(f.value(1));
            o.Durata = f.value(2).left(2).toInt() * 60 + f.value(2).right(2).toInt();
            if (f.size() > 3) o.Anticipo = f.value(3).toInt();
            tappa.Orari = o;
        }
        if (c.size() > 6 && !c.at(6).isEmpty()) tappa.NottePrenotata = Data2Giul(DataClear(c.at(6)));
        t << tappa;
    }
    return t;
}

// The whole calculation, as the calculation service runs it.
inline EsitoCalcolo CalcolaProva(ValoriMeta valori, const QStringList& tappe, const QStringList& guida = {},
                                 const QString& codice = QStringLiteral("000001")) {
    IngressoCalcolo in;
    in.Meta = ViaggioDaValori(codice, valori);
    in.Meta.Localita = QStringLiteral("PROVA");
    in.Tappe = TappeProva(tappe);
    const TotaliItinerario totali = CalcolaTotaliItinerario(in.Tappe, VelocitaTotali(valori.MediaKm));
    QString tempo = totali.TestoTempo();
    in.TempoGuidaTotale = ghmStringa2Centesimi(tempo, CentesimiGiorno);
    const QStringList tipi = {"",        "Ottimo",    "Da vedere",  "Interessante", "Vedibile", "Punto Sosta",
                              "PS e CS", "Campeggio", "Ristorante", "Gpl",          ""};
    for (int k = 0; k < 11; ++k)
        in.TipiGuida[size_t(k)] = tipi.at(k);
    GuidaInMemoria memoria(guida);
    ServiziCalcolo servizi;
    servizi.Ricontrolla = [&valori](ParametriMetaTipo& p) { p = AggiornaValoriMeta(valori); };
    return EseguiCalcolo(std::move(in), memoria, servizi);
}

// The rows the command line prints, cells joined by "|" (trailing empty
// cells dropped).
inline QStringList RigheProva(const TabellaCalcolata& t) {
    QStringList righe;
    for (int r = 1; r < t.RigheTabella; ++r) {
        const std::array<QString, ColonneMarcia> celle = t.Celle(r);
        if (celle[MarciaLocalita].trimmed().isEmpty()) continue;
        QStringList c(celle.begin(), celle.end());
        while (!c.isEmpty() && c.last().isEmpty())
            c.removeLast();
        righe << c.join(u'|');
    }
    return righe;
}
