#pragma once
// Helpers of the timetable tests: a planner over a temporary folder whose
// trip screen and stage grid the test fills, guide entries, stored trips and
// the rows of the calculated timetable.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "shell/FormViandora.h"
#include "support/PiattaformaProva.h"

struct Viaggio {
    QTemporaryDir dir;
    PiattaformaProva p;
    std::unique_ptr<FormViandora> f;

    Viaggio() {
        f = std::make_unique<FormViandora>(p, dir.path() + "/");
        giorni_ = "000";
        f->Form_Load();
        // No periodic rests unless a test asks for them.
        Riposi("15", "00", "00", "00");
        Partenza("05/08/2006", "08:00");
        Giorni("000");
    }
    FormViandora& operator*() { return *f; }
    FormViandora* operator->() { return f.get(); }

    // k as in cmbOra: 0 breakfast, 1 lunch, 2 dinner, 3 night, 4 and 5 the
    // meals' lengths, 6 and 7 the visiting hours, 8 a ferry.
    void Ora(int k, const QString& hhmm) {
        f->cmbOra[k].SetText(hhmm.left(2));
        f->cmbMin[k].SetText(hhmm.right(2));
    }
    void Partenza(const QString& data, const QString& hhmm) {
        f->cmbInizio[0].SetText(data.left(2));
        f->cmbInizio[1].SetText(data.mid(3, 2));
        f->cmbInizio[2].SetText(data.right(4));
        f->cmbInizio[3].SetText(hhmm.left(2));
        f->cmbInizio[4].SetText(hhmm.right(2));
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
    // 1 to 5 as the list's entries.
    void Soste(int scelta) { f->cmbSoste.SetListIndex(scelta - 1); }

    // "locality|road|km|type|stop" into the stage grid, then the stage
    // times and totals as every stage change computes them.
    void Tappe(const QStringList& tappe) {
        f->CancellaMatrice();
        f->mfgTab.SetRows(qMax(int(FormViandora::RigheVisibili), int(tappe.size()) + 2));
        for (int i = 0; i < tappe.size(); ++i) {
            const QStringList c = tappe.at(i).split(u'|');
            f->mfgTab.SetTextMatrix(i + 1, 0, QString::number(i + 1));
            for (int k = 0; k < c.size() && k < 5; ++k)
                f->mfgTab.SetTextMatrix(i + 1, k == 4 ? 7 : k + 1, c.at(k));
        }
        f->CalcolaKmTempiItinerario();
        f->cmbGiorni.SetText(giorni_);
    }

    void Voce(const QString& localita, const QString& codice, const QString& descrizione,
              const QString& tempo, const QString& visto = "0") {
        f->Db.RecordSetImposta(7, Query("GuidaCitta").Dove("Localita", "\\"));
        RecordSet& rs = f->Db.Rs(7);
        rs.AddNew();
        rs.Imposta("Localita", localita);
        rs.Imposta("CodiceGuida", codice);
        rs.Imposta("Descrizione", descrizione);
        rs.Imposta("TempoSosta", tempo);
        rs.Imposta("FlagVisto", visto);
        rs.Update();
    }

    QStringList FlagGuida() {
        f->Db.RecordSetImposta(7, Query("GuidaCitta").OrdinaPer("Localita, Descrizione"));
        QStringList flag;
        for (RecordSet& rs = f->Db.Rs(7); !rs.Eof(); rs.MoveNext())
            flag << rs.Testo("Localita") + u'|' + rs.Testo("Descrizione") + u'|' + rs.Testo("FlagVisto");
        return flag;
    }

    void Calcola() { f->Click("cmdCalcola"); }

private:
    QString giorni_;
};

// Columns of the timetable rows 1..RigaTabella-1 joined by "|".
inline QStringList Righe(const FormViandora& f, const QList<int>& colonne, bool tutte = false) {
    QStringList righe;
    for (int r = 1; r < f.RigaTabella; ++r) {
        if (!tutte && f.mfgTab.TextMatrix(r, 1).isEmpty()) continue;
        QStringList celle;
        for (int c : colonne)
            celle << f.mfgTab.TextMatrix(r, c);
        righe << celle.join(u'|');
    }
    return righe;
}

// The stage list on the grid: columns 1, 2, 3, 4 and 7 of the rows with a
// locality.
inline QStringList Elenco(const FormViandora& f) {
    QStringList righe;
    for (int r = 1; r < f.mfgTab.Rows(); ++r) {
        if (f.mfgTab.TextMatrix(r, 1).isEmpty()) continue;
        QStringList celle;
        for (int c : {1, 2, 3, 4, 7})
            celle << f.mfgTab.TextMatrix(r, c);
        righe << celle.join(u'|');
    }
    return righe;
}
