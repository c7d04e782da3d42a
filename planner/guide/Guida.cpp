// The city guide: its types, the list of the open trip's localities with
// their entries on the stage grid, and adding, changing and deleting entries.
//
// Record-set slots: SlotMeta the trip's stages, SlotRicerca one locality's
// entries, SlotScrittura the types, the entry being changed and the
// visited-flag reset.
#include "guide/Guida.h"

#include <utility>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "guide/PassaggioGuida.h"
#include "guide/TipiGuida.h"
#include "model/ColonneGriglie.h"
#include "model/ValoriTappa.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "shell/SlotRecordSet.h"
#include "trip/Meta.h"
#include "trip/OrariFissi.h"
#include "trip/Veicolo.h"

namespace {

const QString TitoloGuida = QStringLiteral("Guida Città");

} // namespace

void FormViandora::CaricaTipiGuida() {
    ScriviTipiGuidaDefault(Db);
    Db.RecordSetImposta(
        SlotScrittura, Query(Db.Schema().NomeTabella[TabTipoGuida]).OrdinaPer(QStringLiteral("CodiceGuida")));
    RecordSet& rs = Db.Rs(SlotScrittura);
    Guida.DescrizioneTipoGuida.fill(QString());
    Guida.TempoObbligatorioTipoGuida.fill(false);
    cmbGTipo.Clear();
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const int codice = int(Val(rs.Testo(QStringLiteral("CodiceGuida"))));
        // A type outside the arrays could be listed but never saved.
        if (codice < 1 || codice >= int(Guida.DescrizioneTipoGuida.size())) continue;
        Guida.DescrizioneTipoGuida[codice] = rs.Testo(QStringLiteral("Descrizione"));
        Guida.TempoObbligatorioTipoGuida[codice] = rs.SiNo(QStringLiteral("TempoObbligatorio"));
        cmbGTipo.AddItem(Guida.DescrizioneTipoGuida[codice]);
    }
}

int FormViandora::CodiceTipoGuida(const QString& descrizione) const {
    if (descrizione.isEmpty()) return 0;
    for (int i = 1; i < int(Guida.DescrizioneTipoGuida.size()); ++i)
        if (Guida.DescrizioneTipoGuida[i] == descrizione) return i;
    return 0;
}

void FormViandora::SettaAZeroFlaGVisto() {
    Database::Transazione transazione(Db);
    InizioAvanzamento(QStringLiteral("Reset tabella Guida Città"), 0);
    try {
        // A pass that counts nothing leaves every flag at "0"; it reads only
        // the entries marked.
        PassaggioGuida guida(Db, &CentesimiTempoGuida);
        guida.ScriviVisti();
        transazione.Conferma();
    } catch (...) {
        FineAvanzamento();
        throw;
    }
    FineAvanzamento();
}

void FormViandora::cmdGuidaCitta_Click() {
    AttivaFormMeta(true);
    ComandiMeta = QStringLiteral("zz");
    AbilitaPulsantiComando();
    const int righe = mfgTab.Rows();
    mfgTab.SetRows(1);
    mfgTab.SetRows(righe);
    ImpostaGriglia(GrigliaGuida);
    Guida.ModoGuida = true;
    CreaLaListadellaGuida();
    if (Guida.ModoGuida) ImpostaDefault(cmdFineInserimento);
}

void FormViandora::CreaLaListadellaGuida() {
    Db.RecordSetImposta(SlotMeta, Query(Db.Schema().NomeTabella[TabItinerari])
                                      .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente)
                                      .OrdinaPer(QStringLiteral("Localita")));
    RecordSet& tappe = Db.Rs(SlotMeta);
    if (tappe.RecordCount() == 0) {
        piattaforma_.MsgBox(QStringLiteral("Impossibile... non esistono tappe memorizzate!"),
                            Msg::OkOnly | Msg::Exclamation, TitoloGuida);
        // Back to the stage grid: the guide screen never opened.
        Guida.ModoGuida = false;
        ImpostaGriglia(GrigliaTappe);
        ComandiMeta = QStringLiteral("all");
        AbilitaPulsantiComando();
        return;
    }

    Griglia& g = mfgTab;
    g.SetRows(1);
    g.SetRows(int(qMin<qint64>(qMax<qint64>(tappe.RecordCount(), RigheVisibili), 32000)) + 1);
    g.Col = 1;
    int riga = 0;
    auto nuovaRiga = [&] {
        ++riga;
        if (riga > g.Rows() - 2) g.SetRows(riga + 5);
        g.SetTextMatrix(riga, GuidaNumero, QString::number(riga));
    };

    const QString tabellaGuida = Db.Schema().NomeTabella[TabGuida];
    QString precedente = QStringLiteral("\\");
    for (tappe.MoveFirst(); !tappe.Eof(); tappe.MoveNext()) {
        const QString localita = tappe.Testo(QStringLiteral("Localita"));
        if (localita == precedente) continue;
        precedente = localita;
        nuovaRiga();
        g.SetTextMatrix(riga, GuidaLocalita, localita);
        g.SetTextMatrix(riga, GuidaSostaTappa, tappe.Testo(QStringLiteral("TempoSosta")).trimmed());

        Db.RecordSetImposta(SlotRicerca, Query(tabellaGuida)
                                             .DoveCome(QStringLiteral("Localita"), LikeTesto(localita))
                                             .OrdinaPer(QStringLiteral("CodiceGuida, Descrizione")));
        RecordSet& voci = Db.Rs(SlotRicerca);
        for (voci.MoveFirst(); !voci.Eof(); voci.MoveNext()) {
            nuovaRiga();
            const int codice = int(Val(voci.Testo(QStringLiteral("CodiceGuida"))));
            g.SetTextMatrix(riga, GuidaLocalita, localita);
            g.SetTextMatrix(riga, GuidaDescrizione, voci.Testo(QStringLiteral("Descrizione")));
            g.SetTextMatrix(riga, GuidaTempo, voci.Testo(QStringLiteral("TempoSosta")));
            g.SetTextMatrix(riga, GuidaTipo,
                            codice >= 1 && codice < int(Guida.DescrizioneTipoGuida.size())
                                ? Guida.DescrizioneTipoGuida[codice]
                                : QString());
            g.SetTextMatrix(riga, GuidaVoce, QStringLiteral("1"));
        }
    }
    g.SetRows(qMax(riga, int(RigheVisibili)) + 1);
    frmGuida.Visible = true;
    g.Height = 3385;
}

void FormViandora::InserisciGuida() {
    Griglia& g = mfgTab;
    // Below the list: back up to its last row, so that an entry always has
    // a locality.
    bool spostata = false;
    while (Itinerario.RigaCorrente > 1 &&
           g.TextMatrix(Itinerario.RigaCorrente, GuidaLocalita).trimmed().isEmpty()) {
        --Itinerario.RigaCorrente;
        spostata = true;
    }
    if (spostata) AggiornaNumeroRiga();
    const int r = Itinerario.RigaCorrente;
    txtGLocalita.Text = g.TextMatrix(r, GuidaLocalita);
    const QString tipo = g.TextMatrix(r, GuidaTipo);
    cmbGTipo.SetText(tipo.isEmpty() ? Guida.DescrizioneTipoGuida[1] : tipo);
    txtGDescrizione.Text = g.TextMatrix(r, GuidaDescrizione).trimmed();
    const QString tempo = g.TextMatrix(r, GuidaTempo);
    cmbGH.SetText(Zero(Val(tempo.left(2)), 2));
    cmbGM.SetText(Zero(Val(tempo.right(2)), 2));
    cmdCancellaRiga.Enabled = !g.TextMatrix(r, GuidaDescrizione).trimmed().isEmpty();
    const OrariVoce orari = g.TextMatrix(r, GuidaVoce) == QLatin1String("1")
                                ? LeggiOrariVoce(Db, txtGLocalita.Text, g.TextMatrix(r, GuidaDescrizione))
                                : OrariVoce{};
    txtGChiuso.Text = TestoGiorni(orari.Chiuso);
    txtGDalle.Text = orari.Dalle ? TestoMinuti(*orari.Dalle) : QString();
    txtGAlle.Text = orari.Alle ? TestoMinuti(*orari.Alle) : QString();
    SetFocus(txtGDescrizione);
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

void FormViandora::CmdSalvaRiga_Click() {
    auto errore = [this](const char* testo) {
        piattaforma_.MsgBox(QString::fromUtf8(testo), Msg::OkOnly | Msg::Exclamation, TitoloGuida);
    };
    const QString descrizione = txtGDescrizione.Text.trimmed();
    if (descrizione.isEmpty()) return errore("Errore! Manca la descrizione!!!");
    const int codice = CodiceTipoGuida(cmbGTipo.Text());
    if (codice < 1) return errore("Errore! Manca la tipologia!!!");
    // An unchosen hour or minute list counts as "00".
    const QString tempo = Zero(Val(cmbGH.Text()), 2) + u':' + Zero(Val(cmbGM.Text()), 2);
    if (Guida.TempoObbligatorioTipoGuida[codice] && tempo == QLatin1String("00:00"))
        return errore("Errore! Manca il tempo stimato!!!");
    // An entry without a locality would never be listed again.
    if (txtGLocalita.Text.trimmed().isEmpty()) return errore("Errore! Manca la località!!!");
    OrariVoce orari;
    auto rifiuta = [this](const CasellaTesto& campo, const QString& messaggio) {
        piattaforma_.MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, TitoloGuida);
        SetFocus(campo);
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
    Database::Transazione transazione(Db);
    const int r = Itinerario.RigaCorrente;
    const bool trovata = TrovaVoce(Db, SlotScrittura, mfgTab, r, txtGLocalita.Text,
                                   CodiceTipoGuida(mfgTab.TextMatrix(r, GuidaTipo)));
    RecordSet& rs = Db.Rs(SlotScrittura);
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
    const QString vecchia = mfgTab.TextMatrix(r, GuidaDescrizione).trimmed();
    if (trovata && vecchia != descrizione) ScriviOrariVoce(Db, txtGLocalita.Text, vecchia, OrariVoce{});
    ScriviOrariVoce(Db, txtGLocalita.Text, descrizione, orari);
    transazione.Conferma();

    const int primaVisibile = mfgTab.TopRow;
    CreaLaListadellaGuida();
    mfgTab.TopRow = primaVisibile;
    AggiornaNumeroRiga();
    if (mfgTab.TextMatrix(Itinerario.RigaCorrente, GuidaDescrizione).trimmed().isEmpty())
        txtGDescrizione.Text.clear();
    SetFocus(txtGDescrizione);
}

void FormViandora::cmdCancellaRiga_Click() {
    const int r = Itinerario.RigaCorrente;
    Database::Transazione transazione(Db);
    if (TrovaVoce(Db, SlotScrittura, mfgTab, r, txtGLocalita.Text,
                  CodiceTipoGuida(mfgTab.TextMatrix(r, GuidaTipo)))) {
        Db.Rs(SlotScrittura).Delete();
        ScriviOrariVoce(Db, txtGLocalita.Text, mfgTab.TextMatrix(r, GuidaDescrizione), OrariVoce{});
    }
    transazione.Conferma();
    const int primaVisibile = mfgTab.TopRow;
    CreaLaListadellaGuida();
    mfgTab.TopRow = primaVisibile;
    AggiornaNumeroRiga();
    if (mfgTab.TextMatrix(Itinerario.RigaCorrente, GuidaDescrizione).trimmed().isEmpty()) {
        txtGDescrizione.Text.clear();
        cmdCancellaRiga.Enabled = false;
    }
    SetFocus(txtGDescrizione);
}

void FormViandora::cmdFind_Click() {
    CercaLocalitaGuida();
}

void FormViandora::CercaLocalitaGuida() {
    frmBottoni.Enabled = false;
    mfgTab.Enabled = false;
    cmbRicercaTappa.Clear();
    QString precedente = QStringLiteral("zz");
    for (int r = 1; r < mfgTab.Rows(); ++r) {
        const QString localita = mfgTab.TextMatrix(r, GuidaLocalita);
        if (localita.trimmed().isEmpty() || localita == precedente) continue;
        precedente = localita;
        cmbRicercaTappa.AddItem(AggStr(localita, 31, QStringLiteral(" ")) + Zero(r, 4));
    }
    Meta.ModoRicerca = 2;
    cmbRicercaTappa.Move(450, 3100, 3500, 3800);
    cmbRicercaTappa.Visible = true;
}

void FormViandora::cmdFineInserimento_Click() {
    Guida.ModoGuida = false;
    // Left with the locality list open: the list goes, the commands and the
    // grid come back.
    cmbRicercaTappa.Visible = false;
    frmBottoni.Enabled = true;
    mfgTab.Enabled = true;
    ImpostaGriglia(GrigliaTappe);
    CaricaDatiAnagraficiMeta();
    CaricaTappeItinerario();
    mfgTab.Height = 4055;
    frmGuida.Visible = false;
    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
    AggiornaNumeroRiga();
    // Back where the trip's work starts, not on the last panel in Tab order.
    SetFocus(txtLocalita);
}
