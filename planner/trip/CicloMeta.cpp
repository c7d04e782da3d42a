// A trip's life: new, search, save, delete, and the trip that comes back at
// the next start.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "model/CampiMeta.h"
#include "model/ColonneGriglie.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"
#include "trip/Meta.h"
#include "trip/OrariFissi.h"
#include "trip/VeicoloMeta.h"

namespace {
const QString CampoCodice = QStringLiteral("CodiceMeta");
}

void FormViandora::RicercaMetaCorrente() {
    Meta.CodiceMetaCorrente.clear();
    const QString mete = Db.Schema().NomeTabella[TabMete];
    Db.RecordSetImposta(SlotRicerca, Query(Db.Schema().NomeTabella[TabMetaCorrente]));
    if (!Db.Rs(SlotRicerca).Eof()) {
        Meta.CodiceMetaCorrente = Db.Rs(SlotRicerca).Testo(QStringLiteral("MetaCorrente"));
        Db.RecordSetImposta(SlotRicerca, Query(mete).Dove(CampoCodice, Meta.CodiceMetaCorrente));
        if (Db.Rs(SlotRicerca).Eof()) Meta.CodiceMetaCorrente.clear();
    }
    if (Meta.CodiceMetaCorrente.isEmpty()) {
        Db.RecordSetImposta(SlotRicerca, Query(mete).OrdinaPer(CampoCodice));
        if (!Db.Rs(SlotRicerca).Eof()) {
            Db.Rs(SlotRicerca).MoveLast();
            Meta.CodiceMetaCorrente = Db.Rs(SlotRicerca).Testo(CampoCodice);
        }
    }
    ComandiMeta = Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("all");
    AbilitaPulsantiComando();
}

void FormViandora::SalvaIlCodiceMetaCorrente() {
    // Which trip comes back at the next start is the program's own note.
    Database::ScritturaDiServizio servizio(Db);
    Db.RecordSetImposta(SlotRicerca, Query(Db.Schema().NomeTabella[TabMetaCorrente]));
    RecordSet& rs = Db.Rs(SlotRicerca);
    if (rs.Eof())
        rs.AddNew();
    else
        rs.Edit();
    rs.Imposta(QStringLiteral("MetaCorrente"), txtCodice.Text);
    rs.Update();
    Meta.CodiceMetaCorrente = txtCodice.Text;
}

void FormViandora::cmdNuovo_Click() {
    AzzeraSchermo();
    AttivaFormMeta(true);
    SetFocus(txtLocalita);
    txtLocalita.Text.clear();
    txtNazione.Text.clear();
    txtCodice.Text.clear();
    cmbGiorni.SetText(QStringLiteral("000"));
    ComandiMeta = QStringLiteral("NuSaEs");
    if (!Meta.CodiceMetaCorrente.isEmpty()) ComandiMeta += QStringLiteral("Ri");
    AbilitaPulsantiComando();
}

void FormViandora::cmdRicerca_Click() {
    AttivaFormMeta(true);
    PulisciFinestre();
    cmbRicerca.Clear();
    ComandiMeta = QStringLiteral("NuEs");
    AbilitaPulsantiComando();
    Meta.ModoRicerca = 1;
    Db.RecordSetImposta(SlotRicerca,
                        Query(Db.Schema().NomeTabella[TabMete]).OrdinaPer(QStringLiteral("Localita")));
    RecordSet& rs = Db.Rs(SlotRicerca);
    if (rs.Eof()) {
        piattaforma_.MsgBox(QStringLiteral("Nessuna mèta nel database!"), Msg::OkOnly | Msg::Exclamation,
                            QStringLiteral("Database vuoto"));
    } else {
        // Motorway destinations (stored in lower case) go last.
        QStringList autostrade;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const QString localita = rs.Testo(QStringLiteral("Localita"));
            if (localita.contains(QLatin1String("autostrada")))
                autostrade << localita;
            else
                cmbRicerca.AddItem(localita);
        }
        for (const QString& localita : autostrade)
            cmbRicerca.AddItem(localita);
        cmbRicerca.Visible = true;
    }
    AggiornaNumeroRiga();
}

void FormViandora::cmbRicerca_Click() {
    RicercaDiUnaSingolaTappa();
}

void FormViandora::cmbRicercaTappa_Click() {
    cmbRicerca.Move(450, 3100, 3500, 3800);
    cmbRicercaTappa.Visible = false;
    mfgTab.Enabled = true;
    frmBottoni.Enabled = true;
    RicercaDiUnaSingolaTappa();
}

void FormViandora::RicercaDiUnaSingolaTappa() {
    if (Meta.ModoRicerca == 2) {
        ScegliLocalitaCercata();
        return;
    }
    if (Meta.ModoRicerca != 1) return;
    const QString scelta = cmbRicerca.Text();
    PulisciFinestre();
    CancellaMatrice();
    Db.RecordSetImposta(
        SlotRicerca,
        Query(Db.Schema().NomeTabella[TabMete]).DoveCome(QStringLiteral("Localita"), LikeTesto(scelta)));
    if (!Db.Rs(SlotRicerca).Eof()) {
        txtCodice.Text = Db.Rs(SlotRicerca).Testo(CampoCodice);
        SalvaIlCodiceMetaCorrente();
    } else {
        Meta.CodiceMetaCorrente.clear();
    }
    ComandiMeta = QStringLiteral("All");
    AbilitaPulsantiComando();
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
    cmbRicerca.Visible = false;
}

void FormViandora::cmdSalva_Click() {
    AttivaFormMeta(true);
    if (txtLocalita.Text.trimmed().isEmpty()) {
        piattaforma_.MsgBox(QStringLiteral("Campo Località: obbligatorio!"), Msg::OkOnly | Msg::Exclamation,
                            Caption);
        return;
    }
    if (txtNazione.Text.trimmed().isEmpty()) {
        piattaforma_.MsgBox(QStringLiteral("Campo Nazione: obbligatorio!"), Msg::OkOnly | Msg::Exclamation,
                            Caption);
        return;
    }
    Veicolo veicolo;
    if (!VeicoloSchermo(veicolo)) return;
    PulisciFinestre();

    const QString mete = Db.Schema().NomeTabella[TabMete];
    QString operazione = QStringLiteral("I");
    QString codice;
    if (Val(txtCodice.Text) != 0) {
        // A trip deleted meanwhile by another running copy is stored anew.
        Db.RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, Zero(Val(txtCodice.Text), 6)));
        if (!Db.Rs(SlotScrittura).Eof()) {
            operazione = QStringLiteral("M");
            codice = Db.Rs(SlotScrittura).Testo(CampoCodice);
        }
    }
    if (operazione == QLatin1String("I")) {
        Db.RecordSetImposta(SlotScrittura,
                            Query(mete).DoveCome(QStringLiteral("Localita"), LikeTesto(txtLocalita.Text)));
        if (!Db.Rs(SlotScrittura).Eof()) {
            operazione = QStringLiteral("M");
            codice = Db.Rs(SlotScrittura).Testo(CampoCodice);
        }
    }
    QString domanda = operazione;
    BoxConferma(domanda);
    if (RispostaConferma != Msg::Yes) return;

    if (txtLocalita.Text.contains(QLatin1String("AUTOSTRADA"))) txtLocalita.Text = txtLocalita.Text.toLower();

    // The trip and the "current trip" mark are stored together. A new code
    // is chosen only here, under the transaction's write lock: a trip stored
    // meanwhile by an import beside this window cannot take the same one.
    Database::Transazione transazione(Db);
    if (operazione == QLatin1String("M")) {
        Db.RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, codice));
        if (Db.Rs(SlotScrittura).Eof()) operazione = QStringLiteral("I");
    }
    if (operazione == QLatin1String("M")) {
        Db.Rs(SlotScrittura).Edit();
    } else {
        codice = Zero(NuovoCodiceMeta(), 6);
        Db.RecordSetImposta(SlotScrittura, Query(mete).Dove(CampoCodice, codice));
        Db.Rs(SlotScrittura).AddNew();
    }
    RecordSet& rs = Db.Rs(SlotScrittura);
    rs.Imposta(CampoCodice, codice);
    rs.Imposta(QStringLiteral("Localita"), txtLocalita.Text.trimmed());
    // Cut to the field's 19 characters by the record set, which keeps a
    // longer country stored already as it is.
    rs.Imposta(QStringLiteral("Nazione"), txtNazione.Text.trimmed() + QStringLiteral(" "));
    rs.Imposta(QStringLiteral("DataInizio"), cmbInizio[0].Text() + cmbInizio[1].Text() + cmbInizio[2].Text());
    rs.Imposta(QStringLiteral("OraInizio"), cmbInizio[3].Text() + cmbInizio[4].Text());
    for (int k = 0; k < 4; ++k)
        rs.Imposta(QString::fromLatin1(CampiVelocita[k]), TestoNumero(Val(cmbMediaKm[k].Text())));
    ScriviOrariERiposi(rs);
    rs.Imposta(QStringLiteral("GiorniAdeguamento"), cmbGiorni.Text());
    rs.Update();
    // A trip without values of its own keeps following the defaults for as
    // long as the panel shows them.
    if (VeicoloProprio(Db, codice) || !(veicolo == LeggiVeicolo(Db, QString())))
        ScriviVeicolo(Db, codice, veicolo);
    txtCodice.Text = codice;
    SalvaIlCodiceMetaCorrente();
    transazione.Conferma();

    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
}

int FormViandora::NuovoCodiceMeta() {
    // The first free number, counting from 1 in code order.
    Db.RecordSetImposta(SlotScrittura, Query(Db.Schema().NomeTabella[TabMete]).OrdinaPer(CampoCodice));
    RecordSet& rs = Db.Rs(SlotScrittura);
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

void FormViandora::cmdCancMeta_Click() {
    AttivaFormMeta(true);
    frmInputBox.Visible = false;
    mfgTab.Width = 11535;
    CancellaMatrice();
    Aggiorna(false);
    // Unsaved changes on screen are dropped first.
    RicercaMetaCorrente();
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();

    QString domanda = QStringLiteral("A");
    BoxConferma(domanda);
    if (RispostaConferma == Msg::Yes && !Meta.CodiceMetaCorrente.isEmpty()) {
        ComandiMeta = QStringLiteral("zz");
        AbilitaPulsantiComando();
        // The trip goes with its stages; its city guide stays with the locality.
        {
            Database::Transazione transazione(Db);
            Db.CancellaTabella(TabItinerari, CampoCodice, Meta.CodiceMetaCorrente, this);
            Db.CancellaTabella(TabMete, CampoCodice, Meta.CodiceMetaCorrente, this);
            CancellaVeicolo(Db, Meta.CodiceMetaCorrente);
            CancellaOrariFissi(Db, Meta.CodiceMetaCorrente);
            transazione.Conferma();
        }
        RicercaMetaCorrente();
        CaricaDatiAnagraficiMeta();
        CaricaTappeItinerario();
    }
    AbilitaPulsantiComando();
}

void FormViandora::cmdCancItin_Click() {
    AttivaFormMeta(true);
    QString domanda = QStringLiteral("AI");
    BoxConferma(domanda);
    if (RispostaConferma != Msg::Yes) return;
    if (piattaforma_.MsgBox(QStringLiteral("Sei sicuro di voler cancellare l'itinerario?\r\n\r\n"
                                           "In caso positivo, non sarà più recuperabile!"),
                            Msg::YesNo | Msg::Question,
                            QStringLiteral("Annullamento itinerario")) != Msg::Yes)
        return;
    if (Meta.CodiceMetaCorrente.isEmpty()) return;
    ComandiMeta = QStringLiteral("zz");
    AbilitaPulsantiComando();
    Db.CancellaTabella(TabItinerari, CampoCodice, Meta.CodiceMetaCorrente, this);
    RicercaMetaCorrente();
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
}
