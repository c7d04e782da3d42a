#include "model/ControlloMeta.h"

#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "model/CampiMeta.h"

namespace {

// A correction counts only when it changes what the list shows.
bool Cambia(QString& valore, const QString& testo) {
    if (valore == testo) return false;
    valore = testo;
    return true;
}

QString Ora(int ora) {
    return Zero(ora, 2);
}

// Reads time k, bringing its hour into the list's range; gives the value
// read before any correction.
float ControlloOrario(ValoriMeta& v, int k, bool& corretto) {
    QString& ora = v.Ora[size_t(k)];
    QString& minuti = v.Minuti[size_t(k)];
    if (ora.isEmpty()) ora = Ora(ListeMeta::PrimaOra[size_t(k)]);
    if (minuti.isEmpty()) minuti = QStringLiteral("00");
    QString testo = ora + QStringLiteral(":") + minuti;
    const float valore = ghmStringa2Centesimi(testo, CentesimiGiorno);

    const double oraLetta = Int(valore / 100);
    if (oraLetta < ListeMeta::PrimaOra[size_t(k)])
        corretto = Cambia(ora, Ora(ListeMeta::PrimaOra[size_t(k)])) || corretto;
    else if (oraLetta > ListeMeta::UltimaOra[size_t(k)])
        corretto = Cambia(ora, Ora(ListeMeta::UltimaOra[size_t(k)])) || corretto;
    return valore;
}

qint16 Intervallo(const QString& testo, int massimo) {
    const double v = Val(testo);
    return v < 0 || v > massimo ? qint16(0) : CInt(v);
}

} // namespace

ParametriMetaTipo ControllaValoriMeta(ValoriMeta& v) {
    ParametriMetaTipo p;
    // A speed of 0, empty or not a number would divide by zero later, and one
    // below 1 km/h (only a file can hold it) never end a stage.
    for (size_t k = 0; k < 4; ++k)
        if (Val(v.MediaKm[k]) < 1) v.MediaKm[k] = QString::number(ListeMeta::VelocitaMinima[k]);

    // Every correction either moves a value to a fixed entry or copies
    // another value, so a few passes settle it; the bound only guards
    // against a list that offers nothing.
    for (int passo = 0; passo < 50; ++passo) {
        bool corretto = false;
        float* orari[9] = {&p.OraColazione, &p.OraPranzo,    &p.OraCena,    &p.OraNotte,    &p.DurataPranzo,
                           &p.DurataCena,   &p.InizioVisita, &p.FineVisita, &p.OreTraghetti};
        for (int k = 0; k < 9; ++k)
            *orari[k] = ControlloOrario(v, k, corretto);

        const double minuti = Val(v.RiposoMinuti);
        p.RiposoMinuti = CInt(minuti * 100 / 60);
        if (p.RiposoMinuti < 0 || p.RiposoMinuti > 100) p.RiposoMinuti = 0;
        p.RiposoOre = Intervallo(v.RiposoOre, 10);
        p.RiposoGiorno = Intervallo(v.RiposoGiorno, 4);
        p.RiposoDopoGiorni = Intervallo(v.RiposoDopoGiorni, 10);

        p.DataInizio = Data2Giul(DataInizioValori(v));
        QString inizio = v.Inizio[3] + QStringLiteral(":") + v.Inizio[4];
        p.OraInizio = ghmStringa2Centesimi(inizio, CentesimiGiorno);
        p.DataInizioFissa = p.DataInizio;
        p.OraInizioFissa = p.OraInizio;

        if (p.OraPranzo - 100 < p.OraColazione)
            corretto = Cambia(v.Ora[0], Ora(ListeMeta::PrimaOra[0])) || corretto;
        if (p.OraCena - 100 < p.OraPranzo + p.DurataPranzo)
            corretto = Cambia(v.Ora[1], Ora(ListeMeta::PrimaOra[1])) || corretto;
        if (p.OraCena + p.DurataCena > p.OraNotte)
            corretto = Cambia(v.Ora[2], Ora(ListeMeta::PrimaOra[2])) || corretto;
        if (p.OraNotte > 2400) {
            v.Ora[3] = QStringLiteral("24");
            v.Minuti[3] = QStringLiteral("00");
        }
        if (p.InizioVisita < p.OraColazione) {
            const bool a = Cambia(v.Ora[6], v.Ora[0]);
            const bool b = Cambia(v.Minuti[6], v.Minuti[0]);
            corretto = a || b || corretto;
        }
        if (p.FineVisita > p.OraNotte) {
            const bool a = Cambia(v.Ora[7], v.Ora[3]);
            const bool b = Cambia(v.Minuti[7], v.Minuti[3]);
            corretto = a || b || corretto;
        }
        if (!corretto) break;
    }
    p.GiorniAdeguamento = CInt(qMax(0.0, Val(v.Giorni)));
    p.TempoGuidaGiornaliero = p.OraNotte - p.OraColazione - p.DurataPranzo - p.DurataCena;
    p.TempoVisitaGiornaliero = p.FineVisita - p.InizioVisita;
    return p;
}

ParametriMetaTipo AggiornaValoriMeta(ValoriMeta& v) {
    ParametriMetaTipo p = ControllaValoriMeta(v);
    if (p.DurataPranzo > 350) p.DurataPranzo = 200;
    if (p.DurataCena > 250) p.DurataCena = 150;
    if (p.OraColazione > 1200) p.OraColazione = 900;
    if (p.OraPranzo < 1000) p.OraPranzo = 1000;
    if (p.OraPranzo > 1600) p.OraPranzo = 1600;
    if (p.OraCena < 1700 || p.OraCena > 2200) p.OraCena = 2000;
    if (p.OraNotte < 1900) p.OraNotte = 1900;
    if (p.OraNotte > 2400) p.OraNotte = 2400;
    if (p.OraPranzo <= p.OraColazione) p.OraPranzo = p.OraColazione + 100;
    if (p.OraPranzo + p.DurataPranzo >= p.OraCena) p.OraCena = p.OraPranzo + p.DurataPranzo + 100;
    if (p.OraCena + p.DurataCena >= p.OraNotte) p.OraNotte = p.OraCena + 15;
    if (p.OreTraghetti == 0) p.OreTraghetti = 100;
    if (p.InizioVisita < p.OraColazione) p.InizioVisita = p.OraColazione;
    if (p.FineVisita > p.OraNotte) p.FineVisita = p.OraNotte;

    // Back to the lists. The hour is the value's whole hours, so 2400 shows
    // as 24:00 and not as the 00 of the next day.
    const float orari[9] = {p.OraColazione, p.OraPranzo,    p.OraCena,    p.OraNotte,    p.DurataPranzo,
                            p.DurataCena,   p.InizioVisita, p.FineVisita, p.OreTraghetti};
    for (size_t k = 0; k < 9; ++k) {
        const QString s = ghmCentesimi2Stringa(orari[k], CentesimiGiorno);
        const int ore = int(Val(s.left(2))) * 24 + int(Val(s.mid(3, 2)));
        v.Ora[k] = Zero(ore, 2);
        v.Minuti[k] = s.isEmpty() ? QStringLiteral("00") : s.right(2);
    }
    v.RiposoMinuti = Zero(CInt(p.RiposoMinuti * 60.0 / 100), 2);
    v.RiposoOre = Zero(p.RiposoOre, 2);
    v.RiposoGiorno = Zero(p.RiposoGiorno, 2);
    v.RiposoDopoGiorni = Zero(p.RiposoDopoGiorni, 2);
    return p;
}

std::array<double, 4> VelocitaValori(const ValoriMeta& v) {
    std::array<double, 4> velocita{};
    for (size_t i = 0; i < 4; ++i) {
        const double kmh = Val(v.MediaKm[i]);
        velocita[i] = kmh >= 1 ? kmh : ListeMeta::VelocitaMinima[i];
    }
    return velocita;
}

QString DataInizioValori(const ValoriMeta& v) {
    return Zero(v.Inizio[0], 2) + Zero(v.Inizio[1], 2) + Zero(v.Inizio[2], 4);
}

int SceltaSosteDaTesto(const QString& calcoloSoste) {
    const QString testo = calcoloSoste.trimmed();
    double n = testo.isEmpty() ? 3 : Val(testo);
    if (n > 5) n = 3;
    return n < 1 ? 1 : int(n);
}

ValoriMeta ValoriDaRecord(const RecordMeta& r) {
    ValoriMeta v;
    v.Inizio = {r.DataInizio.left(2), r.DataInizio.mid(2, 2), r.DataInizio.right(4), r.OraInizio.left(2),
                r.OraInizio.right(2)};
    v.MediaKm = r.Medie;
    for (size_t k = 0; k < 9; ++k) {
        v.Ora[k] = r.Orari[k].left(2);
        v.Minuti[k] = r.Orari[k].mid(2, 2);
    }
    v.RiposoMinuti = Zero(r.RiposoMinuti, 2);
    v.RiposoOre = Zero(r.RiposoOre, 2);
    v.RiposoGiorno = Zero(r.RiposoGiorno, 2);
    v.RiposoDopoGiorni = Zero(r.RiposoDopoGiorni, 2);
    // Three digits: the days wanted reach 997.
    v.Giorni = Zero(r.GiorniAdeguamento, 3);
    v.SceltaSoste = SceltaSosteDaTesto(r.CalcoloSoste);
    return v;
}

ValoriMeta ValoriIncorporati() {
    ValoriMeta v;
    for (size_t k = 0; k < 4; ++k)
        v.MediaKm[k] = QString::fromLatin1(VelocitaDefault[k]);
    for (size_t k = 0; k < 9; ++k) {
        const QString hhmm = QString::fromLatin1(OrariDefault[k]);
        v.Ora[k] = hhmm.left(2);
        v.Minuti[k] = hhmm.right(2);
    }
    v.RiposoMinuti = QString::fromLatin1(RiposiDefault[0]);
    v.RiposoOre = QString::fromLatin1(RiposiDefault[1]);
    v.RiposoGiorno = QString::fromLatin1(RiposiDefault[2]);
    v.RiposoDopoGiorni = QString::fromLatin1(RiposiDefault[3]);
    v.SceltaSoste = SceltaSosteDaTesto(QString::fromLatin1(CalcoloSosteDefault));
    return v;
}

Viaggio ViaggioDaValori(const QString& codiceMeta, ValoriMeta& valori) {
    Viaggio viaggio;
    viaggio.CodiceMeta = codiceMeta;
    viaggio.Parametri = ControllaValoriMeta(valori);
    viaggio.DataInizio = DataInizioValori(valori);
    viaggio.Velocita = VelocitaValori(valori);
    viaggio.SceltaSoste = valori.SceltaSoste;
    return viaggio;
}
