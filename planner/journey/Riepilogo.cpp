#include "journey/Riepilogo.h"

#include <QHash>

#include "common/Date.h"
#include "common/Stringhe.h"
#include "model/TestiCalcolo.h"

namespace {

// Minutes of an "hh:mm" as the timetable shows it.
int Minuti(const QString& hhmm) {
    return hhmm.isEmpty() ? 0 : hhmm.left(2).toInt() * 60 + hhmm.right(2).toInt();
}

bool Datata(const RigaMarcia& r) {
    return r.Tipo == TipoRigaMarcia::Tratto || r.Tipo == TipoRigaMarcia::Sosta ||
           r.Tipo == TipoRigaMarcia::Imbarco;
}

QString Nome(const QString& localita) {
    return PrimoMaiuscolo(localita.trimmed());
}

} // namespace

QString GiornoRiepilogo::Data() const {
    int g = 0, m = 0, a = 0;
    Giul2Data(Giorno, g, m, a);
    return QStringLiteral("%1-%2-%3")
        .arg(a, 4, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(g, 2, 10, QLatin1Char('0'));
}

QString GiornoRiepilogo::GiornoSettimana() const {
    return GiornoSettimanaDi(Giorno);
}

Riepilogo CalcolaRiepilogo(const TabellaCalcolata& t, const Veicolo& v,
                           const std::function<bool(const QString&)>& sostaCamper) {
    Riepilogo rp;
    const int righe = qMin(int(t.Righe.size()), t.RigheTabella);
    std::optional<float> primo, ultimo;
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = t.Righe.at(r);
        if (!Datata(riga)) continue;
        if (!primo || riga.Giorno < *primo) primo = riga.Giorno;
        if (!ultimo || riga.Giorno > *ultimo) ultimo = riga.Giorno;
    }
    rp.GiornoRiga = QList<int>(t.Righe.size(), 0);
    if (!primo) return rp;
    const int giorni = int(*ultimo - *primo) + 1;
    rp.Giorni.resize(giorni);
    for (int d = 0; d < giorni; ++d)
        rp.Giorni[d].Giorno = *primo + float(d);
    auto giornoDi = [&](const RigaMarcia& r) { return int(r.Giorno - *primo); };

    QList<int> kmAutostrada(giorni, 0);
    // Nights spent on a ferry: the day before its landing, and its row.
    QHash<int, int> aBordo;
    // The last dated row of each day, for where its night is spent.
    QList<int> ultimaRiga(giorni, -1);
    int giorno = 0;
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = t.Righe.at(r);
        if (Datata(riga)) {
            giorno = giornoDi(riga);
            GiornoRiepilogo& g = rp.Giorni[giorno];
            const int ora = Minuti(OraTesto(riga.Ora));
            // The day begins when the motorhome sets off: a stretch's
            // departure is its arrival less its driving time.
            if (g.PrimaOra.isEmpty()) {
                const int partenza =
                    riga.Tipo == TipoRigaMarcia::Tratto ? ora - Minuti(OraTesto(riga.Tempo)) : ora;
                g.PrimaOra = TestoMinuti(qMax(0, partenza));
            }
            g.UltimaOra = TestoMinuti(ora);
            ultimaRiga[giorno] = r;
        }
        rp.GiornoRiga[r] = giorno;
        if (riga.Tipo == TipoRigaMarcia::Voce && riga.Chiuso)
            rp.Giorni[giorno].Avvisi << riga.Localita.trimmed() + u' ' + riga.MotivoChiuso;
        if (riga.Tipo != TipoRigaMarcia::Tratto) continue;
        if (riga.NotteABordo && giorno > 0) aBordo.insert(giorno - 1, r);
        GiornoRiepilogo& g = rp.Giorni[giorno];
        g.Km += riga.Km;
        // A crossing at its fixed hours is time at sea, not at the wheel.
        const bool traversata =
            riga.Tappa >= 1 && riga.Tappa < t.Tappe.size() && t.Tappe.at(riga.Tappa).ConPartenze();
        if (!traversata) g.MinutiGuida += Minuti(OraTesto(riga.Tempo));
        if (IndiceTipoStrada(riga.TipoStrada) == 0) kmAutostrada[giorno] += riga.Km;
        if (riga.Notte && riga.Verso)
            g.Avvisi << QStringLiteral("notte in viaggio verso ") + Nome(riga.Localita);
    }

    // Refuels: the tank starts full and is filled at the last arrival the
    // fuel left still reaches.
    const double autonomia = v.Autonomia();
    double resta = autonomia;
    int ultimoArrivo = -1;
    auto rifornisci = [&](int r) {
        ++rp.Giorni[giornoDi(t.Righe.at(r))].Rifornimenti;
        rp.RigheRifornimento << r;
        resta = autonomia;
    };
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = t.Righe.at(r);
        if (riga.Tipo != TipoRigaMarcia::Tratto || riga.Km <= 0) continue;
        if (riga.Km > resta && ultimoArrivo >= 0 && resta < autonomia) rifornisci(ultimoArrivo);
        if (riga.Km > resta) {
            // Not even a full tank reaches the end of this row.
            GiornoRiepilogo& g = rp.Giorni[giornoDi(riga)];
            const QString avviso = QStringLiteral("tratto più lungo dell'autonomia");
            if (!g.Avvisi.contains(avviso)) g.Avvisi << avviso;
            rifornisci(r);
            ultimoArrivo = r;
            continue;
        }
        resta -= riga.Km;
        ultimoArrivo = r;
    }

    // A ferry is paid on the day its stage is reached.
    QList<bool> traghettoPagato(t.Tappe.size(), false);
    int datata = -1;
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = t.Righe.at(r);
        if (Datata(riga)) datata = r;
        const int s = riga.Tappa;
        if (s < 1 || s >= t.Tappe.size() || traghettoPagato[s] || !t.Tappe.at(s).Traghetto()) continue;
        const bool arrivo = riga.Tipo == TipoRigaMarcia::Tratto && !riga.Verso;
        const bool senzaStrada = riga.Tipo == TipoRigaMarcia::Tappa;
        if (!arrivo && !senzaStrada) continue;
        traghettoPagato[s] = true;
        const std::optional<OrariTraghetto>& orari = t.Tappe.at(s).Orari;
        rp.Giorni[datata >= 0 ? giornoDi(t.Righe.at(datata)) : 0].Traghetti +=
            orari && orari->Costo ? *orari->Costo : v.CostoTraghetto;
    }

    int luogo = -1;
    for (int d = 0; d < giorni; ++d) {
        GiornoRiepilogo& g = rp.Giorni[d];
        if (ultimaRiga[d] >= 0) luogo = ultimaRiga[d];
        g.Carburante = g.Km * v.Consumo / 100 * v.Prezzo;
        g.Pedaggi = kmAutostrada[d] * v.Pedaggio;
        QStringList avvisi;
        if (g.MinutiGuida > v.GuidaMassima)
            avvisi << QStringLiteral("guida %1 oltre %2")
                          .arg(TestoMinuti(g.MinutiGuida), TestoMinuti(v.GuidaMassima));
        avvisi << g.Avvisi;
        if (d < giorni - 1 && luogo >= 0) {
            g.CostoNotte = v.CostoNotte;
            const RigaMarcia& riga = t.Righe.at(luogo);
            const QString nome = Nome(riga.Localita);
            if (aBordo.contains(d)) {
                g.Notte = QStringLiteral("a bordo verso ") + Nome(t.Righe.at(aBordo.value(d)).Localita);
            } else if (riga.Tipo == TipoRigaMarcia::Tratto && riga.Verso) {
                g.Notte = QStringLiteral("verso: ") + nome;
            } else {
                g.Notte = nome;
                if (sostaCamper && !sostaCamper(riga.Localita))
                    avvisi << QStringLiteral("nessuna sosta camper nella guida a ") + nome;
            }
        }
        g.Avvisi = avvisi;
    }

    // A night booked at a stage's locality that the plan does not spend there.
    int ultimaTappa = -1;
    for (int s = 1; s < t.Tappe.size(); ++s)
        if (!t.Tappe.at(s).Vuota()) ultimaTappa = s;
    for (int s = 1; s < t.Tappe.size(); ++s) {
        const Tappa& tappa = t.Tappe.at(s);
        if (!tappa.NottePrenotata) continue;
        const int d = int(*tappa.NottePrenotata - *primo);
        // The trip's last day ends where it arrives: a night booked there
        // on that day is spent there.
        const bool arrivoFinale = d == giorni - 1 && s == ultimaTappa;
        const bool raggiunta =
            d >= 0 && ((d < giorni - 1 && rp.Giorni.at(d).Notte == Nome(tappa.Localita)) || arrivoFinale);
        if (raggiunta) continue;
        ++rp.PrenotazioniMancate;
        rp.Giorni[qBound(0, d, giorni - 1)].Avvisi
            << QStringLiteral("notte prenotata a %1 il %2 non raggiunta")
                   .arg(Nome(tappa.Localita), DataTesto(*tappa.NottePrenotata));
    }

    for (int d = 0; d < giorni; ++d) {
        const GiornoRiepilogo& g = rp.Giorni.at(d);

        GiornoRiepilogo& tot = rp.Totale;
        tot.Km += g.Km;
        tot.MinutiGuida += g.MinutiGuida;
        tot.Rifornimenti += g.Rifornimenti;
        tot.Carburante += g.Carburante;
        tot.Pedaggi += g.Pedaggi;
        tot.Traghetti += g.Traghetti;
        tot.CostoNotte += g.CostoNotte;
    }
    return rp;
}

QStringList RigheRiepilogo(const Riepilogo& rp) {
    QStringList righe;
    auto riga = [](const QString& data, const QString& settimana, const GiornoRiepilogo& g) {
        return QStringList{data,
                           settimana,
                           QString::number(g.Km),
                           TestoMinuti(g.MinutiGuida),
                           g.PrimaOra,
                           g.UltimaOra,
                           g.Notte,
                           QString::number(g.Rifornimenti),
                           TestoEuro(g.Carburante),
                           TestoEuro(g.Pedaggi),
                           TestoEuro(g.Traghetti),
                           TestoEuro(g.CostoNotte),
                           TestoEuro(g.Costo()),
                           g.Avvisi.join(QStringLiteral("; "))}
            .join(u'\t');
    };
    for (const GiornoRiepilogo& g : rp.Giorni)
        righe << riga(g.Data(), g.GiornoSettimana(), g);
    righe << riga(QStringLiteral("Totale"), QString(), rp.Totale);
    return righe;
}

QStringList IntestazioniRiepilogo() {
    return {QStringLiteral("Data"),      QStringLiteral("Gg."),         QStringLiteral("Km"),
            QStringLiteral("Guida"),     QStringLiteral("Dalle"),       QStringLiteral("Alle"),
            QStringLiteral("Notte a"),   QStringLiteral("Rif."),        QStringLiteral("Carburante €"),
            QStringLiteral("Pedaggi €"), QStringLiteral("Traghetti €"), QStringLiteral("Notti €"),
            QStringLiteral("Spesa €"),   QStringLiteral("Avvisi")};
}
