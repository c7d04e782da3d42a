// The trip screen's choice lists, the start date's day list and weekdays.
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "model/ControlloMeta.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"

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

void FormViandora::CaricaComboBox() {
    const QDateTime adesso = piattaforma_.Adesso();
    Riempi(cmbInizio[0], 1, 31);
    Riempi(cmbInizio[1], 1, 12);
    Riempi(cmbInizio[2], 1998, adesso.date().year() + 5, 1, 4);
    Riempi(cmbInizio[3], 0, 24);
    Riempi(cmbInizio[4], Quarti);
    for (int k = 0; k < 9; ++k)
        Riempi(cmbMin[k], Quarti);
    Riempi(cmbSosta[2], Quarti);
    Riempi(cmbGM, Quarti);

    for (size_t k = 0; k < 9; ++k)
        Riempi(cmbOra[k], ListeMeta::PrimaOra[k], ListeMeta::UltimaOra[k]);
    for (size_t k = 0; k < 4; ++k)
        Riempi(cmbMediaKm[k], ListeMeta::VelocitaMinima[k], ListeMeta::VelocitaMassima[k], 1, 0);

    Riempi(cmbRipM, {QStringLiteral("00"), QStringLiteral("05"), QStringLiteral("10"), QStringLiteral("15"),
                     QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("45"), QStringLiteral("60")});
    Riempi(cmbRipH, 0, 8);
    Riempi(cmbRipG, 0, 5);
    Riempi(cmbRipGG, 0, 10);
    Riempi(cmbGH, 0, 15);
    Riempi(cmbSosta[0], 0, 15);
    Riempi(cmbSosta[1], 0, 23);
    Riempi(cmbSoste, {QStringLiteral("1 - Soste itinerario"), QStringLiteral("2 - Soste Guida"),
                      QStringLiteral("3 - Sosta Maggiore "), QStringLiteral("4 - Sosta minore"),
                      QStringLiteral("5 - Nessuna sosta!")});

    // Today, at the current hour, minutes down to the quarter.
    cmbInizio[0].SetText(Zero(adesso.date().day(), 2));
    cmbInizio[1].SetText(Zero(adesso.date().month(), 2));
    cmbInizio[2].SetText(Zero(adesso.date().year(), 4));
    cmbInizio[3].SetText(Zero(adesso.time().hour(), 2));
    cmbInizio[4].SetText(Zero(adesso.time().minute() / 15 * 15, 2));

    // The screen starts from the built-in parameters; the user's saved ones
    // are written only when there are none yet (last: a refused write leaves
    // the screen complete).
    MettiDefaultIncorporati();
    Db.RecordSetImposta(SlotMeta, Query(Db.Schema().NomeTabella[TabParametri]));
    if (Db.NumeroRecord == 0) MemorizzaVariabiliMeta();
}

void FormViandora::ImpostaGiorniMeseInizio() {
    const int n = GiorniMese(int(Val(cmbInizio[2].Text())), int(Val(cmbInizio[1].Text())));
    const int giorno = int(Val(cmbInizio[0].Text()));
    const QString testo = cmbInizio[0].Text();
    Riempi(cmbInizio[0], 1, n);
    cmbInizio[0].SetText(giorno > n ? Zero(n, 2) : testo);
    MettiGiornoSett();
}

void FormViandora::MettiGiornoSett() {
    txtInizioGSett.Text = GiornoSettimana(cmbInizio[0].Text() + cmbInizio[1].Text() + cmbInizio[2].Text());
    if (Val(txtFine[0].Text) > 0 && Val(txtFine[1].Text) > 0 && Val(txtFine[2].Text) > 0)
        txtFine[5].Text = GiornoSettimana(txtFine[0].Text + txtFine[1].Text + txtFine[2].Text);
}

void FormViandora::cmbInizio_Click(int Index) {
    if (Index != 0) ImpostaGiorniMeseInizio();
    Aggiorna(true);
}
