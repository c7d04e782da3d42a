// The stage editor's row commands: writing a stage from the entry fields,
// opening and deleting rows, the locality search and the return journey.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"
#include "trip/Meta.h"

namespace {

// A stage cannot carry more than one stored record's kilometres.
constexpr double KmMassimi = 999;
// Above this the row above's progressive figure can be an odometer reading.
constexpr double ProgressivoMinimo = 100;

QString Localita(const Griglia& g, int riga) {
    return g.TextMatrix(riga, TappaLocalita).trimmed();
}

// Columns 1 onwards, with their look: column 0 is the row's own number.
void CopiaRiga(Griglia& g, int da, int a) {
    for (int c = 1; c < g.Cols(); ++c) {
        g.SetTextMatrix(a, c, g.TextMatrix(da, c));
        g.SetStile(a, c, g.Stile(da, c));
    }
}

void SvuotaRiga(Griglia& g, int riga) {
    for (int c = 1; c < g.Cols(); ++c) {
        g.SetTextMatrix(riga, c, QString());
        g.SetStile(riga, c, {});
    }
}

QString Messaggio(const char* riga1, const char* riga2) {
    return QString::fromUtf8(riga1) + QStringLiteral("\r\n") + QString::fromUtf8(riga2);
}

} // namespace

void ControlloreItinerario::AggiornaCasellaProgressivo() {
    ui.chkProgressivo.Visible = ui.frmInputBox.Visible && Itinerario.RigaCorrente > 2;
    ui.chkProgressivo.Value = ui.chkProgressivo.Visible &&
                              ValoreSenzaPunti(mfgTab.TextMatrix(Itinerario.RigaCorrente - 1,
                                                                 TappaKmProgressivi)) > ProgressivoMinimo;
}

void ControlloreItinerario::cmdInserisce_Click() {
    Griglia& g = mfgTab;
    // Row 0 holds the headings.
    const int riga = qMax(1, int(Itinerario.RigaCorrente));
    const QString tipo = ui.cmbTipoStrada.Text().left(1);
    // Digits only, so the grid's own "1.250" reads as 1250 as well.
    QString km = ui.txtKm.Text.trimmed();
    double valoreKm = ValoreSenzaPunti(km);

    // The progressive figure typed instead of the distance, when the box
    // says so: the user can untick it to give a real distance above it.
    if (riga > 2 && ui.chkProgressivo.Value) {
        const double progressivo = ValoreSenzaPunti(g.TextMatrix(riga - 1, TappaKmProgressivi));
        if (progressivo > ProgressivoMinimo && valoreKm > progressivo) {
            valoreKm -= progressivo;
            km = QString::number(valoreKm, 'f', 0);
        }
    }

    const int avviso = Msg::OkOnly | Msg::Exclamation;
    if (valoreKm > KmMassimi) {
        f_.Sistema().MsgBox(Messaggio("Impossibile:", "Indica un valore compreso tra 1 e 999"), avviso,
                            f_.Titolo());
        return;
    }
    const QString localita = ui.txtTappa.Text.trimmed();
    if (localita.isEmpty()) {
        f_.Sistema().MsgBox(Messaggio("Impossibile:", "Indica il nome della località!"), avviso, f_.Titolo());
        return;
    }
    QString sosta;
    for (int k = 0; k < 3; ++k)
        sosta += (k > 0 ? QStringLiteral(":") : QString()) + Zero(Val(ui.cmbSosta[k].Text()), 2);
    if (sosta == QLatin1String("00:00:00")) sosta.clear();
    const QString strada = ui.txtStrada.Text.trimmed();
    const bool fineGiornata = ui.chkFineGiornata.Value;
    const QString titoloObbligo = QStringLiteral("Dato obbligatorio");
    // Only the start may have neither distance nor stop, unless the day
    // ends there or it is a ferry.
    if (valoreKm == 0 && sosta.isEmpty() && riga >= 2 && !fineGiornata &&
        !strada.contains(QLatin1String("TRAGH"))) {
        f_.Sistema().MsgBox(QStringLiteral("Chilometri (o sosta): dato obbligatorio!"), avviso,
                            titoloObbligo);
        return;
    }
    if (valoreKm != 0 && !QStringLiteral("ASPL").contains(tipo)) {
        f_.Sistema().MsgBox(QStringLiteral("Tipo strada obbligatorio!"), avviso, titoloObbligo);
        return;
    }

    QString traghetto, notte;
    if (!OrariTappaSchermo(strada, traghetto, notte)) return;

    if (riga >= g.Rows()) g.SetRows(riga + 2);
    g.SetTextMatrix(riga, TappaNumero, QString::number(riga));
    g.SetTextMatrix(riga, TappaTraghetto, traghetto);
    g.SetTextMatrix(riga, TappaNottePrenotata, notte);
    g.SetTextMatrix(riga, TappaLocalita, localita);
    g.SetTextMatrix(riga, TappaStrada, strada);
    g.SetTextMatrix(riga, TappaKm, km);
    g.SetTextMatrix(riga, TappaTipoStrada, valoreKm == 0 ? QString() : tipo);
    g.SetTextMatrix(riga, TappaSosta, (fineGiornata ? QStringLiteral("*") : QString()) + sosta);
    if (fineGiornata) {
        ColoraFineGiornata(riga);
    } else {
        Griglia::StileCella stile = g.Stile(riga, TappaSosta);
        stile.BackColor = int(Itinerario.ColoreBaseCelle);
        g.SetStile(riga, TappaSosta, stile);
    }

    if (riga > g.Rows() - 3) g.SetRows(qMax(riga + 5, int(FinestraComune::RigheVisibili)));
    Itinerario.RigaCorrente = qint16(riga + 1);
    SelezioneGriglia(Itinerario.RigaCorrente, 0, Itinerario.RigaCorrente, 99);
    AggiornaNumeroRiga();
    // An import goes only into an itinerary without stages.
    ui.cmdMapPoint.Enabled = Itinerario.NumeroTappe == 0;
    CalcolaKmTempiItinerario();
    AggiornaCasellaProgressivo();
    if (ui.frmInputBox.Visible) f_.SetFocus(ui.txtTappa);
}

void ControlloreItinerario::cmdAggiunge_Click() {
    InserisciRigheItinerario(1);
    AggiornaNumeroRiga();
    AggiornaCasellaProgressivo();
}

void ControlloreItinerario::cmdCancella_Click() {
    Griglia& g = mfgTab;
    const int riga = qMax(1, int(Itinerario.RigaCorrente));
    for (int i = riga; i <= g.Rows() - 2; ++i)
        CopiaRiga(g, i + 1, i);
    if (g.Rows() > 1) SvuotaRiga(g, g.Rows() - 1);
    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
    AggiornaCasellaProgressivo();
    if (ui.frmInputBox.Visible) f_.SetFocus(ui.txtTappa);
}

void ControlloreItinerario::cmdCerca_Click() {
    // While the list is open only leaving it makes sense: a changed grid
    // would point its items at other rows.
    f_.OffriComandi(f_.ComandiOfferti(), QStringLiteral("Fi"));
    CercaLocalita();
}

void ControlloreItinerario::CercaLocalita() {
    mfgTab.Enabled = false;
    frmBottoni.Enabled = false;
    ui.cmbRicercaTappa.Clear();
    for (int r = 1; r < mfgTab.Rows(); ++r) {
        const QString localita = Localita(mfgTab, r);
        // The row number is always the item's last four characters.
        if (!localita.isEmpty())
            ui.cmbRicercaTappa.AddItem(AggStr(localita, 31, QStringLiteral(" ")) + Zero(r, 4));
    }
    Meta.ModoRicerca = 2;
    ui.cmbRicercaTappa.Visible = true;
}

void ControlloreItinerario::ScegliLocalitaCercata() {
    const int scelta = ui.cmbRicercaTappa.ListIndex();
    ui.cmbRicercaTappa.Visible = false;
    mfgTab.Enabled = true;
    frmBottoni.Enabled = true;
    if (ui.frmInputBox.Visible) {
        f_.OffriComandi(f_.ComandiOfferti(), QStringLiteral("all"));
        f_.ImpostaDefault(ui.cmdFine);
    }
    // Text typed in the list names no row: the selection stays.
    if (scelta < 0) return;
    mfgTab.Row = mfgTab.RowSel = int(Val(ui.cmbRicercaTappa.List(scelta).right(4)));
    // As a click on the row: the entry fields follow the selection.
    mfgTab_Click();
}

void ControlloreItinerario::cmbRicercaTappa_Click() {
    meta_.ui.cmbRicerca.Move(450, 3100, 3500, 3800);
    ui.cmbRicercaTappa.Visible = false;
    mfgTab.Enabled = true;
    frmBottoni.Enabled = true;
    meta_.RicercaDiUnaSingolaTappa();
}

void ControlloreItinerario::cmdRitorno_Click() {
    Griglia& g = mfgTab;
    // Gaps closed; what lies below the last stage is left over from the
    // moves and would come back as stages.
    int tappe = 0;
    for (int k = 1; k < g.Rows(); ++k) {
        if (Localita(g, k).isEmpty()) continue;
        ++tappe;
        if (k != tappe) CopiaRiga(g, k, tappe);
        g.SetTextMatrix(tappe, TappaNumero, QString::number(tappe));
    }
    for (int r = tappe + 1; r < g.Rows(); ++r)
        SvuotaRiga(g, r);

    // The last stage rejoins the outward route at its latest earlier
    // occurrence; from there the route runs backwards to the start.
    int incrocio = 0;
    if (tappe > 0) {
        const QString ultima = Localita(g, tappe);
        for (int r = tappe - 1; r >= 1 && incrocio == 0; --r)
            if (Localita(g, r) == ultima) incrocio = r;
    }
    if (incrocio > 0) {
        g.SetRows(qMax(g.Rows() + incrocio + 2, int(FinestraComune::RigheVisibili)));
        for (int k = incrocio - 1; k >= 1; --k) {
            ++tappe;
            g.SetTextMatrix(tappe, TappaNumero, QString::number(tappe));
            g.SetTextMatrix(tappe, TappaLocalita, g.TextMatrix(k, TappaLocalita));
            // The road that led from k to k + 1 now leads back.
            for (int c = 2; c <= 4; ++c)
                g.SetTextMatrix(tappe, c, g.TextMatrix(k + 1, c));
        }
    }
    Itinerario.NumeroTappe = qint16(qMin(tappe, 32767));
    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
    AggiornaCasellaProgressivo();
}
