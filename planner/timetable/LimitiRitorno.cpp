// The return limits of column 13: for every driving row the latest time to
// go on and still reach the end of the trip (">"), and from the start the
// latest time to turn back and be home by then ("<"), as long as turning
// back leaves more time than going on. Only driving, meals and nights are
// taken back, not rests or stops.
#include "common/Numeri.h"
#include "model/TestiCalcolo.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

void CalcoloTabellaDiMarcia::LimitiRitorno() {
    const float giornoFine = s_.GiornoCorrente;
    const float oraFine = s_.OraCorrente;
    LimitiProsecuzione();
    LimitiTornando(giornoFine, oraFine);
}

// Back over the meals and nights that lie before the clock. Each night
// brings back a day's driving time; checked parameters always leave some,
// and without it the walk back stops rather than go round for ever.
void CalcoloTabellaDiMarcia::TornaIndietro() {
    const ParametriMetaTipo& p = s_.Parametri;
    bool primoGiro = true;
    float prima = 0;
    for (;;) {
        if (p.OraCena + p.DurataCena > s_.OraCorrente && s_.CenaFatta) {
            s_.OraCorrente -= p.DurataCena;
            s_.CenaFatta = false;
        }
        if (p.OraPranzo + p.DurataPranzo > s_.OraCorrente && s_.PranzoFatto) {
            s_.OraCorrente -= p.DurataPranzo;
            s_.PranzoFatto = false;
        }
        if (s_.OraCorrente >= p.OraColazione) return;
        if (!primoGiro && s_.OraCorrente <= prima) return;
        primoGiro = false;
        prima = s_.OraCorrente;
        s_.OraCorrente = p.OraNotte - (p.OraColazione - s_.OraCorrente);
        s_.GiornoCorrente -= 1;
        s_.CenaFatta = true;
        s_.PranzoFatto = true;
    }
}

// Driving time of a timetable row as its "hh:mm" shows it; 0 without driving.
double CalcoloTabellaDiMarcia::TempoRiga(int r) const {
    if (r < 1 || r >= s_.Righe.size() || s_.Righe.at(r).Tipo != TipoRigaMarcia::Tratto) return 0;
    const QString tempo = OraTesto(s_.Righe.at(r).Tempo);
    return CentesimiOreMinuti(tempo.left(2), tempo.right(2));
}

bool CalcoloTabellaDiMarcia::SenzaTempo(int r) const {
    return r >= s_.Righe.size() || s_.Righe.at(r).Tipo != TipoRigaMarcia::Tratto ||
           OraTesto(s_.Righe.at(r).Tempo).isEmpty();
}

void CalcoloTabellaDiMarcia::LimitiProsecuzione() {
    if (servizi_.Etichetta) servizi_.Etichetta(QStringLiteral("Calcolo del rientro rapido (prosecuzione)"));
    const int ultima = s_.RigaTabella - 1;
    if (ultima < 1) return;
    Riga(ultima).Limite = LimiteRiga{u'>', s_.GiornoCorrente, s_.OraCorrente};

    s_.CenaFatta = s_.OraCorrente > s_.Parametri.OraCena;
    s_.PranzoFatto = s_.OraCorrente > s_.Parametri.OraPranzo;
    for (int r = s_.RigaTabella; r >= 2; --r) {
        Avanza(r, s_.RigaTabella);
        const double T = TempoRiga(r + 1);
        if (T == 0) continue;
        s_.OraCorrente = float(s_.OraCorrente - T);
        TornaIndietro();
        // The limit goes on the nearest driving row above; row 1 gets the
        // turn-back limit instead, and the heading row nothing.
        while (r >= 1 && (SenzaTempo(r) || r == 1))
            --r;
        if (r < 1) break;
        Riga(r).Limite = LimiteRiga{u'>', s_.GiornoCorrente, s_.OraCorrente};
    }
}

void CalcoloTabellaDiMarcia::LimitiTornando(float giornoFine, float oraFine) {
    if (servizi_.Etichetta) servizi_.Etichetta(QStringLiteral("Calcolo del rientro rapido (ritorno)"));
    s_.GiornoCorrente = giornoFine;
    s_.OraCorrente = oraFine;
    if (s_.RigaTabella <= 1) return;
    Riga(1).Limite = LimiteRiga{u'<', s_.GiornoCorrente, s_.OraCorrente};

    s_.CenaFatta = s_.OraCorrente > s_.Parametri.OraCena;
    s_.PranzoFatto = s_.OraCorrente > s_.Parametri.OraPranzo;
    for (int r = 2; r <= s_.RigaTabella; ++r) {
        Avanza(r, s_.RigaTabella);
        const double T = TempoRiga(r);
        if (T == 0) continue;
        const std::optional<LimiteRiga> limite = Riga(r).Limite;
        s_.OraCorrente = float(s_.OraCorrente - T);
        // A driving row without a continuation limit (only stops and guide
        // rows follow it) has nothing to compare: it gets its turn-back limit.
        if (limite && limite->Segno == u'>') {
            // The day as it was computed: a text without the year would put a
            // limit after New Year in the year before.
            const float Cd = limite->Giorno;
            const QString testo = TestoLimite(*limite);
            const double Ct = CentesimiOreMinuti(testo.mid(7, 2), testo.right(2));
            if (!(Cd < s_.GiornoCorrente || (Cd == s_.GiornoCorrente && s_.OraCorrente > Ct))) break;
        }
        TornaIndietro();
        Riga(r).Limite = LimiteRiga{u'<', s_.GiornoCorrente, s_.OraCorrente};
    }
}
