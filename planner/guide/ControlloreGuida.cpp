// The city guide: its types, the list of the open trip's localities with
// their entries on the stage grid, and adding, changing and deleting entries.
//
// Record-set slots: SlotMeta the trip's stages, SlotRicerca one locality's
// entries, SlotScrittura the types, the entry being changed and the
// visited-flag reset.
#include "guide/ControlloreGuida.h"

#include <utility>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "guide/PassaggioGuida.h"
#include "guide/TipiGuida.h"
#include "model/ColonneGriglie.h"
#include "model/ValoriTappa.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"
#include "shell/SlotRecordSet.h"
#include "trip/OrariFissi.h"
#include "trip/Veicolo.h"

namespace {

const QString TitoloGuida = QStringLiteral("Guida Città");

} // namespace

ControlloreGuida::ControlloreGuida(FinestraComune& finestra, Pannello& frmGuida, Elenco& cmbGTipo,
                                   Elenco& cmbGH, Elenco& cmbGM)
    : finestra_(finestra), frmGuida_(frmGuida), cmbGTipo_(cmbGTipo), cmbGH_(cmbGH), cmbGM_(cmbGM) {}

void ControlloreGuida::CaricaTipiGuida() {
    Database& db = finestra_.Archivio();
    ScriviTipiGuidaDefault(db);
    db.RecordSetImposta(
        SlotScrittura, Query(db.Schema().NomeTabella[TabTipoGuida]).OrdinaPer(QStringLiteral("CodiceGuida")));
    RecordSet& rs = db.Rs(SlotScrittura);
    DescrizioneTipoGuida.fill(QString());
    TempoObbligatorioTipoGuida.fill(false);
    cmbGTipo_.Clear();
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const int codice = int(Val(rs.Testo(QStringLiteral("CodiceGuida"))));
        // A type outside the arrays could be listed but never saved.
        if (codice < 1 || codice >= int(DescrizioneTipoGuida.size())) continue;
        DescrizioneTipoGuida[codice] = rs.Testo(QStringLiteral("Descrizione"));
        TempoObbligatorioTipoGuida[codice] = rs.SiNo(QStringLiteral("TempoObbligatorio"));
        cmbGTipo_.AddItem(DescrizioneTipoGuida[codice]);
    }
}

int ControlloreGuida::CodiceTipoGuida(const QString& descrizione) const {
    if (descrizione.isEmpty()) return 0;
    for (int i = 1; i < int(DescrizioneTipoGuida.size()); ++i)
        if (DescrizioneTipoGuida[i] == descrizione) return i;
    return 0;
}

void ControlloreGuida::SettaAZeroFlaGVisto() {
    Database& db = finestra_.Archivio();
    Database::Transazione transazione(db);
    finestra_.InizioAvanzamento(QStringLiteral("Reset tabella Guida Città"), 0);
    try {
        // A pass that counts nothing leaves every flag at "0"; it reads only
        // the entries marked.
        PassaggioGuida guida(db, &CentesimiTempoGuida);
        guida.ScriviVisti();
        transazione.Conferma();
    } catch (...) {
        finestra_.FineAvanzamento();
        throw;
    }
    finestra_.FineAvanzamento();
}

void ControlloreGuida::cmdGuidaCitta_Click() {
    finestra_.AttivaFormMeta(true);
    finestra_.OffriComandi(QStringLiteral("zz"));
    Griglia& g = finestra_.GrigliaPrincipale();
    const int righe = g.Rows();
    g.SetRows(1);
    g.SetRows(righe);
    finestra_.ImpostaGriglia(FinestraComune::GrigliaGuida);
    ModoGuida = true;
    CreaLaListadellaGuida();
    if (ModoGuida) finestra_.ImpostaDefault(cmdFineInserimento);
}

void ControlloreGuida::CreaLaListadellaGuida() {
    Database& db = finestra_.Archivio();
    db.RecordSetImposta(SlotMeta, Query(db.Schema().NomeTabella[TabItinerari])
                                      .Dove(QStringLiteral("CodiceMeta"), finestra_.CodiceMetaCorrente())
                                      .OrdinaPer(QStringLiteral("Localita")));
    RecordSet& tappe = db.Rs(SlotMeta);
    if (tappe.RecordCount() == 0) {
        finestra_.Sistema().MsgBox(QStringLiteral("Impossibile... non esistono tappe memorizzate!"),
                                   Msg::OkOnly | Msg::Exclamation, TitoloGuida);
        // Back to the stage grid: the guide screen never opened.
        ModoGuida = false;
        finestra_.ImpostaGriglia(FinestraComune::GrigliaTappe);
        finestra_.OffriComandi(QStringLiteral("all"));
        return;
    }

    Griglia& g = finestra_.GrigliaPrincipale();
    g.SetRows(1);
    g.SetRows(int(qMin<qint64>(qMax<qint64>(tappe.RecordCount(), FinestraComune::RigheVisibili), 32000)) + 1);
    g.Col = 1;
    int riga = 0;
    auto nuovaRiga = [&] {
        ++riga;
        if (riga > g.Rows() - 2) g.SetRows(riga + 5);
        g.SetTextMatrix(riga, GuidaNumero, QString::number(riga));
    };

    const QString tabellaGuida = db.Schema().NomeTabella[TabGuida];
    QString precedente = QStringLiteral("\\");
    for (tappe.MoveFirst(); !tappe.Eof(); tappe.MoveNext()) {
        const QString localita = tappe.Testo(QStringLiteral("Localita"));
        if (localita == precedente) continue;
        precedente = localita;
        nuovaRiga();
        g.SetTextMatrix(riga, GuidaLocalita, localita);
        g.SetTextMatrix(riga, GuidaSostaTappa, tappe.Testo(QStringLiteral("TempoSosta")).trimmed());

        db.RecordSetImposta(SlotRicerca, Query(tabellaGuida)
                                             .DoveCome(QStringLiteral("Localita"), LikeTesto(localita))
                                             .OrdinaPer(QStringLiteral("CodiceGuida, Descrizione")));
        RecordSet& voci = db.Rs(SlotRicerca);
        for (voci.MoveFirst(); !voci.Eof(); voci.MoveNext()) {
            nuovaRiga();
            const int codice = int(Val(voci.Testo(QStringLiteral("CodiceGuida"))));
            g.SetTextMatrix(riga, GuidaLocalita, localita);
            g.SetTextMatrix(riga, GuidaDescrizione, voci.Testo(QStringLiteral("Descrizione")));
            g.SetTextMatrix(riga, GuidaTempo, voci.Testo(QStringLiteral("TempoSosta")));
            g.SetTextMatrix(riga, GuidaTipo,
                            codice >= 1 && codice < int(DescrizioneTipoGuida.size())
                                ? DescrizioneTipoGuida[codice]
                                : QString());
            g.SetTextMatrix(riga, GuidaVoce, QStringLiteral("1"));
        }
    }
    g.SetRows(qMax(riga, int(FinestraComune::RigheVisibili)) + 1);
    frmGuida_.Visible = true;
    g.Height = 3385;
}

void ControlloreGuida::InserisciGuida() {
    Griglia& g = finestra_.GrigliaPrincipale();
    StatoItinerario& itinerario = finestra_.StatoGriglia();
    // Below the list: back up to its last row, so that an entry always has
    // a locality.
    bool spostata = false;
    while (itinerario.RigaCorrente > 1 &&
           g.TextMatrix(itinerario.RigaCorrente, GuidaLocalita).trimmed().isEmpty()) {
        --itinerario.RigaCorrente;
        spostata = true;
    }
    if (spostata) finestra_.AggiornaNumeroRiga();
    const int r = itinerario.RigaCorrente;
    txtGLocalita.Text = g.TextMatrix(r, GuidaLocalita);
    const QString tipo = g.TextMatrix(r, GuidaTipo);
    cmbGTipo_.SetText(tipo.isEmpty() ? DescrizioneTipoGuida[1] : tipo);
    txtGDescrizione.Text = g.TextMatrix(r, GuidaDescrizione).trimmed();
    const QString tempo = g.TextMatrix(r, GuidaTempo);
    cmbGH_.SetText(Zero(Val(tempo.left(2)), 2));
    cmbGM_.SetText(Zero(Val(tempo.right(2)), 2));
    cmdCancellaRiga.Enabled = !g.TextMatrix(r, GuidaDescrizione).trimmed().isEmpty();
    const OrariVoce orari =
        g.TextMatrix(r, GuidaVoce) == QLatin1String("1")
            ? LeggiOrariVoce(finestra_.Archivio(), txtGLocalita.Text, g.TextMatrix(r, GuidaDescrizione))
            : OrariVoce{};
    txtGChiuso.Text = TestoGiorni(orari.Chiuso);
    txtGDalle.Text = orari.Dalle ? TestoMinuti(*orari.Dalle) : QString();
    txtGAlle.Text = orari.Alle ? TestoMinuti(*orari.Alle) : QString();
    finestra_.SetFocus(txtGDescrizione);
}

namespace {

// The stored entry shown on a grid row; found when the record set in slot
// is not empty, its first row being the entry.
bool TrovaVoce(Database& db, int slot, const Griglia& g, int riga, const QString& localita, int codice) {
    // A locality row has no type: "NUL" matches no entry.
    const QString codiceVecchio = codice >= 1 ? Zero(codice, 2) : QStringLiteral("NUL");
    const QString tempoVecchio = g.TextMatrix(riga, GuidaTempo);
    // The description is compared whole: as a pattern, its quotes would
    // become wildcards and could reach another entry.
    Query query(db.Schema().NomeTabella[TabGuida]);
    query.DoveCome(QStringLiteral("Localita"), LikeTesto(localita))
        .Dove(QStringLiteral("CodiceGuida"), codiceVecchio)
        .Dove(QStringLiteral("Descrizione"), g.TextMatrix(riga, GuidaDescrizione));
    if (!tempoVecchio.isEmpty()) query.Dove(QStringLiteral("TempoSosta"), tempoVecchio);
    db.RecordSetImposta(slot, query);
    RecordSet& rs = db.Rs(slot);
    rs.MoveFirst();
    return !rs.Eof();
}

} // namespace

void ControlloreGuida::CmdSalvaRiga_Click() {
    auto errore = [this](const char* testo) {
        finestra_.Sistema().MsgBox(QString::fromUtf8(testo), Msg::OkOnly | Msg::Exclamation, TitoloGuida);
    };
    const QString descrizione = txtGDescrizione.Text.trimmed();
    if (descrizione.isEmpty()) return errore("Errore! Manca la descrizione!!!");
    const int codice = CodiceTipoGuida(cmbGTipo_.Text());
    if (codice < 1) return errore("Errore! Manca la tipologia!!!");
    // An unchosen hour or minute list counts as "00".
    const QString tempo = Zero(Val(cmbGH_.Text()), 2) + u':' + Zero(Val(cmbGM_.Text()), 2);
    if (TempoObbligatorioTipoGuida[codice] && tempo == QLatin1String("00:00"))
        return errore("Errore! Manca il tempo stimato!!!");
    // An entry without a locality would never be listed again.
    if (txtGLocalita.Text.trimmed().isEmpty()) return errore("Errore! Manca la località!!!");
    OrariVoce orari;
    auto rifiuta = [this](const CasellaTesto& campo, const QString& messaggio) {
        finestra_.Sistema().MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, TitoloGuida);
        finestra_.SetFocus(campo);
    };
    const QString chiuso = txtGChiuso.Text.trimmed();
    if (const std::optional<quint8> giorni = GiorniDaTesto(chiuso); giorni)
        orari.Chiuso = *giorni;
    else
        return rifiuta(
            txtGChiuso,
            QStringLiteral("Giorni di chiusura non validi (lun,mar,mer,gio,ven,sab,dom): %1").arg(chiuso));
    for (auto [campo, ora] : {std::pair{&txtGDalle, &orari.Dalle}, std::pair{&txtGAlle, &orari.Alle}}) {
        const QString testo = campo->Text.trimmed();
        if (testo.isEmpty()) continue;
        *ora = MinutiOra(testo);
        if (!*ora) return rifiuta(*campo, QStringLiteral("Ora non valida (hh:mm): %1").arg(testo));
    }
    if (const QString messaggio = ErroreOrariVoce(orari); !messaggio.isEmpty())
        return rifiuta(orari.Dalle ? txtGAlle : txtGDalle, messaggio);

    // The entry and its hours are stored together.
    Database& db = finestra_.Archivio();
    Griglia& griglia = finestra_.GrigliaPrincipale();
    Database::Transazione transazione(db);
    const int r = finestra_.StatoGriglia().RigaCorrente;
    const bool trovata = TrovaVoce(db, SlotScrittura, griglia, r, txtGLocalita.Text,
                                   CodiceTipoGuida(griglia.TextMatrix(r, GuidaTipo)));
    RecordSet& rs = db.Rs(SlotScrittura);
    if (trovata)
        rs.Edit();
    else
        rs.AddNew();
    rs.Imposta(QStringLiteral("Localita"), txtGLocalita.Text);
    rs.Imposta(QStringLiteral("CodiceGuida"), Zero(codice, 2));
    rs.Imposta(QStringLiteral("Descrizione"), descrizione);
    rs.Imposta(QStringLiteral("TempoSosta"), tempo);
    rs.Imposta(QStringLiteral("FlagVisto"), QStringLiteral("0"));
    rs.Update();
    // A renamed entry takes its hours with it.
    const QString vecchia = griglia.TextMatrix(r, GuidaDescrizione).trimmed();
    if (trovata && vecchia != descrizione) ScriviOrariVoce(db, txtGLocalita.Text, vecchia, OrariVoce{});
    ScriviOrariVoce(db, txtGLocalita.Text, descrizione, orari);
    transazione.Conferma();

    RifaiLista();
    if (griglia.TextMatrix(finestra_.StatoGriglia().RigaCorrente, GuidaDescrizione).trimmed().isEmpty())
        txtGDescrizione.Text.clear();
    finestra_.SetFocus(txtGDescrizione);
}

void ControlloreGuida::cmdCancellaRiga_Click() {
    Database& db = finestra_.Archivio();
    Griglia& griglia = finestra_.GrigliaPrincipale();
    const int r = finestra_.StatoGriglia().RigaCorrente;
    Database::Transazione transazione(db);
    if (TrovaVoce(db, SlotScrittura, griglia, r, txtGLocalita.Text,
                  CodiceTipoGuida(griglia.TextMatrix(r, GuidaTipo)))) {
        db.Rs(SlotScrittura).Delete();
        ScriviOrariVoce(db, txtGLocalita.Text, griglia.TextMatrix(r, GuidaDescrizione), OrariVoce{});
    }
    transazione.Conferma();
    RifaiLista();
    if (griglia.TextMatrix(finestra_.StatoGriglia().RigaCorrente, GuidaDescrizione).trimmed().isEmpty()) {
        txtGDescrizione.Text.clear();
        cmdCancellaRiga.Enabled = false;
    }
    finestra_.SetFocus(txtGDescrizione);
}

void ControlloreGuida::cmdFind_Click() {
    CercaLocalitaGuida();
}

void ControlloreGuida::RifaiLista() {
    Griglia& g = finestra_.GrigliaPrincipale();
    const int primaVisibile = g.TopRow;
    CreaLaListadellaGuida();
    g.TopRow = primaVisibile;
    finestra_.AggiornaNumeroRiga();
}

void ControlloreGuida::CercaLocalitaGuida() {
    const Griglia& g = finestra_.GrigliaPrincipale();
    QStringList voci;
    QString precedente = QStringLiteral("zz");
    for (int r = 1; r < g.Rows(); ++r) {
        const QString localita = g.TextMatrix(r, GuidaLocalita);
        if (localita.trimmed().isEmpty() || localita == precedente) continue;
        precedente = localita;
        voci << AggStr(localita, 31, QStringLiteral(" ")) + Zero(r, 4);
    }
    finestra_.ApriRicercaLocalita(voci);
}

void ControlloreGuida::cmdFineInserimento_Click() {
    ModoGuida = false;
    // Left with the locality list open: the list goes, the commands and the
    // grid come back.
    finestra_.ChiudiRicercaLocalita();
    finestra_.ImpostaGriglia(FinestraComune::GrigliaTappe);
    finestra_.RicaricaMeta();
    finestra_.GrigliaPrincipale().Height = 4055;
    frmGuida_.Visible = false;
    finestra_.OffriComandi(QStringLiteral("all"));
    finestra_.AggiornaNumeroRiga();
    // Back where the trip's work starts, not on the last panel in Tab order.
    finestra_.FuocoSullaMeta();
}
