// One pass of the timetable calculation: the prepared stages driven in
// segments on a simulated clock and calendar, with meals, nights, short
// rests, rest days, the stops spent within the visiting hours and the city
// guide of every locality, each event a row of the timetable.
#include <QtGlobal>

#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "itinerary/ColonneGriglie.h"
#include "itinerary/ValoriTappa.h"
#include "timetable/CalcoloTabellaDiMarcia.h"
#include "timetable/TestiCalcolo.h"

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

        const QStringList& t = s_.Preparata.at(s_.TappaCorrente);
        const QString localita = t.value(TappaLocalita);
        const QString strada = t.value(TappaStrada);
        const QString tipoStrada = t.value(TappaTipoStrada);
        const int r = s_.RigaTabella;
        for (int c = 1; c < ColonneMarcia; ++c)
            ImpostaCella(r, c, QString());
        s_.KmResidui = KmCella(t.value(TappaKm));
        ImpostaCella(r, MarciaNumero, QString::number(r));
        ImpostaCella(r, MarciaLocalita, localita);
        const qint16 traghetto = strada.contains(QLatin1String("TRAGH")) ? 1 : 0;
        s_.NumeroTraghetti += traghetto;
        // Counted at every stage: a last ferry without kilometres counts too.
        s_.TappaInPassata = true;

        if (t.value(TappaSosta).trimmed().isEmpty() && s_.KmResidui <= 0) {
            AvanzaRigaTabella();
            continue;
        }
        if (!SegmentiTappa(localita, strada, tipoStrada)) {
            FineTotali();
            return false;
        }
        SostaTappa(localita, traghetto);
        VociGuidaTappa(localita);
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
bool CalcoloTabellaDiMarcia::SegmentiTappa(const QString& localita, const QString& strada,
                                           const QString& tipoStrada) {
    const ParametriMetaTipo& p = s_.Parametri;
    const float limitePranzo = p.OraPranzo + s_.TolleranzaPasti;
    const float limiteCena = p.OraCena + s_.TolleranzaPasti;
    const bool riposiBrevi = p.RiposoOre > 0 && p.RiposoMinuti > 0;
    const float intervalloRiposi = float(p.RiposoOre) * 100;
    const int tipo = IndiceTipoStrada(tipoStrada);
    const double V = in_.Velocita[size_t(tipo)];
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
        Segmento(K, TempoTratto(K, V), tipo, localita, strada, tipoStrada);
        // A long stage lets the window breathe, and "&Stop" end it.
        if (++segmenti % SegmentiPerEventi == 0) Avanza(s_.TappaCorrente, double(s_.Preparata.size() - 1));
        if (Fermato()) return false;
    } while (s_.KmResidui > 0);
    return true;
}

void CalcoloTabellaDiMarcia::Segmento(int K, double T, int tipo, const QString& localita,
                                      const QString& strada, const QString& tipoStrada) {
    const ParametriMetaTipo& p = s_.Parametri;
    if (p.RiposoGiorno > 0 && p.RiposoDopoGiorni > 0 &&
        p.RiposoDopoGiorni + s_.GiornoUltimoRiposo <= s_.GiornoCorrente) {
        s_.GiornoCorrente += p.RiposoGiorno;
        s_.GiornoUltimoRiposo = s_.GiornoCorrente;
        if (s_.RigaTabella > 1)
            ImpostaCella(s_.RigaTabella - 1, MarciaOra,
                         QStringLiteral("* ") + Cella(s_.RigaTabella - 1, MarciaOra));
    }

    s_.OraCorrente = float(s_.OraCorrente + T);
    s_.KmProgressivi += K;

    const int r = s_.RigaTabella;
    ImpostaCella(r, MarciaNumero, QString::number(r));
    ImpostaCella(r, MarciaLocalita, localita);
    ImpostaCella(r, MarciaStrada, strada.trimmed());
    ImpostaCella(r, MarciaKm, QString::number(K));
    ImpostaCella(r, MarciaTipoStrada, tipoStrada);
    ImpostaCella(r, MarciaKmProgressivi, Formato(s_.KmProgressivi, QStringLiteral("#,###")));
    ImpostaCella(r, MarciaTempo, OraTesto(float(T)));
    ImpostaCella(r, MarciaSosta, QString());
    ImpostaCella(r, MarciaGuida, QString());
    ImpostaCella(r, MarciaGiornoSettimana, GiornoSettimanaDi(s_.GiornoCorrente));
    ImpostaCella(r, MarciaData, DataTesto(s_.GiornoCorrente));
    const QString arrivo = OraTesto(s_.OraCorrente);
    ImpostaCella(r, MarciaOra, arrivo);
    ImpostaCella(r, MarciaNote, EventiArrivo(Cella(r, MarciaNote)));

    s_.KmPerTipoStrada[size_t(tipo)] += float(K);
    s_.TipiInPassata[size_t(tipo)] = true;
    s_.SegmentoInPassata = true;
    s_.GiornoTotali = s_.GiornoCorrente;
    if (!arrivo.isEmpty()) s_.OraFine = arrivo;

    s_.KmResidui = qint16(qBound(-32768, s_.KmResidui - K, 32767));
    if (s_.KmResidui != 0)
        ImpostaCella(r, MarciaLocalita, QStringLiteral("verso: ") + PrimoMaiuscolo(localita));
    AvanzaRigaTabella();
}

// Events of the arrival, each on the clock the previous one left.
QString CalcoloTabellaDiMarcia::EventiArrivo(QString note) {
    const ParametriMetaTipo& p = s_.Parametri;
    if (QuasiUguale(s_.OraCorrente, p.OraPranzo, s_.TolleranzaPasti)) {
        note += QStringLiteral("Pranzo");
        s_.PranzoFatto = true;
        s_.OraCorrente += p.DurataPranzo;
        s_.OraUltimaPausa = s_.OraCorrente;
    }
    if (QuasiUguale(s_.OraCorrente, p.OraCena, s_.TolleranzaPasti)) {
        note += QStringLiteral("Cena");
        s_.CenaFatta = true;
        s_.OraCorrente += p.DurataCena;
        s_.OraUltimaPausa = s_.OraCorrente;
    }
    // Past the night window the night is taken all the same: the clock must
    // come back to the morning.
    if (QuasiUguale(s_.OraCorrente, p.OraNotte, s_.TolleranzaPasti) ||
        s_.OraCorrente > p.OraNotte + s_.TolleranzaPasti) {
        note += QStringLiteral("Notte");
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
        if (N != 0)
            note = QStringLiteral("+ Riposo ") + Zero(CInt(p.RiposoMinuti * 60.0 / 100), 2) + u'\'' + note;
    }
    return note;
}

// The trip screen's totals as the pass leaves them: computed once at its
// end, from the values of its last segment.
void CalcoloTabellaDiMarcia::FineTotali() {
    TotaliMarcia& tot = s_.Totali;
    tot.Giorni = TestoNumero(s_.GiornoTotali - s_.GiornoPartenza + 1);
    if (s_.TappaInPassata) tot.Traghetti = Formato(s_.NumeroTraghetti, QStringLiteral("#0"));
    if (!s_.SegmentoInPassata) return;
    double tempoTotale = 0;
    for (size_t i = 0; i < 4; ++i) {
        const double tempo = Int(s_.KmPerTipoStrada[i] / in_.Velocita[i] * 100 + 0.5);
        tempoTotale += tempo;
        if (!s_.TipiInPassata[i]) continue;
        tot.Km[i] = Formato(s_.KmPerTipoStrada[i], QStringLiteral("##,##0"));
        tot.Tempo[i] = ghmCentesimi2Stringa(float(tempo), CentesimiGiorno);
    }
    tot.Tempo[4] = ghmCentesimi2Stringa(float(tempoTotale), CentesimiGiorno);
    tot.Km[4] = Formato(s_.KmProgressivi, QStringLiteral("##,##0"));
    int giorno = 0, mese = 0, anno = 0;
    Giul2Data(s_.GiornoTotali, giorno, mese, anno);
    tot.Fine[0] = Zero(giorno, 2);
    tot.Fine[1] = Zero(mese, 2);
    tot.Fine[2] = Zero(anno, 4);
    if (s_.OraFine) {
        tot.Fine[3] = s_.OraFine->left(2);
        tot.Fine[4] = s_.OraFine->right(2);
    }
    tot.Fine[5] = GiornoSettimana(Gma2Data(giorno, mese, anno));
}

// The stop of the stage and every guide entry of its locality, visited or not.
void CalcoloTabellaDiMarcia::SostaTappa(const QString& localita, qint16 traghetto) {
    QString descrizione;
    CalcolaLaSosta(traghetto, descrizione);
    if (descrizione.isEmpty()) return;
    if (traghetto) descrizione = QStringLiteral("Traghetto/Visita");
    const int r = s_.RigaTabella;
    ImpostaCella(r, MarciaLocalita, QStringLiteral("a: ") + PrimoMaiuscolo(localita));
    ImpostaCella(r, MarciaGiornoSettimana, GiornoSettimanaDi(s_.GiornoCorrente));
    ImpostaCella(r, MarciaData, DataTesto(s_.GiornoCorrente));
    ImpostaCella(r, MarciaOra, OraTesto(s_.OraCorrente));
    ImpostaCella(r, MarciaNote, Cella(r, MarciaNote) + descrizione);
    s_.OraUltimaPausa = s_.OraCorrente;
    AvanzaRigaTabella();
}

void CalcoloTabellaDiMarcia::VociGuidaTappa(const QString& localita) {
    for (const QStringList& voce : guida_.Voci(localita)) {
        const int r = s_.RigaTabella;
        ImpostaCella(r, MarciaLocalita, QStringLiteral(" > ") + voce.at(0));
        ImpostaCella(r, MarciaSosta, voce.at(1) == QLatin1String("00:00") ? QString() : voce.at(1));
        s_.Righe[r].SostaEvidenziata = true;
        // A code without a type in the list shows no type name.
        const double codice = Val(voce.at(2));
        const bool conNome = codice >= 0 && codice < double(in_.TipiGuida.size()) && codice == Int(codice);
        ImpostaCella(r, MarciaNote,
                     Cella(r, MarciaNote) + (conNome ? in_.TipiGuida[size_t(codice)] : QString()));
        AvanzaRigaTabella();
    }
}
