// One pass of the timetable calculation: the prepared stages driven in
// segments on a simulated clock and calendar, with meals, nights, short
// rests, rest days, the stops spent within the visiting hours and the city
// guide of every locality, each event a row of the timetable.
#include <QtGlobal>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "model/TestiCalcolo.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

namespace {

// The rows a fresh timetable has, as many as the grid shows.
constexpr int RigheIniziali = 17;

// Pending window events run once per stage, and within a stage after this
// many segments.
constexpr int SegmentiPerEventi = 256;

// Kilometres as a whole number; absurd speeds must not overflow it.
int Km(double x) {
    return int(qBound(-2.0e9, Int(x), 2.0e9));
}

double TempoTratto(int km, double velocita) {
    return Int(km / velocita * 100 + 0.5);
}

} // namespace

bool CalcoloTabellaDiMarcia::Passaggio() {
    InizioPassaggio();
    const int ultimaTappa = int(s_.Preparata.size()) - 1;
    for (s_.TappaCorrente = 1; s_.TappaCorrente <= ultimaTappa; ++s_.TappaCorrente) {
        if (Fermato()) {
            FineTotali();
            return false;
        }
        Avanza(s_.TappaCorrente, ultimaTappa);

        const Tappa& t = s_.Preparata.at(s_.TappaCorrente).Dati;
        RigaMarcia& riga = Riga(s_.RigaTabella);
        riga = RigaMarcia{};
        riga.Tipo = TipoRigaMarcia::Tappa;
        riga.Tappa = s_.TappaCorrente;
        riga.Localita = t.Localita;
        s_.KmResidui = t.Km;
        const bool traghetto = t.Traghetto();
        s_.NumeroTraghetti += traghetto ? 1 : 0;
        // Counted at every stage: a last ferry without kilometres counts too.
        s_.TappaInPassata = true;

        if (t.ConPartenze()) {
            Traversata(t);
            SostaTappa(t, false);
            VociGuidaTappa(t.Localita);
            continue;
        }
        if (t.SenzaSosta && s_.KmResidui <= 0) {
            AvanzaRigaTabella();
            continue;
        }
        if (!SegmentiTappa(t)) {
            FineTotali();
            return false;
        }
        SostaTappa(t, traghetto);
        VociGuidaTappa(t.Localita);
    }
    FineTotali();
    return true;
}

void CalcoloTabellaDiMarcia::InizioPassaggio() {
    const ParametriMetaTipo& p = s_.Parametri;
    s_.OraCorrente = p.OraInizio;
    s_.GiornoCorrente = s_.GiornoPartenza = p.DataInizio;
    s_.Righe.clear();
    s_.RigheTabella = RigheIniziali;
    s_.RigaTabella = 1;
    s_.KmProgressivi = 0;
    s_.NumeroTraghetti = 0;
    s_.KmPerTipoStrada.fill(0);
    s_.TipiInPassata.fill(false);
    s_.TappaInPassata = false;
    s_.SegmentoInPassata = false;

    if (p.OraPranzo <= s_.OraCorrente && s_.OraCorrente <= p.OraPranzo + p.DurataPranzo)
        s_.OraCorrente = p.OraPranzo + p.DurataPranzo + 1;
    if (p.OraCena <= s_.OraCorrente && s_.OraCorrente <= p.OraCena + p.DurataCena)
        s_.OraCorrente = p.OraCena + p.DurataCena + 1;
    s_.PranzoFatto = p.OraPranzo + p.DurataPranzo < s_.OraCorrente;
    s_.CenaFatta = p.OraCena + p.DurataCena < s_.OraCorrente;
    s_.OraUltimaPausa = s_.OraCorrente;
    s_.GiornoUltimoRiposo = s_.GiornoCorrente;
    // From a start at or after the night hour the clock would never meet the
    // night again: the journey begins the next morning.
    if (s_.OraCorrente >= p.OraNotte) {
        s_.GiornoCorrente += 1;
        s_.OraCorrente = p.OraColazione;
        s_.PranzoFatto = false;
        s_.CenaFatta = false;
        s_.OraUltimaPausa = s_.OraCorrente;
        s_.GiornoUltimoRiposo = s_.GiornoCorrente;
    }
    // A trip without a single segment still counts its days.
    s_.GiornoTotali = s_.GiornoCorrente;
}

// The stage's kilometres in segments, each cut at a rest, a meal or the
// night; a stage that only stops goes through once with 0 km.
bool CalcoloTabellaDiMarcia::SegmentiTappa(const Tappa& tappa) {
    const ParametriMetaTipo& p = s_.Parametri;
    const float limitePranzo = p.OraPranzo + s_.TolleranzaPasti;
    const float limiteCena = p.OraCena + s_.TolleranzaPasti;
    const bool riposiBrevi = p.RiposoOre > 0 && p.RiposoMinuti > 0;
    const float intervalloRiposi = float(p.RiposoOre) * 100;
    const double V = in_.Meta.Velocita[size_t(tappa.IndiceTipo())];
    int segmenti = 0;
    do {
        int K = s_.KmResidui;
        double T = TempoTratto(K, V);
        s_.OraArrivo = float(s_.OraCorrente + T);
        if (riposiBrevi && s_.OraArrivo > s_.OraUltimaPausa + intervalloRiposi) {
            K = int(Minore(double(Km(V * p.RiposoOre * 100 / 100)), double(K)));
            T = TempoTratto(K, V);
            s_.OraArrivo = float(s_.OraCorrente + T);
        }

        // A meal whose hour the clock has left behind (rests can push it
        // there) is skipped: cutting towards it would give 1 km for ever.
        if (!s_.PranzoFatto && s_.OraCorrente > limitePranzo) s_.PranzoFatto = true;
        if (!s_.CenaFatta && s_.OraCorrente > limiteCena) s_.CenaFatta = true;
        bool limitato = true;
        if (!s_.PranzoFatto && s_.OraArrivo >= p.OraPranzo) {
            K = Km((p.OraPranzo - s_.OraCorrente) * V / 100);
        } else if (!s_.CenaFatta && s_.OraArrivo >= p.OraCena) {
            K = Km((p.OraCena - s_.OraCorrente) * V / 100);
            s_.CenaFatta = true;
        } else if (s_.OraArrivo >= p.OraNotte) {
            K = Km((p.OraNotte - s_.OraCorrente) * V / 100);
        } else {
            limitato = false;
        }
        // Every segment of a stage with kilometres left advances: a rest cut
        // below 1 km would repeat for ever.
        if ((limitato || s_.KmResidui > 0) && K < 1) K = 1;
        Segmento(K, TempoTratto(K, V), tappa);
        // A long stage lets the window breathe, and "&Stop" end it.
        if (++segmenti % SegmentiPerEventi == 0) Avanza(s_.TappaCorrente, double(s_.Preparata.size() - 1));
        if (Fermato()) return false;
    } while (s_.KmResidui > 0);
    return true;
}

void CalcoloTabellaDiMarcia::Segmento(int K, double T, const Tappa& tappa) {
    const ParametriMetaTipo& p = s_.Parametri;
    if (p.RiposoGiorno > 0 && p.RiposoDopoGiorni > 0 &&
        p.RiposoDopoGiorni + s_.GiornoUltimoRiposo <= s_.GiornoCorrente) {
        s_.GiornoCorrente += p.RiposoGiorno;
        s_.GiornoUltimoRiposo = s_.GiornoCorrente;
        if (s_.RigaTabella > 1) ++Riga(s_.RigaTabella - 1).GiorniDiRiposo;
    }

    s_.OraCorrente = float(s_.OraCorrente + T);
    s_.KmProgressivi += K;

    RigaMarcia& r = Riga(s_.RigaTabella);
    r = RigaMarcia{};
    r.Tipo = TipoRigaMarcia::Tratto;
    r.Tappa = s_.TappaCorrente;
    r.Localita = tappa.Localita;
    r.Strada = tappa.Strada.trimmed();
    r.Km = K;
    r.TipoStrada = tappa.TipoStrada;
    r.KmProgressivi = s_.KmProgressivi;
    r.Tempo = float(T);
    r.Giorno = s_.GiornoCorrente;
    r.Ora = s_.OraCorrente;
    EventiArrivo(r);

    const int tipo = tappa.IndiceTipo();
    s_.KmPerTipoStrada[size_t(tipo)] += float(K);
    s_.TipiInPassata[size_t(tipo)] = true;
    s_.SegmentoInPassata = true;
    s_.GiornoTotali = s_.GiornoCorrente;

    s_.KmResidui = qint16(qBound(-32768, s_.KmResidui - K, 32767));
    r.Verso = s_.KmResidui != 0;
    AvanzaRigaTabella();
}

// Events of the arrival, each on the clock the previous one left.
void CalcoloTabellaDiMarcia::EventiArrivo(RigaMarcia& riga) {
    const ParametriMetaTipo& p = s_.Parametri;
    if (QuasiUguale(s_.OraCorrente, p.OraPranzo, s_.TolleranzaPasti)) {
        riga.Pranzo = true;
        s_.PranzoFatto = true;
        s_.OraCorrente += p.DurataPranzo;
        s_.OraUltimaPausa = s_.OraCorrente;
    }
    if (QuasiUguale(s_.OraCorrente, p.OraCena, s_.TolleranzaPasti)) {
        riga.Cena = true;
        s_.CenaFatta = true;
        s_.OraCorrente += p.DurataCena;
        s_.OraUltimaPausa = s_.OraCorrente;
    }
    // Past the night window the night is taken all the same: the clock must
    // come back to the morning.
    if (QuasiUguale(s_.OraCorrente, p.OraNotte, s_.TolleranzaPasti) ||
        s_.OraCorrente > p.OraNotte + s_.TolleranzaPasti) {
        riga.Notte = true;
        s_.GiornoCorrente += 1;
        s_.PranzoFatto = false;
        s_.CenaFatta = false;
        s_.OraCorrente = p.OraColazione;
        s_.OraUltimaPausa = s_.OraCorrente;
    }

    const float intervalloRiposi = float(p.RiposoOre) * 100;
    if (p.RiposoOre > 0 && p.RiposoMinuti > 0 && s_.OraCorrente >= s_.OraUltimaPausa + intervalloRiposi) {
        const qint16 N = CInt(Int((s_.OraCorrente - s_.OraUltimaPausa) / intervalloRiposi));
        s_.OraCorrente += float(N) * float(p.RiposoMinuti);
        s_.OraUltimaPausa += float(N) * intervalloRiposi;
        if (N != 0) {
            riga.Riposo = true;
            riga.MinutiRiposo = CInt(p.RiposoMinuti * 60.0 / 100);
        }
    }
}

// The trip screen's totals as the pass leaves them: computed once at its
// end, from the values of its last segment.
void CalcoloTabellaDiMarcia::FineTotali() {
    TotaliMarcia& tot = s_.Totali;
    tot.Giorni = s_.GiornoTotali - s_.GiornoPartenza + 1;
    if (s_.TappaInPassata) tot.Traghetti = s_.NumeroTraghetti;
    if (!s_.SegmentoInPassata) return;
    double tempoTotale = 0;
    for (size_t i = 0; i < 4; ++i) {
        const double tempo = Int(s_.KmPerTipoStrada[i] / in_.Meta.Velocita[i] * 100 + 0.5);
        tempoTotale += tempo;
        if (!s_.TipiInPassata[i]) continue;
        tot.Km[i] = s_.KmPerTipoStrada[i];
        tot.Tempo[i] = float(tempo);
    }
    tot.Tempo[4] = float(tempoTotale);
    tot.Km[4] = s_.KmProgressivi;
    tot.GiornoFine = s_.GiornoTotali;
    // The end's clock is the last arrival that shows one (midnight shows
    // none); a pass without any keeps the one before.
    for (qsizetype r = s_.Righe.size() - 1; r >= 1; --r) {
        const RigaMarcia& riga = s_.Righe.at(r);
        if (riga.Tipo != TipoRigaMarcia::Tratto || OraTesto(riga.Ora).isEmpty()) continue;
        s_.OraFine = riga.Ora;
        break;
    }
    if (s_.OraFine) tot.OraFine = *s_.OraFine;
}

// The stop of the stage, as a row of its own when there is one; oreTraghetto:
// a ferry's crossing time is spent with it.
void CalcoloTabellaDiMarcia::SostaTappa(const Tappa& tappa, bool oreTraghetto) {
    s_.GiornoArrivoTappa = s_.GiornoCorrente;
    s_.OraArrivoTappa = s_.OraCorrente;
    RigaMarcia sosta;
    const VisitaRiga visita = CalcolaLaSosta(oreTraghetto, sosta);
    if (visita == VisitaRiga::Nessuna) return;
    sosta.Tipo = TipoRigaMarcia::Sosta;
    sosta.Tappa = s_.TappaCorrente;
    sosta.Localita = tappa.Localita;
    sosta.Giorno = s_.GiornoCorrente;
    sosta.Ora = s_.OraCorrente;
    sosta.Visita = oreTraghetto ? VisitaRiga::Traghetto : visita;
    Riga(s_.RigaTabella) = sosta;
    s_.OraUltimaPausa = s_.OraCorrente;
    AvanzaRigaTabella();
}

// Every guide entry of the locality, visited or not.
void CalcoloTabellaDiMarcia::VociGuidaTappa(const QString& localita) {
    for (const VoceGuida& voce : guida_.Voci(localita)) {
        RigaMarcia& r = Riga(s_.RigaTabella);
        r = RigaMarcia{};
        r.Tipo = TipoRigaMarcia::Voce;
        r.Tappa = s_.TappaCorrente;
        r.Localita = voce.Descrizione;
        r.TempoVoce = voce.TempoSosta;
        r.TipoVoce = voce.CodiceTipo();
        if (voce.ConOrari()) r.Chiuso = !Aperta(voce, r.MotivoChiuso);
        AvanzaRigaTabella();
    }
}
