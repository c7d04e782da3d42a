// The stage grid: column set-ups, selection, the refresh after every change,
// row insertion and the rebuild after a timetable calculation.
#include "common/Stringhe.h"
#include "guide/ControlloreGuida.h"
#include "model/ColonneGriglie.h"
#include "model/ColonneTabella.h"
#include "model/ValoriTappa.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"

namespace {

struct Colonna {
    int colonna;
    const char* titolo;
    int larghezza;
    int allineamento;
};

constexpr int S = Griglia::Sinistra;
constexpr int C = Griglia::Centro;
constexpr int D = Griglia::Destra;

const Colonna ImpostazioneTappe[] = {
    {TappaNumero, "Num.", 420, D},        {TappaLocalita, "Tappa", 2650, S},
    {TappaStrada, "Num. Strada", 980, C}, {TappaKm, "Km.", 500, D},
    {TappaTipoStrada, "Ts", 280, C},      {TappaKmProgressivi, "Km/pr", 620, D},
    {TappaTempo, "Tempo", 550, C},        {TappaSosta, "Itinerario", 800, C},
    {TappaGuida, "Guida", 800, C},        {MarciaGiornoSettimana, "Gs", 400, C},
    {MarciaData, "Data", 550, C},         {MarciaOra, "Ore", 550, C},
    {MarciaNote, "Note", 1000, S},        {MarciaLimite, "Limite ritorno", 1100, C},
};

const Colonna ImpostazioneGuida[] = {
    {GuidaNumero, "Num.", 420, D},      {GuidaLocalita, "Tappa", 2300, S},
    {GuidaSostaTappa, "Sosta", 850, C}, {GuidaDescrizione, "Descrizione segnalazione", 5400, S},
    {GuidaTempo, "Tempo", 950, C},      {GuidaTipo, "Tipo nota", 2100, S},
    {GuidaNascosta, "", 0, S},
};

const Colonna ImpostazioneTappeMeta[] = {
    {TappaMetaNumero, "Num.", 420, D},    {TappaMetaLocalita, "Località", 2300, S},
    {TappaMetaStrada, "Strada", 1000, S}, {TappaMetaKm, "kM.", 500, D},
    {TappaMetaTipo, "Tipo", 600, C},      {TappaMetaSosta, "Sosta", 800, C},
};

const Colonna ImpostazioneMete[] = {
    {MetaNumero, "Num.", 420, D},
    {MetaLocalita, "Denominazione della mèta", 3400, S},
    {MetaNazione, "Nazione", 1900, S},
    {MetaCodice, "Codice", 800, C},
};

// Columns beyond the set-up hold working data only: headings emptied and
// hidden.
template <size_t N> void Applica(Griglia& g, const Colonna (&colonne)[N], int numeroColonne) {
    g.SetCols(qMax(g.Cols(), numeroColonne));
    if (g.Rows() < 1) g.SetRows(1);
    for (int c = 0; c < g.Cols(); ++c) {
        g.SetTextMatrix(0, c, QString());
        g.SetColWidth(c, 0);
        g.SetColAlignment(c, Griglia::Centro);
    }
    for (const Colonna& c : colonne) {
        g.SetTextMatrix(0, c.colonna, QString::fromUtf8(c.titolo));
        g.SetColWidth(c.colonna, c.larghezza);
        g.SetColAlignment(c.colonna, c.allineamento);
    }
}

bool SenzaLocalita(const Griglia& g, int riga) {
    return g.TextMatrix(riga, TappaLocalita).trimmed().isEmpty();
}

} // namespace

void FormViandora::CancellaMatrice() {
    const int righe = mfgTab.Rows();
    mfgTab.SetRows(1);
    mfgTab.SetRows(qMax(righe, int(RigheVisibili)));
    // What is loaded next shows from its first row.
    mfgTab.TopRow = 1;
    Itinerario.NumeroTappe = 0;
    for (int k = 0; k < 5; ++k) {
        txtKmTot[k].Text.clear();
        txtTempo[k].Text.clear();
    }
    txtTragh.Text.clear();
}

void FormViandora::ImpostaGriglia(int Modo) {
    switch (Modo) {
    case GrigliaTappe:
        Applica(mfgTab, ImpostazioneTappe, ColonneMatrice);
        break;
    case GrigliaGuida:
        Applica(mfgTab, ImpostazioneGuida, ColonneMatrice);
        break;
    case GrigliaTappeMeta:
        Applica(mfgCopia, ImpostazioneTappeMeta, ColonneTappeMeta);
        break;
    case GrigliaMete:
        Applica(mfgCopia, ImpostazioneMete, ColonneMete);
        break;
    case GrigliaPreparata:
        // The prepared stage table keeps the stage grid's columns.
        Applica(mfgCopia, ImpostazioneTappe, ColonneMatrice);
        break;
    default:
        break;
    }
}

void FormViandora::SelezioneGriglia(int Riga1, int Col1, int Riga2, int Col2) {
    Griglia& g = mfgTab;
    const int ultimaRiga = qMax(1, g.Rows() - 1);
    const int ultimaColonna = qMax(1, g.Cols() - 1);
    if (Col2 > 20) Col2 = ultimaColonna;
    g.Row = qBound(1, Riga1, ultimaRiga);
    g.Col = qBound(0, Col1, qMax(0, g.Cols() - 1));
    g.RowSel = qBound(1, Riga2, ultimaRiga);
    g.ColSel = qBound(1, Col2, ultimaColonna);
    if (g.Row > g.TopRow + RigheVisibili - 3) g.TopRow = g.Row - RigheVisibili + 3;
    if (g.Row < g.TopRow) g.TopRow = g.Row;
    g.TopRow = qMax(1, g.TopRow);
    g.Modificata();
}

void FormViandora::AggiornaNumeroRiga() {
    Griglia& g = mfgTab;
    // Exactly one empty row after the last stage, and never fewer rows than
    // fit on screen.
    while (g.Rows() > RigheVisibili && SenzaLocalita(g, g.Rows() - 1))
        g.SetRows(g.Rows() - 1);
    g.SetRows(qMax(g.Rows(), int(RigheVisibili)) + 1);

    int tappe = g.Rows() - 1;
    while (tappe >= 1 && SenzaLocalita(g, tappe))
        --tappe;
    Itinerario.NumeroTappe = qint16(qMin(tappe, 32767));

    // Up from the first row or a page beyond either end must not reach the
    // heading row or the rows past the new one.
    if (Itinerario.RigaCorrente > Itinerario.NumeroTappe + 1)
        Itinerario.RigaCorrente = qint16(qMax(Itinerario.NumeroTappe + 1, 1));
    if (Itinerario.RigaCorrente < 1) Itinerario.RigaCorrente = 1;

    if (Itinerario.RigaCorrente > g.TopRow + 14) g.TopRow = Itinerario.RigaCorrente - 14;
    if (Itinerario.RigaCorrente < g.TopRow) g.TopRow = qMax(1, int(Itinerario.RigaCorrente));

    const int r = Itinerario.RigaCorrente;
    txtTappa.Text = g.TextMatrix(r, TappaLocalita).trimmed();
    QString strada = g.TextMatrix(r, TappaStrada).trimmed();
    if (strada.isEmpty() && r > 1) strada = g.TextMatrix(r - 1, TappaStrada).trimmed();
    txtStrada.Text = strada;
    txtKm.Text = g.TextMatrix(r, TappaKm).trimmed();
    if (r > 1) cmbTipoStrada.SetListIndex(IndiceTipoStrada(g.TextMatrix(r, TappaTipoStrada)));
    QString sosta = g.TextMatrix(r, TappaSosta).trimmed();
    chkFineGiornata.Value = sosta.startsWith(u'*');
    if (chkFineGiornata.Value) sosta = sosta.mid(1).trimmed();
    if (sosta.isEmpty()) sosta = QStringLiteral("00:00:00");
    cmbSosta[0].SetText(sosta.mid(0, 2));
    cmbSosta[1].SetText(sosta.mid(3, 2));
    cmbSosta[2].SetText(sosta.mid(6, 2));

    MostraOrariTappa(r);

    SelezioneGriglia(r, 0, r, 99);
    txtRiga.Text = QString::number(r);

    cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
    cmdRicalcola.Enabled = Itinerario.NumeroTappe > 1;
    cmdCancella.Enabled = Itinerario.NumeroTappe > 1;
    cmdRitorno.Enabled = Itinerario.NumeroTappe >= 2;
}

void FormViandora::InserisciRigheItinerario(int NumeroRighe) {
    Griglia& g = mfgTab;
    if (NumeroRighe <= 0) return;
    const int n = NumeroRighe;
    const int da = qBound(1, int(Itinerario.RigaCorrente), qMax(1, g.Rows() - 1));
    g.SetRows(g.Rows() + n);
    for (int i = g.Rows() - 1; i >= da + n; --i) {
        for (int c = 1; c < g.Cols(); ++c) {
            g.SetTextMatrix(i, c, g.TextMatrix(i - n, c));
            g.SetStile(i, c, g.Stile(i - n, c));
        }
    }
    for (int i = da; i < da + n; ++i) {
        for (int c = 1; c < g.Cols(); ++c) {
            g.SetTextMatrix(i, c, QString());
            g.SetStile(i, c, {});
        }
    }
    for (int i = da; i < g.Rows(); ++i)
        g.SetTextMatrix(i, TappaNumero, QString::number(i));
    Itinerario.NumeroTappe = qint16(qMin(Itinerario.NumeroTappe + n, 32767));
}

void FormViandora::ColoraFineGiornata(int riga) {
    // A pale yellow, the colour of a highlighter on a road map.
    constexpr int ColoreFineGiornata = 0xFFF2A8;
    Griglia::StileCella stile = mfgTab.Stile(riga, TappaSosta);
    stile.BackColor = ColoreFineGiornata;
    mfgTab.SetStile(riga, TappaSosta, stile);
}

void FormViandora::RicomponiTabellaMfgTab() {
    Griglia& g = mfgTab;
    // Emptied first: the timetable's rows must not survive as stages.
    g.SetRows(1);
    g.SetCols(qMax(mfgCopia.Cols(), int(ColonneMatrice)));
    g.SetRows(qMax(mfgCopia.Rows(), int(RigheVisibili)));
    ImpostaGriglia(GrigliaTappe);
    int k = 0;
    for (int r = 1; r < mfgCopia.Rows(); ++r) {
        if (SenzaLocalita(mfgCopia, r)) continue;
        ++k;
        for (int c = 0; c < mfgCopia.Cols(); ++c)
            g.SetTextMatrix(k, c, mfgCopia.TextMatrix(r, c));
        g.SetTextMatrix(k, TappaNumero, QString::number(k));
        if (g.TextMatrix(k, TappaSosta).trimmed().startsWith(u'*')) ColoraFineGiornata(k);
    }
    Itinerario.TabellaCalcolata = false;
    MostraPrenotazioniMancate(false);
    // The stages come back from the first, whatever row of the timetable
    // was chosen.
    Itinerario.RigaCorrente = 1;
    g.TopRow = 1;
    AggiornaNumeroRiga();
}

void FormViandora::mfgTab_Click() {
    Itinerario.RigaCorrente = qint16(mfgTab.Row);
    AggiornaNumeroRiga();
    chkProgressivo.Visible = false;
    chkProgressivo.Value = false;
    if (frmInputBox.Visible && Itinerario.RigaCorrente > 2) {
        chkProgressivo.Visible = true;
        chkProgressivo.Value =
            ValoreSenzaPunti(mfgTab.TextMatrix(Itinerario.RigaCorrente - 1, TappaKmProgressivi)) > 100;
    }
    if (frmInputBox.Visible) SetFocus(txtTappa);
    if (Guida.ModoGuida) Guida.InserisciGuida();
}

void FormViandora::mfgTab_KeyDown(int& KeyCode) {
    int riga = Itinerario.RigaCorrente;
    switch (KeyCode) {
    case 38:
        riga -= 1;
        break;
    case 40:
        riga += 1;
        break;
    case 33:
        riga -= 18;
        break;
    case 34:
        riga += 18;
        break;
    case 36:
        riga = 1;
        break;
    case 35:
        riga = mfgTab.Rows() - 1;
        break;
    default:
        riga = mfgTab.Row;
        break;
    }
    Itinerario.RigaCorrente = qint16(qBound(0, riga, 32767));
    AggiornaNumeroRiga();
}

void FormViandora::CollegaEventiItinerario() {
    click_.insert(QStringLiteral("mfgTab"), [this] { mfgTab_Click(); });
    tastiGiu_.insert(QStringLiteral("mfgTab"), [this](int& k) { mfgTab_KeyDown(k); });
}
