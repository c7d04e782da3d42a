#pragma once
// The timetable tests: a planner whose trip screen and stage grid the test
// fills; by default no periodic rests and a start on 05/08/2006 at 08:00.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "support/PlannerProva.h"

struct ViaggioInFinestra : Planner {
    ViaggioInFinestra() {
        Riposi("15", "00", "00", "00");
        Partenza("05/08/2006", "08:00");
        Giorni("000");
    }

    // k as in cmbOra: 0 breakfast, 1 lunch, 2 dinner, 3 night, 4 and 5 the
    // meals' lengths, 6 and 7 the visiting hours, 8 a ferry.
    void Ora(int k, const QString& hhmm) {
        f->cmbOra[k].SetText(hhmm.left(2));
        f->cmbMin[k].SetText(hhmm.right(2));
    }
    void Partenza(const QString& data, const QString& hhmm) {
        const QString parti[] = {data.left(2), data.mid(3, 2), data.right(4), hhmm.left(2), hhmm.right(2)};
        for (int k = 0; k < 5; ++k)
            f->cmbInizio[k].SetText(parti[k]);
    }
    void Riposi(const QString& minuti, const QString& ore, const QString& giorni, const QString& dopoGiorni) {
        f->cmbRipM.SetText(minuti);
        f->cmbRipH.SetText(ore);
        f->cmbRipG.SetText(giorni);
        f->cmbRipGG.SetText(dopoGiorni);
    }
    // 0 motorway, 1 dual carriageway, 2 main road, 3 local road.
    void Velocita(int tipo, const QString& kmh) { f->cmbMediaKm[tipo].SetText(kmh); }
    // The days asked for; they survive the totals' refresh of the day list.
    void Giorni(const QString& giorni) {
        giorni_ = giorni;
        f->cmbGiorni.SetText(giorni);
    }

    // The stages into the grid, then their times and totals as every stage
    // change computes them.
    void Tappe(const QStringList& tappe) {
        ScriviTappe(*f, tappe);
        f->Tappe.CalcolaKmTempiItinerario();
        f->cmbGiorni.SetText(giorni_);
    }
    void Voce(const QString& localita, const QString& codice, const QString& descrizione,
              const QString& tempo, const QString& visto = "0") {
        AggiungiVoce(*f, localita, codice, descrizione, tempo, visto);
    }
    void Calcola() { f->Click("cmdCalcola"); }

private:
    QString giorni_;
};

// The stage list on the grid: columns 1, 2, 3, 4 and 7.
inline QStringList Elenco(const FormViandora& f) {
    return Colonne(f.mfgTab, {1, 2, 3, 4, 7});
}
