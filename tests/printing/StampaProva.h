#pragma once
// The timetable printout: rows the test writes, printed by the printing
// service on a recording page; and a planner whose calculated timetable is
// printed through the real flow (print command, options, printer panel).
#include <QFile>

#include "printing/Stampa.h"
#include "printing/StampaTabellaMarcia.h"
#include "support/PaginaRegistrata.h"
#include "support/PlannerProva.h"
#include "timetable/TabellaDiMarcia.h"

// One "c0|c1|...|c13" per timetable row, printed on 05/08/2006 and ended.
inline void StampaCelle(PaginaRegistrata& pagina, const QStringList& righe,
                        const TestataTabella& testata = {}) {
    QList<CelleMarcia> celle;
    for (const QString& riga : righe) {
        const QStringList c = riga.split(u'|');
        CelleMarcia r;
        for (int k = 0; k < ColonneMarcia; ++k)
            r[size_t(k)] = c.value(k);
        celle << r;
    }
    PaginaTabellare s(pagina);
    s.Oggi = QDate(2006, 8, 5);
    DisegnaTabellaMarcia(s, testata, celle);
    pagina.EndDoc();
}

struct PlannerStampa : Planner {
    QString pdf() const { return dir.path() + "/prova.pdf"; }
    QString fileTesto() const { return dir.path() + "/Viantabl.txt"; }

    // n stages "LOCALITA 1", ... of 10 km each, calculated.
    void Righe(int n) {
        QStringList tappe;
        for (int i = 1; i <= n; ++i)
            tappe << QString("LOCALITA %1|A1|10|A|").arg(i);
        ScriviTappe(*f, tappe);
        f->Tappe.CalcolaKmTempiItinerario();
        f->ComandiMeta = "all";
        f->AbilitaPulsantiComando();
        f->Click("cmdCalcola");
    }
    // "&Stampa", the options, then the first entry of the printer list (the
    // PDF file when no printer is installed).
    void Stampa(bool tabella = true, bool moduli = false) {
        f->Click("cmdStampa");
        f->Stampa.chkTabella.Value = tabella;
        f->Stampa.chkModuli.Value = moduli;
        f->Click("CmdEsegui(0)");
        p.fileDaSalvare << pdf();
        f->Click("cmdSelStampante(0)");
    }
    QStringList Messaggi() const {
        QStringList m;
        for (const auto& x : p.messaggi)
            m << x.testo;
        return m;
    }
    const PaginaRegistrata& Pagina() const { return p.stampato; }
};
