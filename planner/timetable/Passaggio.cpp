// One pass of the timetable calculation: the prepared stages driven in
// segments on a simulated clock and calendar, with meals, nights, short
// rests, rest days, the stops spent within the visiting hours and the city
// guide of every locality, each event a row of the timetable on mfgTab.
//
// Record-set slot: 9 one locality's guide entries.
#include <QtGlobal>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"
#include "timetable/TestiCalcolo.h"

namespace {

constexpr int SlotGuida = 9;

// The first entry of each speed list: what the trip screen's check puts in
// place of a speed that reads as 0.
constexpr double VelocitaRiserva[4] = {50, 45, 30, 20};

// Kilometres as a whole number; absurd speeds must not overflow it.
int Km(double x) {
    return int(qBound(-2.0e9, Int(x), 2.0e9));
}

double TempoTratto(int km, double velocita) {
    return Int(km / velocita * 100 + 0.5);
}

} // namespace

const QList<QStringList>& FormViandora::VociGuida(const QString& localita) {
    const QString modello = LikeTesto(localita);
    auto trovate = VociGuidaCalcolo.constFind(modello);
    if (trovate != VociGuidaCalcolo.constEnd()) return *trovate;
    Db.RecordSetImposta(SlotGuida, Query(Db.Schema().NomeTabella[TabGuida])
                                       .DoveCome(QStringLiteral("Localita"), modello)
                                       .OrdinaPer(QStringLiteral("CodiceGuida, Descrizione")));
    QList<QStringList> voci;
    for (RecordSet& rs = Db.Rs(SlotGuida); !rs.Eof(); rs.MoveNext())
        voci.append({rs.Testo(QStringLiteral("Descrizione")), rs.Testo(QStringLiteral("TempoSosta")),
                     rs.Testo(QStringLiteral("CodiceGuida"))});
    return *VociGuidaCalcolo.insert(modello, voci);
}

void FormViandora::AvanzaRigaTabella() {
    ++RigaTabella;
    if (RigaTabella >= RigheTabella - 3) {
        RigheTabella = RigaTabella + 5;
        // Resizing the grid touches every row: it grows ahead, doubling.
        if (mfgTab.Rows() < RigheTabella) mfgTab.SetRows(qMax(RigheTabella, 2 * mfgTab.Rows()));
    }
}

bool FormViandora::PassaggioTabellaDiMarcia() {
    const ParametriMetaTipo& p = ParametriMeta;
    double velocita[4];
    for (int i = 0; i < 4; ++i) {
        double v = Val(cmbMediaKm[i].Text());
        if (v <= 0) v = Val(cmbMediaKm[i].List(0));
        velocita[i] = v > 0 ? v : VelocitaRiserva[i];
    }

    OraCorrente = p.OraInizio;
    GiornoCorrente = GiornoPartenza = p.DataInizio;
    mfgTab.SetRows(1);
    mfgTab.SetRows(RigheVisibili);
    RigheTabella = RigheVisibili;
    RigaTabella = 1;
    KmProgressivi = 0;
    NumeroTraghetti = 0;
    KmPerTipoStrada.fill(0);
    GiornoLimite.clear();

    if (p.OraPranzo <= OraCorrente && OraCorrente <= p.OraPranzo + p.DurataPranzo)
        OraCorrente = p.OraPranzo + p.DurataPranzo + 1;
    if (p.OraCena <= OraCorrente && OraCorrente <= p.OraCena + p.DurataCena)
        OraCorrente = p.OraCena + p.DurataCena + 1;
    PranzoFatto = p.OraPranzo + p.DurataPranzo < OraCorrente;
    CenaFatta = p.OraCena + p.DurataCena < OraCorrente;
    OraUltimaPausa = OraCorrente;
    GiornoUltimoRiposo = GiornoCorrente;
    // From a start at or after the night hour the clock would never meet the
    // night again: the journey begins the next morning.
    if (OraCorrente >= p.OraNotte) {
        GiornoCorrente += 1;
        OraCorrente = p.OraColazione;
        PranzoFatto = false;
        CenaFatta = false;
        OraUltimaPausa = OraCorrente;
        GiornoUltimoRiposo = GiornoCorrente;
    }
    // A trip without a single segment still counts its days.
    txtGiorni.Text = TestoNumero(GiornoCorrente - GiornoPartenza + 1);

    const float limitePranzo = p.OraPranzo + TolleranzaPasti;
    const float limiteCena = p.OraCena + TolleranzaPasti;
    const float limiteNotte = p.OraNotte + TolleranzaPasti;
    const bool riposiBrevi = p.RiposoOre > 0 && p.RiposoMinuti > 0;
    const float intervalloRiposi = float(p.RiposoOre) * 100;

    const Griglia& t = mfgCopia;
    const int ultimaTappa = t.Rows() - 1;
    for (TappaCorrente = 1; TappaCorrente <= ultimaTappa; ++TappaCorrente) {
        if (Interrompi) {
            mfgTab.SetRows(RigheTabella);
            return false;
        }
        TotaleProgresso = ultimaTappa;
        ContatoreProgresso = TappaCorrente;
        AggiornaPercentuale();

        const QString localita = t.TextMatrix(TappaCorrente, 1);
        const QString strada = t.TextMatrix(TappaCorrente, 2);
        const QString tipoStrada = t.TextMatrix(TappaCorrente, 4);
        for (int c = 1; c < mfgTab.Cols(); ++c)
            mfgTab.SetTextMatrix(RigaTabella, c, QString());
        KmResidui = KmCella(t.TextMatrix(TappaCorrente, 3));
        mfgTab.SetTextMatrix(RigaTabella, 0, QString::number(RigaTabella));
        mfgTab.SetTextMatrix(RigaTabella, 1, localita);
        const qint16 traghetto = strada.contains(QLatin1String("TRAGH")) ? 1 : 0;
        NumeroTraghetti += traghetto;
        // Shown at every stage: a last ferry without kilometres counts too.
        txtTragh.Text = Formato(NumeroTraghetti, QStringLiteral("#0"));

        if (t.TextMatrix(TappaCorrente, 7).trimmed().isEmpty() && KmResidui <= 0) {
            AvanzaRigaTabella();
            continue;
        }

        const int tipo = IndiceTipoStrada(tipoStrada);
        const double V = velocita[tipo];
        // A stage that only stops goes through once with 0 km.
        do {
            int K = KmResidui;
            double T = TempoTratto(K, V);
            OraArrivo = float(OraCorrente + T);
            if (riposiBrevi && OraArrivo > OraUltimaPausa + intervalloRiposi) {
                K = int(Minore(double(Km(V * p.RiposoOre * 100 / 100)), double(K)));
                T = TempoTratto(K, V);
                OraArrivo = float(OraCorrente + T);
            }

            // A meal whose hour the clock has left behind (rests can push it
            // there) is skipped: cutting towards it would give 1 km for ever.
            if (!PranzoFatto && OraCorrente > limitePranzo) PranzoFatto = true;
            if (!CenaFatta && OraCorrente > limiteCena) CenaFatta = true;
            bool limitato = true;
            if (!PranzoFatto && OraArrivo >= p.OraPranzo) {
                K = Km((p.OraPranzo - OraCorrente) * V / 100);
            } else if (!CenaFatta && OraArrivo >= p.OraCena) {
                K = Km((p.OraCena - OraCorrente) * V / 100);
                CenaFatta = true;
            } else if (OraArrivo >= p.OraNotte) {
                K = Km((p.OraNotte - OraCorrente) * V / 100);
            } else {
                limitato = false;
            }
            if (limitato && K < 1) K = 1;
            T = TempoTratto(K, V);

            if (p.RiposoGiorno > 0 && p.RiposoDopoGiorni > 0 &&
                p.RiposoDopoGiorni + GiornoUltimoRiposo <= GiornoCorrente) {
                GiornoCorrente += p.RiposoGiorno;
                GiornoUltimoRiposo = GiornoCorrente;
                if (RigaTabella > 1)
                    mfgTab.SetTextMatrix(RigaTabella - 1, 11,
                                         QStringLiteral("* ") + mfgTab.TextMatrix(RigaTabella - 1, 11));
            }

            OraCorrente = float(OraCorrente + T);
            KmProgressivi += K;

            const int r = RigaTabella;
            mfgTab.SetTextMatrix(r, 0, QString::number(r));
            mfgTab.SetTextMatrix(r, 1, localita);
            mfgTab.SetTextMatrix(r, 2, strada.trimmed());
            mfgTab.SetTextMatrix(r, 3, QString::number(K));
            mfgTab.SetTextMatrix(r, 4, tipoStrada);
            mfgTab.SetTextMatrix(r, 5, Formato(KmProgressivi, QStringLiteral("#,###")));
            mfgTab.SetTextMatrix(r, 6, OraTesto(float(T)));
            mfgTab.SetTextMatrix(r, 7, QString());
            mfgTab.SetTextMatrix(r, 8, QString());
            mfgTab.SetTextMatrix(r, 9, GiornoSettimanaDi(GiornoCorrente));
            mfgTab.SetTextMatrix(r, 10, DataTesto(GiornoCorrente));
            mfgTab.SetTextMatrix(r, 11, OraTesto(OraCorrente));

            // Events of the arrival, each on the clock the previous one left.
            QString note = mfgTab.TextMatrix(r, 12);
            if (QuasiUguale(OraCorrente, p.OraPranzo, TolleranzaPasti)) {
                note += QStringLiteral("Pranzo");
                PranzoFatto = true;
                OraCorrente += p.DurataPranzo;
                OraUltimaPausa = OraCorrente;
            }
            if (QuasiUguale(OraCorrente, p.OraCena, TolleranzaPasti)) {
                note += QStringLiteral("Cena");
                CenaFatta = true;
                OraCorrente += p.DurataCena;
                OraUltimaPausa = OraCorrente;
            }
            // Past the night window the night is taken all the same: the
            // clock must come back to the morning.
            if (QuasiUguale(OraCorrente, p.OraNotte, TolleranzaPasti) || OraCorrente > limiteNotte) {
                note += QStringLiteral("Notte");
                GiornoCorrente += 1;
                PranzoFatto = false;
                CenaFatta = false;
                OraCorrente = p.OraColazione;
                OraUltimaPausa = OraCorrente;
            }

            if (riposiBrevi && OraCorrente >= OraUltimaPausa + intervalloRiposi) {
                const qint16 N = CInt(Int((OraCorrente - OraUltimaPausa) / intervalloRiposi));
                OraCorrente += float(N) * float(p.RiposoMinuti);
                OraUltimaPausa += float(N) * intervalloRiposi;
                if (N != 0) note = QStringLiteral("+ Riposo ") + cmbRipM.Text() + u'\'' + note;
            }
            mfgTab.SetTextMatrix(r, 12, note);

            KmPerTipoStrada[tipo] += float(K);
            txtKmTot[tipo].Text = Formato(KmPerTipoStrada[tipo], QStringLiteral("##,##0"));
            txtTempo[tipo].Text =
                ghmCentesimi2Stringa(float(Int(KmPerTipoStrada[tipo] / V * 100 + 0.5)), CentesimiGiorno);
            double tempoTotale = 0;
            for (int i = 0; i < 4; ++i)
                tempoTotale += Int(KmPerTipoStrada[i] / velocita[i] * 100 + 0.5);
            txtTempo[4].Text = ghmCentesimi2Stringa(float(tempoTotale), CentesimiGiorno);
            txtKmTot[4].Text = Formato(KmProgressivi, QStringLiteral("##,##0"));
            txtTragh.Text = Formato(NumeroTraghetti, QStringLiteral("#0"));
            int giorno = 0, mese = 0, anno = 0;
            Giul2Data(GiornoCorrente, giorno, mese, anno);
            txtFine[0].Text = Zero(giorno, 2);
            txtFine[1].Text = Zero(mese, 2);
            txtFine[2].Text = Zero(anno, 4);
            const QString arrivo = mfgTab.TextMatrix(r, 11);
            if (!arrivo.isEmpty()) {
                txtFine[3].Text = arrivo.left(2);
                txtFine[4].Text = arrivo.right(2);
            }
            txtFine[5].Text = GiornoSettimana(Gma2Data(giorno, mese, anno));
            txtGiorni.Text = TestoNumero(GiornoCorrente - GiornoPartenza + 1);

            KmResidui = qint16(qBound(-32768, KmResidui - K, 32767));
            if (KmResidui != 0)
                mfgTab.SetTextMatrix(r, 1, QStringLiteral("verso: ") + PrimoMaiuscolo(localita));
            AvanzaRigaTabella();
        } while (KmResidui > 0);

        QString descrizione;
        CalcolaLaSosta(FattoreSoste, traghetto, descrizione);
        if (!descrizione.isEmpty()) {
            if (traghetto) descrizione = QStringLiteral("Traghetto/Visita");
            const int r = RigaTabella;
            mfgTab.SetTextMatrix(r, 1, QStringLiteral("a: ") + PrimoMaiuscolo(localita));
            mfgTab.SetTextMatrix(r, 9, GiornoSettimanaDi(GiornoCorrente));
            mfgTab.SetTextMatrix(r, 10, DataTesto(GiornoCorrente));
            mfgTab.SetTextMatrix(r, 11, OraTesto(OraCorrente));
            mfgTab.SetTextMatrix(r, 12, mfgTab.TextMatrix(r, 12) + descrizione);
            OraUltimaPausa = OraCorrente;
            AvanzaRigaTabella();
        }

        // Every entry of the locality, visited or not.
        for (const QStringList& voce : VociGuida(localita)) {
            const int r = RigaTabella;
            mfgTab.SetTextMatrix(r, 1, QStringLiteral(" > ") + voce.at(0));
            mfgTab.SetTextMatrix(r, 7, voce.at(1) == QLatin1String("00:00") ? QString() : voce.at(1));
            Griglia::StileCella evidenza;
            evidenza.Bold = true;
            mfgTab.SetStile(r, 7, evidenza);
            // A code without a type in the list shows no type name.
            const double codice = Val(voce.at(2));
            const bool conNome =
                codice >= 0 && codice < double(DescrizioneTipoGuida.size()) && codice == Int(codice);
            mfgTab.SetTextMatrix(r, 12,
                                 mfgTab.TextMatrix(r, 12) +
                                     (conNome ? DescrizioneTipoGuida[size_t(codice)] : QString()));
            AvanzaRigaTabella();
        }
    }
    mfgTab.SetRows(RigheTabella);
    return true;
}
