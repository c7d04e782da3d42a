// The stage entry panel: its fields above the itinerary commands, the key
// filters of the fields and the wiring of the editor's events.
#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FiltriTasti.h"

namespace {
const QString PannelloInserimento = QStringLiteral("frmInputBox");
// Localita is stored with its first 29 characters, NomeStrada with 63 and a
// blank: what is typed is what is kept.
constexpr int LunghezzaLocalita = 29;
constexpr int LunghezzaStrada = 63;
} // namespace

void ControlloreItinerario::CreaPannelloInserimento() {
    // The upper part of the panel; the commands start at 2880.
    auto etichetta = [this](Etichetta& e, const char* nome, const QString& caption, int l, int t, int w) {
        f_.Registra(e, QString::fromLatin1(nome), PannelloInserimento, l, t, w, 240);
        e.Caption = caption;
    };
    etichetta(ui.lblInsTappa, "lblInsTappa", QStringLiteral("Tappa"), 90, 240, 3450);
    f_.Registra(ui.txtTappa, QStringLiteral("txtTappa"), PannelloInserimento, 90, 480, 3450, 285);
    ui.txtTappa.MaxLength = LunghezzaLocalita;

    etichetta(ui.lblInsStrada, "lblInsStrada", QStringLiteral("Numero strada (TRAGH=Traghetto)"), 90, 820,
              3450);
    f_.Registra(ui.txtStrada, QStringLiteral("txtStrada"), PannelloInserimento, 90, 1060, 3450, 285);
    ui.txtStrada.MaxLength = LunghezzaStrada;

    etichetta(ui.lblInsKm, "lblInsKm", QStringLiteral("Distanza in Km."), 90, 1400, 1500);
    f_.Registra(ui.txtKm, QStringLiteral("txtKm"), PannelloInserimento, 90, 1640, 750, 285);
    f_.Registra(ui.chkProgressivo, QStringLiteral("chkProgressivo"), PannelloInserimento, 900, 1640, 1300,
                285);
    ui.chkProgressivo.Caption = QStringLiteral("Km. Progress");
    ui.chkProgressivo.ToolTipText =
        QStringLiteral("Se spuntata, si può indicare il progressivo: la distanza è calcolata in automatico");
    ui.chkProgressivo.Visible = false;
    etichetta(ui.lblInsTipoStrada, "lblInsTipoStrada", QStringLiteral("Tipo di strada"), 2250, 1400, 1300);
    f_.Registra(ui.cmbTipoStrada, QStringLiteral("cmbTipoStrada"), PannelloInserimento, 2250, 1640, 1310,
                285);
    ui.cmbTipoStrada.Clear();
    for (const char* tipo : {"Autostrada", "SuperStrada", "Principale", "Locale"})
        ui.cmbTipoStrada.AddItem(QString::fromLatin1(tipo));

    etichetta(ui.lblInsSosta, "lblInsSosta", QStringLiteral("Eventuale sosta (in gg:hh:mm):"), 90, 1980,
              3450);
    for (int k = 0; k < 3; ++k)
        f_.Registra(ui.cmbSosta[k], QStringLiteral("cmbSosta"), PannelloInserimento, 90 + k * 600, 2220, 570,
                    285, k);
    f_.Registra(ui.chkFineGiornata, QStringLiteral("chkFineGiornata"), PannelloInserimento, 1950, 2220, 1600,
                285);
    ui.chkFineGiornata.Caption = QStringLiteral("Fine giornata");
    ui.chkFineGiornata.ToolTipText = QStringLiteral("Forza la sosta fino alla fine della giornata");

    etichetta(ui.lblInsRiga, "lblInsRiga", QStringLiteral("Riga:"), 90, 2580, 500);
    f_.Registra(ui.txtRiga, QStringLiteral("txtRiga"), PannelloInserimento, 600, 2550, 600, 285);
    ui.txtRiga.Locked = true;
    ui.txtRiga.Centrato = true;
}

void ControlloreItinerario::CollegaEventi() {
    CollegaEventiGriglia();
    CollegaEventiOrari();
    CollegaEventiCopia();
    f_.SuTasto(QStringLiteral("txtTappa"), FiltroMaiuscolo);
    f_.SuTasto(QStringLiteral("txtStrada"), FiltroMaiuscolo);
    f_.SuTasto(QStringLiteral("txtKm"), FiltroCifre);
    f_.SuTasto(QStringLiteral("cmbTipoStrada"), FiltroSoloLista);
    for (const Elenco& sosta : ui.cmbSosta)
        f_.SuTasto(sosta.NomeCompleto(), FiltroSoloLista);
    f_.SuClick(QStringLiteral("cmbRicercaTappa"), [this] { cmbRicercaTappa_Click(); });

    f_.SuClick(QStringLiteral("cmdItinerario"), [this] { cmdItinerario_Click(); });
    f_.SuClick(QStringLiteral("cmdInserisce"), [this] { cmdInserisce_Click(); });
    f_.SuClick(QStringLiteral("cmdAggiunge"), [this] { cmdAggiunge_Click(); });
    f_.SuClick(QStringLiteral("cmdCancella"), [this] { cmdCancella_Click(); });
    f_.SuClick(QStringLiteral("cmdCerca"), [this] { cmdCerca_Click(); });
    f_.SuClick(QStringLiteral("cmdRitorno"), [this] { cmdRitorno_Click(); });
    f_.SuClick(QStringLiteral("cmdAzzeraSoste"), [this] { cmdAzzeraSoste_Click(); });
    f_.SuClick(QStringLiteral("cmdTrasferisce"), [this] { cmdTrasferisce_Click(); });
    f_.SuClick(QStringLiteral("cmdMemorizza"), [this] { cmdMemorizza_Click(); });
    f_.SuClick(QStringLiteral("cmdFine"), [this] { cmdFine_Click(); });
}
