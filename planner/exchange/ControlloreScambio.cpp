#include "exchange/ControlloreScambio.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "common/FileOrdinario.h"
#include "database/Confronto.h"
#include "database/ErroreDatabase.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"
#include "model/ColonneGriglie.h"
#include "shell/FinestraComune.h"
#include "shell/SlotRecordSet.h"

namespace {

const QString Filtro = QStringLiteral("File Export da Viandora!!! (*.iei)");
const QString TitoloExport = QStringLiteral("Export");
const QString TitoloImport = QStringLiteral("Import");

// The panel while the screen is open: over the stage grid, clear of the
// command panel, whose progress bar and status line the exchange uses.
constexpr int SinistraPannello = 120, CimaPannello = 2880, LarghezzaPannello = 11400, AltezzaPannello = 3990;
constexpr int LarghezzaLista = 5520;
constexpr int SinistraLista[] = {120, 5760};
constexpr int RigheMinime = 15;
constexpr int RighePreparate = 20;

struct Colonna {
    const char* titolo;
    int larghezza;
    int allineamento;
};
const Colonna ColonneLista[] = {
    {"Num", 450, Griglia::Centro},        {"Mèta", 3000, Griglia::Sinistra},
    {"Nazione", 2300, Griglia::Sinistra}, {"Record", 1000, Griglia::Sinistra},
    {"", 300, Griglia::Sinistra},
};
constexpr int ColonneGriglia = 5;

// Rows 1.. with a locality: the filled rows come first, without gaps.
int MeteInLista(const Griglia& g) {
    int r = g.FixedRows;
    while (r < g.Rows() && !g.TextMatrix(r, ColLocalita).isEmpty())
        ++r;
    return r - g.FixedRows;
}

QStringList Codici(const Griglia& g) {
    QStringList codici;
    for (int r = g.FixedRows; r < g.Rows() && !g.TextMatrix(r, ColLocalita).isEmpty(); ++r)
        if (!g.TextMatrix(r, ColCodice).isEmpty()) codici << g.TextMatrix(r, ColCodice);
    return codici;
}

// One row per trip: destination, country and code in columns 1 to 3.
void CaricaListaMete(Database& db, Griglia& griglia) {
    db.RecordSetImposta(SlotRicerca,
                        Query(db.Schema().NomeTabella[TabMete]).OrdinaPer(QStringLiteral("Localita")));
    RecordSet& rs = db.Rs(SlotRicerca);
    int riga = griglia.FixedRows;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++riga) {
        if (griglia.Rows() <= riga) griglia.SetRows(riga + 1);
        griglia.SetTextMatrix(riga, MetaLocalita, rs.Testo(QStringLiteral("Localita")));
        griglia.SetTextMatrix(riga, MetaNazione, rs.Testo(QStringLiteral("Nazione")));
        griglia.SetTextMatrix(riga, MetaCodice, rs.Testo(QStringLiteral("CodiceMeta")));
    }
}

} // namespace

void ControlloreScambio::Esporta() {
    Piattaforma& p = finestra_.Sistema();
    QString file = p.SalvaFile(TitoloExport, Filtro);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".iei");
    const QString nome = QDir::toNativeSeparators(file);
    QString errore;
    if (!ControllaFileDaScrivere(file, &errore)) {
        p.MsgBox(QStringLiteral("Esportazione non eseguita:\r\n") + errore, Msg::OkOnly | Msg::Critical,
                 TitoloExport);
        return;
    }
    if (QFileInfo::exists(file) &&
        p.MsgBox(QStringLiteral("Il file ") + nome + QStringLiteral(" esiste già: ricopro?"),
                 Msg::YesNo | Msg::Question,
                 QStringLiteral("File ") + nome + QStringLiteral(" esistente")) != Msg::Yes)
        return;
    if (!finestra_.Conferma(QStringLiteral("EX"))) return;

    frmExport_.Enabled = false;
    finestra_.OffriComandi(QStringLiteral("zz"));
    EsitoEsportazione esito;
    const bool scritto = EsportaMete(finestra_.Archivio(), Codici(mfgImExp[ListaSelezione()]), file,
                                     &finestra_, esito, errore);
    frmExport_.Enabled = true;
    finestra_.OffriComandi(QStringLiteral("zzEs"));
    if (!scritto) {
        p.MsgBox(QStringLiteral("Esportazione non eseguita:\r\n") + errore, Msg::OkOnly | Msg::Critical,
                 TitoloExport);
        return;
    }
    QString messaggio = QStringLiteral("Le mète esportate si trovano sul file ") + nome;
    if (esito.valoriModificati > 0)
        messaggio +=
            QStringLiteral("\r\n\r\nAttenzione: %1 valori contenevano caratteri che il file non può "
                           "contenere (ý, þ, ÿ, ritorni a capo o caratteri estranei al set Windows-1252) e "
                           "sono stati scritti modificati; l'archivio non è cambiato.")
                .arg(esito.valoriModificati);
    p.MsgBox(messaggio, Msg::OkOnly | Msg::Information, TitoloExport);
}

void ControlloreScambio::Importa() {
    Piattaforma& p = finestra_.Sistema();
    if (!finestra_.Conferma(QStringLiteral("IM"))) return;

    frmExport_.Enabled = false;
    finestra_.OffriComandi(QStringLiteral("zz"));
    auto riprendi = [this] {
        frmExport_.Enabled = true;
        finestra_.OffriComandi(QStringLiteral("zzEs"));
    };
    // The file is read again: it may have changed since it was listed.
    ContenutoScambio contenuto;
    QString errore;
    {
        Passi passi(&finestra_, QStringLiteral("Importazione mète"), QFileInfo(fileImport_).size());
        errore = LeggiFileScambio(fileImport_, contenuto, [&](qint64 letti, qint64) { passi.Porta(letti); });
    }
    if (!errore.isEmpty()) {
        riprendi();
        p.MsgBox(errore + QStringLiteral("\r\nNon è stato importato nulla."), Msg::OkOnly | Msg::Exclamation,
                 TitoloImport);
        return;
    }
    RiepilogoImportazione riepilogo;
    try {
        riepilogo =
            ImportaMete(finestra_.Archivio(), fileImport_, Codici(mfgImExp[ListaSelezione()]), &finestra_);
    } catch (const ErroreDatabase& e) {
        finestra_.FineAvanzamento();
        riprendi();
        p.MsgBox(QStringLiteral("Importazione non eseguita: ") + e.Messaggio() +
                     QStringLiteral("\r\nL'archivio è rimasto com'era."),
                 Msg::OkOnly | Msg::Critical, TitoloImport);
        return;
    }
    p.MsgBox(TestoRiepilogoImportazione(riepilogo), Msg::OkOnly | Msg::Information, TitoloImport);

    EsciExportImport();
    finestra_.RiprendiMetaCorrente();
}

ControlloreScambio::ControlloreScambio(FinestraComune& finestra, Pannello& frmExport)
    : finestra_(finestra), frmExport_(frmExport) {}

void ControlloreScambio::CreaPannello() {
    const QString pannello = QStringLiteral("frmExport");
    for (int k = 0; k < 2; ++k) {
        finestra_.Aggiungi(lblImExp, QStringLiteral("lblImExp"), pannello, SinistraLista[k], 240,
                           LarghezzaLista, 255);
        finestra_.Aggiungi(mfgImExp, QStringLiteral("mfgImExp"), pannello, SinistraLista[k], 510,
                           LarghezzaLista, 2970);
    }
    for (int k = 0; k < 2; ++k) {
        Pulsante& tutto = finestra_.Aggiungi(cmdTutto, QStringLiteral("cmdTutto"), pannello, SinistraLista[k],
                                             3540, 1900, 345);
        tutto.ToolTipText = QStringLiteral("Sposta tutte le mète di questa lista nell'altra");
    }
    finestra_.Registra(cmdImExp, QStringLiteral("cmdImExp"), pannello, 8000, 3540, 1560, 345);
    cmdImExp.Caption = QStringLiteral("Esporta");
    finestra_.Registra(cmdRinuncia, QStringLiteral("cmdRinuncia"), pannello, 9660, 3540, 1560, 345);
    cmdRinuncia.Caption = QStringLiteral("&Rinuncia");
    cmdRinuncia.ToolTipText = QStringLiteral("Rinuncia alla funzione richiesta");
}

void ControlloreScambio::CollegaEventi() {
    finestra_.SuClick(QStringLiteral("cmdExport"), [this] { cmdExport_Click(); });
    finestra_.SuClick(QStringLiteral("cmdImport"), [this] { cmdImport_Click(); });
    finestra_.SuClick(QStringLiteral("cmdImExp"), [this] { cmdImExp_Click(); });
    finestra_.SuClick(QStringLiteral("cmdRinuncia"), [this] { EsciExportImport(); });
    for (int k = 0; k < 2; ++k) {
        finestra_.SuClick(mfgImExp[k].NomeCompleto(), [this, k] { mfgImExp_Click(k); });
        finestra_.SuClick(cmdTutto[k].NomeCompleto(), [this, k] { cmdTutto_Click(k); });
    }
}

void ControlloreScambio::PreparaExportImport() {
    finestra_.PulisciFinestre();
    finestra_.GrigliaPrincipale().Visible = false;
    frmExport_.Move(SinistraPannello, CimaPannello, LarghezzaPannello, AltezzaPannello);
    frmExport_.Visible = true;
    frmExport_.Enabled = true;
    // Only the exit stays available on the command panel.
    finestra_.OffriComandi(QStringLiteral("zzEs"));
    fileImport_.clear();
    for (Griglia& g : mfgImExp) {
        g.Enabled = true;
        g.Clear();
        g.SetCols(ColonneGriglia);
        g.SetRows(RighePreparate);
        g.FixedRows = 1;
        g.FixedCols = 0;
        for (int c = 0; c < ColonneGriglia; ++c) {
            g.SetTextMatrix(0, c, QString::fromUtf8(ColonneLista[c].titolo));
            g.SetColWidth(c, ColonneLista[c].larghezza);
            g.SetColAlignment(c, ColonneLista[c].allineamento);
        }
        g.Row = g.RowSel = 0;
        g.TopRow = 1;
    }
    finestra_.ImpostaDefault(cmdImExp);
    cmdRinuncia.Cancel = true;
    AggiornaPulsantiImportExport();
}

void ControlloreScambio::cmdExport_Click() {
    PreparaExportImport();
    modo_ = Modo::Esportazione;
    lblImExp[0].Caption = QStringLiteral("Mète in memoria (da selezionare)");
    lblImExp[1].Caption = QStringLiteral("Lista delle mète selezionate per l'EXPORT");
    cmdImExp.Caption = QStringLiteral("Esporta");
    cmdImExp.ToolTipText = QStringLiteral("Esporta su file le mète della lista di destra");
    CaricaListaMete(finestra_.Archivio(), mfgImExp[0]);
    if (MeteInLista(mfgImExp[0]) == 0)
        finestra_.Sistema().MsgBox(QStringLiteral("Non ci sono altre mète da esportare..."),
                                   Msg::OkOnly | Msg::Exclamation, TitoloExport);
    AggiornaPulsantiImportExport();
}

void ControlloreScambio::cmdImport_Click() {
    PreparaExportImport();
    modo_ = Modo::Importazione;
    lblImExp[0].Caption = QStringLiteral("Lista delle mète selezionate per l'Import");
    lblImExp[1].Caption = QStringLiteral("Lista delle mete nel file selezionato");
    cmdImExp.Caption = QStringLiteral("Importa");
    cmdImExp.ToolTipText = QStringLiteral("Importa nell'archivio le mète della lista di sinistra");
    const QString file = finestra_.Sistema().ApriFile(TitoloImport, Filtro);
    if (file.isEmpty()) {
        EsciExportImport();
        return;
    }
    ContenutoScambio contenuto;
    QString errore;
    {
        const QString didascalia = QStringLiteral("Esportazione tabella ") +
                                   finestra_.Archivio().Schema().NomeTabella[TabMete] +
                                   QStringLiteral(" in corso");
        Passi passi(&finestra_, didascalia, QFileInfo(file).size());
        errore = LeggiFileScambio(file, contenuto, [&](qint64 letti, qint64) { passi.Porta(letti); });
    }
    if (!errore.isEmpty()) {
        finestra_.Sistema().MsgBox(errore, Msg::OkOnly | Msg::Exclamation, TitoloImport);
        EsciExportImport();
        return;
    }
    fileImport_ = file;
    Griglia& lista = mfgImExp[1];
    const QVector<ContenutoScambio::Meta> mete = contenuto.Mete();
    lista.SetRows(int(qMax<qsizetype>(lista.Rows(), mete.size() + 2)));
    int r = lista.FixedRows;
    for (const ContenutoScambio::Meta& m : mete) {
        lista.SetTextMatrix(r, ColLocalita, m.localita);
        lista.SetTextMatrix(r, ColNazione, m.nazione);
        lista.SetTextMatrix(r, ColCodice, m.codice);
        ++r;
    }
    AggiornaPulsantiImportExport();
}

void ControlloreScambio::mfgImExp_Click(int Index) {
    TrasferisceMetaImportExport(Index);
}

void ControlloreScambio::TrasferisceMetaImportExport(int Index) {
    Griglia& da = mfgImExp[Index];
    Griglia& a = mfgImExp[1 - Index];
    const int riga = da.Row;
    if (riga < da.FixedRows || riga >= da.Rows() || da.TextMatrix(riga, ColLocalita).isEmpty()) return;
    a.SetRows(a.Rows() + 2);
    const int libera = a.FixedRows + MeteInLista(a);
    for (int c = ColLocalita; c <= ColCodice; ++c)
        a.SetTextMatrix(libera, c, da.TextMatrix(riga, c));
    for (int r = riga; r + 1 < da.Rows(); ++r)
        for (int c = ColLocalita; c <= ColCodice; ++c)
            da.SetTextMatrix(r, c, da.TextMatrix(r + 1, c));
    for (int c = 0; c < da.Cols(); ++c)
        da.SetTextMatrix(da.Rows() - 1, c, QString());
    // Nothing stays selected: the row clicked now holds another trip.
    da.Row = da.RowSel = 0;
    AggiornaPulsantiImportExport();
    da.Modificata();
}

void ControlloreScambio::cmdTutto_Click(int Index) {
    // The same as clicking every trip in turn, done in one pass.
    Griglia& da = mfgImExp[Index];
    Griglia& a = mfgImExp[1 - Index];
    const int n = MeteInLista(da);
    const int libera = a.FixedRows + MeteInLista(a);
    a.SetRows(qMax(a.Rows(), libera + n + 1));
    Passi passi(&finestra_, QStringLiteral("Lettura mète"), n);
    for (int i = 0; i < n; ++i) {
        for (int c = ColLocalita; c <= ColCodice; ++c) {
            a.SetTextMatrix(libera + i, c, da.TextMatrix(da.FixedRows + i, c));
            da.SetTextMatrix(da.FixedRows + i, c, QString());
        }
        da.SetTextMatrix(da.FixedRows + i, ColNumero, QString());
        passi.Avanza();
    }
    passi.Fine();
    AggiornaPulsantiImportExport();
}

void ControlloreScambio::AggiornaPulsantiImportExport() {
    int mete[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        Griglia& g = mfgImExp[k];
        mete[k] = MeteInLista(g);
        // Rows after the first free one go; the free one stays.
        if (g.FixedRows + mete[k] < g.Rows()) g.SetRows(g.FixedRows + mete[k] + 1);
    }
    cmdTutto[0].Caption = QStringLiteral("[%1] Tutti --->").arg(mete[0]);
    cmdTutto[1].Caption = QStringLiteral("<--- Tutti [%1]").arg(mete[1]);
    for (int k = 0; k < 2; ++k)
        cmdTutto[k].Enabled = mete[k] > 0;
    cmdImExp.Enabled = mete[ListaSelezione()] > 0;

    for (int k = 0; k < 2; ++k) {
        Griglia& g = mfgImExp[k];
        QVector<QStringList> righe;
        for (int r = g.FixedRows; r < g.FixedRows + mete[k]; ++r)
            righe.append(
                {g.TextMatrix(r, ColLocalita), g.TextMatrix(r, ColNazione), g.TextMatrix(r, ColCodice)});
        std::stable_sort(righe.begin(), righe.end(), [](const QStringList& x, const QStringList& y) {
            return ConfrontaTesti(x.at(0), y.at(0)) < 0;
        });
        g.SetRows(qMax(g.Rows(), RigheMinime));
        for (int i = 0; i < righe.size(); ++i) {
            const int r = g.FixedRows + i;
            g.SetTextMatrix(r, ColNumero, QString::number(i + 1));
            g.SetTextMatrix(r, ColLocalita, righe.at(i).at(0));
            g.SetTextMatrix(r, ColNazione, righe.at(i).at(1));
            g.SetTextMatrix(r, ColCodice, righe.at(i).at(2));
        }
        for (int r = g.FixedRows + mete[k]; r < g.Rows(); ++r)
            g.SetTextMatrix(r, ColNumero, QString());
    }
}

void ControlloreScambio::cmdImExp_Click() {
    if (modo_ == Modo::Esportazione)
        Esporta();
    else
        Importa();
}

void ControlloreScambio::EsciExportImport() {
    finestra_.GrigliaPrincipale().Visible = true;
    frmExport_.Visible = false;
    cmdImExp.Default = false;
    cmdRinuncia.Cancel = false;
    fileImport_.clear();
    finestra_.OffriComandi(finestra_.CodiceMetaCorrente().isEmpty() ? QStringLiteral("NuImEs")
                                                                    : QStringLiteral("All"));
}
