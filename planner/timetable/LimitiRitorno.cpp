// The return limits of column 13: for every driving row the latest time to
// go on and still reach the end of the trip (">"), and from the start the
// latest time to turn back and be home by then ("<"), as long as turning
// back leaves more time than going on. Only driving, meals and nights are
// taken back, not rests or stops.
#include "common/Numeri.h"
#include "shell/FormViandora.h"
#include "timetable/TestiCalcolo.h"

namespace {

// Driving time of a timetable row, from its "hh:mm"; 0 without driving.
double TempoRiga(const Griglia& g, int riga) {
    const QString tempo = g.TextMatrix(riga, 6);
    return CentesimiOreMinuti(tempo.left(2), tempo.right(2));
}

bool SenzaGuida(const Griglia& g, int riga) {
    return g.TextMatrix(riga, 6).trimmed().isEmpty();
}

// Back over the meals and nights that lie before the clock. Each night
// brings back a day's driving time; checked parameters always leave some,
// and without it the walk back stops rather than go round for ever.
void TornaIndietro(FormViandora& f) {
    const ParametriMetaTipo& p = f.ParametriMeta;
    bool primoGiro = true;
    float prima = 0;
    for (;;) {
        if (p.OraCena + p.DurataCena > f.OraCorrente && f.CenaFatta) {
            f.OraCorrente -= p.DurataCena;
            f.CenaFatta = false;
        }
        if (p.OraPranzo + p.DurataPranzo > f.OraCorrente && f.PranzoFatto) {
            f.OraCorrente -= p.DurataPranzo;
            f.PranzoFatto = false;
        }
        if (f.OraCorrente >= p.OraColazione) return;
        if (!primoGiro && f.OraCorrente <= prima) return;
        primoGiro = false;
        prima = f.OraCorrente;
        f.OraCorrente = p.OraNotte - (p.OraColazione - f.OraCorrente);
        f.GiornoCorrente -= 1;
        f.CenaFatta = true;
        f.PranzoFatto = true;
    }
}

void AvanzaLimiti(FormViandora& f, int posizione, int totale) {
    f.TotaleProgresso = totale;
    f.ContatoreProgresso = posizione;
    f.AggiornaPercentuale();
}

} // namespace

void FormViandora::CalcolaLimitiProsecuzione() {
    lblElaborazione.Caption = QStringLiteral("Calcolo del rientro rapido (prosecuzione)");
    GiornoLimite.clear();
    const int ultima = RigaTabella - 1;
    if (ultima < 1) return;
    mfgTab.SetTextMatrix(ultima, 13, TestoLimite(u'>', GiornoCorrente, OraCorrente));
    GiornoLimite.insert(ultima, GiornoCorrente);

    CenaFatta = OraCorrente > ParametriMeta.OraCena;
    PranzoFatto = OraCorrente > ParametriMeta.OraPranzo;
    for (int r = RigaTabella; r >= 2; --r) {
        AvanzaLimiti(*this, r, RigaTabella);
        const double T = TempoRiga(mfgTab, r + 1);
        if (T == 0) continue;
        OraCorrente = float(OraCorrente - T);
        TornaIndietro(*this);
        // The limit goes on the nearest driving row above; row 1 gets the
        // turn-back limit instead, and the heading row nothing.
        while (r >= 1 && (SenzaGuida(mfgTab, r) || r == 1))
            --r;
        if (r < 1) break;
        mfgTab.SetTextMatrix(r, 13, TestoLimite(u'>', GiornoCorrente, OraCorrente));
        GiornoLimite.insert(r, GiornoCorrente);
    }
}

void FormViandora::CalcolaLimitiRitorno(float giornoFine, float oraFine) {
    lblElaborazione.Caption = QStringLiteral("Calcolo del rientro rapido (ritorno)");
    GiornoCorrente = giornoFine;
    OraCorrente = oraFine;
    if (RigaTabella <= 1) return;
    mfgTab.SetTextMatrix(1, 13, TestoLimite(u'<', GiornoCorrente, OraCorrente));

    CenaFatta = OraCorrente > ParametriMeta.OraCena;
    PranzoFatto = OraCorrente > ParametriMeta.OraPranzo;
    for (int r = 2; r <= RigaTabella; ++r) {
        AvanzaLimiti(*this, r, RigaTabella);
        const double T = TempoRiga(mfgTab, r);
        if (T == 0) continue;
        // A driving row without a continuation limit has no driving after it:
        // going on needs nothing, so turning back cannot beat it.
        const QString limite = mfgTab.TextMatrix(r, 13);
        if (limite.isEmpty() || !GiornoLimite.contains(r)) break;
        // The day as it was computed: a text without the year would put a
        // limit after New Year in the year before.
        const float Cd = GiornoLimite.value(r);
        const double Ct = CentesimiOreMinuti(limite.mid(7, 2), limite.right(2));
        OraCorrente = float(OraCorrente - T);
        if (!(Cd < GiornoCorrente || (Cd == GiornoCorrente && OraCorrente > Ct))) break;
        TornaIndietro(*this);
        mfgTab.SetTextMatrix(r, 13, TestoLimite(u'<', GiornoCorrente, OraCorrente));
    }
}
