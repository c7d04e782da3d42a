// Fixed times: a ferry that sails at its hour, and the opening days and hours
// of the city guide's entries. Times here are absolute, day * 2400 plus the
// clock, in double precision: day numbers run to hundreds of thousands.
#include <cmath>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "model/TestiCalcolo.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

namespace {

// Minutes as the clock counts them, as an "hh:mm" typed on the trip screen.
double Centesimi(int minuti) {
    return (minuti / 60) * 100.0 + Int((minuti % 60) * 100.0 / 60 + 0.5);
}

double Assoluto(float giorno, float ora) {
    return double(giorno) * CentesimiGiorno + double(ora);
}

// Whether the hour of the day (a clock value) comes round within
// [da, a) of absolute time.
bool Passa(double da, double a, float ora) {
    const double primo = std::floor(da / CentesimiGiorno) * CentesimiGiorno + ora;
    for (double t = primo; t < a; t += CentesimiGiorno)
        if (t >= da) return true;
    return false;
}

// Days of a stop looked at for a guide entry's opening, at most.
constexpr int GiorniMassimiVisita = 31;

} // namespace

void CalcoloTabellaDiMarcia::Traversata(const Tappa& t) {
    const ParametriMetaTipo& p = s_.Parametri;
    const OrariTraghetto& o = *t.Orari;
    const double ora = Assoluto(s_.GiornoCorrente, s_.OraCorrente);
    const double anticipo = Centesimi(o.Anticipo);

    // The first departure whose check-in is not earlier than the clock, on a
    // day the ferry sails. A week always holds one, unless no day is set:
    // then it sails at once.
    double imbarco = ora, partenza = ora + anticipo;
    int minuto = 0;
    bool trovata = false;
    for (int d = 0; d <= 8 && !trovata; ++d) {
        const float giorno = s_.GiornoCorrente + float(d);
        if (!o.NavigaIl(giorno)) continue;
        for (int m : o.Partenze) {
            const double inizio = double(giorno) * CentesimiGiorno + Centesimi(m);
            if (inizio - anticipo < ora) continue;
            imbarco = inizio - anticipo;
            partenza = inizio;
            minuto = m;
            trovata = true;
            break;
        }
    }
    if (!trovata) minuto = int(std::fmod(partenza, CentesimiGiorno) * 60 / 100 + 0.5);

    // The wait at the port, on the stage's first row: the meals and the
    // night it spans are taken there.
    RigaMarcia& attesa = Riga(s_.RigaTabella);
    attesa = RigaMarcia{};
    attesa.Tipo = TipoRigaMarcia::Imbarco;
    attesa.Tappa = s_.TappaCorrente;
    // The port is the stage before; a trip that begins with the ferry begins there.
    attesa.Localita = s_.TappaCorrente > 1 ? s_.Preparata.at(s_.TappaCorrente - 1).Dati.Localita : QString();
    attesa.Strada = t.Strada.trimmed();
    attesa.Partenza = minuto;
    attesa.Pranzo = !s_.PranzoFatto && Passa(ora, imbarco, p.OraPranzo);
    attesa.Cena = !s_.CenaFatta && Passa(ora, imbarco, p.OraCena);
    attesa.Notte = Passa(ora, imbarco, p.OraNotte);
    s_.GiornoCorrente = float(std::floor(imbarco / CentesimiGiorno));
    s_.OraCorrente = float(imbarco - double(s_.GiornoCorrente) * CentesimiGiorno);
    if (attesa.Notte) {
        s_.PranzoFatto = false;
        s_.CenaFatta = false;
    }
    s_.PranzoFatto = s_.PranzoFatto || s_.OraCorrente > p.OraPranzo;
    s_.CenaFatta = s_.CenaFatta || s_.OraCorrente > p.OraCena;
    attesa.Giorno = s_.GiornoCorrente;
    attesa.Ora = s_.OraCorrente;
    AvanzaRigaTabella();

    // The crossing, whole: no rest cuts it. One that passes the night hour,
    // or midnight, is a night on board: the day goes on from the landing,
    // not before the day's activity begins.
    const double durata = Centesimi(o.Durata);
    const double sbarco = partenza + durata;
    const float giornoPartenza = float(std::floor(partenza / CentesimiGiorno));
    const bool notte =
        Passa(partenza, sbarco, p.OraNotte) || std::floor(sbarco / CentesimiGiorno) > giornoPartenza;
    s_.GiornoCorrente = float(std::floor(sbarco / CentesimiGiorno));
    s_.OraCorrente = float(sbarco - double(s_.GiornoCorrente) * CentesimiGiorno);
    s_.KmProgressivi += t.Km;

    RigaMarcia& r = Riga(s_.RigaTabella);
    r = RigaMarcia{};
    r.Tipo = TipoRigaMarcia::Tratto;
    r.Tappa = s_.TappaCorrente;
    r.Localita = t.Localita;
    r.Strada = t.Strada.trimmed();
    r.Km = t.Km;
    r.TipoStrada = t.TipoStrada;
    r.KmProgressivi = s_.KmProgressivi;
    r.Tempo = float(durata);
    r.Giorno = s_.GiornoCorrente;
    r.Ora = s_.OraCorrente;
    r.NotteABordo = notte;

    if (notte) {
        s_.PranzoFatto = false;
        s_.CenaFatta = false;
        if (s_.OraCorrente < p.OraColazione) s_.OraCorrente = p.OraColazione;
    }
    // Meals whose hour passed at sea were taken on board.
    if (Passa(partenza, sbarco, p.OraPranzo)) s_.PranzoFatto = true;
    if (Passa(partenza, sbarco, p.OraCena)) s_.CenaFatta = true;
    s_.OraUltimaPausa = s_.OraCorrente;
    EventiArrivo(r);

    const int tipo = t.IndiceTipo();
    s_.KmPerTipoStrada[size_t(tipo)] += float(t.Km);
    s_.TipiInPassata[size_t(tipo)] = true;
    s_.SegmentoInPassata = true;
    s_.GiornoTotali = s_.GiornoCorrente;
    s_.KmResidui = 0;
    AvanzaRigaTabella();
}

bool CalcoloTabellaDiMarcia::Aperta(const VoceGuida& voce, QString& motivo) const {
    const ParametriMetaTipo& p = s_.Parametri;
    const double inizio = Assoluto(s_.GiornoArrivoTappa, s_.OraArrivoTappa);
    const double fine = Assoluto(s_.GiornoCorrente, s_.OraCorrente);
    const bool istante = fine <= inizio;
    const std::optional<double> dalle =
        voce.Dalle && voce.Alle ? std::optional<double>(Centesimi(*voce.Dalle)) : std::nullopt;
    const double alle = voce.Dalle && voce.Alle ? Centesimi(*voce.Alle) : 0;
    int chiusoIl = -1;
    // Whether the entry is open within [da, a] of the given day.
    auto apertaIl = [&](double giorno, double da, double a) {
        const int settimana = GiornoDellaSettimana(float(giorno));
        if ((voce.Chiuso >> settimana) & 1) {
            if (chiusoIl < 0) chiusoIl = settimana;
            return false;
        }
        const double mattina = giorno * CentesimiGiorno;
        return !dalle || (da - mattina <= alle && a - mattina >= *dalle);
    };
    const double primo = std::floor(inizio / CentesimiGiorno);
    bool finestra = false;
    for (int d = 0; d <= GiorniMassimiVisita && !istante; ++d) {
        const double giorno = primo + d;
        const double mattina = giorno * CentesimiGiorno;
        if (mattina > fine) break;
        // The part of the stop in this day's visiting hours.
        const double da = qMax(inizio, mattina + p.InizioVisita), a = qMin(fine, mattina + p.FineVisita);
        if (da > a) continue;
        finestra = true;
        if (apertaIl(giorno, da, a)) return true;
    }
    // Without a stop within the visiting hours, the moment of the arrival.
    if (!finestra && apertaIl(primo, inizio, inizio)) return true;
    if (chiusoIl >= 0 || !dalle) {
        motivo = QStringLiteral("chiuso il ") + NomeGiorno(qMax(chiusoIl, 0));
        return false;
    }
    motivo = QStringLiteral("aperto dalle %1 alle %2")
                 .arg(QString::asprintf("%02d:%02d", *voce.Dalle / 60, *voce.Dalle % 60),
                      QString::asprintf("%02d:%02d", *voce.Alle / 60, *voce.Alle % 60));
    return false;
}
