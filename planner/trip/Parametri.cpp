// The check that turns the trip screen's values into ParametriMeta, and the
// refresh that brings corrected values back to the screen.
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

namespace {
// A correction counts only when it changes what the list shows.
bool Cambia(Elenco& elenco, const QString& testo) {
    if (elenco.Text() == testo) return false;
    elenco.SetText(testo);
    return true;
}

QString Primo(const Elenco& e) {
    return e.List(0);
}
QString Ultimo(const Elenco& e) {
    return e.List(e.ListCount() - 1);
}
} // namespace

float FormViandora::ControlloOrarioCmbOra(int k, bool& corretto) {
    Elenco& ora = cmbOra[k];
    Elenco& minuti = cmbMin[k];
    if (ora.Text().isEmpty()) ora.SetText(Primo(ora));
    if (minuti.Text().isEmpty()) minuti.SetText(Primo(minuti));
    QString testo = ora.Text() + QStringLiteral(":") + minuti.Text();
    const float valore = ghmStringa2Centesimi(testo, CentesimiGiorno);

    const double oraLetta = Int(valore / 100);
    if (ora.ListCount() > 0 && oraLetta < Val(Primo(ora)))
        corretto = Cambia(ora, Primo(ora)) || corretto;
    else if (ora.ListCount() > 0 && oraLetta > Val(Ultimo(ora)))
        corretto = Cambia(ora, Ultimo(ora)) || corretto;
    return valore;
}

void FormViandora::ControllaVariabiliConvertite() {
    ParametriMetaTipo& p = Meta.ParametriMeta;
    // A speed of 0, empty or not a number would divide by zero later, and one
    // below 1 km/h (only a file can hold it) never end a stage.
    for (int k = 0; k < 4; ++k)
        if (Val(cmbMediaKm[k].Text()) < 1) cmbMediaKm[k].SetText(cmbMediaKm[k].List(0));

    // Every correction either moves a value to a fixed entry or copies
    // another value, so a few passes settle it; the bound only guards
    // against a list that offers nothing.
    for (int passo = 0; passo < 50; ++passo) {
        bool corretto = false;
        float* orari[9] = {&p.OraColazione, &p.OraPranzo,    &p.OraCena,    &p.OraNotte,    &p.DurataPranzo,
                           &p.DurataCena,   &p.InizioVisita, &p.FineVisita, &p.OreTraghetti};
        for (int k = 0; k < 9; ++k)
            *orari[k] = ControlloOrarioCmbOra(k, corretto);

        const double minuti = Val(cmbRipM.Text());
        p.RiposoMinuti = CInt(minuti * 100 / 60);
        if (p.RiposoMinuti < 0 || p.RiposoMinuti > 100) p.RiposoMinuti = 0;
        auto intervallo = [](const Elenco& e, int massimo) -> qint16 {
            const double v = Val(e.Text());
            return v < 0 || v > massimo ? qint16(0) : CInt(v);
        };
        p.RiposoOre = intervallo(cmbRipH, 10);
        p.RiposoGiorno = intervallo(cmbRipG, 4);
        p.RiposoDopoGiorni = intervallo(cmbRipGG, 10);

        p.DataInizio = Data2Giul(Zero(cmbInizio[0].Text(), 2) + Zero(cmbInizio[1].Text(), 2) +
                                 Zero(cmbInizio[2].Text(), 4));
        QString inizio = cmbInizio[3].Text() + QStringLiteral(":") + cmbInizio[4].Text();
        p.OraInizio = ghmStringa2Centesimi(inizio, CentesimiGiorno);
        p.DataInizioFissa = p.DataInizio;
        p.OraInizioFissa = p.OraInizio;

        if (p.OraPranzo - 100 < p.OraColazione) corretto = Cambia(cmbOra[0], Primo(cmbOra[0])) || corretto;
        if (p.OraCena - 100 < p.OraPranzo + p.DurataPranzo)
            corretto = Cambia(cmbOra[1], Primo(cmbOra[1])) || corretto;
        if (p.OraCena + p.DurataCena > p.OraNotte) corretto = Cambia(cmbOra[2], Primo(cmbOra[2])) || corretto;
        if (p.OraNotte > 2400) {
            cmbOra[3].SetText(QStringLiteral("24"));
            cmbMin[3].SetText(QStringLiteral("00"));
        }
        if (p.InizioVisita < p.OraColazione) {
            const bool a = Cambia(cmbOra[6], cmbOra[0].Text());
            const bool b = Cambia(cmbMin[6], cmbMin[0].Text());
            corretto = a || b || corretto;
        }
        if (p.FineVisita > p.OraNotte) {
            const bool a = Cambia(cmbOra[7], cmbOra[3].Text());
            const bool b = Cambia(cmbMin[7], cmbMin[3].Text());
            corretto = a || b || corretto;
        }
        if (!corretto) break;
    }
    piattaforma_.ElaboraEventi();
    p.GiorniAdeguamento = CInt(qMax(0.0, Val(cmbGiorni.Text())));
    p.TempoGuidaGiornaliero = p.OraNotte - p.OraColazione - p.DurataPranzo - p.DurataCena;
    p.TempoVisitaGiornaliero = p.FineVisita - p.InizioVisita;
}

void FormViandora::Aggiorna(bool mantieniPannelli) {
    MettiGiornoSett();
    ControllaVariabiliConvertite();

    ParametriMetaTipo& p = Meta.ParametriMeta;
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
    for (int k = 0; k < 9; ++k) {
        const QString s = ghmCentesimi2Stringa(orari[k], CentesimiGiorno);
        const int ore = int(Val(s.left(2))) * 24 + int(Val(s.mid(3, 2)));
        cmbOra[k].SetText(Zero(ore, 2));
        cmbMin[k].SetText(s.isEmpty() ? QStringLiteral("00") : s.right(2));
    }
    cmbRipM.SetText(Zero(CInt(p.RiposoMinuti * 60.0 / 100), 2));
    cmbRipH.SetText(Zero(p.RiposoOre, 2));
    cmbRipG.SetText(Zero(p.RiposoGiorno, 2));
    cmbRipGG.SetText(Zero(p.RiposoDopoGiorni, 2));

    if (!mantieniPannelli) {
        cmbRicercaTappa.Visible = false;
        frmInputBox.Visible = false;
        mfgTab.Width = 11535;
        piattaforma_.ElaboraEventi();
    }
}

void FormViandora::cmbMediaKm_Click(int Index) {
    Q_UNUSED(Index);
    // The totals follow the speeds.
    CalcolaKmTempiItinerario();
}
