// The stage grid: column set-ups, selection, the refresh after every change,
// row insertion and the rebuild after a timetable calculation.
#include "common/Stringhe.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"

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

const Colonna ColonneTappe[] = {
    {0, "Num.", 420, D},        {1, "Tappa", 2650, S},
    {2, "Num. Strada", 980, C}, {3, "Km.", 500, D},
    {4, "Ts", 280, C},          {5, "Km/pr", 620, D},
    {6, "Tempo", 550, C},       {7, "Itinerario", 800, C},
    {8, "Guida", 800, C},       {9, "Gs", 400, C},
    {10, "Data", 550, C},       {11, "Ore", 550, C},
    {12, "Note", 1000, S},      {13, "Limite ritorno", 1100, C},
};

const Colonna ColonneGuida[] = {
    {0, "Num.", 420, D},  {1, "Tappa", 2300, S},
    {2, "Sosta", 850, C}, {3, "Descrizione segnalazione", 5400, S},
    {4, "Tempo", 950, C}, {5, "Tipo nota", 2100, S},
    {6, "", 0, S},
};

const Colonna ColonneTappeMeta[] = {
    {0, "Num.", 420, D}, {1, "Località", 2300, S}, {2, "Strada", 1000, S},
    {3, "kM.", 500, D},  {4, "Tipo", 600, C},      {5, "Sosta", 800, C},
};

const Colonna ColonneMete[] = {
    {0, "Num.", 420, D},
    {1, "Denominazione della mèta", 3400, S},
    {2, "Nazione", 1900, S},
    {3, "Codice", 800, C},
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
    return g.TextMatrix(riga, 1).trimmed().isEmpty();
}

} // namespace

void FormViandora::CancellaMatrice() {
    const int righe = mfgTab.Rows();
    mfgTab.SetRows(1);
    mfgTab.SetRows(qMax(righe, int(RigheVisibili)));
    NumeroTappe = 0;
    for (int k = 0; k < 5; ++k) {
        txtKmTot[k].Text.clear();
        txtTempo[k].Text.clear();
    }
    txtTragh.Text.clear();
}

void FormViandora::ImpostaGriglia(int Modo) {
    switch (Modo) {
    case 1:
        Applica(mfgTab, ColonneTappe, ColonneMatrice);
        break;
    case 2:
        Applica(mfgTab, ColonneGuida, ColonneMatrice);
        break;
    case 3:
        Applica(mfgCopia, ColonneTappeMeta, 6);
        break;
    case 4:
        Applica(mfgCopia, ColonneMete, 4);
        break;
    case 5:
        // The prepared stage table keeps the stage grid's columns.
        Applica(mfgCopia, ColonneTappe, ColonneMatrice);
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
    NumeroTappe = qint16(qMin(tappe, 32767));

    // Up from the first row or a page beyond either end must not reach the
    // heading row or the rows past the new one.
    if (RigaCorrente > NumeroTappe + 1) RigaCorrente = qint16(qMax(NumeroTappe + 1, 1));
    if (RigaCorrente < 1) RigaCorrente = 1;

    if (RigaCorrente > g.TopRow + 14) g.TopRow = RigaCorrente - 14;
    if (RigaCorrente < g.TopRow) g.TopRow = qMax(1, int(RigaCorrente));

    const int r = RigaCorrente;
    txtTappa.Text = g.TextMatrix(r, 1).trimmed();
    QString strada = g.TextMatrix(r, 2).trimmed();
    if (strada.isEmpty() && r > 1) strada = g.TextMatrix(r - 1, 2).trimmed();
    txtStrada.Text = strada;
    txtKm.Text = g.TextMatrix(r, 3).trimmed();
    if (r > 1) cmbTipoStrada.SetListIndex(IndiceTipoStrada(g.TextMatrix(r, 4)));
    QString sosta = g.TextMatrix(r, 7).trimmed();
    chkFineGiornata.Value = sosta.startsWith(u'*');
    if (chkFineGiornata.Value) sosta = sosta.mid(1).trimmed();
    if (sosta.isEmpty()) sosta = QStringLiteral("00:00:00");
    cmbSosta[0].SetText(sosta.mid(0, 2));
    cmbSosta[1].SetText(sosta.mid(3, 2));
    cmbSosta[2].SetText(sosta.mid(6, 2));

    SelezioneGriglia(r, 0, r, 99);
    txtRiga.Text = QString::number(r);

    cmdMapPoint.Enabled = NumeroTappe < 2;
    cmdRicalcola.Enabled = NumeroTappe > 1;
    cmdCancella.Enabled = NumeroTappe > 1;
    cmdRitorno.Enabled = NumeroTappe >= 2;
}

void FormViandora::InserisciRigheItinerario(int NumeroRighe) {
    Griglia& g = mfgTab;
    if (NumeroRighe <= 0) return;
    const int n = NumeroRighe;
    const int da = qBound(1, int(RigaCorrente), qMax(1, g.Rows() - 1));
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
        g.SetTextMatrix(i, 0, QString::number(i));
    NumeroTappe = qint16(qMin(NumeroTappe + n, 32767));
}

void FormViandora::ColoraFineGiornata(int riga) {
    // A pale yellow, the colour of a highlighter on a road map.
    constexpr int ColoreFineGiornata = 0xFFF2A8;
    Griglia::StileCella stile = mfgTab.Stile(riga, 7);
    stile.BackColor = ColoreFineGiornata;
    mfgTab.SetStile(riga, 7, stile);
}

void FormViandora::RicomponiTabellaMfgTab() {
    Griglia& g = mfgTab;
    // Emptied first: the timetable's rows must not survive as stages.
    g.SetRows(1);
    g.SetCols(qMax(mfgCopia.Cols(), ColonneMatrice));
    g.SetRows(qMax(mfgCopia.Rows(), int(RigheVisibili)));
    ImpostaGriglia(1);
    int k = 0;
    for (int r = 1; r < mfgCopia.Rows(); ++r) {
        if (SenzaLocalita(mfgCopia, r)) continue;
        ++k;
        for (int c = 0; c < mfgCopia.Cols(); ++c)
            g.SetTextMatrix(k, c, mfgCopia.TextMatrix(r, c));
        g.SetTextMatrix(k, 0, QString::number(k));
        if (g.TextMatrix(k, 7).trimmed().startsWith(u'*')) ColoraFineGiornata(k);
    }
    TabellaCalcolata = false;
    AggiornaNumeroRiga();
}

void FormViandora::mfgTab_Click() {
    RigaCorrente = qint16(mfgTab.Row);
    AggiornaNumeroRiga();
    chkProgressivo.Visible = false;
    chkProgressivo.Value = false;
    if (frmInputBox.Visible && RigaCorrente > 2) {
        chkProgressivo.Visible = true;
        chkProgressivo.Value = ValoreSenzaPunti(mfgTab.TextMatrix(RigaCorrente - 1, 5)) > 100;
    }
    if (frmInputBox.Visible) SetFocus(txtTappa);
    if (ModoGuida) InserisciGuida();
}

void FormViandora::mfgTab_KeyDown(int& KeyCode) {
    int riga = RigaCorrente;
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
    RigaCorrente = qint16(qBound(0, riga, 32767));
    AggiornaNumeroRiga();
}

void FormViandora::CollegaEventiItinerario() {
    click_.insert(QStringLiteral("mfgTab"), [this] { mfgTab_Click(); });
    tastiGiu_.insert(QStringLiteral("mfgTab"), [this](int& k) { mfgTab_KeyDown(k); });
}
