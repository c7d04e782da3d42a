#pragma once
// A planner whose timetable grid the test fills, printed through the real
// flow (print command, options, printer panel) on a recording page.
#include <QFile>

#include "printing/Stampa.h"
#include "support/PlannerProva.h"
#include "timetable/TabellaDiMarcia.h"

struct PlannerStampa : Planner {
    QString pdf() const { return dir.path() + "/prova.pdf"; }
    QString fileTesto() const { return dir.path() + "/Viantabl.txt"; }

    // One "c0|c1|...|c13" per timetable row; row 0 keeps its headings.
    void Tabella(const QStringList& righe) {
        Griglia& g = f->mfgTab;
        g.SetRows(int(righe.size()) + 1);
        for (int r = 0; r < righe.size(); ++r) {
            const QStringList celle = righe.at(r).split(u'|');
            for (int c = 0; c < 14; ++c)
                g.SetTextMatrix(r + 1, c, celle.value(c));
        }
        f->TabellaDiMarcia.TabellaCalcolata = true;
        f->cmdCalcola.Caption = "&Sblocca";
    }
    // n rows with a locality each, numbered from 1.
    void Righe(int n) {
        QStringList righe;
        for (int i = 1; i <= n; ++i)
            righe << QString("%1|LOCALITA %1|A1|10|A|100|0:06||||06/08/2006|10:00||").arg(i);
        Tabella(righe);
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
