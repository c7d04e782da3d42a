// The stage grid: column set-ups, selection, the refresh after every change,
// row insertion and the rebuild after a timetable calculation.
#include "common/Stringhe.h"
#include "database/Database.h"
#include "guide/ControlloreGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "model/ColonneTabella.h"
#include "model/ValoriTappa.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
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

ControlloreItinerario::ControlloreItinerario(FinestraComune& finestra, ControlliItinerario& controlli,
                                             Griglia& griglia, ControlloreMeta& meta, ControlloreGuida& guida,
                                             Pannello& pannelloComandi, Pulsante& calcola)
    : ui(controlli), f_(finestra), mfgTab(griglia), meta_(meta), Meta(meta.Meta), Guida(guida),
      frmBottoni(pannelloComandi), cmdCalcola(calcola) {}

void ControlloreItinerario::CancellaMatrice() {
    const int righe = mfgTab.Rows();
    mfgTab.SetRows(1);
    mfgTab.SetRows(qMax(righe, int(FinestraComune::RigheVisibili)));
    // What is loaded next shows from its first row.
    mfgTab.TopRow = 1;
    Itinerario.NumeroTappe = 0;
    for (int k = 0; k < 5; ++k) {
        meta_.ui.txtKmTot[k].Text.clear();
        meta_.ui.txtTempo[k].Text.clear();
    }
    meta_.ui.txtTragh.Text.clear();
}

void ControlloreItinerario::ImpostaGriglia(int Modo) {
    switch (Modo) {
    case FinestraComune::GrigliaTappe:
        Applica(mfgTab, ImpostazioneTappe, ColonneMatrice);
        break;
    case FinestraComune::GrigliaGuida:
        Applica(mfgTab, ImpostazioneGuida, ColonneMatrice);
        break;
    case FinestraComune::GrigliaTappeMeta:
        Applica(ui.mfgCopia, ImpostazioneTappeMeta, ColonneTappeMeta);
        break;
    case FinestraComune::GrigliaMete:
        Applica(ui.mfgCopia, ImpostazioneMete, ColonneMete);
        break;
    case FinestraComune::GrigliaPreparata:
        // The prepared stage table keeps the stage grid's columns.
        Applica(ui.mfgCopia, ImpostazioneTappe, ColonneMatrice);
        break;
    default:
        break;
    }
}

void ControlloreItinerario::SelezioneGriglia(int Riga1, int Col1, int Riga2, int Col2) {
    Griglia& g = mfgTab;
    const int ultimaRiga = qMax(1, g.Rows() - 1);
    const int ultimaColonna = qMax(1, g.Cols() - 1);
    if (Col2 > 20) Col2 = ultimaColonna;
    g.Row = qBound(1, Riga1, ultimaRiga);
    g.Col = qBound(0, Col1, qMax(0, g.Cols() - 1));
    g.RowSel = qBound(1, Riga2, ultimaRiga);
    g.ColSel = qBound(1, Col2, ultimaColonna);
    if (g.Row > g.TopRow + FinestraComune::RigheVisibili - 3)
        g.TopRow = g.Row - FinestraComune::RigheVisibili + 3;
    if (g.Row < g.TopRow) g.TopRow = g.Row;
    g.TopRow = qMax(1, g.TopRow);
    g.Modificata();
}

void ControlloreItinerario::AggiornaNumeroRiga() {
    Griglia& g = mfgTab;
    // Exactly one empty row after the last stage, and never fewer rows than
    // fit on screen.
    while (g.Rows() > FinestraComune::RigheVisibili && SenzaLocalita(g, g.Rows() - 1))
        g.SetRows(g.Rows() - 1);
    g.SetRows(qMax(g.Rows(), int(FinestraComune::RigheVisibili)) + 1);

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
    ui.txtTappa.Text = g.TextMatrix(r, TappaLocalita).trimmed();
    QString strada = g.TextMatrix(r, TappaStrada).trimmed();
    if (strada.isEmpty() && r > 1) strada = g.TextMatrix(r - 1, TappaStrada).trimmed();
    ui.txtStrada.Text = strada;
    ui.txtKm.Text = g.TextMatrix(r, TappaKm).trimmed();
    if (r > 1) ui.cmbTipoStrada.SetListIndex(IndiceTipoStrada(g.TextMatrix(r, TappaTipoStrada)));
    QString sosta = g.TextMatrix(r, TappaSosta).trimmed();
    ui.chkFineGiornata.Value = sosta.startsWith(u'*');
    if (ui.chkFineGiornata.Value) sosta = sosta.mid(1).trimmed();
    if (sosta.isEmpty()) sosta = QStringLiteral("00:00:00");
    ui.cmbSosta[0].SetText(sosta.mid(0, 2));
    ui.cmbSosta[1].SetText(sosta.mid(3, 2));
    ui.cmbSosta[2].SetText(sosta.mid(6, 2));

    MostraOrariTappa(r);

    SelezioneGriglia(r, 0, r, 99);
    ui.txtRiga.Text = QString::number(r);

    ui.cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
    ui.cmdRicalcola.Enabled = Itinerario.NumeroTappe > 1;
    ui.cmdCancella.Enabled = Itinerario.NumeroTappe > 1;
    ui.cmdRitorno.Enabled = Itinerario.NumeroTappe >= 2;
}

void ControlloreItinerario::InserisciRigheItinerario(int NumeroRighe) {
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

void ControlloreItinerario::ColoraFineGiornata(int riga) {
    // A pale yellow, the colour of a highlighter on a road map.
    constexpr int ColoreFineGiornata = 0xFFF2A8;
    Griglia::StileCella stile = mfgTab.Stile(riga, TappaSosta);
    stile.BackColor = ColoreFineGiornata;
    mfgTab.SetStile(riga, TappaSosta, stile);
}

void ControlloreItinerario::RicomponiTabellaMfgTab() {
    Griglia& g = mfgTab;
    // Emptied first: the timetable's rows must not survive as stages.
    g.SetRows(1);
    g.SetCols(qMax(ui.mfgCopia.Cols(), int(ColonneMatrice)));
    g.SetRows(qMax(ui.mfgCopia.Rows(), int(FinestraComune::RigheVisibili)));
    ImpostaGriglia(FinestraComune::GrigliaTappe);
    int k = 0;
    for (int r = 1; r < ui.mfgCopia.Rows(); ++r) {
        if (SenzaLocalita(ui.mfgCopia, r)) continue;
        ++k;
        for (int c = 0; c < ui.mfgCopia.Cols(); ++c)
            g.SetTextMatrix(k, c, ui.mfgCopia.TextMatrix(r, c));
        g.SetTextMatrix(k, TappaNumero, QString::number(k));
        if (g.TextMatrix(k, TappaSosta).trimmed().startsWith(u'*')) ColoraFineGiornata(k);
    }
    Itinerario.TabellaCalcolata = false;
    f_.MostraPrenotazioniMancate(false);
    // The stages come back from the first, whatever row of the timetable
    // was chosen.
    Itinerario.RigaCorrente = 1;
    g.TopRow = 1;
    AggiornaNumeroRiga();
}

void ControlloreItinerario::mfgTab_Click() {
    Itinerario.RigaCorrente = qint16(mfgTab.Row);
    AggiornaNumeroRiga();
    ui.chkProgressivo.Visible = false;
    ui.chkProgressivo.Value = false;
    if (ui.frmInputBox.Visible && Itinerario.RigaCorrente > 2) {
        ui.chkProgressivo.Visible = true;
        ui.chkProgressivo.Value =
            ValoreSenzaPunti(mfgTab.TextMatrix(Itinerario.RigaCorrente - 1, TappaKmProgressivi)) > 100;
    }
    if (ui.frmInputBox.Visible) f_.SetFocus(ui.txtTappa);
    if (Guida.ModoGuida) Guida.InserisciGuida();
}

void ControlloreItinerario::mfgTab_KeyDown(int& KeyCode) {
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

void ControlloreItinerario::CollegaEventiGriglia() {
    f_.SuClick(QStringLiteral("mfgTab"), [this] { mfgTab_Click(); });
    f_.SuTastoGiu(QStringLiteral("mfgTab"), [this](int& k) { mfgTab_KeyDown(k); });
}
