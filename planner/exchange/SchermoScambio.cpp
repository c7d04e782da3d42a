// The exchange screen: the database's or a file's trips on one list, the
// chosen ones on the other, and the export or import of the chosen ones.
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "common/FileOrdinario.h"
#include "database/Confronto.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

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

void Esporta(FormViandora& f) {
    Piattaforma& p = f.Sistema();
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
    QString operazione = QStringLiteral("EX");
    f.BoxConferma(operazione);
    if (f.RispostaConferma != Msg::Yes) return;

    f.frmExport.Enabled = false;
    f.ComandiMeta = QStringLiteral("zz");
    f.AbilitaPulsantiComando();
    EsitoEsportazione esito;
    const bool scritto =
        EsportaMete(f.Db, Codici(f.Scambio.mfgImExp[f.Scambio.ListaSelezione()]), file, &f, esito, errore);
    f.frmExport.Enabled = true;
    f.ComandiMeta = QStringLiteral("zzEs");
    f.AbilitaPulsantiComando();
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

void Importa(FormViandora& f) {
    Piattaforma& p = f.Sistema();
    QString operazione = QStringLiteral("IM");
    f.BoxConferma(operazione);
    if (f.RispostaConferma != Msg::Yes) return;

    f.frmExport.Enabled = false;
    f.ComandiMeta = QStringLiteral("zz");
    f.AbilitaPulsantiComando();
    auto riprendi = [&f] {
        f.frmExport.Enabled = true;
        f.ComandiMeta = QStringLiteral("zzEs");
        f.AbilitaPulsantiComando();
    };
    // The file is read again: it may have changed since it was listed.
    ContenutoScambio contenuto;
    QString errore;
    {
        Passi passi(&f, QStringLiteral("Importazione mète"), QFileInfo(f.Scambio.FileImport).size());
        errore = LeggiFileScambio(f.Scambio.FileImport, contenuto,
                                  [&](qint64 letti, qint64) { passi.Porta(letti); });
    }
    if (!errore.isEmpty()) {
        riprendi();
        p.MsgBox(errore + QStringLiteral("\r\nNon è stato importato nulla."), Msg::OkOnly | Msg::Exclamation,
                 TitoloImport);
        return;
    }
    RiepilogoImportazione riepilogo;
    try {
        riepilogo = ImportaMete(f.Db, f.Scambio.FileImport,
                                Codici(f.Scambio.mfgImExp[f.Scambio.ListaSelezione()]), &f);
    } catch (const ErroreDatabase& e) {
        f.AzzeraPercentuale();
        riprendi();
        p.MsgBox(QStringLiteral("Importazione non eseguita: ") + e.Messaggio() +
                     QStringLiteral("\r\nL'archivio è rimasto com'era."),
                 Msg::OkOnly | Msg::Critical, TitoloImport);
        return;
    }
    p.MsgBox(TestoRiepilogoImportazione(riepilogo), Msg::OkOnly | Msg::Information, TitoloImport);

    f.EsciExportImport();
    f.RicercaMetaCorrente();
    if (!f.Meta.CodiceMetaCorrente.isEmpty()) {
        f.CaricaDatiAnagraficiMeta();
        f.CaricaTappeItinerario();
    }
    f.ComandiMeta = f.Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("All");
    f.AbilitaPulsantiComando();
}

} // namespace

int StatoScambio::ListaSelezione() const {
    return Esportazione() ? 1 : 0;
}

bool StatoScambio::Esportazione() const {
    return cmdImExp.Caption.toLower() == QLatin1String("esporta");
}

void FormViandora::CreaPannelloScambio() {
    const QString pannello = QStringLiteral("frmExport");
    for (int k = 0; k < 2; ++k) {
        Aggiungi(Scambio.lblImExp, QStringLiteral("lblImExp"), pannello, SinistraLista[k], 240,
                 LarghezzaLista, 255);
        Aggiungi(Scambio.mfgImExp, QStringLiteral("mfgImExp"), pannello, SinistraLista[k], 510,
                 LarghezzaLista, 2970);
    }
    for (int k = 0; k < 2; ++k) {
        Pulsante& tutto = Aggiungi(Scambio.cmdTutto, QStringLiteral("cmdTutto"), pannello, SinistraLista[k],
                                   3540, 1900, 345);
        tutto.ToolTipText = QStringLiteral("Sposta tutte le mète di questa lista nell'altra");
    }
    Registra(Scambio.cmdImExp, QStringLiteral("cmdImExp"), pannello, 8000, 3540, 1560, 345);
    Scambio.cmdImExp.Caption = QStringLiteral("Esporta");
    Registra(Scambio.cmdRinuncia, QStringLiteral("cmdRinuncia"), pannello, 9660, 3540, 1560, 345);
    Scambio.cmdRinuncia.Caption = QStringLiteral("&Rinuncia");
    Scambio.cmdRinuncia.ToolTipText = QStringLiteral("Rinuncia alla funzione richiesta");
}

void FormViandora::CollegaEventiScambio() {
    click_.insert(QStringLiteral("cmdExport"), [this] { cmdExport_Click(); });
    click_.insert(QStringLiteral("cmdImport"), [this] { cmdImport_Click(); });
    click_.insert(QStringLiteral("cmdImExp"), [this] { cmdImExp_Click(); });
    click_.insert(QStringLiteral("cmdRinuncia"), [this] { EsciExportImport(); });
    for (int k = 0; k < 2; ++k) {
        click_.insert(Scambio.mfgImExp[k].NomeCompleto(), [this, k] { mfgImExp_Click(k); });
        click_.insert(Scambio.cmdTutto[k].NomeCompleto(), [this, k] { cmdTutto_Click(k); });
    }
}

void FormViandora::PreparaExportImport() {
    PulisciFinestre();
    mfgTab.Visible = false;
    frmExport.Move(SinistraPannello, CimaPannello, LarghezzaPannello, AltezzaPannello);
    frmExport.Visible = true;
    frmExport.Enabled = true;
    // Only the exit stays available on the command panel.
    ComandiMeta = QStringLiteral("zzEs");
    AbilitaPulsantiComando();
    cmdExport.Enabled = false;
    cmdImport.Enabled = false;
    Scambio.FileImport.clear();
    for (Griglia& g : Scambio.mfgImExp) {
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
    ImpostaDefault(Scambio.cmdImExp);
    Scambio.cmdRinuncia.Cancel = true;
    AggiornaPulsantiImportExport();
}

void FormViandora::cmdExport_Click() {
    PreparaExportImport();
    Scambio.lblImExp[0].Caption = QStringLiteral("Mète in memoria (da selezionare)");
    Scambio.lblImExp[1].Caption = QStringLiteral("Lista delle mète selezionate per l'EXPORT");
    Scambio.cmdImExp.Caption = QStringLiteral("Esporta");
    Scambio.cmdImExp.ToolTipText = QStringLiteral("Esporta su file le mète della lista di destra");
    CaricaListaMete(Scambio.mfgImExp[0]);
    if (MeteInLista(Scambio.mfgImExp[0]) == 0)
        piattaforma_.MsgBox(QStringLiteral("Non ci sono altre mète da esportare..."),
                            Msg::OkOnly | Msg::Exclamation, TitoloExport);
    AggiornaPulsantiImportExport();
}

void FormViandora::cmdImport_Click() {
    PreparaExportImport();
    Scambio.lblImExp[0].Caption = QStringLiteral("Lista delle mète selezionate per l'Import");
    Scambio.lblImExp[1].Caption = QStringLiteral("Lista delle mete nel file selezionato");
    Scambio.cmdImExp.Caption = QStringLiteral("Importa");
    Scambio.cmdImExp.ToolTipText = QStringLiteral("Importa nell'archivio le mète della lista di sinistra");
    const QString file = piattaforma_.ApriFile(TitoloImport, Filtro);
    if (file.isEmpty()) {
        EsciExportImport();
        return;
    }
    ContenutoScambio contenuto;
    QString errore;
    {
        const QString didascalia = QStringLiteral("Esportazione tabella ") +
                                   Db.Schema().NomeTabella[TabMete] + QStringLiteral(" in corso");
        Passi passi(this, didascalia, QFileInfo(file).size());
        errore = LeggiFileScambio(file, contenuto, [&](qint64 letti, qint64) { passi.Porta(letti); });
    }
    if (!errore.isEmpty()) {
        piattaforma_.MsgBox(errore, Msg::OkOnly | Msg::Exclamation, TitoloImport);
        EsciExportImport();
        return;
    }
    Scambio.FileImport = file;
    Griglia& lista = Scambio.mfgImExp[1];
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

void FormViandora::mfgImExp_Click(int Index) {
    TrasferisceMetaImportExport(Index);
}

void FormViandora::TrasferisceMetaImportExport(int Index) {
    Griglia& da = Scambio.mfgImExp[Index];
    Griglia& a = Scambio.mfgImExp[1 - Index];
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

void FormViandora::cmdTutto_Click(int Index) {
    // The same as clicking every trip in turn, done in one pass.
    Griglia& da = Scambio.mfgImExp[Index];
    Griglia& a = Scambio.mfgImExp[1 - Index];
    const int n = MeteInLista(da);
    const int libera = a.FixedRows + MeteInLista(a);
    a.SetRows(qMax(a.Rows(), libera + n + 1));
    Passi passi(this, QStringLiteral("Lettura mète"), n);
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

void FormViandora::AggiornaPulsantiImportExport() {
    int mete[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        Griglia& g = Scambio.mfgImExp[k];
        mete[k] = MeteInLista(g);
        // Rows after the first free one go; the free one stays.
        if (g.FixedRows + mete[k] < g.Rows()) g.SetRows(g.FixedRows + mete[k] + 1);
    }
    Scambio.cmdTutto[0].Caption = QStringLiteral("[%1] Tutti --->").arg(mete[0]);
    Scambio.cmdTutto[1].Caption = QStringLiteral("<--- Tutti [%1]").arg(mete[1]);
    for (int k = 0; k < 2; ++k)
        Scambio.cmdTutto[k].Enabled = mete[k] > 0;
    Scambio.cmdImExp.Enabled = mete[Scambio.ListaSelezione()] > 0;

    for (int k = 0; k < 2; ++k) {
        Griglia& g = Scambio.mfgImExp[k];
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

void FormViandora::cmdImExp_Click() {
    const QString caption = Scambio.cmdImExp.Caption.toLower();
    if (caption == QLatin1String("esporta"))
        Esporta(*this);
    else if (caption == QLatin1String("importa"))
        Importa(*this);
}

void FormViandora::EsciExportImport() {
    mfgTab.Visible = true;
    frmBottoni.Visible = true;
    frmExport.Visible = false;
    Scambio.cmdImExp.Default = false;
    Scambio.cmdRinuncia.Cancel = false;
    Scambio.FileImport.clear();
    ComandiMeta = Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("All");
    AbilitaPulsantiComando();
    cmdImport.Enabled = true;
    cmdExport.Enabled = !Meta.CodiceMetaCorrente.isEmpty();
}
