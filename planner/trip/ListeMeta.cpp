// The trip screen's choice lists, the start date's day list and weekdays.
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "model/ControlloMeta.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "shell/SlotRecordSet.h"
#include "trip/ControlloreMeta.h"

namespace {
void Riempi(Elenco& elenco, int da, int a, int passo = 1, int cifre = 2) {
    elenco.Clear();
    for (int i = da; i <= a; i += passo)
        elenco.AddItem(cifre > 0 ? Zero(i, cifre) : QString::number(i));
}

void Riempi(Elenco& elenco, const QStringList& voci) {
    elenco.Clear();
    for (const QString& v : voci)
        elenco.AddItem(v);
}

const QStringList Quarti = {QStringLiteral("00"), QStringLiteral("15"), QStringLiteral("30"),
                            QStringLiteral("45")};
} // namespace

void ControlloreMeta::CaricaComboBox() {
    const QDateTime adesso = f_.Sistema().Adesso();
    Riempi(ui.cmbInizio[0], 1, 31);
    Riempi(ui.cmbInizio[1], 1, 12);
    Riempi(ui.cmbInizio[2], 1998, adesso.date().year() + 5, 1, 4);
    Riempi(ui.cmbInizio[3], 0, 24);
    Riempi(ui.cmbInizio[4], Quarti);
    for (int k = 0; k < 9; ++k)
        Riempi(ui.cmbMin[k], Quarti);
    Riempi(editor_.cmbSosta[2], Quarti);
    Riempi(cmbGM_, Quarti);

    for (size_t k = 0; k < 9; ++k)
        Riempi(ui.cmbOra[k], ListeMeta::PrimaOra[k], ListeMeta::UltimaOra[k]);
    for (size_t k = 0; k < 4; ++k)
        Riempi(ui.cmbMediaKm[k], ListeMeta::VelocitaMinima[k], ListeMeta::VelocitaMassima[k], 1, 0);

    Riempi(ui.cmbRipM,
           {QStringLiteral("00"), QStringLiteral("05"), QStringLiteral("10"), QStringLiteral("15"),
            QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("45"), QStringLiteral("60")});
    Riempi(ui.cmbRipH, 0, 8);
    Riempi(ui.cmbRipG, 0, 5);
    Riempi(ui.cmbRipGG, 0, 10);
    Riempi(cmbGH_, 0, 15);
    Riempi(editor_.cmbSosta[0], 0, 15);
    Riempi(editor_.cmbSosta[1], 0, 23);
    Riempi(ui.cmbSoste, {QStringLiteral("1 - Soste itinerario"), QStringLiteral("2 - Soste Guida"),
                         QStringLiteral("3 - Sosta Maggiore "), QStringLiteral("4 - Sosta minore"),
                         QStringLiteral("5 - Nessuna sosta!")});

    // Today, at the current hour, minutes down to the quarter.
    ui.cmbInizio[0].SetText(Zero(adesso.date().day(), 2));
    ui.cmbInizio[1].SetText(Zero(adesso.date().month(), 2));
    ui.cmbInizio[2].SetText(Zero(adesso.date().year(), 4));
    ui.cmbInizio[3].SetText(Zero(adesso.time().hour(), 2));
    ui.cmbInizio[4].SetText(Zero(adesso.time().minute() / 15 * 15, 2));

    // The screen starts from the built-in parameters; the user's saved ones
    // are written only when there are none yet (last: a refused write leaves
    // the screen complete).
    MettiDefaultIncorporati();
    Db().RecordSetImposta(SlotMeta, Query(Db().Schema().NomeTabella[TabParametri]));
    if (Db().NumeroRecord == 0) MemorizzaVariabiliMeta();
}

void ControlloreMeta::ImpostaGiorniMeseInizio() {
    const int n = GiorniMese(int(Val(ui.cmbInizio[2].Text())), int(Val(ui.cmbInizio[1].Text())));
    const int giorno = int(Val(ui.cmbInizio[0].Text()));
    const QString testo = ui.cmbInizio[0].Text();
    Riempi(ui.cmbInizio[0], 1, n);
    ui.cmbInizio[0].SetText(giorno > n ? Zero(n, 2) : testo);
    MettiGiornoSett();
}

void ControlloreMeta::MettiGiornoSett() {
    ui.txtInizioGSett.Text =
        GiornoSettimana(ui.cmbInizio[0].Text() + ui.cmbInizio[1].Text() + ui.cmbInizio[2].Text());
    if (Val(ui.txtFine[0].Text) > 0 && Val(ui.txtFine[1].Text) > 0 && Val(ui.txtFine[2].Text) > 0)
        ui.txtFine[5].Text = GiornoSettimana(ui.txtFine[0].Text + ui.txtFine[1].Text + ui.txtFine[2].Text);
}

void ControlloreMeta::cmbInizio_Click(int Index) {
    if (Index != 0) ImpostaGiorniMeseInizio();
    Aggiorna(true);
}
