// The built-in travel parameters and the user's saved defaults ("Parametri").
#include <optional>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "model/CampiMeta.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "shell/SlotRecordSet.h"
#include "trip/ControlloreMeta.h"
#include "trip/VeicoloMeta.h"

void ControlloreMeta::MettiDefaultIncorporati() {
    for (int k = 0; k < 4; ++k)
        ui.cmbMediaKm[k].SetText(QString::fromLatin1(VelocitaDefault[k]));
    for (int k = 0; k < 9; ++k) {
        const QString hhmm = QString::fromLatin1(OrariDefault[k]);
        ui.cmbOra[k].SetText(hhmm.left(2));
        ui.cmbMin[k].SetText(hhmm.right(2));
    }
    ui.cmbRipM.SetText(QString::fromLatin1(RiposiDefault[0]));
    ui.cmbRipH.SetText(QString::fromLatin1(RiposiDefault[1]));
    ui.cmbRipG.SetText(QString::fromLatin1(RiposiDefault[2]));
    ui.cmbRipGG.SetText(QString::fromLatin1(RiposiDefault[3]));
    MettiCalcoloSoste(QString::fromLatin1(CalcoloSosteDefault));
}

void ControlloreMeta::MettiCalcoloSoste(const QString& calcoloSoste) {
    // Empty counts as 3, below 1 as the first choice; beyond the five
    // choices (a file of another installation) as the usual 3 too.
    const QString testo = calcoloSoste.trimmed();
    double n = testo.isEmpty() ? 3 : Val(testo);
    if (n > ui.cmbSoste.ListCount()) n = 3;
    ui.cmbSoste.SetListIndex(n < 1 ? 0 : int(n) - 1);
}

void ControlloreMeta::CaricaDefaultMeta(int modo) {
    const QString parametri = Db().Schema().NomeTabella[TabParametri];
    Db().RecordSetImposta(SlotMeta, Query(parametri));
    if (Db().NumeroRecord == 0 || modo == 2) {
        MettiDefaultIncorporati();
        // Missing defaults are the program's to write; restoring them is the user's command.
        std::optional<Database::ScritturaDiServizio> servizio;
        if (modo != 2) servizio.emplace(Db());
        MemorizzaVariabiliMeta();
        Db().RecordSetImposta(SlotMeta, Query(parametri));
    }
    MostraVeicolo(modo == 2 ? Veicolo{} : LeggiVeicolo(Db(), QString()));
    RecordSet& rs = Db().Rs(SlotMeta);
    if (rs.Eof()) return;
    for (int k = 0; k < 4; ++k)
        ui.cmbMediaKm[k].SetText(rs.Testo(QString::fromLatin1(CampiVelocita[k])));
    for (int k = 0; k < 9; ++k) {
        const QString hhmm = rs.Testo(QString::fromLatin1(CampiOrari[k]));
        ui.cmbOra[k].SetText(hhmm.left(2));
        ui.cmbMin[k].SetText(hhmm.right(2));
    }
    ui.cmbRipM.SetText(rs.Testo(QStringLiteral("RiposoMinuti")));
    ui.cmbRipH.SetText(rs.Testo(QStringLiteral("RiposoOre")));
    ui.cmbRipG.SetText(rs.Testo(QStringLiteral("RiposoGiorno")));
    ui.cmbRipGG.SetText(rs.Testo(QStringLiteral("RiposoDopoGiorni")));
    MettiCalcoloSoste(rs.Testo(QStringLiteral("CalcoloSoste")));
}

void ControlloreMeta::MemorizzaVariabiliMeta() {
    Db().RecordSetImposta(SlotMeta, Query(Db().Schema().NomeTabella[TabParametri]));
    RecordSet& rs = Db().Rs(SlotMeta);
    if (rs.Eof())
        rs.AddNew();
    else
        rs.Edit();
    for (int k = 0; k < 4; ++k)
        rs.Imposta(QString::fromLatin1(CampiVelocita[k]), ui.cmbMediaKm[k].Text());
    ScriviOrariERiposi(rs);
    rs.Update();
}

void ControlloreMeta::ScriviOrariERiposi(RecordSet& rs) {
    for (int k = 0; k < 9; ++k)
        rs.Imposta(QString::fromLatin1(CampiOrari[k]), ui.cmbOra[k].Text() + ui.cmbMin[k].Text());
    rs.Imposta(QStringLiteral("RiposoMinuti"), ui.cmbRipM.Text());
    rs.Imposta(QStringLiteral("RiposoOre"), ui.cmbRipH.Text());
    rs.Imposta(QStringLiteral("RiposoGiorno"), ui.cmbRipG.Text());
    rs.Imposta(QStringLiteral("RiposoDopoGiorni"), ui.cmbRipGG.Text());
    rs.Imposta(QStringLiteral("CalcoloSoste"), ui.cmbSoste.Text().left(1));
}

void ControlloreMeta::cmdDefault_Click(int Index) {
    const char* verbi[] = {"salvare", "caricare", "ripristinare"};
    if (Index < 0 || Index > 2) return;
    // Values that cannot be used are refused before the question.
    Veicolo veicolo;
    if (Index == 0 && !VeicoloSchermo(veicolo)) return;
    const QString titolo = QStringLiteral("Dati di default");
    if (f_.Sistema().MsgBox(QStringLiteral("Vuoi %1 i dati di default?").arg(QLatin1String(verbi[Index])),
                            Msg::YesNo | Msg::Question, titolo) != Msg::Yes)
        return;
    switch (Index) {
    case 0: {
        // The travel parameters and the vehicle's defaults together.
        Database::Transazione transazione(Db());
        MemorizzaVariabiliMeta();
        ScriviVeicolo(Db(), QString(), veicolo);
        transazione.Conferma();
        break;
    }
    case 1:
        CaricaDefaultMeta(0);
        tappe_->CalcolaKmTempiItinerario();
        break;
    default: {
        Database::Transazione transazione(Db());
        CaricaDefaultMeta(2);
        ScriviVeicolo(Db(), QString(), Veicolo{});
        transazione.Conferma();
        break;
    }
    }
    f_.Sistema().MsgBox(QStringLiteral("Operazione eseguita!"), Msg::OkOnly | Msg::Information, titolo);
}
