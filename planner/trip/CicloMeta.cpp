// A trip's life: new, search, save, delete, and the trip that comes back at
// the next start.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "model/CampiMeta.h"
#include "model/ColonneGriglie.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "shell/SlotRecordSet.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"
#include "trip/OrariFissi.h"
#include "trip/VeicoloMeta.h"

namespace {
const QString CampoCodice = QStringLiteral("CodiceMeta");
}

void ControlloreMeta::RicercaMetaCorrente() {
    Meta.CodiceMetaCorrente.clear();
    const QString mete = Db().Schema().NomeTabella[TabMete];
    Db().RecordSetImposta(SlotRicerca, Query(Db().Schema().NomeTabella[TabMetaCorrente]));
    if (!Db().Rs(SlotRicerca).Eof()) {
        Meta.CodiceMetaCorrente = Db().Rs(SlotRicerca).Testo(QStringLiteral("MetaCorrente"));
        Db().RecordSetImposta(SlotRicerca, Query(mete).Dove(CampoCodice, Meta.CodiceMetaCorrente));
        if (Db().Rs(SlotRicerca).Eof()) Meta.CodiceMetaCorrente.clear();
    }
    if (Meta.CodiceMetaCorrente.isEmpty()) {
        Db().RecordSetImposta(SlotRicerca, Query(mete).OrdinaPer(CampoCodice));
        if (!Db().Rs(SlotRicerca).Eof()) {
            Db().Rs(SlotRicerca).MoveLast();
            Meta.CodiceMetaCorrente = Db().Rs(SlotRicerca).Testo(CampoCodice);
        }
    }
    f_.OffriComandi(Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("all"));
}

void ControlloreMeta::SalvaIlCodiceMetaCorrente() {
    // Which trip comes back at the next start is the program's own note.
    Database::ScritturaDiServizio servizio(Db());
    Db().RecordSetImposta(SlotRicerca, Query(Db().Schema().NomeTabella[TabMetaCorrente]));
    RecordSet& rs = Db().Rs(SlotRicerca);
    if (rs.Eof())
        rs.AddNew();
    else
        rs.Edit();
    rs.Imposta(QStringLiteral("MetaCorrente"), ui.txtCodice.Text);
    rs.Update();
    Meta.CodiceMetaCorrente = ui.txtCodice.Text;
}

void ControlloreMeta::cmdNuovo_Click() {
    AzzeraSchermo();
    AttivaFormMeta(true);
    f_.SetFocus(ui.txtLocalita);
    ui.txtLocalita.Text.clear();
    ui.txtNazione.Text.clear();
    ui.txtCodice.Text.clear();
    ui.cmbGiorni.SetText(QStringLiteral("000"));
    QString comandi = QStringLiteral("NuSaEs");
    if (!Meta.CodiceMetaCorrente.isEmpty()) comandi += QStringLiteral("Ri");
    f_.OffriComandi(comandi);
}

void ControlloreMeta::cmdRicerca_Click() {
    AttivaFormMeta(true);
    f_.PulisciFinestre();
    ui.cmbRicerca.Clear();
    f_.OffriComandi(QStringLiteral("NuEs"));
    Meta.ModoRicerca = 1;
    Db().RecordSetImposta(SlotRicerca,
                          Query(Db().Schema().NomeTabella[TabMete]).OrdinaPer(QStringLiteral("Localita")));
    RecordSet& rs = Db().Rs(SlotRicerca);
    if (rs.Eof()) {
        f_.Sistema().MsgBox(QStringLiteral("Nessuna mèta nel database!"), Msg::OkOnly | Msg::Exclamation,
                            QStringLiteral("Database vuoto"));
    } else {
        // Motorway destinations (stored in lower case) go last.
        QStringList autostrade;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const QString localita = rs.Testo(QStringLiteral("Localita"));
            if (localita.contains(QLatin1String("autostrada")))
                autostrade << localita;
            else
                ui.cmbRicerca.AddItem(localita);
        }
        for (const QString& localita : autostrade)
            ui.cmbRicerca.AddItem(localita);
        ui.cmbRicerca.Visible = true;
    }
    f_.AggiornaNumeroRiga();
}

void ControlloreMeta::cmbRicerca_Click() {
    RicercaDiUnaSingolaTappa();
}

void ControlloreMeta::RicercaDiUnaSingolaTappa() {
    if (Meta.ModoRicerca == 2) {
        tappe_->ScegliLocalitaCercata();
        return;
    }
    if (Meta.ModoRicerca != 1) return;
    const QString scelta = ui.cmbRicerca.Text();
    f_.PulisciFinestre();
    tappe_->CancellaMatrice();
    Db().RecordSetImposta(
        SlotRicerca,
        Query(Db().Schema().NomeTabella[TabMete]).DoveCome(QStringLiteral("Localita"), LikeTesto(scelta)));
    if (!Db().Rs(SlotRicerca).Eof()) {
        ui.txtCodice.Text = Db().Rs(SlotRicerca).Testo(CampoCodice);
        SalvaIlCodiceMetaCorrente();
    } else {
        Meta.CodiceMetaCorrente.clear();
    }
    f_.OffriComandi(QStringLiteral("All"));
    CaricaDatiAnagraficiMeta();
    tappe_->CaricaTappeItinerario();
    ui.cmbRicerca.Visible = false;
}

void ControlloreMeta::cmdSalva_Click() {
    AttivaFormMeta(true);
    if (ui.txtLocalita.Text.trimmed().isEmpty()) {
        f_.Sistema().MsgBox(QStringLiteral("Campo Località: obbligatorio!"), Msg::OkOnly | Msg::Exclamation,
                            f_.Titolo());
        return;
    }
    if (ui.txtNazione.Text.trimmed().isEmpty()) {
        f_.Sistema().MsgBox(QStringLiteral("Campo Nazione: obbligatorio!"), Msg::OkOnly | Msg::Exclamation,
                            f_.Titolo());
        return;
    }
    Veicolo veicolo;
    if (!VeicoloSchermo(veicolo)) return;
    f_.PulisciFinestre();

    const QString mete = Db().Schema().NomeTabella[TabMete];
    QString operazione = QStringLiteral("I");
    QString codice;
    if (Val(ui.txtCodice.Text) != 0) {
        // A trip deleted meanwhile by another running copy is stored anew.
        Db().RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, Zero(Val(ui.txtCodice.Text), 6)));
        if (!Db().Rs(SlotScrittura).Eof()) {
            operazione = QStringLiteral("M");
            codice = Db().Rs(SlotScrittura).Testo(CampoCodice);
        }
    }
    if (operazione == QLatin1String("I")) {
        Db().RecordSetImposta(
            SlotScrittura, Query(mete).DoveCome(QStringLiteral("Localita"), LikeTesto(ui.txtLocalita.Text)));
        if (!Db().Rs(SlotScrittura).Eof()) {
            operazione = QStringLiteral("M");
            codice = Db().Rs(SlotScrittura).Testo(CampoCodice);
        }
    }
    if (!f_.Conferma(operazione)) return;

    if (ui.txtLocalita.Text.contains(QLatin1String("AUTOSTRADA")))
        ui.txtLocalita.Text = ui.txtLocalita.Text.toLower();

    // The trip and the "current trip" mark are stored together. A new code
    // is chosen only here, under the transaction's write lock: a trip stored
    // meanwhile by an import beside this window cannot take the same one.
    Database::Transazione transazione(Db());
    if (operazione == QLatin1String("M")) {
        Db().RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, codice));
        if (Db().Rs(SlotScrittura).Eof()) operazione = QStringLiteral("I");
    }
    if (operazione == QLatin1String("M")) {
        Db().Rs(SlotScrittura).Edit();
    } else {
        codice = Zero(NuovoCodiceMeta(), 6);
        Db().RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, codice));
        Db().Rs(SlotScrittura).AddNew();
    }
    RecordSet& rs = Db().Rs(SlotScrittura);
    rs.Imposta(CampoCodice, codice);
    rs.Imposta(QStringLiteral("Localita"), ui.txtLocalita.Text.trimmed());
    // Cut to the field's 19 characters by the record set, which keeps a
    // longer country stored already as it is.
    rs.Imposta(QStringLiteral("Nazione"), ui.txtNazione.Text.trimmed() + QStringLiteral(" "));
    rs.Imposta(QStringLiteral("DataInizio"),
               ui.cmbInizio[0].Text() + ui.cmbInizio[1].Text() + ui.cmbInizio[2].Text());
    rs.Imposta(QStringLiteral("OraInizio"), ui.cmbInizio[3].Text() + ui.cmbInizio[4].Text());
    for (int k = 0; k < 4; ++k)
        rs.Imposta(QString::fromLatin1(CampiVelocita[k]), TestoNumero(Val(ui.cmbMediaKm[k].Text())));
    ScriviOrariERiposi(rs);
    rs.Imposta(QStringLiteral("GiorniAdeguamento"), ui.cmbGiorni.Text());
    rs.Update();
    // A trip without values of its own keeps following the defaults for as
    // long as the panel shows them.
    if (VeicoloProprio(Db(), codice) || !(veicolo == LeggiVeicolo(Db(), QString())))
        ScriviVeicolo(Db(), codice, veicolo);
    ui.txtCodice.Text = codice;
    SalvaIlCodiceMetaCorrente();
    transazione.Conferma();

    CaricaDatiAnagraficiMeta();
    tappe_->CaricaTappeItinerario();
    f_.OffriComandi(QStringLiteral("all"));
}

int ControlloreMeta::NuovoCodiceMeta() {
    // The first free number, counting from 1 in code order.
    Db().RecordSetImposta(SlotScrittura, Query(Db().Schema().NomeTabella[TabMete]).OrdinaPer(CampoCodice));
    RecordSet& rs = Db().Rs(SlotScrittura);
    if (rs.Eof()) return 1;
    const qint64 righe = rs.RecordCount();
    rs.MoveLast();
    if (qint64(Val(rs.Testo(CampoCodice))) == righe) return int(righe + 1);
    int contatore = 1;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (Val(rs.Testo(CampoCodice)) != contatore) break;
        ++contatore;
    }
    return contatore;
}

void ControlloreMeta::cmdCancMeta_Click() {
    AttivaFormMeta(true);
    editor_.frmInputBox.Visible = false;
    f_.GrigliaPrincipale().Width = 11535;
    tappe_->CancellaMatrice();
    Aggiorna(false);
    // Unsaved changes on screen are dropped first.
    RicercaMetaCorrente();
    CaricaDatiAnagraficiMeta();
    tappe_->CaricaTappeItinerario();

    if (f_.Conferma(QStringLiteral("A")) && !Meta.CodiceMetaCorrente.isEmpty()) {
        f_.OffriComandi(QStringLiteral("zz"));
        // The trip goes with its stages; its city guide stays with the locality.
        {
            Database::Transazione transazione(Db());
            Db().CancellaTabella(TabItinerari, CampoCodice, Meta.CodiceMetaCorrente, &f_);
            Db().CancellaTabella(TabMete, CampoCodice, Meta.CodiceMetaCorrente, &f_);
            CancellaVeicolo(Db(), Meta.CodiceMetaCorrente);
            CancellaOrariFissi(Db(), Meta.CodiceMetaCorrente);
            transazione.Conferma();
        }
        RicercaMetaCorrente();
        CaricaDatiAnagraficiMeta();
        tappe_->CaricaTappeItinerario();
    }
    f_.OffriComandi(f_.ComandiOfferti());
}

void ControlloreMeta::cmdCancItin_Click() {
    AttivaFormMeta(true);
    if (!f_.Conferma(QStringLiteral("AI"))) return;
    if (f_.Sistema().MsgBox(QStringLiteral("Sei sicuro di voler cancellare l'itinerario?\r\n\r\n"
                                           "In caso positivo, non sarà più recuperabile!"),
                            Msg::YesNo | Msg::Question,
                            QStringLiteral("Annullamento itinerario")) != Msg::Yes)
        return;
    if (Meta.CodiceMetaCorrente.isEmpty()) return;
    f_.OffriComandi(QStringLiteral("zz"));
    Db().CancellaTabella(TabItinerari, CampoCodice, Meta.CodiceMetaCorrente, &f_);
    RicercaMetaCorrente();
    CaricaDatiAnagraficiMeta();
    tappe_->CaricaTappeItinerario();
}

void ControlloreMeta::AzzeraSchermo() {
    f_.PulisciFinestre();
    // A new trip starts from the user's saved parameters, not from those of
    // the trip shown before.
    CaricaDefaultMeta(0);
    for (auto& t : ui.txtFine)
        t.Text.clear();
    ui.txtGiorni.Text.clear();
    const QDateTime adesso = f_.Sistema().Adesso();
    const QDate oggi = adesso.date();
    ui.cmbInizio[0].SetText(Zero(oggi.day(), 2));
    ui.cmbInizio[1].SetText(Zero(oggi.month(), 2));
    ui.cmbInizio[2].SetText(Zero(oggi.year(), 4));
    // Minutes to the nearest quarter; 53 to 59 carry into the next hour
    // (the hour list runs to 24).
    int ora = adesso.time().hour();
    int minuti = int(Int(adesso.time().minute() / 15.0 + 0.5)) * 15;
    if (minuti == 60) {
        minuti = 0;
        ++ora;
    }
    ui.cmbInizio[3].SetText(Zero(ora, 2));
    ui.cmbInizio[4].SetText(Zero(minuti, 2));
    tappe_->CancellaMatrice();
}
